#pragma once

#include "database/tableobject.h"

#include <QDate>
#include <QString>

// The fields of a "expense" row, bound to the process-wide table object.
class CBaseExpense : public CTableObject
{
public:
    CBaseExpense();

    int vehicleId() const { return m_vehicleId; }
    void setVehicleId(int value) { setField(m_vehicleId, value); }
    QDate date() const { return m_date; }
    void setDate(const QDate &value) { setField(m_date, value); }
    double amount() const { return m_amount; }
    void setAmount(double value) { setField(m_amount, value); }
    QString name() const { return m_name; }
    void setName(const QString &value) { setField(m_name, value); }
    QString comment() const { return m_comment; }
    void setComment(const QString &value) { setField(m_comment, value); }

protected:
    QVector<CFieldBinding> fields() override;

private:
    int m_vehicleId = 0;
    QDate m_date;
    double m_amount = 0.0;
    QString m_name;
    QString m_comment;
};
