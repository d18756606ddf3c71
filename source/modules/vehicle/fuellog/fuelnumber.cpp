#include "modules/vehicle/fuellog/fuelnumber.h"

#include "utility/utility.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

bool isPlainNumber(const QString &text, bool decimals)
{
    static const QRegularExpression integer(QStringLiteral("^[0-9]+$"));
    static const QRegularExpression decimal(QStringLiteral("^([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    return (decimals ? decimal : integer).match(text).hasMatch();
}

} // namespace

namespace FuelNumber {

std::optional<double> amount(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (!isPlainNumber(trimmed, true))
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return Utility::roundTo(value, 2);
}

std::optional<int> count(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (!isPlainNumber(trimmed, false))
        return std::nullopt;
    bool ok = false;
    const int value = QLocale::c().toInt(trimmed, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString amountText(double value)
{
    return QString::number(value, 'f', 2);
}

} // namespace FuelNumber
