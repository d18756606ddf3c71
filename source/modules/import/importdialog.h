#pragma once

#include "import/importbatch.h"
#include "import/importer.h"
#include "widgets/dialog.h"

#include <QStringList>

class CWizardSidebar;
class ImportReader;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QTableWidget;

// Imports the records another application exported, in three steps: the
// files (their source is recognised from the content), the vehicle they go
// to with the units and number forms they are read with, and a preview of
// what will be imported, already present or cannot be read. Import writes
// everything or nothing; the dialog is accepted once an import succeeded.
class CImportDialog : public CDialog
{
    Q_OBJECT

public:
    enum Step { FilesStep, TargetStep, PreviewStep, StepCount };
    // Rows of the count table.
    enum CountColumn { KindColumn, ToImportColumn, PresentColumn, UnreadableColumn, CountColumnCount };

    explicit CImportDialog(QWidget *parent = nullptr);

    void retranslate();

    int currentStep() const;
    QStringList files() const { return m_files; }
    // What the files hold, as last read; empty until they were read.
    const ImportBatch &batch() const { return m_batch; }
    bool isRead() const { return m_reader != nullptr; }
    const ImportPreview &preview() const { return m_preview; }
    // The vehicle the records went to; 0 until an import succeeded.
    int importedVehicleId() const { return m_importedVehicleId; }

    // Takes `paths` as the chosen files and reads them.
    void setFiles(const QStringList &paths);

    QPushButton *addFilesButton() const { return m_addFilesButton; }
    QPushButton *removeFilesButton() const { return m_removeFilesButton; }
    QListWidget *fileList() const { return m_fileList; }
    QLabel *sourceLabel() const { return m_sourceLabel; }
    QComboBox *fileVehicleBox() const { return m_fileVehicleBox; }
    QRadioButton *newVehicleButton() const { return m_newVehicleButton; }
    QLineEdit *newVehicleNameEdit() const { return m_newVehicleNameEdit; }
    QRadioButton *existingVehicleButton() const { return m_existingVehicleButton; }
    QComboBox *vehicleBox() const { return m_vehicleBox; }
    QComboBox *distanceBox() const { return m_distanceBox; }
    QComboBox *volumeBox() const { return m_volumeBox; }
    QComboBox *dateOrderBox() const { return m_dateOrderBox; }
    QComboBox *decimalMarkBox() const { return m_decimalMarkBox; }
    QComboBox *targetVolumeBox() const { return m_targetVolumeBox; }
    QTableWidget *countTable() const { return m_countTable; }
    QTabWidget *rowTabs() const { return m_rowTabs; }
    // The rows that cannot be read: file, line, reason.
    QTableWidget *problemTable() const { return m_problemTable; }
    QLabel *summaryLabel() const { return m_summaryLabel; }
    QPushButton *backButton() const { return m_backButton; }
    QPushButton *nextButton() const { return m_nextButton; }
    QPushButton *importButton() const { return m_importButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

signals:
    // While an import runs: rows written of the total.
    void importProgress(int done, int total);

public slots:
    // Adds files picked in a file dialog and reads them all again.
    void slotAddFiles();
    // Removes the selected files and reads the others again.
    void slotRemoveFiles();
    void slotNext();
    void slotBack();
    // Writes the records; a failure or a cancel is shown, nothing is
    // imported then and the dialog stays open.
    void slotImport();
    // Stops a running import; nothing of it is kept.
    void slotCancelImport();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createFilesPage();
    QWidget *createTargetPage();
    QWidget *createPreviewPage();
    void setStep(int step);
    // The field that names the target: the new name or the vehicle list.
    QWidget *targetField() const;
    void updateButtons();

    // Recognises and reads the files with `settings`; shows the outcome.
    void readFiles(const ImportSettings &settings);
    // Reads the files again with the choices of the target page.
    void slotSettingsChanged();
    // Puts the settings the files were read with into the target page.
    void showSettings();
    ImportSettings chosenSettings() const;
    ImportTarget chosenTarget() const;
    void fillVehicles();
    void updatePreview();
    void fillRowTabs();

    CWizardSidebar *m_sidebar = nullptr;
    QStackedWidget *m_pages = nullptr;

    QLabel *m_filesIntro = nullptr;
    QLabel *m_filesCaption = nullptr;
    QListWidget *m_fileList = nullptr;
    QPushButton *m_addFilesButton = nullptr;
    QPushButton *m_removeFilesButton = nullptr;
    QLabel *m_sourceLabel = nullptr;

    QGroupBox *m_targetGroup = nullptr;
    QLabel *m_fileVehicleCaption = nullptr;
    QComboBox *m_fileVehicleBox = nullptr;
    QRadioButton *m_newVehicleButton = nullptr;
    QLineEdit *m_newVehicleNameEdit = nullptr;
    QRadioButton *m_existingVehicleButton = nullptr;
    QComboBox *m_vehicleBox = nullptr;
    QLabel *m_targetError = nullptr;
    QGroupBox *m_unitsGroup = nullptr;
    QLabel *m_unitsIntro = nullptr;
    QLabel *m_distanceCaption = nullptr;
    QComboBox *m_distanceBox = nullptr;
    QLabel *m_distanceHint = nullptr;
    QLabel *m_volumeCaption = nullptr;
    QComboBox *m_volumeBox = nullptr;
    QLabel *m_volumeHint = nullptr;
    QLabel *m_dateOrderCaption = nullptr;
    QComboBox *m_dateOrderBox = nullptr;
    QLabel *m_dateOrderHint = nullptr;
    QLabel *m_decimalMarkCaption = nullptr;
    QComboBox *m_decimalMarkBox = nullptr;
    QLabel *m_decimalMarkHint = nullptr;
    QLabel *m_targetVolumeCaption = nullptr;
    QComboBox *m_targetVolumeBox = nullptr;

    QTableWidget *m_countTable = nullptr;
    QTabWidget *m_rowTabs = nullptr;
    QTableWidget *m_problemTable = nullptr;
    QLabel *m_summaryLabel = nullptr;

    QPushButton *m_backButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_importButton = nullptr;
    QPushButton *m_cancelButton = nullptr;

    QStringList m_files;
    const ImportReader *m_reader = nullptr;
    ImportBatch m_batch;
    ImportPreview m_preview;
    bool m_showingSettings = false;
    bool m_cancelRequested = false;
    bool m_importing = false;
    int m_importedVehicleId = 0;
};
