#include "widgets/noticebar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

CNoticeBar::CNoticeBar(QWidget *parent)
    : QFrame(parent)
    , m_icon(new QLabel(this))
    , m_title(new QLabel(this))
    , m_entries(new QLabel(this))
    , m_dismissButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("noticeBar"));
    setFrameShape(QFrame::StyledPanel);
    // By class, so that an owner may name the bar after its use.
    setStyleSheet(QStringLiteral("CNoticeBar {background:#FFF6D5; border:1px solid #E5C76B;}"
                                 "CNoticeBar QLabel {background:transparent; border:none;}"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    m_title->setTextFormat(Qt::PlainText);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_entries->setTextFormat(Qt::RichText);
    m_entries->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_entries->setWordWrap(true);
    m_dismissButton->setObjectName(QStringLiteral("dismissButton"));
    m_dismissButton->setAutoDefault(false);

    auto *text = new QVBoxLayout;
    text->setSpacing(2);
    text->addWidget(m_title);
    text->addWidget(m_entries);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(9, 6, 9, 6);
    layout->setSpacing(9);
    layout->addWidget(m_icon, 0, Qt::AlignTop);
    layout->addLayout(text, 1);
    layout->addWidget(m_dismissButton, 0, Qt::AlignTop);

    connect(m_entries, &QLabel::linkActivated, this,
            [this](const QString &link) { emit entryActivated(QUrl::fromPercentEncoding(link.toUtf8())); });
    connect(m_dismissButton, &QPushButton::clicked, this, [this] {
        hide();
        emit dismissed();
    });
}

void CNoticeBar::setNotice(const QString &title, const QList<Entry> &entries)
{
    m_title->setText(title);
    QStringList rows;
    for (const Entry &entry : entries) {
        QString row = QStringLiteral("<a href=\"%1\">%2</a>")
                          .arg(QString::fromLatin1(QUrl::toPercentEncoding(entry.key)), entry.text.toHtmlEscaped());
        if (!entry.detail.isEmpty())
            row += QStringLiteral(" &ndash; ") + entry.detail.toHtmlEscaped();
        rows.append(row);
    }
    m_entries->setText(rows.join(QStringLiteral("<br>")));
}

void CNoticeBar::setIcon(const QString &path)
{
    m_icon->setPixmap(QPixmap(path));
}

void CNoticeBar::setDismissText(const QString &text)
{
    m_dismissButton->setText(text);
}

QString CNoticeBar::entriesText() const
{
    return m_entries->text();
}
