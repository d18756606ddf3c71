#pragma once

#include <QWidget>

class CVehicle;
class CVehicleInfoWidget;
class QToolButton;

// The vehicle page's navigation column: back to the garage, the info page,
// the log pages, the reports, and the vehicle's summary at the foot.
class CVehicleSidebarWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CVehicleSidebarWidget(QWidget *parent = nullptr);

    // Refers to the module's record; the fuel entries are offered only for a
    // vehicle with a fuel system.
    void setVehicle(CVehicle *vehicle);
    void retranslate();

    QToolButton *backButton() const { return m_backButton; }
    QToolButton *infoButton() const { return m_infoButton; }
    QToolButton *servicesButton() const { return m_servicesButton; }
    QToolButton *schedulesButton() const { return m_schedulesButton; }
    QToolButton *imagesButton() const { return m_imagesButton; }
    QToolButton *expensesButton() const { return m_expensesButton; }
    QToolButton *notesButton() const { return m_notesButton; }
    QToolButton *fuelLogButton() const { return m_fuelLogButton; }
    QToolButton *costReportButton() const { return m_costReportButton; }
    QToolButton *fuelReportButton() const { return m_fuelReportButton; }
    CVehicleInfoWidget *infoWidget() const { return m_infoWidget; }

public slots:
    void slotBackToGarage();
    void slotShowVehicleInfoModule();
    void slotShowFuelLogModule();
    void slotShowServiceLogModule();
    void slotShowServiceScheduleModule();
    void slotShowNoteModule();
    void slotShowImagesModule();
    void slotShowExpenseModule();
    void slotShowFuelReportModule();
    void slotShowCostReportModule();

signals:
    // Carries a content id (-1 when leaving the vehicle page).
    void changeContent(int id);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QToolButton *addEntry(const QString &iconPath, void (CVehicleSidebarWidget::*slot)());
    int vehicleId() const;

    CVehicle *m_vehicle = nullptr;
    QToolButton *m_backButton = nullptr;
    QToolButton *m_infoButton = nullptr;
    QToolButton *m_servicesButton = nullptr;
    QToolButton *m_schedulesButton = nullptr;
    QToolButton *m_imagesButton = nullptr;
    QToolButton *m_expensesButton = nullptr;
    QToolButton *m_notesButton = nullptr;
    QToolButton *m_fuelLogButton = nullptr;
    QToolButton *m_costReportButton = nullptr;
    QToolButton *m_fuelReportButton = nullptr;
    CVehicleInfoWidget *m_infoWidget = nullptr;
};
