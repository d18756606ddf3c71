#include "widgets/descriptionboxitemwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

CDescriptionBoxItemWidget::CDescriptionBoxItemWidget(QWidget *parent)
    : QWidget(parent)
    , iconLabel(new QLabel(this))
    , headingLabel(new QLabel(this))
    , textLabel(new QLabel(this))
{
    QFont headingFont = headingLabel->font();
    headingFont.setBold(true);
    headingFont.setPixelSize(12);
    headingLabel->setFont(headingFont);

    // Lines break where the text says so, and also where a narrow window
    // would otherwise cut them or force the window wider than the screen.
    textLabel->setTextFormat(Qt::RichText);
    textLabel->setWordWrap(true);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(iconLabel, 0, Qt::AlignTop);

    auto *column = new QVBoxLayout;
    column->addWidget(headingLabel, 0, Qt::AlignLeft);
    column->addWidget(textLabel, 1, Qt::AlignLeft | Qt::AlignTop);
    row->addLayout(column, 1);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CDescriptionBoxItemWidget::setIcon(const QString &path)
{
    if (path.isEmpty())
        iconLabel->clear();
    else
        iconLabel->setPixmap(QPixmap(path));
}

void CDescriptionBoxItemWidget::setHeading(const QString &heading)
{
    headingLabel->setText(heading);
}

void CDescriptionBoxItemWidget::setText(const QString &text)
{
    textLabel->setText(text);
}

QString CDescriptionBoxItemWidget::heading() const
{
    return headingLabel->text();
}

QString CDescriptionBoxItemWidget::text() const
{
    return textLabel->text();
}

bool CDescriptionBoxItemWidget::hasIcon() const
{
    return !iconLabel->pixmap(Qt::ReturnByValue).isNull();
}
