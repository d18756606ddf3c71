#include "database/fieldbinding.h"

#include "database/repeatperiod.h"

#include <cmath>
#include <limits>

namespace {
const QString dateFormat = QStringLiteral("yyyy-MM-dd");

bool isUnset(const QVariant &stored)
{
    return stored.isNull() || (stored.type() == QVariant::String && stored.toString().isEmpty());
}

// The stored value as a whole number between `low` and `high`; unset reads
// as 0. SQLite hands back 64-bit integers, reals or texts.
bool wholeNumber(const QVariant &stored, qint64 low, qint64 high, qint64 &result)
{
    result = 0;
    if (isUnset(stored))
        return true;
    if (stored.type() == QVariant::Double) {
        const double value = stored.toDouble();
        if (!std::isfinite(value) || value != std::floor(value) || value < double(low) || value > double(high))
            return false;
        result = qint64(value);
        return true;
    }
    bool ok = false;
    const qlonglong value = stored.toLongLong(&ok);
    if (!ok || value < low || value > high)
        return false;
    result = value;
    return true;
}

bool finiteNumber(const QVariant &stored, double &result)
{
    result = 0.0;
    if (isUnset(stored))
        return true;
    bool ok = false;
    const double value = stored.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    result = value;
    return true;
}
} // namespace

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

QString CFieldBinding::refusal() const
{
    switch (form) {
    case Date: {
        const QDate &date = *static_cast<QDate *>(field);
        if (date.isValid() && (date.year() < 1 || date.year() > 9999))
            return tr("the date lies outside the years 1 to 9999");
        break;
    }
    case Money:
    case Amount:
        if (!std::isfinite(*static_cast<double *>(field)))
            return tr("the number is not finite");
        break;
    default:
        break;
    }
    return QString();
}

bool CFieldBinding::read(const QVariant &stored)
{
    qint64 number = 0;
    double real = 0.0;
    switch (form) {
    case Number:
        if (!wholeNumber(stored, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), number))
            break;
        *static_cast<int *>(field) = int(number);
        return true;
    case Code:
        if (!wholeNumber(stored, 0, std::numeric_limits<unsigned int>::max(), number))
            break;
        *static_cast<unsigned int *>(field) = static_cast<unsigned int>(number);
        return true;
    case Flag:
        if (!wholeNumber(stored, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(), number))
            break;
        *static_cast<bool *>(field) = number != 0;
        return true;
    case Date: {
        // Qt::ISODate reads "yyyy-MM-dd" without the format parser, which
        // looks up the time zone on every call: too slow for long lists.
        const QString text = stored.toString();
        const QDate date = text.size() == 10 ? QDate::fromString(text, Qt::ISODate) : QDate();
        if (!date.isValid() && !text.isEmpty())
            break;
        *static_cast<QDate *>(field) = date;
        return true;
    }
    case Money:
    case Amount:
        if (!finiteNumber(stored, real))
            break;
        *static_cast<double *>(field) = real;
        return true;
    case Text:
        *static_cast<QString *>(field) = stored.toString();
        return true;
    case Period:
        *static_cast<CRepeatPeriod *>(field) = CRepeatPeriod::fromString(stored.toString());
        return true;
    case Zero:
        return true;
    }
    // The default itself always reads; the guard keeps that from recursing.
    if (&stored != &defaultValue)
        reset();
    return false;
}

void CFieldBinding::reset()
{
    read(defaultValue);
}
