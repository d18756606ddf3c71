#include "application/headerwidget.h"

#include "application/mainwindow.h"
#include "application/modulecontainer.h"
#include "widgets/elidedlabel.h"
#include "widgets/separatorwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

CHeaderWidget::CHeaderWidget(QWidget *parent)
    : CWidgetWithBackground(parent), m_homeButton(new QToolButton(this)), m_iconLabel(new QLabel(this)),
      m_titleLabel(new CElidedLabel(this)), m_subtitleLabel(new CElidedLabel(this)), m_rightLayout(new QHBoxLayout)
{
    m_homeButton->setAutoRaise(true);
    m_homeButton->setFixedHeight(56);
    m_homeButton->setMinimumWidth(56);
    m_homeButton->setIconSize(QSize(32, 32));
    m_homeButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_homeButton->hide();
    connect(m_homeButton, &QToolButton::clicked, this, &CHeaderWidget::goHome);
    connect(m_homeButton, &QToolButton::clicked, this, &CHeaderWidget::slotGoHome);

    m_iconLabel->setFixedSize(48, 48);
    m_iconLabel->setAlignment(Qt::AlignCenter);

    QFont titleFont(QStringLiteral("Segoe UI"), 14);
    titleFont.setBold(false);
    m_titleLabel->setFont(titleFont);
    m_titleLabel->setStyleSheet(QStringLiteral("QLabel {color:#006E43;}"));
    // Titles carry user text (vehicle names): shown as typed, never as markup.
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_subtitleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->hide();
    m_subtitleLabel->setFont(QFont(QStringLiteral("Segoe UI"), 9));
    m_subtitleLabel->setStyleSheet(QStringLiteral("QLabel {color:#936791;}"));
    m_subtitleLabel->hide();

    auto *textColumn = new QVBoxLayout;
    textColumn->addStretch();
    textColumn->addWidget(m_titleLabel);
    textColumn->addWidget(m_subtitleLabel);
    textColumn->addStretch();

    auto *row = new QHBoxLayout;
    row->setContentsMargins(9, 0, 9, 0);
    row->addWidget(m_homeButton);
    row->addWidget(m_iconLabel);
    row->addLayout(textColumn);
    row->addStretch();
    row->addLayout(m_rightLayout);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 9, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(row);
    outer->addWidget(new CSeparatorWidget(this));

    setFixedHeight(88);
    setSizePolicy(QSizePolicy::Expanding, sizePolicy().verticalPolicy());
    retranslate();
}

void CHeaderWidget::setTitle(const QString &text)
{
    setLabelText(m_titleLabel, text);
}

void CHeaderWidget::setSubtitle(const QString &text)
{
    setLabelText(m_subtitleLabel, text);
}

QString CHeaderWidget::title() const
{
    return m_titleLabel->text();
}

QString CHeaderWidget::subtitle() const
{
    return m_subtitleLabel->text();
}

void CHeaderWidget::setIcon(const QString &path)
{
    QPixmap picture(path);
    if (!picture.isNull())
        picture = picture.scaledToHeight(32, Qt::SmoothTransformation);
    m_iconLabel->setPixmap(picture);
    m_homeButton->setIcon(QIcon(picture));
}

void CHeaderWidget::addWidget(QWidget *widget)
{
    m_rightLayout->addWidget(widget);
}

void CHeaderWidget::setHomeText(const QString &text)
{
    m_homeText = text;
    retranslate();
}

void CHeaderWidget::retranslate()
{
    m_homeButton->setText(m_homeText.isEmpty() ? tr("Home") : m_homeText);
}

void CHeaderWidget::slotGoHome()
{
    if (m_homeModuleId == 0)
        return;
    if (CMainWindow *window = CMainWindow::instance())
        window->moduleContainer()->activate(m_homeModuleId);
}
