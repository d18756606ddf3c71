#pragma once

#include "database/table.h"

// Columns of the "expense" table.
class CTableExpenseBase : public CTable
{
    Q_OBJECT

public:
    enum Column { Id, VehicleId, Date, Amount, Name, Comment };

    explicit CTableExpenseBase(CDatabase *database, const QString &name = QStringLiteral("expense"),
                             QObject *parent = nullptr);

    void defineColumns() override;
};
