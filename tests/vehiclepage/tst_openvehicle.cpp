#include "testsupport.h"
#include "vehiclefixtures.h"

#include "application/appmw.h"
#include "application/headerwidget.h"
#include "application/modulecontainer.h"
#include "application/sidebar.h"
#include "database/database.h"
#include "modules/vehicle/vehiclecontent.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "modules/vehicle/vehicleinfowidget.h"
#include "modules/vehicle/vehiclemodule.h"
#include "modules/vehicle/vehiclesidebarwidget.h"
#include "utility/prompt.h"

#include <QLabel>
#include <QToolButton>

// The vehicle page inside the main window: opening a vehicle, going back,
// and edits reaching the open page.
class TestOpenVehicle : public QObject
{
    Q_OBJECT

private:
    CAppMW *window = nullptr;
    CVehicleModule *module = nullptr;
    int golfId = 0;

    CModuleContainer *container() const { return window->moduleContainer(); }

private slots:
    void init()
    {
        Utility::Prompt::setScripted(true);
        window = new CAppMW;
        QVERIFY(CDatabase::instance()->isOpen());
        module = qobject_cast<CVehicleModule *>(container()->moduleById(ModuleId::Vehicle));
        QVERIFY(module);
        golfId = Fixtures::addVehicle(QStringLiteral("Golf"), 2, QStringLiteral("Gasoline"), QStringLiteral("LPG"));
        QVERIFY(golfId != 0);
    }

    void cleanup()
    {
        window->slotAppClose();
        delete window;
        window = nullptr;
        QFile::remove(CDatabase::defaultPath());
    }

    void openVehicleShowsItsInfoPage()
    {
        QVERIFY(openVehicle(golfId));
        QCOMPARE(container()->currentModule(), module);
        QVERIFY(window->leftSidebar()->isHidden());
        QCOMPARE(module->contentWidget()->currentId(), int(VehicleContentId::Info));
        QCOMPARE(module->header()->title(), QStringLiteral("Golf"));

        // An id without a row changes nothing.
        QVERIFY(!openVehicle(golfId + 100));
        QCOMPARE(container()->currentModule(), module);
        QCOMPARE(module->vehicle().id(), golfId);

        module->sidebar()->backButton()->click();
        QCOMPARE(container()->currentModule()->id(), int(ModuleId::Garage));
        QVERIFY(!module->contentWidget()->activePage());
    }

    // The shown vehicle changed elsewhere: the page shows the change where it
    // is; no module is entered again, on the vehicle page or elsewhere.
    void updatedVehicleShowsWithoutReentry()
    {
        QVERIFY(openVehicle(golfId));
        module->sidebar()->notesButton()->click();
        QSignalSpy changes(container(), &CModuleContainer::moduleChanged);
        CVehicle(Fixtures::addVehicle(QStringLiteral("Other"))).setName(QStringLiteral("Renamed other"));
        QCOMPARE(module->header()->title(), QStringLiteral("Golf"));
        CVehicle edited(golfId);
        edited.setAutoSave(false);
        edited.setName(QStringLiteral("Golf Variant"));
        edited.setFuelSystemType(1);
        edited.setOdometerValue(51000);
        QCOMPARE(edited.save(), golfId);
        QCOMPARE(module->header()->title(), QStringLiteral("Golf Variant"));
        QVERIFY(module->newFuelTwoButton()->isHidden());
        QCOMPARE(module->sidebar()->infoWidget()->odometerLabel()->text(), QStringLiteral("51000 km"));
        QCOMPARE(module->contentWidget()->currentId(), int(VehicleContentId::NoNotes));

        QVERIFY(container()->activate(ModuleId::Garage));
        changes.clear();
        CVehicle vehicle(golfId);
        vehicle.setOrder(5);
        QCoreApplication::processEvents();
        QCOMPARE(changes.count(), 0);
        QCOMPARE(container()->currentModule()->id(), int(ModuleId::Garage));
    }
};

GARVO_TEST_MAIN(TestOpenVehicle)
#include "tst_openvehicle.moc"
