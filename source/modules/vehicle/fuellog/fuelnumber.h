#pragma once

#include <QString>

#include <optional>

// The numbers of a fuel entry as typed: plain digits with an optional "."
// and decimals, read the same way whatever the system locale. Group
// separators, commas, signs and exponents are refused, so "1,5" or "12,345"
// never turn into another number, and no value is ever negative.
namespace FuelNumber {

// A price, quantity or amount rounded half up to two decimals; nothing for
// empty or unreadable text.
std::optional<double> amount(const QString &text);
// An odometer reading or distance; nothing for empty or unreadable text or a
// number beyond int.
std::optional<int> count(const QString &text);
// Two decimals in fixed notation: "12.50".
QString amountText(double value);

} // namespace FuelNumber
