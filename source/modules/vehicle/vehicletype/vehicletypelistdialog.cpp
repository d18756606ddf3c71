#include "modules/vehicle/vehicletype/vehicletypelistdialog.h"

#include "application/mainwindow.h"
#include "modules/vehicle/vehicletype/vehicletypemanagerwidget.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CVehicleTypeListDialog::CVehicleTypeListDialog(QWidget *parent)
    : CDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , m_manager(new CVehicleTypeManagerWidget(this))
    , m_closeButton(new QPushButton(this))
{
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(15, 15, 15, 30);
    layout->addWidget(m_manager, 1);
    layout->addSpacing(15);
    layout->addLayout(buttons);

    resize(440, 480);
    retranslate();
}

void CVehicleTypeListDialog::retranslate()
{
    setWindowTitle(tr("Vehicle Types"));
    m_closeButton->setText(tr("Close"));
    m_manager->retranslate();
}

void runVehicleTypeListDialog()
{
    CVehicleTypeListDialog dialog(CMainWindow::instance());
    dialog.exec();
}
