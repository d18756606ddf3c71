#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QPrinter;

// The print entries of the application menu: "Print Preview", "Print" and
// "Print to PDF", placed before the menu's last entry. They are shown and
// enabled while a report page of the vehicle page is visible, and print that
// page's report; elsewhere they are hidden and disabled.
class CPrintMenu : public QObject
{
    Q_OBJECT

public:
    explicit CPrintMenu(QMainWindow *parent);
    ~CPrintMenu() override;

    QAction *previewAction() const { return m_previewAction; }
    QAction *printAction() const { return m_printAction; }
    QAction *pdfAction() const { return m_pdfAction; }
    void retranslate();

public slots:
    // Renders the visible report page into `printer`.
    void print(QPrinter *printer);
    void slotPrint();
    void slotPrintPreview();
    // Asks for a file and writes the report there as a PDF. The folder is
    // remembered only once the file is written; a file that cannot be
    // written is reported.
    void slotPrintToPdf();

private:
    bool render(QPrinter *printer);
    void updateActions();

    QMainWindow *m_window = nullptr;
    QAction *m_previewAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_pdfAction = nullptr;
    QAction *m_firstSeparator = nullptr;
    QAction *m_secondSeparator = nullptr;
};
