#include "modules/vehicle/vehicletype/vehicletypedialog.h"

#include "application/mainwindow.h"
#include "utility/prompt.h"
#include "widgets/gallerywidget.h"
#include "widgets/scrollwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CVehicleTypeDialog::CVehicleTypeDialog(int typeId, QWidget *parent)
    : CDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , m_nameLabel(new QLabel(this))
    , m_nameEdit(new QLineEdit(this))
    , m_gallery(new GalleryWidget)
    , m_saveButton(new QPushButton(this))
    , m_cancelButton(new QPushButton(this))
{
    m_gallery->setImages(CVehicleType::builtInImagePaths());
    if (typeId != 0)
        m_type.load(typeId);
    // Changes are written by save(), not field by field.
    m_type.setAutoSave(false);
    m_nameEdit->setText(m_type.name());
    m_gallery->selectImage(m_type.imagePath());

    auto *scroll = new CScrollWidget(this);
    auto *galleryLayout = new QVBoxLayout;
    galleryLayout->setContentsMargins(0, 0, 0, 0);
    galleryLayout->addWidget(m_gallery);
    galleryLayout->addStretch();
    scroll->setLayout(galleryLayout);
    scroll->setMinimumHeight(140);

    m_saveButton->setDefault(true);
    connect(m_saveButton, &QPushButton::clicked, this, &CVehicleTypeDialog::slotValidate);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(15, 15, 15, 30);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_nameEdit);
    layout->addSpacing(9);
    layout->addWidget(scroll, 1);
    layout->addSpacing(9);
    layout->addLayout(buttons);

    resize(360, 320);
    retranslate();
}

void CVehicleTypeDialog::retranslate()
{
    setWindowTitle(tr("Vehicle Type Editor"));
    m_nameLabel->setText(tr("Type name:"));
    m_saveButton->setText(tr("Save"));
    m_cancelButton->setText(tr("Cancel"));
}

void CVehicleTypeDialog::slotValidate()
{
    const bool blank = m_nameEdit->text().trimmed().isEmpty();
    m_nameLabel->setObjectName(blank ? QStringLiteral("redLabel") : QString());
    // The style sheet picks the colour by object name: apply it anew.
    m_nameLabel->style()->unpolish(m_nameLabel);
    m_nameLabel->style()->polish(m_nameLabel);
    if (blank) {
        m_nameEdit->setFocus();
        return;
    }
    if (!save()) {
        Utility::Prompt::critical(this, tr("Vehicle Type Editor"), tr("The vehicle type could not be saved."));
        return;
    }
    accept();
}

bool CVehicleTypeDialog::save()
{
    m_type.setName(m_nameEdit->text());
    m_type.setImagePath(m_gallery->selectedImage());
    if (m_type.id() == 0) {
        m_type.setFuelSystemSuggestion(1);
        m_type.setOdometerTypeSuggestion(1);
    }
    m_savedId = m_type.save(false);
    return m_savedId != 0;
}

int runVehicleTypeDialog(int typeId)
{
    CVehicleTypeDialog dialog(typeId, CMainWindow::instance());
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    return dialog.savedId();
}
