#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QVariant>

class CRepeatPeriod;

// Ties one record field to its column: the text it is written as, how it is
// read back, and its default. A record lists its bindings in column order.
class CFieldBinding
{
    Q_DECLARE_TR_FUNCTIONS(CFieldBinding)

public:
    static CFieldBinding number(int &field, int defaultValue = 0);
    static CFieldBinding code(unsigned int &field);
    static CFieldBinding flag(bool &field, bool defaultValue = false);
    // An invalid date is written as empty text.
    static CFieldBinding date(QDate &field, const QDate &defaultValue = QDate());
    // Fixed notation with two decimals.
    static CFieldBinding money(double &field);
    // All the digits of the value.
    static CFieldBinding amount(double &field);
    static CFieldBinding text(QString &field);
    static CFieldBinding period(CRepeatPeriod &field);
    // A column without a field, always written as 0.
    static CFieldBinding zero();

    QVariant written() const;
    // Why the value would not read back as it is (a date outside the years
    // 1 to 9999, a number that is not finite); empty when it would.
    QString refusal() const;
    // False when the stored value is damaged: not of the field's kind or
    // outside its range. The field then keeps its default, never a wrapped
    // or truncated number.
    bool read(const QVariant &stored);
    void reset();

private:
    enum Form { Number, Code, Flag, Date, Money, Amount, Text, Period, Zero };

    CFieldBinding(Form form, void *field, const QVariant &defaultValue);

    Form form;
    void *field;
    QVariant defaultValue;
};
