#pragma once

#include "database/tableserviceschedule.h"
#include "database/vehicle.h"

#include <QWidget>

class CVehicleInfoMenu;
class QLabel;
class QToolButton;

// One vehicle in the garage: picture, name and licence plate, and buttons
// to view, edit and delete that show while the mouse is over the card.
class CVehicleWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CVehicleWidget(QWidget *parent = nullptr);

    // Takes a copy of the record and shows it.
    void setVehicle(const CVehicle &vehicle);
    const CVehicle &vehicle() const { return m_vehicle; }
    int vehicleId() const { return m_vehicle.id(); }

    bool isHovered() const { return m_hovered; }
    bool wasClicked() const { return m_clicked; }
    CVehicleInfoMenu *contextMenu() const { return m_contextMenu; }
    QLabel *imageLabel() const { return m_imageLabel; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QLabel *subtitleLabel() const { return m_subtitleLabel; }
    QToolButton *viewButton() const { return m_viewButton; }
    QToolButton *editButton() const { return m_editButton; }
    QToolButton *deleteButton() const { return m_deleteButton; }
    QWidget *buttonPanel() const { return m_buttonPanel; }
    // The badge with the vehicle's overdue and upcoming schedules, hidden
    // when there are none.
    QLabel *scheduleBadge() const { return m_scheduleBadge; }
    void setScheduleCounts(const ScheduleCounts &counts);

    void retranslate();

public slots:
    void slotViewDetails();
    // Runs the vehicle dialog; after a save shows the record as stored.
    void slotEdit();
    // Asks, then deletes the vehicle with all its records. The last vehicle
    // is never deleted.
    void slotDelete();
    void slotVehicleUpdate(int id);
    void slotVehicleDeleted(int id);

signals:
    void selected(int id);
    void updated(int id);
    // Up (-1) or Down (+1) was pressed on the focused card.
    void stepRequested(int step);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setHovered(bool hovered);
    void reload();
    void display();

    bool m_hovered = false;
    bool m_clicked = false;
    CVehicle m_vehicle;
    CVehicleInfoMenu *m_contextMenu = nullptr;
    QLabel *m_imageLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_subtitleLabel = nullptr;
    QToolButton *m_viewButton = nullptr;
    QToolButton *m_editButton = nullptr;
    QToolButton *m_deleteButton = nullptr;
    QWidget *m_buttonPanel = nullptr;
    QLabel *m_scheduleBadge = nullptr;
    ScheduleCounts m_scheduleCounts;
};
