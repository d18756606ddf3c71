#include "modules/report/reportmodule.h"

#include "application/modulecontainer.h"
#include "widgets/descriptionboxwidget.h"

#include <QLabel>
#include <QVBoxLayout>

CReportModule::CReportModule(QWidget *parent)
    : CModule(ModuleId::Reports, parent), m_titleLabel(new QLabel(this)), m_descriptionBox(new CDescriptionBoxWidget(this))
{
    QFont titleFont = m_titleLabel->font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);

    auto *imageLabel = new QLabel(this);
    imageLabel->setPixmap(QPixmap(QStringLiteral(":/resource/icons/report.png")));

    m_descriptionBox->addItem(QStringLiteral("this is module description"),
                              QStringLiteral("Put your goods in your warehouse"),
                              QStringLiteral(":/resource/icons/lightbulb-48.png"));
    m_descriptionBox->addItem(QStringLiteral("this is second module description"), QStringLiteral("Be careful"),
                              QStringLiteral(":/resource/icons/notification-48.png"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 30);
    layout->addWidget(m_titleLabel, 0, Qt::AlignHCenter);
    layout->addWidget(imageLabel, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(m_descriptionBox);
    retranslate();
}

void CReportModule::retranslate()
{
    setName(tr("Report"));
    m_titleLabel->setText(tr("Reports"));
    m_descriptionBox->setTitle(tr("About Reports"));
}
