#include "../database/testdatabase.h"
#include "testsupport.h"

#include "database/tablevehicle.h"
#include "database/tablevehicletype.h"
#include "database/vehicle.h"
#include "database/vehicletype.h"
#include "modules/vehicle/vehicletype/vehicletypedialog.h"
#include "modules/vehicle/vehicletype/vehicletypeitemwidget.h"
#include "modules/vehicle/vehicletype/vehicletypelistdialog.h"
#include "modules/vehicle/vehicletype/vehicletypemanagerwidget.h"
#include "utility/prompt.h"
#include "widgets/gallerywidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <functional>

using Utility::Prompt;

namespace {

// Runs `action` on the type editor once it is shown modally.
void whenEditorShows(const std::function<void(CVehicleTypeDialog *)> &action)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, poll] {
        if (auto *dialog = qobject_cast<CVehicleTypeDialog *>(QApplication::activeModalWidget())) {
            action(dialog);
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

} // namespace

// The type editor, the type list and its items, driven as a user would.
class TestVehicleTypeDialogs : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;

private slots:
    void init()
    {
        db = new TestDatabase;
        QVERIFY(seedVehicleTypes());
        Prompt::setScripted(true);
        Prompt::clearShown();
    }

    void cleanup()
    {
        Prompt::setScripted(false);
        delete db;
        db = nullptr;
    }

    void editorRefusesABlankName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("spaces only") << QStringLiteral("   ");
    }

    void editorRefusesABlankName()
    {
        QFETCH(QString, name);
        CVehicleTypeDialog dialog(0);
        dialog.nameEdit()->setText(name);
        dialog.saveButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.nameLabel()->objectName(), QStringLiteral("redLabel"));
        QCOMPARE(CTableVehicleType::instance()->count(), 10);

        // A name clears the mark; a new type suggests one fuel and kilometres.
        const QString boat = CVehicleType::builtInImagePaths().at(8);
        dialog.gallery()->selectImage(boat);
        dialog.nameEdit()->setText(QStringLiteral("<Fähre> & Co's 100%"));
        dialog.saveButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.nameLabel()->objectName(), QString());
        const CVehicleType saved(dialog.savedId());
        QCOMPARE(saved.id(), 11);
        QCOMPARE(saved.name(), QStringLiteral("<Fähre> & Co's 100%"));
        QCOMPARE(saved.imagePath(), boat);
        QCOMPARE(saved.fuelSystemSuggestion(), 1);
        QCOMPARE(saved.odometerTypeSuggestion(), 1);
    }

    void editedItemKeepsTheTypesSuggestions()
    {
        CVehicleTypeItemWidget item(CVehicleType(7)); // Agricultural: one fuel, hours
        whenEditorShows([](CVehicleTypeDialog *editor) {
            QCOMPARE(editor->nameEdit()->text(), QStringLiteral("Agricultural"));
            QCOMPARE(editor->gallery()->selectedIndex(), 6);
            editor->nameEdit()->setText(QStringLiteral("Tractor"));
            editor->saveButton()->click();
        });
        item.editButton()->click();
        QCOMPARE(item.nameLabel()->text(), QStringLiteral("Tractor"));
        QCOMPARE(CVehicleType(7).odometerTypeSuggestion(), 3);
        QCOMPARE(CTableVehicleType::instance()->count(), 10);
    }

    void deletingATypeAsksWithTheNameAsTyped()
    {
        CVehicleType type(1);
        type.setName(QStringLiteral("<b>Tom & Jerry</b>"));
        CVehicle car;
        car.setName(QStringLiteral("car"));
        car.setTypeId(1);
        const int carId = car.save();
        CVehicle van;
        van.setName(QStringLiteral("van"));
        van.setTypeId(1);
        const int vanId = van.save();
        CVehicleTypeItemWidget item(CVehicleType(1));
        QSignalSpy updated(CTableVehicle::instance(), &CTable::updated);
        // Regression: a name with markup was rendered as rich text in the list.
        QCOMPARE(item.nameLabel()->textFormat(), Qt::PlainText);

        Prompt::queueAnswer(QMessageBox::No);
        item.deleteButton()->click();
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(Prompt::shown().back().title, QStringLiteral("Delete vehicle type"));
        QCOMPARE(Prompt::shown().back().text,
                 QStringLiteral("Are you shure that you want to delete "
                                "<strong>&lt;b&gt;Tom &amp; Jerry&lt;/b&gt;</strong>?"));
        // It says what happens to the vehicles of the type.
        QCOMPARE(Prompt::shown().back().informativeText,
                 QStringLiteral("Its 2 vehicles will move to the type <strong>%1</strong>.")
                     .arg(CVehicleType(2).name().toHtmlEscaped()));
        QVERIFY(CTableVehicleType::instance()->exists(1));
        QVERIFY(!item.isDeleted());

        // Return at the question keeps the type.
        item.deleteButton()->click();
        QVERIFY(CTableVehicleType::instance()->exists(1));

        QSignalSpy deleted(&item, &CVehicleTypeItemWidget::itemDeleted);
        Prompt::queueAnswer(QMessageBox::Yes);
        item.deleteButton()->click();
        QVERIFY(!CTableVehicleType::instance()->exists(1));
        QVERIFY(item.isDeleted());
        QVERIFY(item.isHidden());
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(CVehicle(carId).typeId(), 2);
        QCOMPARE(CVehicle(vanId).typeId(), 2);
        // Open pages of the moved vehicles hear of it.
        QCOMPARE(updated.count(), 2);
    }

    void lastTypeIsNeverDeleted()
    {
        for (int id = 2; id <= 10; ++id)
            QVERIFY(CTableVehicleType::instance()->removeType(id));
        CVehicleTypeItemWidget item(CVehicleType(1));

        Prompt::queueAnswer(QMessageBox::Yes);
        item.deleteButton()->click();
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Information);
        QVERIFY(CTableVehicleType::instance()->exists(1));
        QVERIFY(!item.isDeleted());
    }

    void managerListsTypesAndAddsNewOnes()
    {
        CVehicleTypeListDialog dialog;
        CVehicleTypeManagerWidget *manager = dialog.manager();
        QCOMPARE(manager->items().size(), 10);
        QCOMPARE(manager->items().at(8)->nameLabel()->text(), QStringLiteral("Boat"));
        QVERIFY(manager->noneLabel()->isHidden());

        whenEditorShows([](CVehicleTypeDialog *editor) {
            editor->nameEdit()->setText(QStringLiteral("Tractor"));
            editor->saveButton()->click();
        });
        manager->newButton()->click();
        QCOMPARE(manager->items().size(), 11);
        QCOMPARE(manager->items().last()->nameLabel()->text(), QStringLiteral("Tractor"));
        QCOMPARE(manager->items().last()->type().id(), 11);
    }
};

GARVO_TEST_MAIN(TestVehicleTypeDialogs)
#include "tst_vehicletypedialogs.moc"
