#pragma once

#include "database/table.h"

// Columns of the "service_item" table.
class CTableServiceItemBase : public CTable
{
    Q_OBJECT

public:
    enum Column { Id, ServiceLogId, Description, Cost };

    explicit CTableServiceItemBase(CDatabase *database, const QString &name = QStringLiteral("service_item"),
                             QObject *parent = nullptr);

    void defineColumns() override;
};
