#include "modules/garage/vehiclewidget.h"

#include "database/tablevehicle.h"
#include "modules/backup/backupactions.h"
#include "modules/garage/vehicleinfomenu.h"
#include "modules/vehicle/vehicledialog.h"
#include "modules/vehicle/vehiclemodule.h"
#include "utility/prompt.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QScrollArea>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QFont segoe(int pointSize)
{
    QFont font(QStringLiteral("Segoe UI"));
    font.setPointSize(pointSize);
    return font;
}

} // namespace

CVehicleWidget::CVehicleWidget(QWidget *parent)
    : QWidget(parent)
    , m_contextMenu(new CVehicleInfoMenu(this))
    , m_imageLabel(new QLabel(this))
    , m_titleLabel(new QLabel(this))
    , m_subtitleLabel(new QLabel(this))
    , m_buttonPanel(new QWidget(this))
    , m_scheduleBadge(new QLabel(this))
{
    setObjectName(QStringLiteral("CVehicleWidget"));
    setFixedHeight(85);
    // Tab and the arrows reach the cards; the focused card looks hovered.
    setFocusPolicy(Qt::StrongFocus);
    // The vehicle's record is a copy: it is written only by the dialogs.
    m_vehicle.setAutoSave(false);

    m_imageLabel->setFixedWidth(64);
    m_imageLabel->setAlignment(Qt::AlignCenter);
    // Names and plates are the user's text, never markup.
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_subtitleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setFont(segoe(14));
    m_titleLabel->setStyleSheet(QStringLiteral("QLabel {color:#006E43;}"));
    m_subtitleLabel->setFont(segoe(9));
    m_subtitleLabel->setStyleSheet(QStringLiteral("QLabel {color:#936791;}"));

    m_viewButton = new QToolButton(m_buttonPanel);
    m_viewButton->setAutoRaise(true);
    // 110 wide, or wider where the font needs it for the whole text.
    m_viewButton->setMinimumWidth(110);
    m_editButton = new QToolButton(m_buttonPanel);
    m_editButton->setAutoRaise(true);
    m_deleteButton = new QToolButton(m_buttonPanel);
    m_deleteButton->setAutoRaise(true);

    auto *editRow = new QHBoxLayout;
    editRow->setContentsMargins(0, 0, 0, 0);
    editRow->addWidget(m_editButton);
    editRow->addWidget(m_deleteButton);
    auto *panelLayout = new QVBoxLayout(m_buttonPanel);
    panelLayout->addWidget(m_viewButton);
    panelLayout->addLayout(editRow);
    panelLayout->addStretch();
    m_buttonPanel->hide();

    m_scheduleBadge->setObjectName(QStringLiteral("scheduleBadge"));
    m_scheduleBadge->setTextFormat(Qt::PlainText);
    m_scheduleBadge->hide();
    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(9);
    titleRow->addWidget(m_titleLabel);
    titleRow->addWidget(m_scheduleBadge, 0, Qt::AlignVCenter);
    titleRow->addStretch();
    auto *texts = new QVBoxLayout;
    texts->addLayout(titleRow);
    texts->addWidget(m_subtitleLabel);
    texts->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_imageLabel);
    layout->addLayout(texts);
    layout->addStretch();
    layout->addWidget(m_buttonPanel);

    connect(m_viewButton, &QToolButton::clicked, this, &CVehicleWidget::slotViewDetails);
    connect(m_editButton, &QToolButton::clicked, this, &CVehicleWidget::slotEdit);
    connect(m_deleteButton, &QToolButton::clicked, this, &CVehicleWidget::slotDelete);
    connect(m_contextMenu, &CVehicleInfoMenu::signalViewDetails, this, &CVehicleWidget::slotViewDetails);
    connect(m_contextMenu, &CVehicleInfoMenu::signalEdit, this, &CVehicleWidget::slotEdit);
    connect(m_contextMenu, &CVehicleInfoMenu::signalDelete, this, &CVehicleWidget::slotDelete);
    if (CTableVehicle *table = CTableVehicle::instance()) {
        connect(table, &CTable::updated, this, &CVehicleWidget::slotVehicleUpdate);
        connect(table, &CTable::deleted, this, &CVehicleWidget::slotVehicleDeleted);
    }
    retranslate();
}

void CVehicleWidget::retranslate()
{
    m_viewButton->setText(tr("View Details"));
    m_editButton->setText(tr("Edit"));
    m_deleteButton->setText(tr("Delete"));
    m_contextMenu->retranslate();
    setScheduleCounts(m_scheduleCounts);
}

void CVehicleWidget::setScheduleCounts(const ScheduleCounts &counts)
{
    m_scheduleCounts = counts;
    QStringList parts;
    if (counts.overdue > 0)
        parts.append(tr("%1 overdue").arg(counts.overdue));
    if (counts.upcoming > 0)
        parts.append(tr("%1 upcoming").arg(counts.upcoming));
    m_scheduleBadge->setText(parts.join(QStringLiteral(" \u00b7 ")));
    m_scheduleBadge->setToolTip(tr("Service schedules that need attention"));
    m_scheduleBadge->setStyleSheet(
        QStringLiteral("QLabel {color:#fff; background:%1; border-radius:8px; padding:1px 7px; font-weight:bold;}")
            .arg(counts.overdue > 0 ? QStringLiteral("#C62828") : QStringLiteral("#1E63C4")));
    m_scheduleBadge->setVisible(!parts.isEmpty());
}

