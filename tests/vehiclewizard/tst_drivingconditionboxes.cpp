#include "testsupport.h"

#include "modules/vehicle/wizard/drivingconditionboxes.h"

#include <QAbstractButton>
#include <QLabel>
#include <memory>

// The four driving-condition boxes: what they show for a stored code and the
// code they give back for what the user checked.
class TestDrivingConditionBoxes : public QObject
{
    Q_OBJECT

private:
    static std::unique_ptr<CDrivingConditionGroupBox> make(const QString &kind)
    {
        if (kind == QLatin1String("style"))
            return std::make_unique<CDrivingStyleGroupBox>();
        if (kind == QLatin1String("tires"))
            return std::make_unique<CTiresGroupBox>();
        if (kind == QLatin1String("routes"))
            return std::make_unique<CRoutesGroupBox>();
        return std::make_unique<CExtrasGroupBox>();
    }

    static QStringList checkedTexts(const CDrivingConditionGroupBox &box)
    {
        QStringList texts;
        for (int i = 0; i < box.buttonCount(); ++i) {
            if (box.button(i)->isChecked())
                texts.append(box.button(i)->text());
        }
        return texts;
    }

private slots:
    void storedValueIsShown_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<int>("value");
        QTest::newRow("style unknown shows not defined") << "style" << 4 << QStringList{"Not defined"} << 0;
        QTest::newRow("tires negative shows not defined") << "tires" << -2 << QStringList{"Not defined"} << 0;
        QTest::newRow("routes 5: motorway and country road")
            << "routes" << 5 << QStringList{"Motorway", "Country Road"} << 5;
        QTest::newRow("routes with an unknown bit") << "routes" << 8 + 1 << QStringList{"Motorway"} << 1;
        QTest::newRow("extras 3: AC and trailer") << "extras" << 3 << QStringList{"AC", "Trailer"} << 3;
        QTest::newRow("extras all") << "extras" << 7 << QStringList{"AC", "Trailer", "Private Use"} << 7;
    }

    void storedValueIsShown()
    {
        QFETCH(QString, kind);
        QFETCH(int, stored);
        QFETCH(int, value);
        std::unique_ptr<CDrivingConditionGroupBox> box = make(kind);
        // A box that showed something else first must not keep any of it.
        box->setValue(kind == QLatin1String("style") || kind == QLatin1String("tires") ? 2 : 7);
        box->setValue(stored);
        QTEST(checkedTexts(*box), "checked");
        QCOMPARE(box->value(), value);
    }

    void newBoxesStartUndefined()
    {
        for (const char *kind : { "style", "tires", "routes", "extras" }) {
            std::unique_ptr<CDrivingConditionGroupBox> box = make(QLatin1String(kind));
            QCOMPARE(box->value(), 0);
        }
        CDrivingStyleGroupBox style;
        QCOMPARE(checkedTexts(style), QStringList{QStringLiteral("Not defined") });
    }

    void clickingGivesTheCodes()
    {
        CRoutesGroupBox routes;
        QTest::mouseClick(routes.button(2), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(routes.button(0), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(routes.value(), 1 + 2);
        QTest::mouseClick(routes.button(0), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(routes.value(), 2);

        // One choice at a time.
        CTiresGroupBox tires;
        QTest::mouseClick(tires.button(1), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(tires.button(2), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(tires.value(), 2);
        QCOMPARE(checkedTexts(tires), QStringList{QStringLiteral("Winter") });
    }
};

GARVO_TEST_MAIN(TestDrivingConditionBoxes)
#include "tst_drivingconditionboxes.moc"
