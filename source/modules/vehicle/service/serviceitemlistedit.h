#pragma once

#include "database/session.h"

#include <QScrollArea>
#include <QWidget>

class QLabel;
class QToolButton;
class QVBoxLayout;

// One item in the session dialog's list: its description and cost, with
// buttons to edit and delete it. It keeps its own copy of the item; a
// deletion only hides the row and marks it, the database is written when
// the session is saved. Painted with a light frame while the mouse is over
// it.
class CServiceItemWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CServiceItemWidget(const CServiceItem &item, QWidget *parent = nullptr);

    const CServiceItem &item() const { return m_item; }
    bool isDeleted() const { return m_deleted; }
    bool isHovered() const { return m_hover; }

signals:
    void changed();

public slots:
    void slotEditService();
    void slotDeleteService();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showItem();

    CServiceItem m_item;
    bool m_hover = false;
    bool m_deleted = false;
    QLabel *m_description = nullptr;
    QLabel *m_cost = nullptr;
    QToolButton *m_editButton = nullptr;
    QToolButton *m_deleteButton = nullptr;
};

// The scrolling column of item rows.
class CServiceItemWidgetList : public QScrollArea
{
    Q_OBJECT

public:
    explicit CServiceItemWidgetList(QWidget *parent = nullptr);

    CServiceItemWidget *addItem(const CServiceItem &item);
    QList<CServiceItemWidget *> rows() const { return m_rows; }
    // Every row's item, deleted ones marked.
    QList<CSession::EditedItem> editedItems() const;

signals:
    // A row was added, edited or deleted.
    void listChanged();

private:
    QVBoxLayout *m_layout = nullptr;
    QList<CServiceItemWidget *> m_rows;
};

// The item list of the session dialog with its add button and total.
class CServiceItemListEdit : public QWidget
{
    Q_OBJECT

public:
    explicit CServiceItemListEdit(QWidget *parent = nullptr);

    // Shows the stored items of session `sessionId` (none for 0).
    void load(int sessionId);
    QList<CSession::EditedItem> editedItems() const { return m_list->editedItems(); }
    double totalCost() const { return m_totalCost; }
    CServiceItemWidgetList *list() const { return m_list; }
    QToolButton *addButton() const { return m_addButton; }
    QLabel *totalLabel() const { return m_totalLabel; }
    void retranslate();

public slots:
    void slotNewServiceItem();
    void slotUpdateTotalCost();

private:
    double m_totalCost = 0.0;
    QLabel *m_titleLabel = nullptr;
    QToolButton *m_addButton = nullptr;
    CServiceItemWidgetList *m_list = nullptr;
    QLabel *m_totalLabel = nullptr;
};
