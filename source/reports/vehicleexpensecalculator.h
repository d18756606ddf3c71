#pragma once

#include "database/vehicle.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

class CTable;

// The costs of one vehicle over one period: fuel, service and other costs per
// time bucket (days, weeks, months or years, chosen from the length of the
// period), with per-bucket totals, the bucket labels of the chart and the
// table, and the footer texts. Each cost source is read with one aggregate
// query that groups in the database and adds the amounts in whole cents, so a
// computation reads at most one row per bucket and source.
//
// Bucket i of a period covers, for days, the i-th day from the start; for
// weeks, the i-th run of seven days from the start; for months and years, the
// i-th calendar month or year counted from the start's.
//
// Beyond the period's buckets the calculator gives the cost per distance
// driven in the period (from the odometer readings) and the total cost of
// ownership over the vehicle's whole life.
class CVehicleExpenseCalculator : public QObject
{
    Q_OBJECT

public:
    enum Grouping { Year = 0, Month = 1, Week = 2, Day = 3 };

    explicit CVehicleExpenseCalculator(QObject *parent = nullptr);

    // Each setter recomputes at once.
    void setVehicle(const CVehicle &vehicle);
    void setPeriod(const QDate &start, const QDate &end);
    // Vehicle and period together, computed once.
    void setReport(const CVehicle &vehicle, const QDate &start, const QDate &end);

    // False, leaving every result as it was, without a vehicle or with a null
    // date; otherwise computes, emits updated() and returns true. A reversed
    // period gives no bucket and totals of 0.
    bool calculate();

    // Day up to 57 days (end minus start), week up to 115, month up to 550,
    // year beyond.
    static int groupingFor(qint64 days);
    // The number of buckets of the period in that grouping; 0 for a reversed
    // period.
    static int bucketCount(int grouping, const QDate &start, const QDate &end);
    // The bucket of `date` in that grouping; outside 0 .. count - 1 when the
    // date lies outside the period.
    static qint64 bucketIndex(int grouping, const QDate &start, const QDate &date);

    int grouping() const { return m_grouping; }
    QDate startDate() const { return m_start; }
    QDate endDate() const { return m_end; }
    QVector<double> tickPositions() const { return m_tickPositions; }
    QVector<QString> tickLabels() const { return m_tickLabels; }
    QStringList periodNames() const { return m_periodNames; }
    int count() const { return m_count; }
    QVector<double> fuelCosts() const { return m_fuelCosts; }
    QVector<double> serviceCosts() const { return m_serviceCosts; }
    QVector<double> otherCosts() const { return m_otherCosts; }
    QVector<double> totalCosts() const { return m_totalCosts; }
    double maxTotal() const { return m_maxTotal; }
    double grandTotal() const { return m_grandTotal; }
    // The period's sums of each source.
    double fuelTotal() const { return m_fuelSum; }
    double serviceTotal() const { return m_serviceSum; }
    double otherTotal() const { return m_otherSum; }
    // The texts are made when asked for, so they follow a change of the
    // currency without a new computation.
    // "Total cost: <amount>".
    QString totalText() const;
    // "Fuel costs: <amount> | Service costs: <amount> | Other costs: <amount>".
    QString detailsText() const;

    // Distance driven in the period: the odometer estimated for the end day
    // minus the one estimated for the start day; 0 when unknown.
    qint64 distance() const { return m_distance; }
    // The period's total cost per unit of distance; negative when no
    // distance was driven.
    double costPerDistance() const { return m_distance > 0 ? m_grandTotal / double(m_distance) : -1.0; }
    // Every fuel, service and other cost of the vehicle, whatever its date.
    double ownershipCost() const { return m_ownershipCost; }
    // "Cost per km: <amount>", with "—" when no distance was driven.
    QString distanceCostText() const;
    // "Total cost of ownership: <amount>".
    QString ownershipText() const;

signals:
    void updated();

private:
    // One cost source: its table and the column holding the amounts.
    struct Source
    {
        CTable *table;
        int amountColumn;
    };

    void makeLabels();
    // Adds the source's costs of the period to `costs`, bucket by bucket.
    void addCosts(const Source &source, QVector<double> &costs) const;
    // The bucket of a row's date in SQL, with the values it binds.
    QString bucketExpression(const QString &dateColumn, QVariantList &bindings) const;
    double lifetimeCost(const Source &source) const;
    static QVector<Source> sources();

    CVehicle m_vehicle;
    QDate m_start;
    QDate m_end;
    QVector<double> m_tickPositions;
    QVector<QString> m_tickLabels;
    QStringList m_periodNames;
    int m_count = 0;
    QVector<double> m_fuelCosts;
    QVector<double> m_serviceCosts;
    QVector<double> m_otherCosts;
    QVector<double> m_totalCosts;
    double m_maxTotal = 0.0;
    int m_grouping = Month;
    double m_grandTotal = 0.0;
    double m_fuelSum = 0.0;
    double m_serviceSum = 0.0;
    double m_otherSum = 0.0;
    qint64 m_distance = 0;
    double m_ownershipCost = 0.0;
};
