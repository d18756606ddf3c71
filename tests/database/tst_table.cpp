#include "testdatabase.h"
#include "testsupport.h"

#include "database/recordquery.h"
#include "database/tablenote.h"
#include "database/tablesettings.h"

Q_DECLARE_METATYPE(QList<RecordQuery::SortKey>)

// The generic table layer on the note table: results, failure values,
// signals, and values that would break SQL built as text.
class TestTable : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;
    CTableNote *notes = nullptr;

    int addNote(int vehicleId, const QString &title)
    {
        return notes->insert({vehicleId, title},
                             {notes->column(CTableNote::VehicleId), notes->column(CTableNote::Title)});
    }

private slots:
    void init()
    {
        db = new TestDatabase;
        notes = CTableNote::instance();
        QVERIFY(notes);
    }

    void cleanup()
    {
        delete db;
        db = nullptr;
    }

    void idZeroIsNeverARow()
    {
        addNote(1, QStringLiteral("a"));
        QSignalSpy deleted(notes, &CTable::deleted);
        QVERIFY(!notes->exists(0));
        QVERIFY(!notes->remove(0));
        QCOMPARE(deleted.count(), 0);
        QCOMPARE(notes->count(), 1);
    }

    void lookups()
    {
        QCOMPARE(notes->firstId(), 0);
        QCOMPARE(notes->findId(CTableNote::Title, QStringLiteral("x")), 0);
        const int a = addNote(7, QStringLiteral("same"));
        const int b = addNote(8, QStringLiteral("same"));
        const int c = addNote(8, QStringLiteral("other"));
        QCOMPARE(QList<int>({a, b, c}), QList<int>({1, 2, 3}));
        QCOMPARE(notes->firstId(), a);
        QCOMPARE(notes->firstId(QStringLiteral("note_vehicle_id = ?"), {8}), b);
        QCOMPARE(notes->findId(CTableNote::Title, QStringLiteral("same")), a);
        QCOMPARE(notes->findId(QStringLiteral("note_vehicle_id = ? AND note_title = ?"),
                               {8, QStringLiteral("other")}),
                 c);
        QCOMPARE(notes->ids(QStringLiteral("note_vehicle_id = ?"), {8}), QList<int>({b, c}));
        QVERIFY(notes->exists(b));
        QVERIFY(!notes->exists(99));
        QCOMPARE(notes->count(QStringLiteral("note_vehicle_id = ?"), {8}), 2);
    }

    void missingRowGivesEmptyResults()
    {
        QVERIFY(notes->record(5).isEmpty());
        QVERIFY(!notes->value(5, CTableNote::Title).isValid());
        const int id = addNote(1, QStringLiteral("t"));
        QCOMPARE(notes->record(id).value(QStringLiteral("note_title")).toString(), QStringLiteral("t"));
        QCOMPARE(notes->value(id, CTableNote::VehicleId).toInt(), 1);
    }

    void updateFieldSignalsOnlySuccess()
    {
        const int id = addNote(1, QStringLiteral("old"));
        QSignalSpy updated(notes, &CTable::updated);
        QVERIFY(notes->updateField(id, CTableNote::Title, QStringLiteral("new")));
        QCOMPARE(updated.count(), 1);
        QCOMPARE(updated.at(0).at(0).toInt(), id);
        QCOMPARE(notes->value(id, CTableNote::Title).toString(), QStringLiteral("new"));

        QVERIFY(!notes->updateField(id, 42, QStringLiteral("no such column")));
        QCOMPARE(updated.count(), 1);
    }

    void updateFieldWhereCountsRows()
    {
        addNote(1, QStringLiteral("a"));
        addNote(1, QStringLiteral("b"));
        addNote(2, QStringLiteral("c"));
        QSignalSpy fieldUpdated(notes, &CTable::fieldUpdated);

        QCOMPARE(notes->updateFieldWhere(CTableNote::Stared, 1, QString()), 3);
        QCOMPARE(fieldUpdated.count(), 1);
        QCOMPARE(fieldUpdated.at(0).at(0).toInt(), int(CTableNote::Stared));

        QCOMPARE(notes->updateFieldWhere(CTableNote::Title, QStringLiteral("x"), QStringLiteral("note_vehicle_id = ?"), {1}), 2);
        QCOMPARE(notes->count(QStringLiteral("note_title = 'x'")), 2);

        QCOMPARE(notes->updateFieldWhere(CTableNote::Title, QStringLiteral("y"), QStringLiteral("note_vehicle_id = 9")), 0);
        QCOMPARE(notes->updateFieldWhere(CTableNote::Title, QStringLiteral("y"), QStringLiteral("no_column = 1")), -1);
        QCOMPARE(fieldUpdated.count(), 2);
    }

    void insertAndSaveSignalEvenOnFailure()
    {
        QSignalSpy inserted(notes, &CTable::inserted);
        QSignalSpy updated(notes, &CTable::updated);

        QCOMPARE(notes->insert({1}, {QStringLiteral("note_colour")}), 0);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(0).toInt(), 0);

        const int id = notes->save(0, {QStringLiteral("via save")}, {notes->column(CTableNote::Title)});
        QCOMPARE(id, 1);
        QCOMPARE(inserted.at(1).at(0).toInt(), id);
        QCOMPARE(updated.count(), 0);

        QCOMPARE(notes->save(id, {QStringLiteral("changed")}, {notes->column(CTableNote::Title)}), id);
        QCOMPARE(notes->value(id, CTableNote::Title).toString(), QStringLiteral("changed"));
        QCOMPARE(notes->save(id, {1}, {QStringLiteral("note_colour")}), 0);
        QCOMPARE(updated.count(), 2);
        QCOMPARE(updated.at(1).at(0).toInt(), id);
    }

    void removeSucceedsAlsoWithoutRow()
    {
        const int id = addNote(1, QStringLiteral("a"));
        QSignalSpy deleted(notes, &CTable::deleted);
        QVERIFY(notes->remove(id));
        QVERIFY(notes->remove(id));
        QCOMPARE(deleted.count(), 2);
        QCOMPARE(notes->count(), 0);
    }

    void hostileTextRoundTrips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("single quotes") << "Bob's 'best' car";
        QTest::newRow("double quotes") << "the \"blue\" one";
        QTest::newRow("percent and underscore") << "100% _done_";
        QTest::newRow("backslash") << "C:\\cars\\n";
        QTest::newRow("semicolon and statement") << "x'); DROP TABLE note; --";
        QTest::newRow("placeholder characters") << "? :name %1";
        QTest::newRow("non-Latin") << QString::fromUtf8("Überprüfung — 日本語 ✓ ещё");
    }

    void hostileTextRoundTrips()
    {
        QFETCH(QString, text);
        const QString title = notes->column(CTableNote::Title);
        const QString description = notes->column(CTableNote::Description);

        const QString twice = text + text;
        const QString marked = text + QStringLiteral("!");
        const int id = notes->insert({1, text}, {notes->column(CTableNote::VehicleId), title});
        QVERIFY(id > 0);
        QCOMPARE(notes->value(id, CTableNote::Title).toString(), text);
        QCOMPARE(notes->findId(CTableNote::Title, text), id);
        QCOMPARE(notes->findId(QStringLiteral("note_title = ?"), {text}), id);
        QCOMPARE(notes->count(QStringLiteral("note_title = ?"), {text}), 1);

        QCOMPARE(notes->save(id, {twice}, {description}), id);
        QCOMPARE(notes->record(id).value(description).toString(), twice);

        QVERIFY(notes->updateField(id, CTableNote::Description, text));
        QCOMPARE(notes->value(id, CTableNote::Description).toString(), text);

        QCOMPARE(notes->updateFieldWhere(CTableNote::Title, marked,
                                         QStringLiteral("note_title = ?"), {text}),
                 1);
        QCOMPARE(notes->value(id, CTableNote::Title).toString(), marked);

        QVERIFY(db->settings->setValue(text, text));
        QVERIFY(db->settings->setValue(text, twice));
        QCOMPARE(db->settings->value(text).toString(), twice);

        QVERIFY(db->database->tableExists(QStringLiteral("note")));
        QCOMPARE(notes->count(), 1);
    }

    void rowOfAgreesWithTheListedOrder_data()
    {
        QTest::addColumn<QList<RecordQuery::SortKey>>("order");
        QTest::newRow("one direction") << QList<RecordQuery::SortKey>{{CTableNote::Date, Qt::DescendingOrder},
                                                                      {CTableNote::Title, Qt::DescendingOrder}};
        QTest::newRow("mixed") << QList<RecordQuery::SortKey>{{CTableNote::Date, Qt::DescendingOrder},
                                                              {CTableNote::Title, Qt::AscendingOrder}};
        QTest::newRow("by id") << QList<RecordQuery::SortKey>{};
    }

    void rowOfAgreesWithTheListedOrder()
    {
        QFETCH(QList<RecordQuery::SortKey>, order);
        // Equal keys (ties broken by id), an unset date and another vehicle.
        const QStringList dates = {QStringLiteral("2020-01-02"), QStringLiteral(""), QStringLiteral("2020-01-02"),
                                   QStringLiteral("2019-12-31"), QStringLiteral("2020-01-02")};
        const QStringList titles = {QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("a"),
                                    QStringLiteral("c"), QStringLiteral("b")};
        const QStringList columns = {notes->column(CTableNote::VehicleId), notes->column(CTableNote::Date),
                                     notes->column(CTableNote::Title)};
        for (int i = 0; i < dates.size(); ++i)
            notes->insert({7, dates.at(i), titles.at(i)}, columns);
        const int elsewhere = notes->insert({8, dates.first(), titles.first()}, columns);

        QSqlQuery listed = RecordQuery::rowsWhere(notes, CTableNote::VehicleId, 7, order);
        for (int row = 0; listed.next(); ++row)
            QCOMPARE(RecordQuery::rowOf(notes, CTableNote::VehicleId, 7, order, listed.value(0).toInt()), row);
        QCOMPARE(RecordQuery::rowOf(notes, CTableNote::VehicleId, 7, order, elsewhere), -1);
        QCOMPARE(RecordQuery::rowOf(notes, CTableNote::VehicleId, 7, order, elsewhere + 1), -1);
    }

    void unsetTextIsStoredAsEmptyText()
    {
        const int id = notes->insert({QVariant()}, {notes->column(CTableNote::Title)});
        QCOMPARE(db->scalar(QStringLiteral("SELECT typeof(note_title) || length(note_title) FROM note "
                                           "WHERE note_id = ?"),
                            {id})
                     .toString(),
                 QStringLiteral("text0"));
    }
};

GARVO_TEST_GUILESS_MAIN(TestTable)
#include "tst_table.moc"
