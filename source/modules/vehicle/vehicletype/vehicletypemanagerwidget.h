#pragma once

#include <QList>
#include <QWidget>

class CVehicleTypeItemWidget;
class CVehicleType;
class QLabel;
class QToolButton;
class QVBoxLayout;

// The list of vehicle types with a button for a new one.
class CVehicleTypeManagerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CVehicleTypeManagerWidget(QWidget *parent = nullptr);

    // Every item made so far, deleted ones included, in display order.
    QList<CVehicleTypeItemWidget *> items() const { return m_items; }
    QToolButton *newButton() const { return m_newButton; }
    QLabel *noneLabel() const { return m_noneLabel; }

    void retranslate();

public slots:
    // Runs the editor for a new type and lists the type when it was saved.
    void slotAdd();
    // "None" shows once no item is left standing.
    void slotItemDeleted();
    // One item per stored type; called once, when the widget is made.
    void slotLoadItems();

private:
    void addItem(const CVehicleType &type);
    void updateNone();

    QLabel *m_titleLabel = nullptr;
    QToolButton *m_newButton = nullptr;
    QLabel *m_noneLabel = nullptr;
    QVBoxLayout *m_itemLayout = nullptr;
    QList<CVehicleTypeItemWidget *> m_items;
};
