#include "../database/testdatabase.h"
#include "testrecords.h"
#include "testsupport.h"

#include "database/expense.h"
#include "database/note.h"
#include "database/odometerlog.h"
#include "database/tableexpense.h"
#include "database/tablenote.h"
#include "database/vehicle.h"
#include "modules/vehicle/expense/expensecontent.h"
#include "modules/vehicle/expense/expensedetailswidget.h"
#include "modules/vehicle/expense/expensedialog.h"
#include "modules/vehicle/expense/expensetableview.h"
#include "modules/vehicle/note/notedialog.h"
#include "modules/vehicle/records/recordtableview.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "utility/prompt.h"
#include "widgets/numberedit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQueryModel>

using Utility::Prompt;

namespace {

QString stored(const QString &sql, int id)
{
    QSqlQuery query;
    if (!CDatabase::instance()->exec(query, sql, {id}) || !query.next())
        return QStringLiteral("(none)");
    return query.value(0).toString();
}

} // namespace

// Expenses and notes: their saves with a reading, their dialogs and pages.
class TestExpensesNotes : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;
    int vehicleId = 0;

private slots:
    void init()
    {
        db = new TestDatabase;
        Prompt::setScripted(true);
        Prompt::clearShown();
        vehicleId = TestRecords::addVehicle();
    }

    void cleanup()
    {
        delete db;
    }

    void expenseSavesWithAnEstimatedReading()
    {
        TestRecords::addReading(vehicleId, QDate(2024, 1, 1), 1000);
        TestRecords::addReading(vehicleId, QDate(2024, 1, 11), 2000);
        CExpense expense;
        expense.setAutoSave(false);
        expense.setName(QStringLiteral("Toll <A1> & 'bridge'"));
        expense.setComment(QStringLiteral("north\nsouth"));
        expense.setDate(QDate(2024, 1, 6));
        expense.setAmount(2.125);
        QString error;
        const int id = expense.saveWithReading(vehicleId, &error);
        QVERIFY2(id != 0, qPrintable(error));
        QCOMPARE(stored(QStringLiteral("SELECT expense_amount FROM expense WHERE expense_id=?"), id),
                 QStringLiteral("2.125"));
        const COdometerLog reading = COdometerLog::byParent(COdometerLog::ExpenseParent, id);
        QCOMPARE(reading.odometer(), 1500);
        QCOMPARE(reading.vehicleId(), vehicleId);
        QCOMPARE(reading.description(), QStringLiteral("Toll <A1> & 'bridge' - north\nsouth"));

        // An edit keeps the one reading.
        CExpense edited(id);
        edited.setDate(QDate(2024, 1, 11));
        QCOMPARE(edited.saveWithReading(0), id);
        QCOMPARE(TestRecords::rows(QStringLiteral("odometerlog")), 3);
        QCOMPARE(COdometerLog::byParent(COdometerLog::ExpenseParent, id).odometer(), 2000);
    }

    void expenseAmountTexts()
    {
        QCOMPARE(CExpense::amountText(12.5), QStringLiteral("12.5"));
        QCOMPARE(CExpense::amountText(12), QStringLiteral("12."));
        QCOMPARE(CExpense::amountText(0), QStringLiteral("0."));
        QCOMPARE(CExpense::amountText(2.125), QStringLiteral("2.125"));
    }

    void noteWithATitleOnly()
    {
        CNote note;
        note.setAutoSave(false);
        note.setTitle(QStringLiteral("Radio code"));
        note.setDate(QDate(2024, 3, 1));
        const int id = note.saveWithReading(vehicleId);
        QVERIFY(id != 0);
        QCOMPARE(CNote(id).description(), QString());
        QCOMPARE(COdometerLog::byParent(COdometerLog::NoteParent, id).description(), QStringLiteral("Radio code"));
        QCOMPARE(COdometerLog::byParent(COdometerLog::NoteParent, id).odometer(), 0);
    }

    void failedWriteLeavesNothing_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::newRow("reading refused") << "odometerlog";
        QTest::newRow("expense refused") << "expense";
    }

    void failedWriteLeavesNothing()
    {
        QFETCH(QString, failing);
        QVERIFY(db->database->exec(
            QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'no'); END").arg(failing)));
        CExpenseDialog dialog;
        QVERIFY(dialog.openEntry(0, vehicleId));
        dialog.nameEdit()->setText(QStringLiteral("Parking"));
        dialog.amountEdit()->setText(QStringLiteral("3,50"));
        dialog.slotSave();
        QCOMPARE(dialog.savedId(), 0);
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Critical);
        QCOMPARE(TestRecords::rows(QStringLiteral("expense")), 0);
        QCOMPARE(TestRecords::rows(QStringLiteral("odometerlog")), 0);
        // What the user typed is still there for another try.
        QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("Parking"));

        QVERIFY(db->database->exec(QStringLiteral("DROP TRIGGER refuse")));
        dialog.slotSave();
        QVERIFY(dialog.savedId() != 0);
        QCOMPARE(CExpense(dialog.savedId()).amount(), 3.5);
    }

    void expenseDialogRefusesWhatIsNoAmount_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("saved");
        QTest::newRow("comma as decimal mark") << "Toll" << "12,5" << true;
        QTest::newRow("point as decimal mark") << "Toll" << "12.5" << true;
        QTest::newRow("letters") << "Toll" << "abc" << false;
        QTest::newRow("negative") << "Toll" << "-5" << false;
        QTest::newRow("empty amount") << "Toll" << "" << false;
        QTest::newRow("blank name") << "  " << "1" << false;
    }

    void expenseDialogRefusesWhatIsNoAmount()
    {
        QFETCH(QString, name);
        QFETCH(QString, amount);
        QFETCH(bool, saved);
        CExpenseDialog dialog;
        QVERIFY(dialog.openEntry(0, vehicleId));
        QCOMPARE(dialog.amountEdit()->text(), QStringLiteral("0.00"));
        dialog.nameEdit()->setText(name);
        dialog.amountEdit()->setText(amount);
        dialog.slotSave();
        QCOMPARE(dialog.savedId() != 0, saved);
        QCOMPARE(TestRecords::rows(QStringLiteral("expense")), saved ? 1 : 0);
        if (saved) {
            QCOMPARE(CExpense(dialog.savedId()).amount(), 12.5);
            CExpenseDialog edit;
            QVERIFY(edit.openEntry(dialog.savedId()));
            QCOMPARE(edit.amountEdit()->text(), QStringLiteral("12.5"));
            QCOMPARE(edit.windowTitle(), QStringLiteral("Edit Expense"));
        } else {
            QVERIFY(!dialog.reasonText().isEmpty());
            const bool badName = name.trimmed().isEmpty();
            QCOMPARE(dialog.nameLabel()->objectName(), badName ? QStringLiteral("errorLabel") : QStringLiteral("QLabel"));
            QCOMPARE(dialog.amountLabel()->objectName(), badName ? QStringLiteral("QLabel") : QStringLiteral("errorLabel"));
        }
    }

    void noteDialogNeedsATitleAndKeepsTheStar()
    {
        CNoteDialog dialog;
        QVERIFY(dialog.openEntry(0, vehicleId));
        dialog.slotSave();
        QCOMPARE(dialog.savedId(), 0);
        QCOMPARE(dialog.titleLabel()->objectName(), QStringLiteral("errorLabel"));
        dialog.titleEdit()->setText(QStringLiteral("Tyres"));
        dialog.staredBox()->setChecked(true);
        dialog.descriptionEdit()->setPlainText(QStringLiteral("Winter set in the garage"));
        dialog.slotSave();
        QVERIFY(dialog.savedId() != 0);
        const CNote note(dialog.savedId());
        QVERIFY(note.stared());
        QCOMPARE(note.vehicleId(), vehicleId);
        CNoteDialog edit;
        QVERIFY(edit.openEntry(note.id()));
        QVERIFY(edit.staredBox()->isChecked());
        QVERIFY(!edit.openEntry(note.id() + 1));
    }

    // The page shows the selected expense; names are never read as markup.
    void expensePageDetailsAndEmptyPage()
    {
        CVehicle vehicle(vehicleId);
        CExpense expense;
        expense.setAutoSave(false);
        expense.setName(QStringLiteral("<b>Toll</b>"));
        expense.setDate(QDate(2024, 1, 6));
        expense.setAmount(2.125);
        const int id = expense.saveWithReading(vehicleId);

        CVehicleContentWidget content;
        content.setVehicle(&vehicle);
        content.resize(900, 500);
        content.show();
        content.changeContent(VehicleContentId::Expenses);
        auto *page = qobject_cast<CExpenseContent *>(content.page(VehicleContentId::Expenses));
        QVERIFY(page);
        QCOMPARE(page->tableView()->currentId(), id);
        QCOMPARE(page->shownDetails(), page->detailsWidget());
        auto *details = static_cast<CExpenseDetailsWidget *>(page->detailsWidget());
        QCOMPARE(details->nameLabel()->text(), QStringLiteral("<b>Toll</b>"));
        QCOMPARE(details->nameLabel()->textFormat(), Qt::PlainText);
        QCOMPARE(details->amountLabel()->text(), QStringLiteral("$ 2.13"));
        QCOMPARE(page->tableView()->recordModel()->index(0, CTableExpense::Amount).data().toString(),
                 QStringLiteral("2.125"));

        Prompt::queueAnswer(QMessageBox::Yes);
        details->deleteButton()->click();
        QCOMPARE(Prompt::shown().back().text,
                 QStringLiteral("Are you sure that you want to delete <strong>&lt;b&gt;Toll&lt;/b&gt;</strong> expense?"));
        QTRY_COMPARE(content.currentId(), int(VehicleContentId::NoExpenses));
    }
};

GARVO_TEST_MAIN(TestExpensesNotes)
#include "tst_expensesnotes.moc"
