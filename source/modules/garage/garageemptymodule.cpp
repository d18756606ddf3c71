#include "modules/garage/garageemptymodule.h"

#include "application/mainwindow.h"
#include "application/modulecontainer.h"
#include "modules/import/importactions.h"
#include "modules/vehicle/wizard/newvehiclewizard.h"
#include "widgets/descriptionboxitemwidget.h"
#include "widgets/descriptionboxwidget.h"

#include <QLabel>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

CGarageEmptyModule::CGarageEmptyModule(QWidget *parent)
    : CModule(ModuleId::GarageEmpty, parent), m_titleLabel(new QLabel(this)), m_addButton(new QToolButton(this)),
      m_importButton(new QToolButton(this)), m_descriptionBox(new CDescriptionBoxWidget(this))
{
    QFont titleFont = m_titleLabel->font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);

    auto *imageLabel = new QLabel(this);
    imageLabel->setPixmap(QPixmap(QStringLiteral(":/resource/icons/garage-32.png")));

    m_addButton->setAutoRaise(true);
    m_addButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_addButton->setIcon(QIcon(QStringLiteral(":/resource/icons/add-16.png")));
    connect(m_addButton, &QToolButton::clicked, this, &CGarageEmptyModule::slotAddVehicle);
    m_importButton->setAutoRaise(true);
    m_importButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(m_importButton, &QToolButton::clicked, this, &CGarageEmptyModule::slotImport);

    m_descriptionItem = m_descriptionBox->addItem(QString());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 30);
    layout->addWidget(m_titleLabel, 0, Qt::AlignHCenter);
    layout->addWidget(imageLabel, 0, Qt::AlignHCenter);
    layout->addSpacing(9);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_addButton);
    buttons->addSpacing(12);
    buttons->addWidget(m_importButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
    layout->addWidget(m_descriptionBox);
    retranslate();
}

void CGarageEmptyModule::retranslate()
{
    setName(tr("Garage"));
    m_titleLabel->setText(tr("Garage"));
    m_addButton->setText(tr("Add Vehicle"));
    m_importButton->setText(tr("Import Records..."));
    m_descriptionBox->setTitle(tr("Garvo Garage"));
    m_descriptionItem->setText(
        tr("As a real garage Garvo Garage is a place where you keep your vehicles. Create list of your vehicles "
           "here with all the necessery details.<br/><br/>Click <strong>Add Vehicle</strong> and follow "
           "instructions to add your first vehicle.<br/><br/>Kept your records in another application? "
           "Click <strong>Import Records...</strong> to bring them into Garvo."));
}

bool CGarageEmptyModule::enterModule()
{
    CMainWindow::setLeftSidebarVisible(false);
    return true;
}

bool CGarageEmptyModule::leaveModule()
{
    CMainWindow::setLeftSidebarVisible(true);
    return true;
}

void CGarageEmptyModule::slotAddVehicle()
{
    if (runNewVehicleWizard() != 0)
        emit activate(ModuleId::Garage);
}

void CGarageEmptyModule::slotImport()
{
    runImport(this);
}
