#include "modules/vehicle/records/recorddetailswidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CRecordDetailsWidget::CRecordDetailsWidget(QWidget *parent)
    : QWidget(parent), m_content(new QVBoxLayout), m_editButton(new QPushButton(this)),
      m_deleteButton(new QPushButton(this))
{
    m_content->setSpacing(9);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_editButton);
    buttons->addWidget(m_deleteButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(m_content, 1);
    layout->addLayout(buttons);

    connect(m_editButton, &QPushButton::clicked, this, &CRecordDetailsWidget::editRequested);
    connect(m_deleteButton, &QPushButton::clicked, this, &CRecordDetailsWidget::deleteRequested);
    retranslate();
}

void CRecordDetailsWidget::retranslate()
{
    m_editButton->setText(tr("&Edit"));
    m_deleteButton->setText(tr("&Delete"));
}

QLabel *CRecordDetailsWidget::addTextLabel(bool inContent)
{
    auto *label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (inContent)
        m_content->addWidget(label);
    return label;
}

QLabel *CRecordDetailsWidget::addTitleLabel()
{
    QLabel *label = addTextLabel();
    QFont font = label->font();
    font.setPixelSize(21);
    label->setFont(font);
    return label;
}

CNoRecordSelectedWidget::CNoRecordSelectedWidget(const QString &iconPath, QWidget *parent)
    : QWidget(parent), m_text(new QLabel(this))
{
    auto *icon = new QLabel(this);
    icon->setPixmap(QPixmap(iconPath));
    icon->setAlignment(Qt::AlignCenter);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(icon);
    layout->addWidget(m_text);
    layout->addStretch();
}

void CNoRecordSelectedWidget::setText(const QString &text)
{
    m_text->setText(text);
}

QString CNoRecordSelectedWidget::text() const
{
    return m_text->text();
}
