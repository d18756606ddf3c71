#pragma once

#include <QLineEdit>

#include <optional>

// A field for a number the user types: digits and, with decimals, one "," or
// "." as decimal mark, read the same way in any locale (NumberText). Typing
// is limited to such text; text set or pasted otherwise is refused by
// value(), with a reason, never read as 0 or as another number.
class CNumberEdit : public QLineEdit
{
    Q_OBJECT

public:
    // `decimals` 0 makes a field for whole numbers.
    explicit CNumberEdit(int decimals, QWidget *parent = nullptr);

    int decimals() const { return m_decimals; }
    // The number, rounded half up to the field's decimals; nothing for text
    // that is empty or no number, with the reason in `reason`.
    std::optional<double> value(QString *reason = nullptr) const;
    // A whole-number field's number.
    std::optional<int> wholeValue(QString *reason = nullptr) const;
    // Shows `value` with the field's decimals in fixed notation.
    void setValue(double value);

private:
    int m_decimals = 0;
};
