#pragma once

#include "database/vehicletype.h"

#include <QWidget>

class QLabel;
class QToolButton;

// One type in the type manager: picture, name, and edit and delete buttons
// that show while the mouse is over the item.
class CVehicleTypeItemWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CVehicleTypeItemWidget(const CVehicleType &type, QWidget *parent = nullptr);

    const CVehicleType &type() const { return m_type; }
    bool isDeleted() const { return m_deleted; }
    bool isHovered() const { return m_hovered; }

    QLabel *pictureLabel() const { return m_pictureLabel; }
    QLabel *nameLabel() const { return m_nameLabel; }
    QToolButton *editButton() const { return m_editButton; }
    QToolButton *deleteButton() const { return m_deleteButton; }

    void retranslate();

public slots:
    // Runs the editor on the type; after a save shows its new picture and name.
    void slotEdit();
    // Asks, then deletes the type (its vehicles move to the type with the
    // lowest remaining id). The last remaining type is never deleted.
    void slotDelete();

signals:
    void itemDeleted();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setHovered(bool hovered);
    void display();

    bool m_deleted = false;
    bool m_hovered = false;
    CVehicleType m_type;
    QLabel *m_pictureLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QWidget *m_buttonPanel = nullptr;
    QToolButton *m_editButton = nullptr;
    QToolButton *m_deleteButton = nullptr;
};
