#pragma once

#include <QVector>
#include <QWidget>

class CHeaderWidget;
class CVehicle;
class CVehicleContent;
class QStackedLayout;

// The right-hand side of the vehicle page: the thirteen content pages in id
// order (VehicleContentId), one visible at a time.
class CVehicleContentWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CVehicleContentWidget(QWidget *parent = nullptr);

    // Hands the module's record to every page.
    void setVehicle(CVehicle *vehicle);
    // Passed on to every page.
    void setHeader(CHeaderWidget *header);
    void retranslate();
    // The record changed in place: tells the page in use (CVehicleContent::vehicleUpdated).
    void vehicleUpdated();

    int count() const { return m_pages.size(); }
    CVehicleContent *page(int id) const { return m_pages.value(id); }
    // Id of the visible page.
    int currentId() const;
    // The page that was entered and has not been left yet; null after a
    // switch to an id without a page.
    CVehicleContent *activePage() const { return m_active; }

    // Builds the page with that id.
    static CVehicleContent *createPage(int id, QWidget *parent);

public slots:
    // Leaves the page that is in use; then, for an id with a page, shows that
    // page and enters it. Any other id (-1 when leaving the vehicle page)
    // changes nothing else. The id of the page in use changes nothing.
    void changeContent(int id);

private:
    QVector<CVehicleContent *> m_pages;
    QStackedLayout *m_stack = nullptr;
    CVehicleContent *m_active = nullptr;
};
