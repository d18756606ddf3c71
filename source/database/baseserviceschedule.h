#pragma once

#include "database/repeatperiod.h"
#include "database/tableobject.h"

#include <QDate>
#include <QString>

// The fields of a "service_schedule" row, bound to the process-wide table object.
class CBaseServiceSchedule : public CTableObject
{
public:
    CBaseServiceSchedule();

    int vehicleId() const { return m_vehicleId; }
    void setVehicleId(int value) { setField(m_vehicleId, value); }
    QString name() const { return m_name; }
    void setName(const QString &value) { setField(m_name, value); }
    QString description() const { return m_description; }
    void setDescription(const QString &value) { setField(m_description, value); }
    QDate lastCheckDate() const { return m_lastCheckDate; }
    void setLastCheckDate(const QDate &value) { setField(m_lastCheckDate, value); }
    int lastCheckOdometer() const { return m_lastCheckOdometer; }
    void setLastCheckOdometer(int value) { setField(m_lastCheckOdometer, value); }
    int dueType() const { return m_dueType; }
    void setDueType(int value) { setField(m_dueType, value); }
    QDate dueDate() const { return m_dueDate; }
    void setDueDate(const QDate &value) { setField(m_dueDate, value); }
    int dueOdometer() const { return m_dueOdometer; }
    void setDueOdometer(int value) { setField(m_dueOdometer, value); }
    int reminderType() const { return m_reminderType; }
    void setReminderType(int value) { setField(m_reminderType, value); }
    QDate reminderDate() const { return m_reminderDate; }
    void setReminderDate(const QDate &value) { setField(m_reminderDate, value); }
    int reminderOdometer() const { return m_reminderOdometer; }
    void setReminderOdometer(int value) { setField(m_reminderOdometer, value); }
    int repeatType() const { return m_repeatType; }
    void setRepeatType(int value) { setField(m_repeatType, value); }
    CRepeatPeriod repeatPeriod() const { return m_repeatPeriod; }
    void setRepeatPeriod(const CRepeatPeriod &value) { setField(m_repeatPeriod, value); }
    int repeatOdometer() const { return m_repeatOdometer; }
    void setRepeatOdometer(int value) { setField(m_repeatOdometer, value); }
    int status() const { return m_status; }
    void setStatus(int value) { setField(m_status, value); }

protected:
    QVector<CFieldBinding> fields() override;

private:
    int m_vehicleId = 0;
    QString m_name;
    QString m_description;
    QDate m_lastCheckDate;
    int m_lastCheckOdometer = 0;
    int m_dueType = 0;
    QDate m_dueDate;
    int m_dueOdometer = 0;
    int m_reminderType = 0;
    QDate m_reminderDate;
    int m_reminderOdometer = 0;
    int m_repeatType = 0;
    CRepeatPeriod m_repeatPeriod;
    int m_repeatOdometer = 0;
    int m_status = 0;
};
