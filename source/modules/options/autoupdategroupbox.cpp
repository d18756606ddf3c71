#include "modules/options/autoupdategroupbox.h"

#include "modules/updater/garvoupdater.h"
#include "utility/utility.h"
#include "widgets/separatorwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QHBoxLayout *row(std::initializer_list<QWidget *> widgets, QWidget *trailing = nullptr)
{
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(9);
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    if (trailing)
        layout->addWidget(trailing);
    return layout;
}

} // namespace

CAutoupdateGroupBox::CAutoupdateGroupBox(QWidget *parent, Updater *updater)
    : CGroupBox(parent)
    , m_updater(updater ? updater : GarvoUpdater::instance())
    , m_currentVersionLabel(new QLabel(this))
    , m_latestVersionLabel(new QLabel(this))
    , m_updateNowButton(new QPushButton(this))
    , m_lastCheckLabel(new QLabel(this))
    , m_checkNowButton(new QPushButton(this))
    , m_nextCheckLabel(new QLabel(this))
    , m_checkOnStartBox(new QCheckBox(this))
    , m_autocheckBox(new QCheckBox(this))
    , m_periodList(new QComboBox(this))
{
    m_updateNowButton->setMinimumWidth(100);
    m_updateNowButton->setEnabled(false);
    m_checkNowButton->setMinimumWidth(100);
    m_nextCheckLabel->setTextFormat(Qt::RichText);
    m_periodList->addItem(QString(), int(Updater::Weekly));
    m_periodList->addItem(QString(), int(Updater::Monthly));

    auto *versions = new QVBoxLayout;
    versions->setContentsMargins(0, 0, 0, 0);
    versions->setSpacing(0);
    versions->addWidget(m_currentVersionLabel);
    versions->addWidget(m_latestVersionLabel);
    auto *versionRow = new QHBoxLayout;
    versionRow->setContentsMargins(0, 0, 0, 0);
    versionRow->setSpacing(9);
    versionRow->addLayout(versions);
    versionRow->addStretch();
    versionRow->addWidget(m_updateNowButton);

    auto *layout = new QVBoxLayout;
    addLayout(layout);
    layout->addLayout(versionRow);
    layout->addWidget(new CSeparatorWidget(CSeparatorWidget::Horizontal, this));
    layout->addLayout(row({m_lastCheckLabel}, m_checkNowButton));
    layout->addWidget(m_nextCheckLabel);
    layout->addLayout(row({m_autocheckBox, m_periodList}));
    layout->addWidget(m_checkOnStartBox);

    connect(m_updateNowButton, &QPushButton::clicked, this, &CAutoupdateGroupBox::slotUpdateNow);
    connect(m_checkNowButton, &QPushButton::clicked, this, &CAutoupdateGroupBox::slotCheckNow);
    connect(m_autocheckBox, &QCheckBox::stateChanged, this, &CAutoupdateGroupBox::slotAutocheckChanged);
    connect(m_periodList, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CAutoupdateGroupBox::slotAutocheckChanged);
    connect(m_checkOnStartBox, &QCheckBox::stateChanged, this, &CAutoupdateGroupBox::slotCheckOnAppStartChanged);

    retranslateUi();
}

void CAutoupdateGroupBox::retranslateUi()
{
    const QSignalBlocker blockAutocheck(m_autocheckBox);
    const QSignalBlocker blockPeriod(m_periodList);
    const QSignalBlocker blockCheckOnStart(m_checkOnStartBox);
    m_autocheckBox->setChecked(m_updater->autocheck());
    // No item for a period the list does not offer.
    m_periodList->setCurrentIndex(m_periodList->findData(m_updater->autocheckPeriod()));
    m_periodList->setEnabled(m_autocheckBox->isChecked());
    m_checkOnStartBox->setChecked(m_updater->checkOnStart());

    setTitle(tr("Application Update"));
    m_currentVersionLabel->setText(tr("Your current version: %1").arg(m_updater->currentVersion().displayText()));
    if (m_updater->isNewVersionAvailable()) {
        m_latestVersionLabel->setText(tr("Latest available version is %1").arg(m_updater->latestVersion().toString()));
        m_updateNowButton->setEnabled(true);
    } else {
        m_latestVersionLabel->setText(
            tr("You are using latest version of %1").arg(QCoreApplication::applicationName()));
        m_updateNowButton->setEnabled(false);
    }
    m_updateNowButton->setText(tr("Update now"));
    m_checkNowButton->setText(tr("Check now"));

    const QString format = Utility::dateTimeFormat();
    m_lastCheckLabel->setText(tr("Last check: %1").arg(m_updater->lastCheck().toString(format)));
    const QString next = m_autocheckBox->isChecked() ? m_updater->nextCheckTime().toString(format).toHtmlEscaped()
                                                     : tr("Autocheck disabled");
    m_nextCheckLabel->setText(tr("Next check: <strong>%1</strong>").arg(next));

    m_checkOnStartBox->setText(tr("Check for updates when application starts"));
    m_autocheckBox->setText(tr("Automatically check for updates:"));
    const std::pair<int, QString> periods[] = {
        {Updater::Daily, tr("Daily")}, {Updater::Weekly, tr("Weekly")}, {Updater::Monthly, tr("Monthly")}};
    for (const auto &period : periods) {
        const int index = m_periodList->findData(period.first);
        if (index >= 0)
            m_periodList->setItemText(index, period.second);
    }
}

void CAutoupdateGroupBox::slotAutocheckChanged()
{
    if (m_autocheckBox->isChecked())
        m_updater->enableAutocheck();
    else
        m_updater->disableAutocheck();
    // Without a selection the stored period stays as it is.
    const QVariant period = m_periodList->currentData();
    if (period.isValid())
        m_updater->setAutocheckPeriod(period.toInt());
    m_periodList->setEnabled(m_autocheckBox->isChecked());
    retranslateUi();
}

void CAutoupdateGroupBox::slotCheckOnAppStartChanged()
{
    if (m_checkOnStartBox->isChecked())
        m_updater->enableCheckOnStart();
    else
        m_updater->disableCheckOnStart();
}

void CAutoupdateGroupBox::slotCheckNow()
{
    m_updater->checkForUpdates(false);
    retranslateUi();
}

void CAutoupdateGroupBox::slotUpdateNow()
{
    // The update dialog takes the options dialog's place.
    window()->close();
    m_updater->update();
}
