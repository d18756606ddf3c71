#pragma once

#include "database/tableobject.h"

#include <QString>

// The fields of a "vehicletype" row, bound to the process-wide table object.
class CBaseVehicleType : public CTableObject
{
public:
    CBaseVehicleType();

    QString name() const { return m_name; }
    void setName(const QString &value) { setField(m_name, value); }
    QString imagePath() const { return m_imagePath; }
    void setImagePath(const QString &value) { setField(m_imagePath, value); }
    int fuelSystemSuggestion() const { return m_fuelSystemSuggestion; }
    void setFuelSystemSuggestion(int value) { setField(m_fuelSystemSuggestion, value); }
    int odometerTypeSuggestion() const { return m_odometerTypeSuggestion; }
    void setOdometerTypeSuggestion(int value) { setField(m_odometerTypeSuggestion, value); }

protected:
    QVector<CFieldBinding> fields() override;

private:
    QString m_name;
    QString m_imagePath;
    int m_fuelSystemSuggestion = 0;
    int m_odometerTypeSuggestion = 0;
};
