#pragma once

#include "database/tableobject.h"

#include <QString>

// The fields of a "service_item" row, bound to the process-wide table object.
class CBaseServiceItem : public CTableObject
{
public:
    CBaseServiceItem();

    int serviceLogId() const { return m_serviceLogId; }
    void setServiceLogId(int value) { setField(m_serviceLogId, value); }
    QString description() const { return m_description; }
    void setDescription(const QString &value) { setField(m_description, value); }
    double cost() const { return m_cost; }
    void setCost(double value) { setField(m_cost, value); }

protected:
    QVector<CFieldBinding> fields() override;

private:
    int m_serviceLogId = 0;
    QString m_description;
    double m_cost = 0.0;
};
