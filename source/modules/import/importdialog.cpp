#include "modules/import/importdialog.h"

#include "database/vehicle.h"
#include "import/importreader.h"
#include "modules/backup/backupactions.h"
#include "utility/prompt.h"
#include "widgets/wizardsidebar.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

constexpr int MaxPreviewColumnWidth = 260;

QLabel *wrappingLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QTableWidget *readOnlyTable(QWidget *parent)
{
    auto *table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

void setErrorLook(QLabel *label, bool error)
{
    label->setObjectName(error ? QStringLiteral("errorLabel") : QString());
    label->style()->unpolish(label);
    label->style()->polish(label);
}

// Fills a combo box with the values and their names, as item data.
template <typename Enum>
void fillChoices(QComboBox *box, std::initializer_list<Enum> values, QString (*name)(Enum))
{
    const int current = box->currentData().isValid() ? box->currentData().toInt() : -1;
    box->clear();
    for (Enum value : values)
        box->addItem(name(value), int(value));
    const int index = box->findData(current);
    if (index >= 0)
        box->setCurrentIndex(index);
}

void selectData(QComboBox *box, int value)
{
    const int index = box->findData(value);
    if (index >= 0)
        box->setCurrentIndex(index);
}

} // namespace

CImportDialog::CImportDialog(QWidget *parent)
    : CDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_sidebar(new CWizardSidebar(this))
    , m_pages(new QStackedWidget(this))
    , m_backButton(new QPushButton(this))
    , m_nextButton(new QPushButton(this))
    , m_importButton(new QPushButton(this))
    , m_cancelButton(new QPushButton(this))
{
    for (int step = 0; step < StepCount; ++step)
        m_sidebar->addItem(QString());
    m_sidebar->setFixedWidth(140);
    m_pages->addWidget(createFilesPage());
    m_pages->addWidget(createTargetPage());
    m_pages->addWidget(createPreviewPage());

    connect(m_backButton, &QPushButton::clicked, this, &CImportDialog::slotBack);
    connect(m_nextButton, &QPushButton::clicked, this, &CImportDialog::slotNext);
    connect(m_importButton, &QPushButton::clicked, this, &CImportDialog::slotImport);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_backButton);
    buttons->addWidget(m_nextButton);
    buttons->addWidget(m_importButton);
    buttons->addWidget(m_cancelButton);

    auto *pageColumn = new QVBoxLayout;
    pageColumn->addWidget(m_pages, 1);
    pageColumn->addSpacing(6);
    pageColumn->addLayout(buttons);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 12, 15, 30);
    layout->addWidget(m_sidebar);
    layout->addLayout(pageColumn, 1);

    retranslate();
    readFiles(ImportSettings());
    setStep(FilesStep);
    setMinimumSize(760, 520);
    resize(920, 620);
}

QWidget *CImportDialog::createFilesPage()
{
    auto *page = new QWidget(this);
    m_filesIntro = wrappingLabel(page);
    m_filesCaption = new QLabel(page);
    m_fileList = new QListWidget(page);
    m_fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_fileList->setWordWrap(true);
    m_fileList->installEventFilter(this);
    m_filesCaption->setBuddy(m_fileList);
    m_addFilesButton = new QPushButton(page);
    m_removeFilesButton = new QPushButton(page);
    m_sourceLabel = wrappingLabel(page);

    connect(m_addFilesButton, &QPushButton::clicked, this, &CImportDialog::slotAddFiles);
    connect(m_removeFilesButton, &QPushButton::clicked, this, &CImportDialog::slotRemoveFiles);
    connect(m_fileList, &QListWidget::itemSelectionChanged, this, &CImportDialog::updateButtons);

    auto *fileButtons = new QVBoxLayout;
    fileButtons->addWidget(m_addFilesButton);
    fileButtons->addWidget(m_removeFilesButton);
    fileButtons->addStretch();
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileList, 1);
    fileRow->addLayout(fileButtons);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_filesIntro);
    layout->addSpacing(6);
    layout->addWidget(m_filesCaption);
    layout->addLayout(fileRow, 1);
    layout->addWidget(m_sourceLabel);
    return page;
}

