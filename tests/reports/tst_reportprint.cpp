#include "../database/testdatabase.h"
#include "reportdata.h"
#include "testsupport.h"

#include "application/configuration.h"
#include "application/module.h"
#include "application/modulecontainer.h"
#include "modules/report/printing.h"
#include "modules/report/printmenu.h"
#include "modules/report/reportlistwidget.h"
#include "modules/report/reportmodule.h"
#include "modules/vehicle/vehiclecontentwidget.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclecostreportcontent.h"
#include "modules/vehicle/vehicledetails/vehiclereport/vehiclefuelreportcontent.h"
#include "reports/vehicleexpensecalculator.h"
#include "utility/clock.h"
#include "utility/prompt.h"

#include <QAction>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

using namespace ReportData;
using Utility::Prompt;

namespace {

// What a poppler tool prints.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(tool);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF tests read their files with poppler-utils: skipped without them
// outside the project's set-up, failed within it (CI installs them).
#define REQUIRE_POPPLER()                                                                                    \
    do {                                                                                                     \
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {                         \
            const char *reason = "pdftotext and pdfinfo (poppler-utils) are missing; scripts/install-deps.sh " \
                                 "installs them";                                                            \
            if (qEnvironmentVariableIsSet("CI"))                                                             \
                QFAIL(reason);                                                                               \
            QSKIP(reason);                                                                                   \
        }                                                                                                    \
    } while (false)

int pageCount(const QString &pdf)
{
    const QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pageText(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    return poppler(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdf,
                    QStringLiteral("-")});
}

QVariant storedPdfDirectory()
{
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::Main);
    return config->value(Config::Key::PdfDirectoryPath);
}

} // namespace

// The report module with its sidebar list, the print entries and the PDF of
// each report.
class TestReportPrint : public QObject
{
    Q_OBJECT

private:
    TestDatabase *db = nullptr;
    QMainWindow *window = nullptr;
    QAction *exitAction = nullptr;
    CPrintMenu *printMenu = nullptr;
    QTemporaryDir folder;

private slots:
    void init()
    {
        db = new TestDatabase;
        FuelTestData::prepare();
        Utility::Clock::setToday({2025, 12, 31});
        Prompt::setScripted(true);
        Prompt::clearShown();
        window = new QMainWindow;
        QMenu *menu = window->menuBar()->addMenu(QStringLiteral("&Garvo"));
        exitAction = menu->addAction(QStringLiteral("E&xit"));
        printMenu = new CPrintMenu(window);
    }

    void cleanup()
    {
        delete window;
        delete db;
        Utility::Clock::reset();
    }

    void reportListFollowsTheModule()
    {
        CModuleContainer container;
        for (int id : {139, 140, 145, 150})
            container.addModule(id == ModuleId::Reports ? new CReportModule : new CModule(id));
        QCOMPARE(container.moduleById(ModuleId::Reports)->name(), QStringLiteral("Report"));
        CReportListWidget list(&container);
        const QList<QPair<int, bool>> visibleFor = {{145, true}, {150, false}, {140, true}, {139, false}};
        for (const auto &[id, visible] : visibleFor) {
            QVERIFY(container.activate(id));
            QCOMPARE(!list.isHidden(), visible);
        }
        list.dashboardButton()->click();
        QCOMPARE(container.currentModule()->id(), int(ModuleId::Reports));
    }

