#include "application/aboutdialog.h"

#include "application/helpmenu.h"
#include "application/mainwindow.h"
#include "modules/updater/version.h"
#include "widgets/separatorwidget.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace {

QLabel *linkLabel(const QString &html, QWidget *parent)
{
    auto *label = new QLabel(html, parent);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    label->setWordWrap(true);
    return label;
}

} // namespace

CAboutDialog::CAboutDialog(QWidget *parent)
    : CDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    const QString name = QCoreApplication::applicationName();

    m_logoLabel = new QLabel(this);
    m_logoLabel->setPixmap(QPixmap(QStringLiteral(":resource/icons/logo.png")));
    m_nameLabel = new QLabel(name, this);
    m_nameLabel->setTextFormat(Qt::PlainText);
    QFont nameFont = m_nameLabel->font();
    nameFont.setBold(true);
    nameFont.setPixelSize(18);
    m_nameLabel->setFont(nameFont);
    m_versionLabel = new QLabel(versionText(), this);

    auto *identity = new QVBoxLayout;
    identity->setContentsMargins(9, 9, 9, 9);
    identity->setSpacing(9);
    identity->addWidget(m_nameLabel);
    identity->addWidget(m_versionLabel);
    auto *top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(9);
    top->addWidget(m_logoLabel);
    top->addLayout(identity, 1);

    const QString maker = QCoreApplication::organizationName();
    m_ownershipLabel = linkLabel(tr("Copyright &copy; 2013&ndash;2026 <a href=\"%1\">%2</a>. All rights reserved.")
                                     .arg(CHelpMenu::homepageUrl().toString(), maker.toHtmlEscaped()),
                                 this);
    m_creditLabel = linkLabel(tr("Software available thanks to") + QStringLiteral(" <a href=\"https://www.qt.io/\">")
                                  + tr("Qt framework") + QStringLiteral("</a>"),
                              this);
    m_nameNoticeLabel = new QLabel(tr("%1 and the %1 logo are trademarks of %2.").arg(name, maker), this);
    m_nameNoticeLabel->setWordWrap(true);

    m_platformLabel = new QLabel(platformText(), this);
    m_platformLabel->setTextFormat(Qt::PlainText);
    QFont platformFont = m_platformLabel->font();
    platformFont.setBold(true);
    m_platformLabel->setFont(platformFont);
    m_platformLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *platformBox = new QGroupBox(this);
    auto *form = new QFormLayout(platformBox);
    form->setContentsMargins(9, 9, 9, 9);
    form->setSpacing(9);
    form->addRow(tr("Platform:"), m_platformLabel);

    m_closeButton = new QPushButton(tr("Close"), this);
    m_closeButton->setMinimumWidth(80);
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(9);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->setSpacing(9);
    layout->addLayout(top);
    layout->addWidget(new CSeparatorWidget(CSeparatorWidget::Horizontal, this));
    layout->addWidget(m_ownershipLabel);
    layout->addWidget(m_creditLabel);
    layout->addWidget(m_nameNoticeLabel);
    layout->addStretch();
    layout->addWidget(platformBox);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    setWindowTitle(QStringLiteral("%1 - %2").arg(name, tr("About")));
    setFixedSize(400, 300);
}

QString CAboutDialog::versionText() const
{
    return Version::fromString(QCoreApplication::applicationVersion()).displayText();
}

QString CAboutDialog::platformText() const
{
    return QSysInfo::prettyProductName();
}

void runAboutDialog()
{
    CAboutDialog dialog(CMainWindow::instance());
    dialog.exec();
}
