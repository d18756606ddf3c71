#include "widgets/entrydialog.h"

#include "utility/prompt.h"

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

void CEntryDialog::markField(QLabel *caption, bool invalid)
{
    caption->setObjectName(invalid ? QStringLiteral("errorLabel") : QStringLiteral("QLabel"));
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

bool CEntryDialog::check(QLabel *caption, QWidget *field, bool valid, const QString &reason)
{
    markField(caption, !valid);
    if (!valid && m_checksPassed) {
        m_checksPassed = false;
        field->setFocus();
        if (!reason.isEmpty()) {
            m_reasonLabel->setText(caption->text().remove(QLatin1Char(':')) + QStringLiteral(": ") + reason);
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
