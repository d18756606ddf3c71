#pragma once

#include "database/table.h"

// Columns of the "note" table.
class CTableNoteBase : public CTable
{
    Q_OBJECT

public:
    enum Column { Id, VehicleId, Date, Title, Description, Stared };

    explicit CTableNoteBase(CDatabase *database, const QString &name = QStringLiteral("note"),
                             QObject *parent = nullptr);

    void defineColumns() override;
};