void CVehicleWidget::setVehicle(const CVehicle &vehicle)
{
    m_vehicle = vehicle;
    m_vehicle.setAutoSave(false);
    display();
}

void CVehicleWidget::reload()
{
    CVehicle vehicle;
    vehicle.load(m_vehicle.id());
    setVehicle(vehicle);
    // A changed odometer may change what is due.
    if (CTableServiceSchedule *schedules = CTableServiceSchedule::instance())
        setScheduleCounts(schedules->countsByVehicle().value(m_vehicle.id()));
}

void CVehicleWidget::display()
{
    const QPixmap image = m_vehicle.id() != 0 ? m_vehicle.image() : QPixmap();
    m_imageLabel->setPixmap(image.isNull() ? QPixmap() : image.scaledToWidth(64, Qt::SmoothTransformation));
    m_titleLabel->setText(m_vehicle.name());
    m_subtitleLabel->setText(m_vehicle.licensePlate());
    update();
}

void CVehicleWidget::slotViewDetails()
{
    if (m_vehicle.id() != 0)
        openVehicle(m_vehicle.id());
}

void CVehicleWidget::slotEdit()
{
    if (m_vehicle.id() != 0 && runVehicleDialog(m_vehicle.id()) != 0)
        reload();
}

void CVehicleWidget::slotDelete()
{
    CTableVehicle *table = CTableVehicle::instance();
    const int id = m_vehicle.id();
    if (!table || id == 0)
        return;
    if (table->count() == 1) {
        Utility::Prompt::message(this, QMessageBox::NoIcon, QString(),
                                 tr("You can't delete the last vehicle form your system!"));
        return;
    }
    const QString text = tr("Are you sure that you want to delete ") + QStringLiteral("<strong>")
                         + m_titleLabel->text().toHtmlEscaped() + QStringLiteral("</strong>") + tr(" vehicle?");
    if (!Utility::Prompt::confirmDeletion(this, tr("Delete vehicle"), text,
                                          tr("All data for this vehicle will be lost!!!")))
        return;
    if (!backUpBeforeChange(this, CBackupFile::BeforeVehicleDeletion))
        return;
    if (!table->removeVehicle(id)) {
        // Nothing was deleted: the card, hidden by the cascade, comes back.
        setVehicle(CVehicle(id));
        show();
        Utility::Prompt::critical(this, tr("Delete vehicle"),
                                  tr("The vehicle could not be deleted. Its data is unchanged."));
    }
}

void CVehicleWidget::slotVehicleUpdate(int id)
{
    if (id == 0 || id != m_vehicle.id())
        return;
    reload();
    emit updated(id);
}

void CVehicleWidget::slotVehicleDeleted(int id)
{
    if (id == 0 || id != m_vehicle.id())
        return;
    hide();
    setVehicle(CVehicle());
}

void CVehicleWidget::setHovered(bool hovered)
{
    m_hovered = hovered;
    m_buttonPanel->setVisible(hovered);
    update();
}

void CVehicleWidget::enterEvent(QEvent *event)
{
    setHovered(true);
    QWidget::enterEvent(event);
}

void CVehicleWidget::leaveEvent(QEvent *event)
{
    // Focus within the card (its buttons included) keeps it highlighted.
    setHovered(isAncestorOf(QApplication::focusWidget()) || hasFocus());
    QWidget::leaveEvent(event);
}

void CVehicleWidget::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        emit stepRequested(-1);
        return;
    case Qt::Key_Down:
        emit stepRequested(1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        slotViewDetails();
        return;
    case Qt::Key_Delete:
        slotDelete();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CVehicleWidget::focusInEvent(QFocusEvent *event)
{
    setHovered(true);
    for (QWidget *ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (auto *scroll = qobject_cast<QScrollArea *>(ancestor)) {
            scroll->ensureWidgetVisible(this, 0, 0);
            break;
        }
    }
    QWidget::focusInEvent(event);
}

void CVehicleWidget::focusOutEvent(QFocusEvent *event)
{
    // Tab into the card's own buttons keeps the card highlighted.
    setHovered(underMouse() || isAncestorOf(QApplication::focusWidget()));
    QWidget::focusOutEvent(event);
}

void CVehicleWidget::paintEvent(QPaintEvent *event)
{
    if (m_hovered) {
        QPainter painter(this);
        const int w = width();
        const int h = height();
        painter.setPen(QColor(QStringLiteral("#7DA2CE")));
        painter.drawLine(0, 0, w, 0);
        painter.drawLine(0, h - 1, w, h - 1);
        painter.setPen(QColor(QStringLiteral("#EBF4FD")));
        painter.drawLine(0, 1, w, 1);
        painter.setPen(QColor(QStringLiteral("#DBEAFD")));
        painter.drawLine(0, h - 2, w, h - 2);
        QLinearGradient gradient(0, 2, 0, h - 3);
        gradient.setColorAt(0, QColor(QStringLiteral("#DDECFD")));
        gradient.setColorAt(1, QColor(QStringLiteral("#C2DCFD")));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawRect(0, 2, w, h - 3);
    }
    QWidget::paintEvent(event);
}

void CVehicleWidget::mousePressEvent(QMouseEvent *event)
{
    if (!m_clicked) {
        m_clicked = true;
        emit selected(m_vehicle.id());
    }
    update();
    QWidget::mousePressEvent(event);
}

void CVehicleWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    slotViewDetails();
    QWidget::mouseDoubleClickEvent(event);
}

void CVehicleWidget::contextMenuEvent(QContextMenuEvent *event)
{
    m_contextMenu->exec(event->globalPos());
}
