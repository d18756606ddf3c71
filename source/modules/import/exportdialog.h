#pragma once

#include "widgets/dialog.h"

#include <QList>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Exports the records of every vehicle, or of one, into a zip of CSV files
// at a path the user picks. Accepted once the archive was written.
class CExportDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CExportDialog(QWidget *parent = nullptr);

    void retranslate();

    // The vehicles to export; empty for all of them.
    QList<int> vehicleIds() const;

    QRadioButton *allButton() const { return m_allButton; }
    QRadioButton *oneButton() const { return m_oneButton; }
    QComboBox *vehicleBox() const { return m_vehicleBox; }
    QPushButton *exportButton() const { return m_exportButton; }

public slots:
    // Asks for the file and writes it; a failure is shown and the dialog
    // stays open.
    void slotExport();

private:
    QLabel *m_intro = nullptr;
    QRadioButton *m_allButton = nullptr;
    QRadioButton *m_oneButton = nullptr;
    QComboBox *m_vehicleBox = nullptr;
    QLabel *m_spreadsheetNote = nullptr;
    QPushButton *m_exportButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