QWidget *CImportDialog::createTargetPage()
{
    auto *page = new QWidget(this);

    m_targetGroup = new QGroupBox(page);
    m_fileVehicleCaption = new QLabel(m_targetGroup);
    m_fileVehicleBox = new QComboBox(m_targetGroup);
    m_fileVehicleCaption->setBuddy(m_fileVehicleBox);
    m_newVehicleButton = new QRadioButton(m_targetGroup);
    m_newVehicleNameEdit = new QLineEdit(m_targetGroup);
    m_existingVehicleButton = new QRadioButton(m_targetGroup);
    m_vehicleBox = new QComboBox(m_targetGroup);
    m_targetError = wrappingLabel(m_targetGroup);
    m_targetError->setObjectName(QStringLiteral("errorLabel"));
    m_targetError->hide();
    m_newVehicleButton->setChecked(true);
    m_vehicleBox->setEnabled(false);
    connect(m_newVehicleButton, &QRadioButton::toggled, m_newVehicleNameEdit, &QLineEdit::setEnabled);
    connect(m_existingVehicleButton, &QRadioButton::toggled, m_vehicleBox, &QComboBox::setEnabled);
    connect(m_fileVehicleBox, QOverload<int>::of(&QComboBox::activated), this, &CImportDialog::slotSettingsChanged);

    auto *target = new QGridLayout(m_targetGroup);
    target->addWidget(m_fileVehicleCaption, 0, 0);
    target->addWidget(m_fileVehicleBox, 0, 1);
    target->addWidget(m_newVehicleButton, 1, 0);
    target->addWidget(m_newVehicleNameEdit, 1, 1);
    target->addWidget(m_existingVehicleButton, 2, 0);
    target->addWidget(m_vehicleBox, 2, 1);
    target->addWidget(m_targetError, 3, 0, 1, 2);
    target->setColumnStretch(1, 1);

    m_unitsGroup = new QGroupBox(page);
    m_unitsIntro = wrappingLabel(m_unitsGroup);
    auto *units = new QGridLayout(m_unitsGroup);
    units->addWidget(m_unitsIntro, 0, 0, 1, 3);
    int row = 1;
    const auto addChoice = [this, units, &row](QLabel *&caption, QComboBox *&box, QLabel **hint) {
        caption = new QLabel(m_unitsGroup);
        box = new QComboBox(m_unitsGroup);
        box->setMinimumWidth(180);
        caption->setBuddy(box);
        connect(box, QOverload<int>::of(&QComboBox::activated), this, &CImportDialog::slotSettingsChanged);
        units->addWidget(caption, row, 0);
        units->addWidget(box, row, 1);
        if (hint) {
            *hint = new QLabel(m_unitsGroup);
            units->addWidget(*hint, row, 2);
        }
        ++row;
    };
    addChoice(m_distanceCaption, m_distanceBox, &m_distanceHint);
    addChoice(m_volumeCaption, m_volumeBox, &m_volumeHint);
    addChoice(m_dateOrderCaption, m_dateOrderBox, &m_dateOrderHint);
    addChoice(m_decimalMarkCaption, m_decimalMarkBox, &m_decimalMarkHint);
    addChoice(m_targetVolumeCaption, m_targetVolumeBox, nullptr);
    units->setColumnStretch(2, 1);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_targetGroup);
    layout->addWidget(m_unitsGroup);
    layout->addStretch();
    return page;
}

QWidget *CImportDialog::createPreviewPage()
{
    auto *page = new QWidget(this);
    m_summaryLabel = wrappingLabel(page);
    m_countTable = readOnlyTable(page);
    m_countTable->setColumnCount(CountColumnCount);
    m_countTable->setSelectionMode(QAbstractItemView::NoSelection);
    m_countTable->setFocusPolicy(Qt::NoFocus);
    m_countTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_countTable->horizontalHeader()->setSectionResizeMode(KindColumn, QHeaderView::Stretch);
    m_rowTabs = new QTabWidget(page);
    // Shown as a tab of m_rowTabs when there are problems.
    m_problemTable = readOnlyTable(page);
    m_problemTable->hide();

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_summaryLabel);
    layout->addWidget(m_countTable);
    layout->addWidget(m_rowTabs, 1);
    return page;
}

