#include "modules/vehicle/service/serviceitemlistedit.h"

#include "currency/currency.h"
#include "modules/options/units.h"
#include "modules/vehicle/service/serviceitemdialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *iconButton(const QString &iconPath, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setIcon(QIcon(iconPath));
    return button;
}

} // namespace

CServiceItemWidget::CServiceItemWidget(const CServiceItem &item, QWidget *parent)
    : QWidget(parent), m_item(item), m_description(new QLabel(this)), m_cost(new QLabel(this)),
      m_editButton(iconButton(QStringLiteral(":resource/icons/edit-16.png"), this)),
      m_deleteButton(iconButton(QStringLiteral(":resource/icons/delete-16.png"), this))
{
    m_item.setAutoSave(false);
    m_description->setTextFormat(Qt::PlainText);
    m_description->setWordWrap(true);
    m_cost->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 2, 2);
    layout->addWidget(m_description, 1);
    layout->addWidget(m_cost);
    layout->addWidget(m_editButton);
    layout->addWidget(m_deleteButton);
    connect(m_editButton, &QToolButton::clicked, this, &CServiceItemWidget::slotEditService);
    connect(m_deleteButton, &QToolButton::clicked, this, &CServiceItemWidget::slotDeleteService);
    m_editButton->setToolTip(tr("Edit"));
    m_deleteButton->setToolTip(tr("Delete"));
    showItem();
}

void CServiceItemWidget::showItem()
{
    m_description->setText(m_item.description());
    m_cost->setText(currency()->format(m_item.cost()));
}

void CServiceItemWidget::slotEditService()
{
    CServiceItem edited = m_item;
    const bool accepted = CServiceItemDialog::editItem(window(), edited);
    m_hover = false;
    update();
    if (!accepted)
        return;
    m_item = edited;
    showItem();
    emit changed();
}

void CServiceItemWidget::slotDeleteService()
{
    m_deleted = true;
    hide();
    emit changed();
}

void CServiceItemWidget::enterEvent(QEvent *event)
{
    m_hover = true;
    update();
    QWidget::enterEvent(event);
}

void CServiceItemWidget::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    QWidget::leaveEvent(event);
}

void CServiceItemWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    slotEditService();
}

void CServiceItemWidget::paintEvent(QPaintEvent *event)
{
    if (m_hover) {
        QPainter painter(this);
        painter.setBrush(QColor(245, 248, 253));
        painter.setPen(QColor(220, 231, 245));
        painter.drawRect(-2, 0, width() + 2, height() - 1);
    }
    QWidget::paintEvent(event);
}

CServiceItemWidgetList::CServiceItemWidgetList(QWidget *parent) : QScrollArea(parent)
{
    auto *content = new QWidget(this);
    m_layout = new QVBoxLayout(content);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch();
    setWidget(content);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

CServiceItemWidget *CServiceItemWidgetList::addItem(const CServiceItem &item)
{
    auto *row = new CServiceItemWidget(item, widget());
    m_layout->insertWidget(m_rows.size(), row);
    m_rows.append(row);
    connect(row, &CServiceItemWidget::changed, this, &CServiceItemWidgetList::listChanged);
    emit listChanged();
    return row;
}

QList<CSession::EditedItem> CServiceItemWidgetList::editedItems() const
{
    QList<CSession::EditedItem> items;
    for (const CServiceItemWidget *row : m_rows)
        items.append({row->item(), row->isDeleted()});
    return items;
}

CServiceItemListEdit::CServiceItemListEdit(QWidget *parent)
    : QWidget(parent), m_titleLabel(new QLabel(this)),
      m_addButton(iconButton(QStringLiteral(":resource/icons/add-16.png"), this)),
      m_list(new CServiceItemWidgetList(this)), m_totalLabel(new QLabel(this))
{
    m_addButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto *heading = new QHBoxLayout;
    heading->addWidget(m_titleLabel, 1);
    heading->addWidget(m_addButton);
    m_totalLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(heading);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_totalLabel);
    connect(m_addButton, &QToolButton::clicked, this, &CServiceItemListEdit::slotNewServiceItem);
    connect(m_list, &CServiceItemWidgetList::listChanged, this, &CServiceItemListEdit::slotUpdateTotalCost);
    retranslate();
}

void CServiceItemListEdit::load(int sessionId)
{
    const QList<CServiceItem> items = CServiceItem::listForSession(sessionId);
    for (const CServiceItem &item : items)
        m_list->addItem(item);
    slotUpdateTotalCost();
}

void CServiceItemListEdit::slotNewServiceItem()
{
    CServiceItem item;
    item.setAutoSave(false);
    if (CServiceItemDialog::editItem(window(), item))
        m_list->addItem(item);
}

void CServiceItemListEdit::slotUpdateTotalCost()
{
    m_totalCost = CSession::totalOf(m_list->editedItems());
    m_totalLabel->setText(tr("Total Cost: %1").arg(currency()->format(m_totalCost)));
}

void CServiceItemListEdit::retranslate()
{
    m_titleLabel->setText(tr("Service items"));
    m_addButton->setText(tr("&Add item"));
    slotUpdateTotalCost();
}
