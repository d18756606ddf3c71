#include "modules/vehicle/vehicletype/vehicletypeitemwidget.h"

#include "database/tablevehicle.h"
#include "database/tablevehicletype.h"
#include "database/vehicletype.h"
#include "modules/vehicle/vehicletype/vehicletypedialog.h"
#include "utility/prompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

CVehicleTypeItemWidget::CVehicleTypeItemWidget(const CVehicleType &type, QWidget *parent)
    : QWidget(parent)
    , m_type(type)
    , m_pictureLabel(new QLabel(this))
    , m_nameLabel(new QLabel(this))
    , m_buttonPanel(new QWidget(this))
    , m_editButton(new QToolButton(m_buttonPanel))
    , m_deleteButton(new QToolButton(m_buttonPanel))
{
    m_editButton->setIcon(QIcon(QStringLiteral(":/resource/icons/edit-16.png")));
    m_deleteButton->setIcon(QIcon(QStringLiteral(":/resource/icons/delete-16.png")));
    for (QToolButton *button : {m_editButton, m_deleteButton}) {
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    connect(m_editButton, &QToolButton::clicked, this, &CVehicleTypeItemWidget::slotEdit);
    connect(m_deleteButton, &QToolButton::clicked, this, &CVehicleTypeItemWidget::slotDelete);

    auto *buttons = new QHBoxLayout(m_buttonPanel);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(3);
    buttons->addWidget(m_editButton);
    buttons->addWidget(m_deleteButton);
    // While hidden, the panel keeps its room, so the row does not jump.
    QSizePolicy panelPolicy = m_buttonPanel->sizePolicy();
    panelPolicy.setRetainSizeWhenHidden(true);
    m_buttonPanel->setSizePolicy(panelPolicy);
    m_buttonPanel->hide();
    // A type name is the user's text, never markup.
    m_nameLabel->setTextFormat(Qt::PlainText);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(m_pictureLabel);
    layout->addWidget(m_nameLabel);
    layout->addStretch();
    layout->addWidget(m_buttonPanel);

    retranslate();
    display();
}

void CVehicleTypeItemWidget::retranslate()
{
    m_editButton->setText(tr("edit"));
    m_deleteButton->setText(tr("delete"));
}

void CVehicleTypeItemWidget::display()
{
    const QPixmap picture(m_type.imagePath());
    m_pictureLabel->setPixmap(picture.isNull() ? QPixmap()
                                               : picture.scaledToWidth(16, Qt::SmoothTransformation));
    m_nameLabel->setText(m_type.name());
}

void CVehicleTypeItemWidget::slotEdit()
{
    const int id = runVehicleTypeDialog(m_type.id());
    if (id == 0)
        return;
    m_type.load(id);
    display();
}

void CVehicleTypeItemWidget::slotDelete()
{
    CTableVehicleType *table = CTableVehicleType::instance();
    if (!table)
        return;
    if (table->count() == 1) {
        Utility::Prompt::information(this, tr("Delete vehicle type"),
                                     tr("You can't delete the last vehicle type. Every vehicle needs a type."));
        return;
    }
    const QString question =
        tr("Are you shure that you want to delete <strong>%1</strong>?").arg(m_type.name().toHtmlEscaped());
    const int moving = CTableVehicle::instance() ? CTableVehicle::instance()->countOfType(m_type.id()) : 0;
    const QString replacement = CVehicleType(table->replacementFor(m_type.id())).name().toHtmlEscaped();
    const QString consequence =
        moving == 0 ? QString()
        : moving == 1
            ? tr("Its vehicle will move to the type <strong>%1</strong>.").arg(replacement)
            : tr("Its %1 vehicles will move to the type <strong>%2</strong>.").arg(moving).arg(replacement);
    if (!Utility::Prompt::confirmDeletion(this, tr("Delete vehicle type"), question, consequence))
        return;
    if (!table->removeType(m_type.id())) {
        Utility::Prompt::critical(this, tr("Delete vehicle type"), tr("The vehicle type could not be deleted."));
        return;
    }
    m_deleted = true;
    hide();
    emit itemDeleted();
}

void CVehicleTypeItemWidget::setHovered(bool hovered)
{
    m_hovered = hovered;
    m_buttonPanel->setVisible(hovered);
    update();
}

void CVehicleTypeItemWidget::enterEvent(QEvent *event)
{
    setHovered(true);
    QWidget::enterEvent(event);
}

void CVehicleTypeItemWidget::leaveEvent(QEvent *event)
{
    setHovered(false);
    QWidget::leaveEvent(event);
}

void CVehicleTypeItemWidget::paintEvent(QPaintEvent *event)
{
    if (m_hovered) {
        QPainter painter(this);
        const int bottom = height() - 1;
        painter.setPen(QColor(QStringLiteral("#1D1D1B")));
        painter.drawLine(0, 0, width(), 0);
        painter.drawLine(0, bottom, width(), bottom);
        painter.setPen(QColor(QStringLiteral("#9E9E9A")));
        painter.drawLine(0, 1, width(), 1);
        painter.drawLine(0, bottom - 1, width(), bottom - 1);
    }
    QWidget::paintEvent(event);
}