void CImportDialog::retranslate()
{
    setWindowTitle(tr("Import Records"));
    m_sidebar->item(FilesStep)->setTitle(tr("Files"));
    m_sidebar->item(TargetStep)->setTitle(tr("Vehicle and units"));
    m_sidebar->item(PreviewStep)->setTitle(tr("Preview"));

    m_filesIntro->setText(tr("Choose the files another application exported: a Fuelio backup, a Drivvo export, "
                             "Fuelly exports (fuel-ups and services), an aCar full backup, LubeLogger exports "
                             "(one per tab) or an export of Garvo. Garvo recognises them by their content. "
                             "Add the files of one vehicle and one application at a time."));
    m_filesCaption->setText(tr("&Files:"));
    m_addFilesButton->setText(tr("&Add Files..."));
    m_removeFilesButton->setText(tr("&Remove"));

    m_targetGroup->setTitle(tr("Import into"));
    m_fileVehicleCaption->setText(tr("Vehicle in the &file:"));
    m_newVehicleButton->setText(tr("&A new vehicle named:"));
    m_existingVehicleButton->setText(tr("An &existing vehicle:"));
    m_unitsGroup->setTitle(tr("How the files are read"));
    m_unitsIntro->setText(tr("Check what Garvo found, above all the choices marked as guessed. A change reads the "
                             "files again."));
    m_distanceCaption->setText(tr("&Distances in:"));
    m_volumeCaption->setText(tr("&Quantities in:"));
    m_dateOrderCaption->setText(tr("Dates &written as:"));
    m_decimalMarkCaption->setText(tr("Decimal &mark:"));
    m_targetVolumeCaption->setText(tr("Garvo records &gallons as:"));
    fillChoices(m_distanceBox, {DistanceUnit::Kilometres, DistanceUnit::Miles}, ImportUnits::distanceUnitName);
    fillChoices(m_volumeBox, {VolumeUnitKind::Litres, VolumeUnitKind::UsGallons, VolumeUnitKind::UkGallons},
                ImportUnits::volumeUnitName);
    fillChoices(m_dateOrderBox, {DateOrder::YearMonthDay, DateOrder::DayMonthYear, DateOrder::MonthDayYear},
                ImportUnits::dateOrderName);
    fillChoices(m_decimalMarkBox, {DecimalMark::Point, DecimalMark::Comma}, ImportUnits::decimalMarkName);
    fillChoices(m_targetVolumeBox, {VolumeUnitKind::UsGallons, VolumeUnitKind::UkGallons},
                ImportUnits::volumeUnitName);

    m_countTable->setHorizontalHeaderLabels({tr("Records"), tr("To import"), tr("Already present"),
                                             tr("Cannot be read")});
    m_problemTable->setColumnCount(3);
    m_problemTable->setHorizontalHeaderLabels({tr("File"), tr("Line"), tr("Why it cannot be read")});

    m_backButton->setText(tr("&Back"));
    m_nextButton->setText(tr("&Next"));
    m_importButton->setText(tr("&Import"));
    m_cancelButton->setText(tr("Cancel"));
    if (isRead())
        showSettings();
    if (currentStep() == PreviewStep)
        updatePreview();
}

int CImportDialog::currentStep() const
{
    return m_pages->currentIndex();
}

void CImportDialog::setStep(int step)
{
    m_pages->setCurrentIndex(step);
    m_sidebar->setCurrentStep(step);
    updateButtons();
    switch (step) {
    case FilesStep:
        m_addFilesButton->setFocus();
        break;
    case TargetStep:
        targetField()->setFocus();
        break;
    default:
        m_importButton->setFocus();
        break;
    }
}

QWidget *CImportDialog::targetField() const
{
    if (m_newVehicleButton->isChecked())
        return m_newVehicleNameEdit;
    return m_vehicleBox;
}

void CImportDialog::updateButtons()
{
    const int step = currentStep();
    m_backButton->setVisible(step > FilesStep);
    m_nextButton->setVisible(step < PreviewStep);
    m_importButton->setVisible(step == PreviewStep);
    m_removeFilesButton->setEnabled(!m_fileList->selectedItems().isEmpty());
    m_nextButton->setEnabled(step != FilesStep || isRead());
    m_importButton->setEnabled(m_preview.totalToImport() > 0 && !m_importing);
    m_nextButton->setDefault(step < PreviewStep);
    m_importButton->setDefault(step == PreviewStep);
}

