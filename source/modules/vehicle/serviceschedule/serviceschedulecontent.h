#pragma once

#include "application/footerinfowidget.h"
#include "modules/vehicle/records/recordcontent.h"

#include <QPointer>

class CServiceScheduleTableView;

// The service schedule page of a vehicle that has schedules: the list and,
// in the main window's footer bar, the count of active schedules with the
// upcoming, overdue and inactive ones. The footer is rebuilt after every
// change of the schedules (deletions included) and of the vehicle.
class CServiceScheduleContent : public CRecordListContent
{
    Q_OBJECT

public:
    explicit CServiceScheduleContent(QWidget *parent = nullptr);
    ~CServiceScheduleContent() override;

    CServiceScheduleTableView *scheduleView() const { return m_view; }
    CFooterInfoWidget *footer() const { return m_footer; }

    // The footer's lines for the vehicle's counts.
    static QString summaryTitle(int active);
    static QString summaryText(int upcoming, int overdue, int inactive);

public slots:
    void retranslate() override;
    bool enterContent() override;
    bool leaveContent() override;
    void vehicleUpdated() override;
    void slotUpdateSummary();
    void slotServiceScheduleDeleted();

protected:
    void refresh() override;

private:
    CServiceScheduleTableView *m_view = nullptr;
    QPointer<CFooterInfoWidget> m_footer;
};

// The service schedule page of a vehicle without schedules yet.
class CNoServiceScheduleContent : public CNoRecordContent
{
    Q_OBJECT

public:
    explicit CNoServiceScheduleContent(QWidget *parent = nullptr);

public slots:
    void retranslate() override;
    void slotNewServiceSchedule();

private:
    CDescriptionBoxItemWidget *m_secondItem = nullptr;
};
