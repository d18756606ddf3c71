#include "widgets/descriptionboxwidget.h"

#include "widgets/descriptionboxitemwidget.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

CDescriptionBoxWidget::CDescriptionBoxWidget(QWidget *parent)
    : QWidget(parent)
    , titleLabel(new QLabel(this))
    , itemsLayout(new QVBoxLayout)
{
    QFont titleFont = titleLabel->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(14);
    titleLabel->setFont(titleFont);
    titleLabel->setAlignment(Qt::AlignCenter);

    itemsLayout->setSpacing(20);
    itemsLayout->setContentsMargins(15, 9, 15, 9);
    itemsLayout->addStretch();

    auto *itemsWidget = new QWidget(this);
    itemsWidget->setLayout(itemsLayout);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(titleLabel);
    outer->addWidget(itemsWidget);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
}

void CDescriptionBoxWidget::setTitle(const QString &text)
{
    titleLabel->setText(text);
}

QString CDescriptionBoxWidget::title() const
{
    return titleLabel->text();
}

CDescriptionBoxItemWidget *CDescriptionBoxWidget::addItem(const QString &text, const QString &heading,
                                                          const QString &iconPath)
{
    auto *item = new CDescriptionBoxItemWidget(this);
    item->setText(text);
    item->setHeading(heading);
    item->setIcon(iconPath);
    itemsLayout->insertWidget(itemsLayout->count() - 1, item);
    return item;
}

QList<CDescriptionBoxItemWidget *> CDescriptionBoxWidget::items() const
{
    QList<CDescriptionBoxItemWidget *> result;
    for (int i = 0; i < itemsLayout->count(); ++i) {
        if (auto *item = qobject_cast<CDescriptionBoxItemWidget *>(itemsLayout->itemAt(i)->widget()))
            result.append(item);
    }
    return result;
}

void CDescriptionBoxWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(QStringLiteral("#FCFCFC")));
    painter.setPen(QColor(QStringLiteral("#D6E5F5")));
    // Half-pixel shift keeps the antialiased one-pixel border crisp.
    painter.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, height() - 1), 5, 5, Qt::AbsoluteSize);
    painter.end();
    QWidget::paintEvent(event);
}