void CImportDialog::slotNext()
{
    switch (currentStep()) {
    case FilesStep:
        if (!isRead())
            return;
        setStep(TargetStep);
        break;
    case TargetStep: {
        QString problem;
        if (!isRead())
            problem = m_sourceLabel->text();
        else if (m_newVehicleButton->isChecked() && m_newVehicleNameEdit->text().trimmed().isEmpty())
            problem = tr("Give the new vehicle a name.");
        else if (m_existingVehicleButton->isChecked() && m_vehicleBox->currentIndex() < 0)
            problem = tr("Choose the vehicle the records belong to.");
        m_targetError->setText(problem);
        m_targetError->setVisible(!problem.isEmpty());
        if (!problem.isEmpty()) {
            targetField()->setFocus();
            return;
        }
        updatePreview();
        setStep(PreviewStep);
        break;
    }
    default:
        break;
    }
}

void CImportDialog::slotBack()
{
    if (currentStep() > FilesStep && !m_importing)
        setStep(currentStep() - 1);
}

bool CImportDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_fileList && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        slotRemoveFiles();
        return true;
    }
    return CDialog::eventFilter(watched, event);
}

void CImportDialog::slotAddFiles()
{
    const QStringList picked = Utility::Prompt::openFileNames(this, tr("Import Records"), QDir::homePath(),
                                                              ImportFormats::fileFilter());
    if (picked.isEmpty())
        return;
    QStringList files = m_files;
    for (const QString &path : picked) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (!files.contains(absolute))
            files.append(absolute);
    }
    setFiles(files);
    // Return then goes on rather than asking for more files.
    if (isRead())
        m_nextButton->setFocus();
}

void CImportDialog::slotRemoveFiles()
{
    QStringList files = m_files;
    for (const QListWidgetItem *item : m_fileList->selectedItems())
        files.removeAll(item->data(Qt::UserRole).toString());
    if (files != m_files)
        setFiles(files);
}

void CImportDialog::setFiles(const QStringList &paths)
{
    m_files = paths;
    // Other files: what was detected before no longer holds.
    readFiles(ImportSettings());
    fillVehicles();
}

void CImportDialog::readFiles(const ImportSettings &settings)
{
    m_reader = nullptr;
    m_batch = ImportBatch();
    m_preview = ImportPreview();

    // Each file names its source, or why it has none.
    m_fileList->clear();
    bool unrecognised = false;
    for (const QString &path : m_files) {
        QString error;
        const ImportReader *reader = ImportFormats::readerFor(path, &error);
        const QString name = QFileInfo(path).fileName();
        QString text = tr("%1 (%2)").arg(name, reader ? reader->sourceName() : QString());
        if (!reader)
            text = error.contains(name) ? error : tr("%1: %2").arg(name, error);
        auto *item = new QListWidgetItem(text, m_fileList);
        item->setData(Qt::UserRole, path);
        item->setToolTip(reader ? path : path + QLatin1Char('\n') + error);
        if (!reader) {
            item->setForeground(QColor(QStringLiteral("#B00000")));
            unrecognised = true;
        }
    }

    QString error;
    const ImportReader *reader = m_files.isEmpty() ? nullptr : ImportFormats::readerForAll(m_files, &error);
    ImportBatch batch;
    if (reader && !reader->read(m_files, settings, &batch, &error))
        reader = nullptr;

    if (m_files.isEmpty()) {
        m_sourceLabel->setText(tr("No file chosen yet."));
        setErrorLook(m_sourceLabel, false);
    } else if (unrecognised) {
        m_sourceLabel->setText(tr("Garvo cannot import the files marked in red; remove them to go on."));
        setErrorLook(m_sourceLabel, true);
    } else if (!reader) {
        m_sourceLabel->setText(error.isEmpty() ? tr("Garvo cannot import these files.") : error);
        setErrorLook(m_sourceLabel, true);
    } else {
        m_reader = reader;
        m_batch = batch;
        const QLocale locale;
        QString text = tr("Recognised as %1. Records read: %2.")
                           .arg(reader->sourceName(), locale.toString(batch.rowCount()));
        if (!batch.problems.isEmpty())
            text += QLatin1Char(' ')
                    + tr("Rows that cannot be read: %1; the preview lists them.")
                          .arg(locale.toString(batch.problems.size()));
        m_sourceLabel->setText(text);
        setErrorLook(m_sourceLabel, false);
        showSettings();
    }
    updateButtons();
}

