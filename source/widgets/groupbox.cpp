#include "widgets/groupbox.h"

#include <QLabel>
#include <QVBoxLayout>

CGroupBox::CGroupBox(QWidget *parent)
    : QWidget(parent)
    , titleLabel(new QLabel(this))
    , mainLayout(new QVBoxLayout(this))
{
    QFont font = titleLabel->font();
    font.setBold(true);
    titleLabel->setFont(font);
    titleLabel->hide();

    mainLayout->setContentsMargins(9, 0, 0, 9);
    mainLayout->setSpacing(0);
    mainLayout->addWidget(titleLabel);
}

QString CGroupBox::title() const
{
    return titleLabel->text();
}

void CGroupBox::addLayout(QLayout *layout)
{
    layout->setContentsMargins(20, 9, 9, 9);
    layout->setSpacing(9);
    mainLayout->addLayout(layout);
}

void CGroupBox::setTitle(const QString &text)
{
    titleLabel->setText(text);
    titleLabel->setVisible(!text.isEmpty());
}
