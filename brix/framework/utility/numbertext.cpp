#include "utility/numbertext.h"

#include "utility/utility.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("NumberText", text);
}

// Digits with at most one mark; the mark is returned as "." in `plain`.
bool readDecimal(const QString &trimmed, QString *plain)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+[.,]?[0-9]*|[.,][0-9]+)$"));
    if (!pattern.match(trimmed).hasMatch())
        return false;
    *plain = trimmed;
    plain->replace(QLatin1Char(','), QLatin1Char('.'));
    return true;
}

bool isDigits(const QString &trimmed)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]+$"));
    return pattern.match(trimmed).hasMatch();
}

// Why `trimmed` is no plain number: empty, signed, or some other text.
QString notANumberReason(const QString &trimmed, bool decimals)
{
    if (trimmed.isEmpty())
        return tr("Enter a number");
    if (trimmed.startsWith(QLatin1Char('-')))
        return tr("Must not be negative");
    return decimals ? tr("Enter a number such as 12.50 or 12,50, without thousands separators")
                    : tr("Enter a whole number, without thousands separators");
}

void setReason(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
}

} // namespace

namespace NumberText {

std::optional<double> decimal(const QString &text, QString *reason, int decimals)
{
    const QString trimmed = text.trimmed();
    QString plain;
    if (!readDecimal(trimmed, &plain)) {
        setReason(reason, notANumberReason(trimmed, true));
        return std::nullopt;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value)) {
        setReason(reason, notANumberReason(trimmed, true));
        return std::nullopt;
    }
    setReason(reason, QString());
    return Utility::roundTo(value, decimals);
}

std::optional<int> whole(const QString &text, QString *reason, int maximum)
{
    const QString trimmed = text.trimmed();
    if (!isDigits(trimmed)) {
        setReason(reason, notANumberReason(trimmed, false));
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = QLocale::c().toLongLong(trimmed, &ok);
    if (!ok || value > maximum) {
        setReason(reason, tooLargeReason(maximum));
        return std::nullopt;
    }
    setReason(reason, QString());
    return int(value);
}

QString decimalText(double value, int decimals)
{
    return Utility::numberToString(value, decimals);
}

QString typingPattern(int integerDigits, int decimals)
{
    const QString integer = QStringLiteral("[0-9]{0,%1}").arg(integerDigits);
    if (decimals <= 0)
        return integer;
    return integer + QStringLiteral("([.,][0-9]{0,%1})?").arg(decimals);
}

QString tooLargeReason(qint64 maximum)
{
    QLocale english(QLocale::English);
    return tr("At most %1").arg(english.toString(maximum));
}

} // namespace NumberText