void CImportDialog::showSettings()
{
    const ImportSettings &settings = m_batch.settings;

    const bool severalVehicles = m_batch.vehicleChoices.size() > 1;
    m_fileVehicleCaption->setVisible(severalVehicles);
    m_fileVehicleBox->setVisible(severalVehicles);
    m_fileVehicleBox->clear();
    m_fileVehicleBox->addItems(m_batch.vehicleChoices);
    m_fileVehicleBox->setCurrentIndex(settings.vehicleIndex);

    const auto show = [](QLabel *caption, QComboBox *box, QLabel *hint, SettingSource source, int value) {
        const bool used = source != SettingSource::NotUsed;
        caption->setVisible(used);
        box->setVisible(used);
        hint->setVisible(used);
        selectData(box, value);
        hint->setText(source == SettingSource::Guessed ? tr("Guessed: please check") : tr("Found in the file"));
        setErrorLook(hint, source == SettingSource::Guessed);
    };
    show(m_distanceCaption, m_distanceBox, m_distanceHint, m_batch.distanceUnitSource, int(settings.distanceUnit));
    show(m_volumeCaption, m_volumeBox, m_volumeHint, m_batch.volumeUnitSource, int(settings.volumeUnit));
    show(m_dateOrderCaption, m_dateOrderBox, m_dateOrderHint, m_batch.dateOrderSource, int(settings.dateOrder));
    show(m_decimalMarkCaption, m_decimalMarkBox, m_decimalMarkHint, m_batch.decimalMarkSource,
         int(settings.decimalMark));

    // Only "Gallon" leaves a choice: US or UK gallons.
    const VolumeUnitKind target = ImportUnits::defaultTargetVolume();
    const bool gallons = target != VolumeUnitKind::Litres;
    m_targetVolumeCaption->setVisible(gallons);
    m_targetVolumeBox->setVisible(gallons);
    if (gallons && settings.targetVolume == VolumeUnitKind::Detect)
        selectData(m_targetVolumeBox, int(target));
    else if (gallons)
        selectData(m_targetVolumeBox, int(settings.targetVolume));
}

ImportSettings CImportDialog::chosenSettings() const
{
    ImportSettings settings = m_batch.settings;
    if (!m_distanceBox->isHidden())
        settings.distanceUnit = DistanceUnit(m_distanceBox->currentData().toInt());
    if (!m_volumeBox->isHidden())
        settings.volumeUnit = VolumeUnitKind(m_volumeBox->currentData().toInt());
    if (!m_dateOrderBox->isHidden())
        settings.dateOrder = DateOrder(m_dateOrderBox->currentData().toInt());
    if (!m_decimalMarkBox->isHidden())
        settings.decimalMark = DecimalMark(m_decimalMarkBox->currentData().toInt());
    if (!m_fileVehicleBox->isHidden() && m_fileVehicleBox->currentIndex() >= 0)
        settings.vehicleIndex = m_fileVehicleBox->currentIndex();
    settings.targetVolume = !m_targetVolumeBox->isHidden()
                                ? VolumeUnitKind(m_targetVolumeBox->currentData().toInt())
                                : ImportUnits::defaultTargetVolume();
    return settings;
}

ImportTarget CImportDialog::chosenTarget() const
{
    ImportTarget target;
    if (m_existingVehicleButton->isChecked())
        target.vehicleId = m_vehicleBox->currentData().toInt();
    else
        target.newVehicleName = m_newVehicleNameEdit->text().trimmed();
    return target;
}

void CImportDialog::slotSettingsChanged()
{
    const ImportSettings settings = chosenSettings();
    const int vehicleIndex = m_batch.settings.vehicleIndex;
    readFiles(settings);
    // Another vehicle of the file brings its own name.
    if (isRead() && settings.vehicleIndex != vehicleIndex)
        fillVehicles();
    // The files page, which says why, is out of sight.
    m_targetError->setText(isRead() ? QString() : m_sourceLabel->text());
    m_targetError->setVisible(!isRead());
}

