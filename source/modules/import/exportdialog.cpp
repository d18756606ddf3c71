#include "modules/import/exportdialog.h"

#include "database/vehicle.h"
#include "import/exporter.h"
#include "utility/prompt.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CExportDialog::CExportDialog(QWidget *parent)
    : CDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_intro(new QLabel(this))
    , m_allButton(new QRadioButton(this))
    , m_oneButton(new QRadioButton(this))
    , m_vehicleBox(new QComboBox(this))
    , m_spreadsheetNote(new QLabel(this))
    , m_exportButton(new QPushButton(this))
    , m_cancelButton(new QPushButton(this))
{
    m_intro->setWordWrap(true);
    m_spreadsheetNote->setWordWrap(true);

    for (const CVehicle &vehicle : CVehicle::list())
        m_vehicleBox->addItem(vehicle.name(), vehicle.id());
    m_allButton->setChecked(true);
    m_oneButton->setEnabled(m_vehicleBox->count() > 0);
    m_vehicleBox->setEnabled(false);
    connect(m_oneButton, &QRadioButton::toggled, m_vehicleBox, &QComboBox::setEnabled);

    m_exportButton->setDefault(true);
    m_exportButton->setEnabled(m_vehicleBox->count() > 0);
    connect(m_exportButton, &QPushButton::clicked, this, &CExportDialog::slotExport);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *choice = new QGridLayout;
    choice->addWidget(m_allButton, 0, 0, 1, 2);
    choice->addWidget(m_oneButton, 1, 0);
    choice->addWidget(m_vehicleBox, 1, 1);
    choice->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_exportButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(15, 15, 15, 30);
    layout->addWidget(m_intro);
    layout->addSpacing(6);
    layout->addLayout(choice);
    layout->addSpacing(6);
    layout->addWidget(m_spreadsheetNote);
    layout->addStretch();
    layout->addLayout(buttons);

    retranslate();
    resize(520, 300);
}

void CExportDialog::retranslate()
{
    setWindowTitle(tr("Export"));
    m_intro->setText(tr("Garvo writes your records into a zip archive with one CSV file per kind of record. "
                        "Garvo can import the archive again, on this computer or another one."));
    m_allButton->setText(tr("&All vehicles"));
    m_oneButton->setText(tr("&One vehicle:"));
    m_spreadsheetNote->setText(tr("The files open in a spreadsheet. A spreadsheet may take text that starts with "
                                  "=, +, - or @ for a formula and evaluate it: open such files with care."));
    m_exportButton->setText(tr("&Export..."));
    m_cancelButton->setText(tr("Cancel"));
}

QList<int> CExportDialog::vehicleIds() const
{
    if (!m_oneButton->isChecked() || m_vehicleBox->currentIndex() < 0)
        return {};
    return {m_vehicleBox->currentData().toInt()};
}

void CExportDialog::slotExport()
{
    const QString suggested = QDir::home().filePath(CExporter::suggestedFileName());
    QString path = Utility::Prompt::saveFileName(this, tr("Export"), suggested, tr("Zip archives (*.zip)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".zip");

    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = CExporter::exportTo(path, vehicleIds(), &error);
    QApplication::restoreOverrideCursor();
    if (!written) {
        Utility::Prompt::critical(this, tr("Export"),
                                  tr("The records could not be exported. %1").arg(error));
        return;
    }
    Utility::Prompt::information(this, tr("Export"),
                                 tr("Your records were exported to %1.").arg(QDir::toNativeSeparators(path)));
    accept();
}
