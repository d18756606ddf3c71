#include "modules/vehicle/vehicletype/vehicletypemanagerwidget.h"

#include "database/vehicletype.h"
#include "modules/vehicle/vehicletype/vehicletypedialog.h"
#include "modules/vehicle/vehicletype/vehicletypeitemwidget.h"
#include "widgets/scrollwidget.h"

#include <QHBoxLayout>
#include <QtGlobal>

#include <algorithm>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

CVehicleTypeManagerWidget::CVehicleTypeManagerWidget(QWidget *parent)
    : QWidget(parent)
    , m_titleLabel(new QLabel(this))
    , m_newButton(new QToolButton(this))
    , m_noneLabel(new QLabel(this))
{
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_newButton->setIcon(QIcon(QStringLiteral(":/resource/icons/add-16.png")));
    m_newButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_newButton->setAutoRaise(true);
    connect(m_newButton, &QToolButton::clicked, this, &CVehicleTypeManagerWidget::slotAdd);

    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(m_titleLabel);
    titleRow->addStretch();
    titleRow->addWidget(m_newButton);

    auto *scroll = new CScrollWidget(this);
    // Items shrink to the width; only the height scrolls.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_itemLayout = new QVBoxLayout;
    m_itemLayout->setContentsMargins(0, 0, 0, 0);
    m_itemLayout->setSpacing(0);
    m_itemLayout->addWidget(m_noneLabel);
    m_itemLayout->addStretch();
    scroll->setLayout(m_itemLayout);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(titleRow);
    layout->addWidget(scroll, 1);

    retranslate();
    slotLoadItems();
}

void CVehicleTypeManagerWidget::retranslate()
{
    m_titleLabel->setText(tr("Vehicle Types"));
    m_newButton->setText(tr("New Type"));
    m_noneLabel->setText(tr("None"));
    for (CVehicleTypeItemWidget *item : qAsConst(m_items))
        item->retranslate();
}

void CVehicleTypeManagerWidget::slotLoadItems()
{
    const QList<CVehicleType> types = CVehicleType::list();
    for (const CVehicleType &type : types)
        addItem(type);
    updateNone();
}

void CVehicleTypeManagerWidget::slotAdd()
{
    const int id = runVehicleTypeDialog(0);
    if (id == 0)
        return;
    addItem(CVehicleType(id));
    updateNone();
}

void CVehicleTypeManagerWidget::slotItemDeleted()
{
    updateNone();
}

void CVehicleTypeManagerWidget::addItem(const CVehicleType &type)
{
    auto *item = new CVehicleTypeItemWidget(type, this);
    connect(item, &CVehicleTypeItemWidget::itemDeleted, this, &CVehicleTypeManagerWidget::slotItemDeleted);
    // Before the closing stretch.
    m_itemLayout->insertWidget(m_itemLayout->count() - 1, item);
    m_items.append(item);
}

void CVehicleTypeManagerWidget::updateNone()
{
    const bool none = std::all_of(m_items.cbegin(), m_items.cend(),
                                  [](const CVehicleTypeItemWidget *item) { return item->isDeleted(); });
    m_noneLabel->setVisible(none);
}