void CImportDialog::fillVehicles()
{
    m_vehicleBox->clear();
    for (const CVehicle &vehicle : CVehicle::list())
        m_vehicleBox->addItem(vehicle.name(), vehicle.id());
    m_existingVehicleButton->setEnabled(m_vehicleBox->count() > 0);
    m_targetError->clear();
    m_targetError->hide();
    if (!isRead())
        return;

    const QString name = m_batch.vehicle.present && !m_batch.vehicle.name.trimmed().isEmpty()
                             ? m_batch.vehicle.name.trimmed()
                             : tr("Vehicle from %1").arg(m_reader->sourceName());
    m_newVehicleNameEdit->setText(name);
    // Files imported before went to a vehicle of that name: offer it, so
    // that what is stored already is recognised.
    const int same = m_vehicleBox->findText(name, Qt::MatchFixedString);
    if (same >= 0) {
        m_vehicleBox->setCurrentIndex(same);
        m_existingVehicleButton->setChecked(true);
    } else {
        m_newVehicleButton->setChecked(true);
    }
}

void CImportDialog::updatePreview()
{
    if (!isRead()) {
        m_preview = ImportPreview();
    } else {
        const CImporter importer(m_batch, chosenTarget(), chosenSettings());
        m_preview = importer.preview();
    }

    const QLocale locale;
    m_countTable->setRowCount(0);
    for (int kind = 0; kind < ImportKindCount; ++kind) {
        const ImportKindPreview &counts = m_preview.kinds.at(kind);
        if (counts.toImport + counts.alreadyPresent + counts.unreadable == 0)
            continue;
        const int row = m_countTable->rowCount();
        m_countTable->insertRow(row);
        m_countTable->setItem(row, KindColumn, new QTableWidgetItem(ImportUnits::kindName(ImportKind(kind))));
        const int values[] = {counts.toImport, counts.alreadyPresent, counts.unreadable};
        for (int column = ToImportColumn; column <= UnreadableColumn; ++column) {
            auto *item = new QTableWidgetItem(locale.toString(values[column - ToImportColumn]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_countTable->setItem(row, column, item);
        }
    }
    // The table is as high as its rows, the row tabs take the rest.
    int height = m_countTable->horizontalHeader()->height() + 2 * m_countTable->frameWidth();
    for (int row = 0; row < m_countTable->rowCount(); ++row)
        height += m_countTable->rowHeight(row);
    m_countTable->setFixedHeight(height);

    const int total = m_preview.totalToImport();
    const QString vehicle = m_existingVehicleButton->isChecked() ? m_vehicleBox->currentText()
                                                                   : m_newVehicleNameEdit->text().trimmed();
    if (total > 0)
        m_summaryLabel->setText(tr("%1 records will be imported into \"%2\". Rows marked as already present and rows "
                                   "that cannot be read are left out.")
                                    .arg(locale.toString(total), vehicle));
    else if (m_batch.isEmpty())
        m_summaryLabel->setText(tr("The files hold no records that can be read."));
    else
        m_summaryLabel->setText(tr("Nothing to import: every record of these files is already present in \"%1\".")
                                    .arg(vehicle));
    fillRowTabs();
    updateButtons();
}

void CImportDialog::fillRowTabs()
{
    // The problem table is kept, the tables of rows are made anew.
    while (m_rowTabs->count() > 0) {
        QWidget *page = m_rowTabs->widget(0);
        m_rowTabs->removeTab(0);
        if (page != m_problemTable)
            page->deleteLater();
    }

    const QLocale locale;
    for (int kind = 0; kind < ImportKindCount; ++kind) {
        const ImportKindPreview &shown = m_preview.kinds.at(kind);
        if (shown.rows.isEmpty())
            continue;
        // A first column tells new rows from those already stored.
        QTableWidget *table = readOnlyTable(m_rowTabs);
        table->setColumnCount(shown.headers.size() + 1);
        table->setHorizontalHeaderLabels(QStringList(tr("Status")) << shown.headers);
        table->setRowCount(shown.rows.size());
        for (int row = 0; row < shown.rows.size(); ++row) {
            const QStringList &values = shown.rows.at(row);
            const bool present = shown.present.value(row);
            table->setItem(row, 0, new QTableWidgetItem(present ? tr("Already present") : tr("New")));
            for (int column = 0; column < shown.headers.size(); ++column)
                table->setItem(row, column + 1, new QTableWidgetItem(values.value(column)));
            if (present) {
                for (int column = 0; column < table->columnCount(); ++column)
                    table->item(row, column)->setForeground(QColor(QStringLiteral("#808080")));
            }
        }
        table->resizeColumnsToContents();
        // Long notes keep their whole text in the tool tip.
        for (int column = 0; column < table->columnCount(); ++column)
            table->setColumnWidth(column, qMin(table->columnWidth(column), MaxPreviewColumnWidth));
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 1; column < table->columnCount(); ++column)
                table->item(row, column)->setToolTip(table->item(row, column)->text());
        }
        table->horizontalHeader()->setStretchLastSection(true);
        const int count = shown.toImport + shown.alreadyPresent;
        QString title = ImportUnits::kindName(ImportKind(kind));
        if (count > shown.rows.size())
            title = tr("%1 (first %2 of %3)").arg(title, locale.toString(shown.rows.size()), locale.toString(count));
        m_rowTabs->addTab(table, title);
    }

    m_problemTable->setRowCount(m_preview.problems.size());
    for (int row = 0; row < m_preview.problems.size(); ++row) {
        const ImportProblem &problem = m_preview.problems.at(row);
        auto *file = new QTableWidgetItem(QFileInfo(problem.origin.file).fileName());
        file->setToolTip(problem.origin.file);
        auto *line = new QTableWidgetItem(problem.origin.line > 0 ? locale.toString(problem.origin.line) : QString());
        line->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_problemTable->setItem(row, 0, file);
        m_problemTable->setItem(row, 1, line);
        m_problemTable->setItem(row, 2, new QTableWidgetItem(problem.reason));
    }
    m_problemTable->resizeColumnsToContents();
    m_problemTable->horizontalHeader()->setStretchLastSection(true);
    if (!m_preview.problems.isEmpty())
        m_rowTabs->addTab(m_problemTable,
                          tr("Cannot be read (%1)").arg(locale.toString(m_preview.problems.size())));
    m_rowTabs->setVisible(m_rowTabs->count() > 0);
}

