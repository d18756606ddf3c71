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

protected:
    void resizeEvent(QResizeEvent *event) override;
    void draw(QCPPainter *painter) override;

private:
    QCPBars *addBars(const QColor &pen, int fillAlpha);
    // Sets the bucket labels; where they would overlap they are slanted, and
    // where even slanted ones would, only every few buckets is labelled.
    // `plotWidth` is the width the chart is drawn at.
    void fitTickLabels(int plotWidth);

    QCPBars *m_fuelBars = nullptr;
    QCPBars *m_serviceBars = nullptr;
    QCPBars *m_otherBars = nullptr;
    QPointer<CVehicleExpenseCalculator> m_calculator;
};
