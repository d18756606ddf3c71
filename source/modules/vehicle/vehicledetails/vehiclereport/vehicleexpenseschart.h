#pragma once

#include <qcustomplot.h>

#include <QPointer>

class CVehicleExpenseCalculator;

// The cost report's chart: fuel, service and other costs per bucket as
// stacked bars, redrawn whenever its calculator has computed.
class CVehicleExpensesChart : public QCustomPlot
{
    Q_OBJECT

public:
    explicit CVehicleExpensesChart(QWidget *parent = nullptr);

    // Draws from `calculator` from now on (not owned).
    void setCalculator(CVehicleExpenseCalculator *calculator);
    void retranslateUi();

    QCPBars *fuelBars() const { return m_fuelBars; }
    QCPBars *serviceBars() const { return m_serviceBars; }
    QCPBars *otherBars() const { return m_otherBars; }

public slots:
    void updateBarGraph();

private:
    QCPBars *addBars(const QColor &pen, int fillAlpha);

    QCPBars *m_fuelBars = nullptr;
    QCPBars *m_serviceBars = nullptr;
    QCPBars *m_otherBars = nullptr;
    QPointer<CVehicleExpenseCalculator> m_calculator;
};
