#include "widgets/numberedit.h"

#include "utility/numbertext.h"

#include <QRegularExpressionValidator>

CNumberEdit::CNumberEdit(int decimals, QWidget *parent) : QLineEdit(parent), m_decimals(qMax(0, decimals))
{
    const QRegularExpression pattern(NumberText::typingPattern(m_decimals > 0 ? 9 : 10, m_decimals));
    setValidator(new QRegularExpressionValidator(pattern, this));
}

std::optional<double> CNumberEdit::value(QString *reason) const
{
    if (m_decimals == 0) {
        const std::optional<int> whole = wholeValue(reason);
        return whole ? std::optional<double>(*whole) : std::nullopt;
    }
    return NumberText::decimal(text(), reason, m_decimals);
}

std::optional<int> CNumberEdit::wholeValue(QString *reason) const
{
    return NumberText::whole(text(), reason);
}

void CNumberEdit::setValue(double value)
{
    setText(m_decimals == 0 ? QString::number(qint64(value)) : NumberText::decimalText(value, m_decimals));
}