void CImportDialog::slotImport()
{
    if (m_importing || !isRead() || m_preview.totalToImport() == 0)
        return;

    const ImportTarget target = chosenTarget();
    // Records added to an existing vehicle are hard to pick out again (a new
    // vehicle is simply deleted): a copy taken first makes the import undoable.
    if (target.vehicleId != 0 && !backUpBeforeChange(this, CBackupFile::BeforeImport))
        return;

    CImporter importer(m_batch, target, chosenSettings());
    QProgressDialog progress(tr("Importing records..."), tr("Cancel"), 0, m_preview.totalToImport(), this);
    progress.setWindowTitle(tr("Import Records"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    connect(&progress, &QProgressDialog::canceled, this, &CImportDialog::slotCancelImport);

    m_importing = true;
    m_cancelRequested = false;
    updateButtons();
    QString error;
    const bool imported = importer.run(
        [this, &progress](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
            emit importProgress(done, total);
            return !m_cancelRequested;
        },
        &error);
    progress.close();
    m_importing = false;
    updateButtons();

    if (!imported) {
        if (m_cancelRequested)
            Utility::Prompt::information(this, tr("Import Records"),
                                         tr("The import was cancelled. Nothing was imported."));
        else
            Utility::Prompt::critical(this, tr("Import Records"),
                                      tr("Nothing was imported. %1").arg(error));
        return;
    }

    m_importedVehicleId = importer.vehicleId();
    const QVector<int> counts = importer.importedCounts();
    const QLocale locale;
    QStringList parts;
    for (int kind = 0; kind < counts.size(); ++kind) {
        if (counts.at(kind) > 0)
            parts << tr("%1: %2").arg(ImportUnits::kindName(ImportKind(kind)), locale.toString(counts.at(kind)));
    }
    Utility::Prompt::information(this, tr("Import Records"),
                                 tr("The records were imported into \"%1\".\n\n%2")
                                     .arg(CVehicle(m_importedVehicleId).name(), parts.join(QLatin1Char('\n'))));
    accept();
}

void CImportDialog::slotCancelImport()
{
    if (m_importing)
        m_cancelRequested = true;
}
