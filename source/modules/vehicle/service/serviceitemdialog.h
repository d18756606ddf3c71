#pragma once

#include "widgets/entrydialog.h"

class CNumberEdit;
class CServiceItem;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// The dialog of one service item: its description and cost. Nothing is
// written to the database; the session dialog keeps the item until the
// session is saved.
class CServiceItemDialog : public CEntryDialog
{
    Q_OBJECT

public:
    explicit CServiceItemDialog(QWidget *parent = nullptr);

    // Fills the fields from `item`, runs the dialog and, when accepted,
    // writes description and cost back into `item`; true then.
    static bool editItem(QWidget *parent, CServiceItem &item);

    void setItem(const CServiceItem &item);
    // Writes the accepted fields into `item`.
    void takeInto(CServiceItem &item) const;
    void retranslate();

    QLineEdit *descriptionEdit() const { return m_descriptionEdit; }
    CNumberEdit *costEdit() const { return m_costEdit; }
    QLabel *descriptionLabel() const { return m_descriptionLabel; }
    QLabel *costLabel() const { return m_costLabel; }

public slots:
    void slotSave();

private:
    double m_cost = 0.0;
    QLabel *m_descriptionLabel = nullptr;
    QLineEdit *m_descriptionEdit = nullptr;
    QLabel *m_costLabel = nullptr;
    CNumberEdit *m_costEdit = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
