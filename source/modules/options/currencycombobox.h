#pragma once

#include <QComboBox>

// The list of the offered currencies; each item carries its code.
class CCurrencyComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CCurrencyComboBox(QWidget *parent = nullptr);

    // The current item's code, "---" when no item is current.
    QString currentCode() const;
    // Selects the item with exactly this code; none when there is no such item.
    void setCurrentCode(const QString &code);
};
