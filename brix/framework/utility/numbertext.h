#pragma once

#include <QString>

#include <optional>

// Numbers as the user types them into a field, read the same way whatever the
// system locale: plain digits, and for decimals one "," or "." as the decimal
// mark. Group separators, signs and exponents are refused, so a number is
// never read as another one; every refusal comes with a reason to show.
namespace NumberText {

// A non-negative decimal rounded half up to `decimals` places ("1,5" and
// "1.5" alike); nothing for empty or unreadable text, with the reason in
// `reason`.
std::optional<double> decimal(const QString &text, QString *reason = nullptr, int decimals = 2);
// A whole number from 0 to `maximum`; nothing for empty or unreadable text or
// a number beyond `maximum`, with the reason in `reason`.
std::optional<int> whole(const QString &text, QString *reason = nullptr, int maximum = 2147483647);

// `value` with `decimals` places in fixed notation, "." as decimal mark:
// what decimal() reads back ("12.50").
QString decimalText(double value, int decimals = 2);
// A regular expression for a validator: the texts a field may hold while the
// user is still typing a number of at most `integerDigits` digits before the
// mark and `decimals` after it (0: a whole number).
QString typingPattern(int integerDigits, int decimals);

// The reason given for a number above `maximum`: "At most 2,147,483,647".
QString tooLargeReason(qint64 maximum);

} // namespace NumberText
