#include "application/footerinfowidget.h"

#include "widgets/elidedlabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

CFooterInfoWidget::CFooterInfoWidget(QWidget *parent)
    : QWidget(parent), m_iconLabel(new QLabel(this)), m_titleLabel(new CElidedLabel(this)),
      m_subtitleLabel(new CElidedLabel(this)), m_rightLayout(new QHBoxLayout)
{
    QFont titleFont(QStringLiteral("Segoe UI"), 10);
    titleFont.setBold(false);
    // The texts carry user-typed names (fuel names, vehicle names): never read them as markup.
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_subtitleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setStyleSheet(QStringLiteral("QLabel {color:#6E3978;}"));
    m_titleLabel->hide();
    m_subtitleLabel->setFont(QFont(QStringLiteral("Segoe UI"), 9));
    m_subtitleLabel->setStyleSheet(QStringLiteral("QLabel {color:#906779;}"));
    m_subtitleLabel->hide();

    auto *textColumn = new QVBoxLayout;
    textColumn->setContentsMargins(0, 3, 0, 0);
    textColumn->addWidget(m_titleLabel);
    textColumn->addWidget(m_subtitleLabel);
    textColumn->addStretch();

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 9, 0);
    row->addSpacing(15);
    row->addWidget(m_iconLabel);
    row->addLayout(textColumn);
    row->addStretch();
    row->addLayout(m_rightLayout);

    setFixedHeight(50);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

void CFooterInfoWidget::setTitle(const QString &text)
{
    setLabelText(m_titleLabel, text);
}

void CFooterInfoWidget::setSubtitle(const QString &text)
{
    setLabelText(m_subtitleLabel, text);
}

QString CFooterInfoWidget::title() const
{
    return m_titleLabel->text();
}

QString CFooterInfoWidget::subtitle() const
{
    return m_subtitleLabel->text();
}

void CFooterInfoWidget::setIcon(const QString &path)
{
    if (path.isEmpty()) {
        m_iconLabel->clear();
        return;
    }
    QPixmap picture(path);
    if (picture.height() > 48)
        picture = picture.scaledToHeight(48, Qt::SmoothTransformation);
    m_iconLabel->setPixmap(picture);
}

void CFooterInfoWidget::addWidget(QWidget *widget)
{
    m_rightLayout->addWidget(widget);
}
