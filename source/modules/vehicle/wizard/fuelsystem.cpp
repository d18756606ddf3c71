#include "modules/vehicle/wizard/fuelsystem.h"

CFuelSystem::CFuelSystem(int type, const QString &firstName, const QString &secondName)
    : type(type)
    , firstName(firstName)
    , secondName(secondName)
{
}

QString CFuelSystem::codeText() const
{
    return codeText(type);
}

QString CFuelSystem::codeText(int type)
{
    switch (type) {
    case None:
        return tr("none");
    case Single:
        return tr("single");
    case Double:
        return tr("double");
    default:
        return QString();
    }
}

QString CFuelSystem::displayText() const
{
    switch (type) {
    case Single:
        return tr("Single") + QStringLiteral(" (") + firstName + QStringLiteral(")");
    case Double:
        return tr("Double") + QStringLiteral(" (") + firstName + QStringLiteral(" | ") + secondName
            + QStringLiteral(")");
    default:
        return tr("No Fuel System");
    }
}

QList<CFuelSystem> CFuelSystem::list()
{
    return { CFuelSystem(None), CFuelSystem(Single), CFuelSystem(Double) };
}

QStringList CFuelSystem::fuelNames()
{
    return { QStringLiteral("Gasoline"), QStringLiteral("Diesel"), QStringLiteral("LPG"), QStringLiteral("Biodiesel"),
        QStringLiteral("Vegetable Oil"), QStringLiteral("Premium Diesel"), QStringLiteral("Super Gasoline"),
        QStringLiteral("SuperPlus Gasoline"), QStringLiteral("Premium Gasoline 100"),
        QStringLiteral("Premium Gasoline 95"), QStringLiteral("CNG H"), QStringLiteral("CNG L"),
        QStringLiteral("Bio-Alcohol"), QStringLiteral("Two-Stroke"), QStringLiteral("Electricity"),
        QStringLiteral("E10") };
}

bool CFuelSystem::operator==(const CFuelSystem &other) const
{
    return type == other.type && firstName == other.firstName && secondName == other.secondName;
}
