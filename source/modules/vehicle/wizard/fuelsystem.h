#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// A vehicle's fuel system: no fuel, one fuel or two fuels, with the names of
// its fuels. Shared by the new-vehicle wizard and the vehicle dialog.
class CFuelSystem
{
    Q_DECLARE_TR_FUNCTIONS(CFuelSystem)

public:
    enum Type { None = 0, Single = 1, Double = 2 };

    CFuelSystem() = default;
    CFuelSystem(int type, const QString &firstName = QString(), const QString &secondName = QString());

    // "none", "single", "double"; empty for any other type.
    QString codeText() const;
    static QString codeText(int type);
    // "Single (Diesel)", "Double (Gasoline | LPG)" or "No Fuel System".
    QString displayText() const;

    // The fuel systems offered, in the order shown: none, single, double.
    static QList<CFuelSystem> list();
    // The fuel names offered in the editable fuel lists, in the order shown.
    static QStringList fuelNames();

    bool operator==(const CFuelSystem &other) const;
    bool operator!=(const CFuelSystem &other) const { return !(*this == other); }

    int type = None;
    QString firstName;
    QString secondName;
};
