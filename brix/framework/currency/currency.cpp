#include "currency/currency.h"

#include <QtMath>

#include <cmath>

namespace ASCurrency {

namespace {

struct Row
{
    const char *name;
    const char *code;
    const char16_t *symbol;
    char16_t decimalPoint;
    char16_t groupSeparator; // 0: no grouping
    int positiveFormat;
    int negativeFormat;
};

const Row table[] = {
    {"Test Currency Format", "---", u"$", u'.', 0, 32, 48},
    {"United States Dollar", "USD", u"$", u'.', u',', 33, 49},
    {"Euro", "EUR", u"\u20AC", u',', u'.', 32, 48},
    {"British Pound", "GBP", u"\u00A3", u'.', u',', 33, 49},
    {"Australian Dolar", "AUD", u"$", u'.', u',', 33, 49},
    {"Canadian Dolar", "CAD", u"$", u'.', u',', 33, 49},
    {"Japanese Yen", "JPY", u"\u00A5", u'.', u',', 33, 49},
    {"Srpski Dinar", "RSD", u"din", u'.', u' ', 32, 48},
    {"Hrvatska Kuna", "HRK", u"kn", u'.', u' ', 32, 48},
    {"Bosanska Marka", "BAM", u"KM", u'.', u' ', 32, 48},
};

const int tableDecimals = 2;

} // namespace

const QString Currency::NoCode = QStringLiteral("---");

Currency::Currency(const QString &code, QObject *parent) : QObject(parent)
{
    setCode(code);
}

void Currency::setCode(const QString &code)
{
    for (const Row &row : table) {
        if (code == QLatin1String(row.code)) {
            m_symbol = QString::fromUtf16(row.symbol);
            m_code = QLatin1String(row.code);
            m_name = QLatin1String(row.name);
            m_decimals = tableDecimals;
            m_decimalPoint = QChar(row.decimalPoint);
            m_groupSeparator = row.groupSeparator ? QChar(row.groupSeparator) : QChar();
            m_positiveFormat = row.positiveFormat;
            m_negativeFormat = row.negativeFormat;
            return;
        }
    }
    // Unknown code: bare numbers, but a negative amount keeps its minus sign.
    m_symbol.clear();
    m_code.clear();
    m_name.clear();
    m_decimals = tableDecimals;
    m_decimalPoint = QChar();
    m_groupSeparator = QChar();
    m_positiveFormat = 0;
    m_negativeFormat = Sign;
}

double Currency::round(double value) const
{
    const double scale = qPow(10.0, m_decimals);
    // std::floor stays in double: qFloor returns an int and wraps from
    // 21,474,836.48 on.
    return std::floor(value * scale + 0.5) / scale;
}

QString Currency::formatNumber(double value) const
{
    QString text = QString::number(round(value), 'f', m_decimals);
    if (!m_decimalPoint.isNull() && m_decimalPoint != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), m_decimalPoint);
    if (m_groupSeparator.isNull())
        return text;

    QString fraction;
    if (m_decimals > 0) {
        fraction = text.right(m_decimals + 1);
        text.chop(fraction.size());
    }
    QString grouped;
    for (int end = text.size(); end > 0; end -= 3) {
        const int start = qMax(0, end - 3);
        grouped.prepend(text.mid(start, end - start));
        if (start > 0)
            grouped.prepend(m_groupSeparator);
    }
    return grouped + fraction;
}

QString Currency::format(double value) const
{
    // An amount that rounds to zero is zero: no "-$ 0.00" for -0.001.
    const bool negative = value < 0 && round(-value) != 0.0;
    const int flags = negative ? m_negativeFormat : m_positiveFormat;
    const QString n = formatNumber(negative ? -value : qAbs(value));
    const QString s = (flags & Sign) ? QStringLiteral("-") : QString();
    const QString b = (flags & Blank) ? QStringLiteral(" ") : QString();
    const QString &c = m_symbol;

    switch (flags & PositionMask) {
    case 1:
        return s + c + b + n;
    case 3:
        return c + b + s + n;
    case 4:
        return n + s + b + c;
    case 6:
        return n + b + c + s;
    case 7:
        return c + b + n + s;
    default:
        return s + n + b + c;
    }
}

QString Currency::displayText() const
{
    return QStringLiteral("(%1)").arg(m_code) + QLatin1Char(' ') + m_name
        + QStringLiteral(" (%1)").arg(format(1000000));
}

QStringList Currency::tableCodes()
{
    QStringList codes;
    for (const Row &row : table)
        codes << QLatin1String(row.code);
    return codes;
}

} // namespace ASCurrency
