#include "widgets/wizardsidebar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

CWizardSidebarItem::CWizardSidebarItem(const QString &title, QWidget *parent)
    : QWidget(parent)
    , ballLabel(new QLabel(this))
    , titleLabel(new QLabel(title, this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(ballLabel);
    layout->addWidget(titleLabel, 1);
    titleLabel->setWordWrap(true);
    setState(Ahead);
}

void CWizardSidebarItem::setState(int state)
{
    m_state = state;
    ballLabel->setPixmap(QPixmap(state == Current ? QStringLiteral(":resource/images/wizard-ball-green.png")
                                                  : QStringLiteral(":resource/images/wizard-ball-clean.png")));
    titleLabel->setStyleSheet(state == Ahead ? QStringLiteral("QLabel {color:#999;}")
                                             : QStringLiteral("QLabel {color:#000;}"));
}

QString CWizardSidebarItem::title() const
{
    return titleLabel->text();
}

void CWizardSidebarItem::setTitle(const QString &title)
{
    titleLabel->setText(title);
}

CWizardSidebar::CWizardSidebar(QWidget *parent) : QWidget(parent)
{
    auto *scrollArea = new QScrollArea(this);
    scrollArea->setStyleSheet(QStringLiteral("QScrollArea {border:0px}"));
    scrollArea->setWidgetResizable(true);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *contents = new QWidget(scrollArea);
    itemsLayout = new QVBoxLayout(contents);
    itemsLayout->setContentsMargins(4, 6, 0, 6);
    itemsLayout->setSpacing(12);
    itemsLayout->addStretch();
    scrollArea->setWidget(contents);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollArea);
}

CWizardSidebarItem *CWizardSidebar::addItem(const QString &title)
{
    auto *item = new CWizardSidebarItem(title);
    item->setState(items.isEmpty() ? CWizardSidebarItem::Current : CWizardSidebarItem::Ahead);
    itemsLayout->insertWidget(itemsLayout->count() - 1, item);
    items.append(item);
    return item;
}

CWizardSidebarItem *CWizardSidebar::item(int index) const
{
    return items.value(index, nullptr);
}

void CWizardSidebar::setCurrentStep(int index)
{
    if (index < 0 || index >= items.size())
        return;
    for (int i = 0; i < items.size(); ++i) {
        items.at(i)->setState(i < index ? CWizardSidebarItem::Passed
                                        : i == index ? CWizardSidebarItem::Current : CWizardSidebarItem::Ahead);
    }
}
