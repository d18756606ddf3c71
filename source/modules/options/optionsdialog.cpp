#include "modules/options/optionsdialog.h"

#include "application/mainwindow.h"
#include "modules/options/autoupdategroupbox.h"
#include "modules/options/currencygroupbox.h"
#include "modules/options/fuelsettingsgroupbox.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CGeneralTab::CGeneralTab(QWidget *parent)
    : QWidget(parent)
    , m_fuelSettings(new CFuelSettingsGroupBox(this))
    , m_currency(new CCurrencyGroupBox(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->setSpacing(10);
    layout->addWidget(m_fuelSettings);
    layout->addWidget(m_currency);
    layout->addStretch();
}

void CGeneralTab::retranslateUi()
{
    m_fuelSettings->retranslateUi();
    m_currency->retranslateUi();
}

CAutoupdateTab::CAutoupdateTab(QWidget *parent, Updater *updater)
    : QWidget(parent)
    , m_groupBox(new CAutoupdateGroupBox(this, updater))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->setSpacing(9);
    layout->addWidget(m_groupBox);
    layout->addStretch();
}

void CAutoupdateTab::retranslateUi()
{
    m_groupBox->retranslateUi();
}

COptionsDialog::COptionsDialog(QWidget *parent, Updater *updater)
    : CDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_tabWidget(new QTabWidget(this))
    , m_generalTab(new CGeneralTab)
    , m_autoupdateTab(new CAutoupdateTab(nullptr, updater))
    , m_closeButton(new QPushButton(this))
{
    setWindowIcon(QIcon(QStringLiteral(":resource/icons/settings-16.png")));
    m_tabWidget->setIconSize(QSize(16, 16));
    m_tabWidget->setMinimumHeight(235);
    m_tabWidget->addTab(m_generalTab, QString());
    m_tabWidget->addTab(m_autoupdateTab, QString());

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(9);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 7);
    layout->setSpacing(9);
    layout->addWidget(m_tabWidget);
    layout->addStretch();
    layout->addLayout(buttons);

    setWindowTitle(QStringLiteral("Garvo - preferences"));
    retranslateUi();
    // 600 by 300, or taller when the fonts need it.
    setFixedSize(600, qMax(300, sizeHint().height()));
}

void COptionsDialog::retranslateUi()
{
    m_tabWidget->setTabText(0, tr("General"));
    m_tabWidget->setTabText(1, tr("Autoupdate"));
    m_closeButton->setText(tr("Close"));
    m_generalTab->retranslateUi();
    m_autoupdateTab->retranslateUi();
}

void runOptionsDialog()
{
    CMainWindow *window = CMainWindow::instance();
    {
        COptionsDialog dialog(window);
        dialog.exec();
    }
    if (window)
        window->retranslate();
}
