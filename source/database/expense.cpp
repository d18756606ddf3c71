#include "database/expense.h"

#include "database/odometerlog.h"
#include "database/recordsave.h"
#include "utility/utility.h"

CExpense::CExpense(int id)
{
    load(id);
}

int CExpense::saveWithReading(int vehicleId, QString *errorText)
{
    CExpense expense(*this);
    expense.setAutoSave(false);
    expense.setAmount(Utility::roundTo(amount(), 8));
    if (expense.id() == 0)
        expense.setVehicleId(vehicleId);
    const ParentReading reading = RecordSave::estimatedReading(COdometerLog::ExpenseParent, expense.vehicleId(),
                                                               expense.date(), expense.readingDescription());
    const int id = RecordSave::save(expense, reading, errorText);
    if (id != 0)
        *this = expense;
    return id;
}

QString CExpense::readingDescription() const
{
    return comment().isEmpty() ? name() : name() + QStringLiteral(" - ") + comment();
}

QString CExpense::amountText(double amount)
{
    QString text = QString::number(amount, 'f', 8);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}
