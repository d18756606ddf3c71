#include "modules/vendor/vendormodule.h"

#include "application/mainwindow.h"
#include "application/modulecontainer.h"
#include "widgets/descriptionboxitemwidget.h"
#include "widgets/descriptionboxwidget.h"

#include <QLabel>
#include <QVBoxLayout>

CVendorModule::CVendorModule(QWidget *parent)
    : CModule(ModuleId::Vendors, parent), m_titleLabel(new QLabel(this)),
      m_descriptionBox(new CDescriptionBoxWidget(this))
{
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_titleLabel->setAlignment(Qt::AlignCenter);

    auto *imageLabel = new QLabel(this);
    imageLabel->setPixmap(QPixmap(QStringLiteral(":/resource/icons/vendor-128.png")));
    imageLabel->setAlignment(Qt::AlignCenter);

    m_firstItem = m_descriptionBox->addItem(QString(), QString(), QStringLiteral(":/resource/icons/lightbulb-48.png"));
    m_secondItem =
        m_descriptionBox->addItem(QString(), QString(), QStringLiteral(":/resource/icons/notification-48.png"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 30);
    layout->addWidget(m_titleLabel);
    layout->addWidget(imageLabel);
    layout->addStretch();
    layout->addWidget(m_descriptionBox);
    retranslate();
}

void CVendorModule::retranslate()
{
    setName(tr("Vendors"));
    m_titleLabel->setText(tr("Vendors"));
    m_descriptionBox->setTitle(tr("About Vendors"));
    m_firstItem->setHeading(tr("Database of your favorite Vendors"));
    m_firstItem->setText(tr("this is module description"));
    m_secondItem->setHeading(tr("Be careful"));
    m_secondItem->setText(tr("this is second module description"));
}

bool CVendorModule::enterModule()
{
    CMainWindow::setLeftSidebarVisible(false);
    return true;
}

bool CVendorModule::leaveModule()
{
    CMainWindow::setLeftSidebarVisible(true);
    return true;
}
