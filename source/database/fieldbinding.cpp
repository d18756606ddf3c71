#include "database/fieldbinding.h"

#include "database/repeatperiod.h"

namespace {
const QString dateFormat = QStringLiteral("yyyy-MM-dd");
}

CFieldBinding::CFieldBinding(Form form, void *field, const QVariant &defaultValue)
    : form(form)
    , field(field)
    , defaultValue(defaultValue)
{
}

CFieldBinding CFieldBinding::number(int &field, int defaultValue)
{
    return CFieldBinding(Number, &field, defaultValue);
}

CFieldBinding CFieldBinding::code(unsigned int &field)
{
    return CFieldBinding(Code, &field, 0);
}

CFieldBinding CFieldBinding::flag(bool &field, bool defaultValue)
{
    return CFieldBinding(Flag, &field, defaultValue);
}

CFieldBinding CFieldBinding::date(QDate &field, const QDate &defaultValue)
{
    return CFieldBinding(Date, &field, defaultValue.toString(dateFormat));
}

CFieldBinding CFieldBinding::money(double &field)
{
    return CFieldBinding(Money, &field, 0.0);
}

CFieldBinding CFieldBinding::amount(double &field)
{
    return CFieldBinding(Amount, &field, 0.0);
}

CFieldBinding CFieldBinding::text(QString &field)
{
    return CFieldBinding(Text, &field, QString());
}

CFieldBinding CFieldBinding::period(CRepeatPeriod &field)
{
    return CFieldBinding(Period, &field, CRepeatPeriod().toString());
}

CFieldBinding CFieldBinding::zero()
{
    return CFieldBinding(Zero, nullptr, 0);
}

QVariant CFieldBinding::written() const
{
    switch (form) {
    case Number:
        return QString::number(*static_cast<int *>(field));
    case Code:
        return QString::number(*static_cast<unsigned int *>(field));
    case Flag:
        return *static_cast<bool *>(field) ? QStringLiteral("1") : QStringLiteral("0");
    case Date: {
        const QDate &date = *static_cast<QDate *>(field);
        return date.isValid() ? date.toString(dateFormat) : QStringLiteral("");
    }
    case Money:
        return QString::number(*static_cast<double *>(field), 'f', 2);
    case Amount:
        return QVariant(*static_cast<double *>(field)).toString();
    case Text:
        return *static_cast<QString *>(field);
    case Period:
        return static_cast<CRepeatPeriod *>(field)->toString();
    case Zero:
        break;
    }
    return QStringLiteral("0");
}

void CFieldBinding::read(const QVariant &stored)
{
    switch (form) {
    case Number:
        *static_cast<int *>(field) = stored.toInt();
        break;
    case Code:
        *static_cast<unsigned int *>(field) = static_cast<unsigned int>(stored.toInt());
        break;
    case Flag:
        *static_cast<bool *>(field) = stored.toBool();
        break;
    case Date: {
        // Qt::ISODate reads "yyyy-MM-dd" without the format parser, which
        // looks up the time zone on every call: too slow for long lists.
        const QString text = stored.toString();
        *static_cast<QDate *>(field) = text.size() == 10 ? QDate::fromString(text, Qt::ISODate) : QDate();
        break;
    }
    case Money:
    case Amount:
        *static_cast<double *>(field) = stored.toDouble();
        break;
    case Text:
        *static_cast<QString *>(field) = stored.toString();
        break;
    case Period:
        *static_cast<CRepeatPeriod *>(field) = CRepeatPeriod::fromString(stored.toString());
        break;
    case Zero:
        break;
    }
}

void CFieldBinding::reset()
{
    read(defaultValue);
}
