#include "widgets/entrydialog.h"

#include "utility/prompt.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

CEntryDialog::CEntryDialog(QWidget *parent)
    : CDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_reasonLabel(new QLabel(this))
{
    m_reasonLabel->setObjectName(QStringLiteral("errorLabel"));
    m_reasonLabel->setTextFormat(Qt::PlainText);
    m_reasonLabel->setWordWrap(true);
    m_reasonLabel->hide();
}

int CEntryDialog::run()
{
    return exec() == QDialog::Accepted ? m_savedId : 0;
}

void CEntryDialog::markField(QWidget *caption, bool invalid)
{
    // Unmarked captions are named after their class ("QLabel", "QCheckBox").
    caption->setObjectName(invalid ? QStringLiteral("errorLabel")
                                   : QString::fromLatin1(caption->metaObject()->className()));
    // Re-set so that the application style sheet's rule for the name applies.
    caption->setStyleSheet(QString());
}

QString CEntryDialog::reasonText() const
{
    return m_reasonLabel->isHidden() ? QString() : m_reasonLabel->text();
}

void CEntryDialog::slotNextDlgCtl()
{
    focusNextChild();
}

void CEntryDialog::moveOnReturn(std::initializer_list<QLineEdit *> fields)
{
    for (QLineEdit *field : fields)
        connect(field, &QLineEdit::returnPressed, this, &CEntryDialog::slotNextDlgCtl);
}

void CEntryDialog::beginChecks()
{
    m_checksPassed = true;
    m_reasonLabel->clear();
    m_reasonLabel->hide();
}

bool CEntryDialog::check(QWidget *caption, QWidget *field, bool valid, const QString &reason)
{
    markField(caption, !valid);
    if (!valid && m_checksPassed) {
        m_checksPassed = false;
        field->setFocus();
        if (!reason.isEmpty()) {
            const auto *label = qobject_cast<const QLabel *>(caption);
            const auto *box = qobject_cast<const QAbstractButton *>(caption);
            QString name = label ? label->text() : box ? box->text() : QString();
            m_reasonLabel->setText(name.remove(QLatin1Char(':')) + QStringLiteral(": ") + reason);
            m_reasonLabel->show();
        }
    }
    return valid;
}

void CEntryDialog::finishSave(int id, const QString &error)
{
    if (id == 0) {
        Utility::Prompt::critical(this, windowTitle(), error);
        return;
    }
    m_savedId = id;
    accept();
}