    void previewPlacement_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QVariant>("left");
        QTest::addColumn<QVariant>("top");
        QTest::addColumn<QRect>("placement");
        // A screen of 1600 x 900: five eighths are 1000 x 562.
        QTest::newRow("nothing stored") << 0 << 0 << QVariant() << QVariant() << QRect(300, 84, 1000, 562);
        QTest::newRow("as wide as the screen") << 1600 << 900 << QVariant(10) << QVariant(20) << QRect(10, 20, 1000, 562);
        QTest::newRow("stored size and place") << 800 << 500 << QVariant(100) << QVariant(50) << QRect(100, 50, 800, 500);
        QTest::newRow("off the screen") << 800 << 500 << QVariant(1500) << QVariant(-40) << QRect(800, 0, 800, 500);
    }

    void previewPlacement()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QVariant, left);
        QFETCH(QVariant, top);
        QFETCH(QRect, placement);
        QCOMPARE(Printing::previewPlacement({1600, 900}, width, height, left, top), placement);
    }

    void previewPlacementIsRemembered()
    {
        QDialog dialog;
        dialog.setGeometry(60, 70, 400, 300);
        Printing::savePreviewPlacement(&dialog);
        QDialog next;
        Printing::restorePreviewPlacement(&next);
        QCOMPARE(next.pos(), QPoint(60, 70));
        QCOMPARE(next.size(), QSize(400, 300));
    }

    // The preview renders the page and keeps where the user left it.
    void previewOpensAtTheRememberedPlacement()
    {
        CVehicle car = addVehicle(1);
        CVehicleContentWidget pages;
        pages.setVehicle(&car);
        pages.changeContent(VehicleContentId::FuelReport);
        CConfiguration *config = CConfiguration::instance();
        config->setGroup(Config::Group::PrintPreviewDialog);
        for (const auto &[key, value] : {qMakePair(Config::Key::Width, 500), qMakePair(Config::Key::Height, 400),
                                         qMakePair(Config::Key::Left, 30), qMakePair(Config::Key::Top, 40)})
            config->setValue(key, value);

        QRect opened;
        int previewPages = 0;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            opened = QRect(dialog->pos(), dialog->size());
            previewPages = dialog->findChild<QPrintPreviewWidget *>()->pageCount();
            dialog->move(50, 60);
            dialog->reject();
        });
        printMenu->previewAction()->trigger();
        QCOMPARE(opened, QRect(30, 40, 500, 400));
        QCOMPARE(previewPages, 1);
        config->setGroup(Config::Group::PrintPreviewDialog);
        QCOMPARE(config->value(Config::Key::Left).toInt(), 50);
        QCOMPARE(config->value(Config::Key::Top).toInt(), 60);
    }

    void printEntriesFollowTheReportPages()
    {
        CVehicle car = addVehicle(1);
        CVehicleContentWidget pages;
        pages.setVehicle(&car);
        const QList<QAction *> entries = {printMenu->previewAction(), printMenu->printAction(),
                                          printMenu->pdfAction()};
        QMenu *menu = window->menuBar()->actions().first()->menu();
        QCOMPARE(menu->actions().last(), exitAction);
        QCOMPARE(menu->actions().first(), printMenu->previewAction());
        for (int id : {VehicleContentId::Info, VehicleContentId::CostReport, VehicleContentId::FuelLog,
                       VehicleContentId::FuelReport, VehicleContentId::Leave}) {
            pages.changeContent(id);
            const bool report = id == VehicleContentId::CostReport || id == VehicleContentId::FuelReport;
            for (QAction *entry : entries) {
                QCOMPARE(entry->isVisible(), report);
                QCOMPARE(entry->isEnabled(), report);
            }
        }
        QCOMPARE(printMenu->printAction()->shortcut(), QKeySequence(QKeySequence::Print));
    }

    // Sixty years by year: the table runs over a second page.
    void costReportPdf()
    {
        REQUIRE_POPPLER();
        CVehicle car = addVehicle(1);
        for (int year = 1966; year <= 2025; ++year)
            addExpense(car, {year, 6, 1}, 10.0);
        addFuel(car, {2025, 3, 1}, 0.5);
        CVehicleContentWidget pages;
        pages.setVehicle(&car);
        auto *page = qobject_cast<CVehicleCostReportContent *>(pages.page(VehicleContentId::CostReport));
        pages.changeContent(VehicleContentId::CostReport);
        page->slotFilterChanged({1966, 1, 1}, {2025, 12, 31});
        QCOMPARE(page->calculator()->count(), 60);

        // Cancelled, and a file that cannot be written: nothing is remembered.
        Prompt::queueFileName(QString());
        printMenu->pdfAction()->trigger();
        QVERIFY(Prompt::shown().empty());
        const QString unwritable = folder.filePath(QStringLiteral("missing/cost.pdf"));
        Prompt::queueFileName(unwritable);
        printMenu->pdfAction()->trigger();
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(Prompt::shown().back().icon, QMessageBox::Critical);
        QVERIFY(Prompt::shown().back().text.contains(unwritable));
        QVERIFY(!storedPdfDirectory().isValid());

        // Written with the suffix added; not replaced unless the user agrees.
        const QString pdf = folder.filePath(QStringLiteral("cost.pdf"));
        Prompt::queueFileName(folder.filePath(QStringLiteral("cost")));
        printMenu->pdfAction()->trigger();
        QCOMPARE(Prompt::shown().size(), size_t(1));
        QCOMPARE(storedPdfDirectory().toString(), folder.path());
        const QDateTime written = QFileInfo(pdf).lastModified();
        Prompt::queueFileName(folder.filePath(QStringLiteral("cost")));
        printMenu->pdfAction()->trigger();
        QCOMPARE(Prompt::shown().size(), size_t(2));
        QCOMPARE(QFileInfo(pdf).lastModified(), written);

        QCOMPARE(pageCount(pdf), 2);
        const QString first = pageText(pdf, 1);
        const QString second = pageText(pdf, 2);
        QVERIFY(first.contains(QStringLiteral("Lada's van")));
        QVERIFY(first.contains(QStringLiteral("January 01 1966 - December 31 2025")));
        QVERIFY(first.contains(QStringLiteral("Page 1 of 2")));
        QVERIFY(first.contains(QStringLiteral("Printed on December 31 2025")));
        // Every year once, the header row on both pages, the total last.
        for (int year = 1966; year <= 2025; ++year) {
            const QRegularExpression row(QStringLiteral("^\\s*%1\\s").arg(year),
                                         QRegularExpression::MultilineOption);
            QCOMPARE(first.count(row) + second.count(row), 1);
        }
        QVERIFY(first.contains(QStringLiteral("Expenses")) && second.contains(QStringLiteral("Expenses")));
        QVERIFY(second.contains(QRegularExpression(QStringLiteral("Total\\s+0.50\\s+0.00\\s+600.00\\s+600.50"))));
        QVERIFY(second.contains(QStringLiteral("Page 2 of 2")));
    }

    void dualFuelReportPdf()
    {
        REQUIRE_POPPLER();
        CVehicle car = addVehicle(2);
        int odometer = 10000;
        for (QDate day(2025, 1, 4); day.year() == 2025; day = day.addDays(16)) {
            odometer += 480;
            addFuel(car, day, 61.0, odometer, 6.2 + (day.month() % 4) * 0.3, 1);
            addFuel(car, day.addDays(8), 38.0, odometer + 240, 9.1 - (day.month() % 3) * 0.4, 2);
        }
        CVehicleContentWidget pages;
        pages.setVehicle(&car);
        auto *page = qobject_cast<CVehicleFuelReportContent *>(pages.page(VehicleContentId::FuelReport));
        pages.changeContent(VehicleContentId::FuelReport);
        page->slotFilterChanged({2025, 1, 1}, {2025, 12, 31});

        const QString pdf = folder.filePath(QStringLiteral("fuel.pdf"));
        Prompt::queueFileName(pdf);
        printMenu->pdfAction()->trigger();
        QVERIFY(Prompt::shown().empty());
        QCOMPARE(pageCount(pdf), 1);
        const QString text = pageText(pdf, 1);
        QVERIFY(text.contains(QStringLiteral("Fuel Report")));
        for (int fuel : {1, 2}) {
            const FuelLogSummary summary = page->report().summary(fuel);
            QVERIFY2(text.contains(summary.titleText), qPrintable(summary.titleText));
            QVERIFY(summary.count > 0);
            QVERIFY(text.contains(summary.summaryText.split(QStringLiteral(" | ")).first()));
        }
    }
};

GARVO_TEST_MAIN(TestReportPrint)

#include "tst_reportprint.moc"
