#include "modules/report/printmenu.h"

#include "modules/report/printing.h"
#include "modules/report/reportrenderer.h"
#include "modules/vehicle/vehicledetails/vehiclereport/reportcontent.h"
#include "utility/prompt.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

CPrintMenu::CPrintMenu(QMainWindow *parent) : QObject(parent), m_window(parent)
{
    m_previewAction = new QAction(this);
    m_printAction = new QAction(this);
    m_printAction->setShortcut(QKeySequence::Print);
    m_firstSeparator = new QAction(this);
    m_firstSeparator->setSeparator(true);
    m_pdfAction = new QAction(this);
    m_secondSeparator = new QAction(this);
    m_secondSeparator->setSeparator(true);
    connect(m_previewAction, &QAction::triggered, this, &CPrintMenu::slotPrintPreview);
    connect(m_printAction, &QAction::triggered, this, &CPrintMenu::slotPrint);
    connect(m_pdfAction, &QAction::triggered, this, &CPrintMenu::slotPrintToPdf);

    const QList<QAction *> menus = parent->menuBar()->actions();
    if (QMenu *menu = menus.isEmpty() ? nullptr : menus.first()->menu()) {
        QAction *last = menu->actions().isEmpty() ? nullptr : menu->actions().last();
        menu->insertActions(last, {m_previewAction, m_printAction, m_firstSeparator, m_pdfAction, m_secondSeparator});
    }
    connect(CReportPages::instance(), &CReportPages::visiblePageChanged, this, &CPrintMenu::updateActions);
    retranslate();
}

CPrintMenu::~CPrintMenu() = default;

void CPrintMenu::retranslate()
{
    m_printAction->setText(tr("&Print"));
    m_previewAction->setText(tr("Print Pre&view..."));
    m_pdfAction->setText(tr("Print to P&DF"));
    updateActions();
}

void CPrintMenu::updateActions()
{
    const bool available = CReportContent::visiblePage() != nullptr;
    for (QAction *action : {m_previewAction, m_printAction, m_firstSeparator, m_pdfAction, m_secondSeparator}) {
        action->setEnabled(available);
        action->setVisible(available);
    }
}

bool CPrintMenu::render(QPrinter *printer)
{
    CReportContent *page = CReportContent::visiblePage();
    if (!page)
        return false;
    CReportRenderer renderer(page->printDocument(), page->printChart());
    return renderer.print(printer);
}

void CPrintMenu::print(QPrinter *printer)
{
    render(printer);
}

void CPrintMenu::slotPrint()
{
    if (!CReportContent::visiblePage())
        return;
    QPrinter printer(QPrinter::HighResolution);
    Printing::setupPrinter(&printer);
    QPrintDialog dialog(&printer, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!render(&printer))
        Utility::Prompt::critical(m_window, tr("Print"), tr("The report could not be printed."));
}

void CPrintMenu::slotPrintPreview()
{
    if (!CReportContent::visiblePage())
        return;
    QPrinter printer(QPrinter::HighResolution);
    Printing::setupPrinter(&printer);
    QPrintPreviewDialog dialog(&printer, m_window);
    Printing::restorePreviewPlacement(&dialog);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, &CPrintMenu::print);
    dialog.exec();
    Printing::savePreviewPlacement(&dialog);
}

void CPrintMenu::slotPrintToPdf()
{
    if (!CReportContent::visiblePage())
        return;
    QString fileName = Utility::Prompt::saveFileName(m_window, tr("Save Data to PDF"), Printing::pdfDirectory(),
                                                     tr("PDF file(*.pdf)"));
    if (fileName.isEmpty())
        return;
    // A name without a suffix gets ".pdf"; a file of that name is replaced
    // only when the user agrees, as the dialog asked for the name given.
    if (QFileInfo(fileName).suffix().isEmpty()) {
        fileName += QStringLiteral(".pdf");
        if (QFileInfo::exists(fileName) &&
            Utility::Prompt::question(m_window, tr("Print to PDF"),
                                      tr("%1 already exists.\nDo you want to replace it?")
                                          .arg(QDir::toNativeSeparators(fileName)),
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    QPrinter printer(QPrinter::HighResolution);
    Printing::setupPrinter(&printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    const bool written = render(&printer) && QFileInfo(fileName).size() > 0;
    if (!written) {
        Utility::Prompt::critical(m_window, tr("Print to PDF"),
                                  tr("The PDF file could not be written:\n%1").arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    Printing::setPdfDirectory(QFileInfo(fileName).absolutePath());
}
