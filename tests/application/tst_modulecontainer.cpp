#include "testsupport.h"

#include "application/module.h"
#include "application/modulecontainer.h"

#include <QPointer>
#include <QSignalSpy>
#include <QStackedLayout>

namespace {

// A module whose hooks answer as told and log every call.
class FakeModule : public CModule
{
public:
    FakeModule(int id, QStringList *log) : CModule(id), log(log) {}

    bool enterModule() override
    {
        log->append(QStringLiteral("enter %1").arg(id()));
        return enters;
    }
    bool leaveModule() override
    {
        log->append(QStringLiteral("leave %1").arg(id()));
        return leaves;
    }
    bool canLeaveModule() override
    {
        log->append(QStringLiteral("canLeave %1").arg(id()));
        return canLeave;
    }

    bool enters = true;
    bool leaves = true;
    bool canLeave = true;

private:
    QStringList *log;
};

QList<int> ids(const QSignalSpy &spy)
{
    QList<int> result;
    for (const QList<QVariant> &arguments : spy)
        result.append(arguments.at(0).toInt());
    return result;
}

} // namespace

class TestModuleContainer : public QObject
{
    Q_OBJECT

private:
    CModuleContainer *container = nullptr;
    FakeModule *garage = nullptr;
    FakeModule *empty = nullptr;
    FakeModule *vendors = nullptr;
    QStringList log;

    int visibleModuleId() const
    {
        auto *stack = qobject_cast<QStackedLayout *>(container->layout());
        auto *module = qobject_cast<CModule *>(stack->currentWidget());
        return module ? module->id() : -1;
    }

private slots:
    void init()
    {
        container = new CModuleContainer;
        garage = new FakeModule(2, &log);
        empty = new FakeModule(1, &log);
        vendors = new FakeModule(71, &log);
        for (CModule *module : {static_cast<CModule *>(garage), static_cast<CModule *>(empty),
                                static_cast<CModule *>(vendors)})
            container->addModule(module);
        container->setDefaultModule(2);
        log.clear();
    }

    void cleanup()
    {
        delete container;
        container = nullptr;
        log.clear();
    }

    void refusalToLeaveChangesNothing_data()
    {
        QTest::addColumn<bool>("canLeave");
        QTest::addColumn<bool>("leaves");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("canLeaveModule refuses, leaveModule is not asked")
            << false << true << QStringList{QStringLiteral("canLeave 2")};
        QTest::newRow("leaveModule refuses")
            << true << false << QStringList{QStringLiteral("canLeave 2"), QStringLiteral("leave 2")};
    }

    void refusalToLeaveChangesNothing()
    {
        QFETCH(bool, canLeave);
        QFETCH(bool, leaves);
        container->activate(2);
        garage->canLeave = canLeave;
        garage->leaves = leaves;
        log.clear();
        QSignalSpy changed(container, &CModuleContainer::moduleChanged);

        QVERIFY(!container->activate(71));

        QTEST(log, "calls");
        QCOMPARE(changed.count(), 0);
        QCOMPARE(container->currentModule(), garage);
        QCOMPARE(visibleModuleId(), 2);
    }

    void moduleRefusingEntryFallsBackToDefault_data()
    {
        QTest::addColumn<int>("defaultId");
        QTest::addColumn<int>("expected");
        QTest::newRow("the default module") << 2 << 2;
        QTest::newRow("the first module when there is no default") << -1 << 2;
        QTest::newRow("a default added later") << 1 << 1;
    }

    void moduleRefusingEntryFallsBackToDefault()
    {
        QFETCH(int, defaultId);
        QFETCH(int, expected);
        auto *fresh = new CModuleContainer;
        QStringList calls;
        auto *first = new FakeModule(2, &calls);
        auto *second = new FakeModule(1, &calls);
        auto *refusing = new FakeModule(71, &calls);
        refusing->enters = false;
        fresh->addModule(first);
        fresh->addModule(second);
        fresh->addModule(refusing);
        fresh->setDefaultModule(defaultId);
        QSignalSpy changed(fresh, &CModuleContainer::moduleChanged);

        QVERIFY(fresh->activate(71));

        // The refused module was never entered, so it is not asked to leave.
        QCOMPARE(calls, (QStringList{QStringLiteral("enter 71"), QStringLiteral("enter %1").arg(expected)}));
        QCOMPARE(ids(changed), QList<int>{expected});
        QCOMPARE(fresh->currentModule()->id(), expected);
        delete fresh;
    }

    void defaultRefusingEntryEndsWithoutLooping()
    {
        container->activate(71);
        garage->enters = false;
        empty->enters = false;
        log.clear();
        QSignalSpy changed(container, &CModuleContainer::moduleChanged);

        QVERIFY(!container->activate(1));

        QCOMPARE(log, (QStringList{QStringLiteral("canLeave 71"), QStringLiteral("leave 71"),
                                   QStringLiteral("enter 1"), QStringLiteral("enter 2")}));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(container->currentModule(), nullptr);
    }

    void reactivatingCurrentModuleRunsBothHooksAndEmitsAgain()
    {
        container->activate(71);
        log.clear();
        QSignalSpy changed(container, &CModuleContainer::moduleChanged);

        // Through the module's own signal, as pages do to refresh themselves.
        vendors->requestActivation();

        QCOMPARE(log, (QStringList{QStringLiteral("canLeave 71"), QStringLiteral("leave 71"),
                                   QStringLiteral("enter 71")}));
        QCOMPARE(ids(changed), QList<int>{71});
    }

    void unknownIdChangesNothing()
    {
        container->activate(1);
        log.clear();
        QSignalSpy changed(container, &CModuleContainer::moduleChanged);

        QVERIFY(!container->activate(999));

        QVERIFY(log.isEmpty());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(container->currentModule(), empty);
        QCOMPARE(visibleModuleId(), 1);
        QCOMPARE(container->moduleById(999), garage);
        QCOMPARE(container->indexOfModule(999), -1);
    }

    void removedModuleStaysAliveAndIsNoLongerCurrent()
    {
        container->activate(71);
        QVERIFY(container->removeModule(vendors));
        QVERIFY(!container->removeModule(vendors));
        QCOMPARE(container->count(), 2);
        QCOMPARE(container->currentModule(), nullptr);
        QCOMPARE(container->indexOfModule(71), -1);
        // Its activate(int) no longer reaches the container.
        vendors->requestActivation();
        QCOMPARE(container->currentModule(), nullptr);
        delete vendors;

        // The next activation has nobody to ask to leave.
        log.clear();
        QVERIFY(container->activate(1));
        QCOMPARE(log, QStringList{QStringLiteral("enter 1")});
    }

    void removeAllDeletesEveryModule()
    {
        QPointer<CModule> watched(garage);
        container->activate(2);
        container->removeAll();
        QVERIFY(watched.isNull());
        QCOMPARE(container->count(), 0);
        QCOMPARE(container->currentModule(), nullptr);
        container->activateDefault(); // empty: nothing happens
        QCOMPARE(container->moduleById(2), nullptr);
    }
};

GARVO_TEST_MAIN(TestModuleContainer)
#include "tst_modulecontainer.moc"
