#pragma once

#include "database/tableobject.h"

#include <QDate>
#include <QString>

// The fields of a "note" row, bound to the process-wide table object.
class CBaseNote : public CTableObject
{
public:
    CBaseNote();

    int vehicleId() const { return m_vehicleId; }
    void setVehicleId(int value) { setField(m_vehicleId, value); }
    QDate date() const { return m_date; }
    void setDate(const QDate &value) { setField(m_date, value); }
    QString title() const { return m_title; }
    void setTitle(const QString &value) { setField(m_title, value); }
    QString description() const { return m_description; }
    void setDescription(const QString &value) { setField(m_description, value); }
    bool stared() const { return m_stared; }
    void setStared(bool value) { setField(m_stared, value); }

protected:
    QVector<CFieldBinding> fields() override;

private:
    int m_vehicleId = 0;
    QDate m_date;
    QString m_title;
    QString m_description;
    bool m_stared = false;
};
