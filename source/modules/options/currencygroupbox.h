#pragma once

#include "widgets/groupbox.h"

class CCurrencyComboBox;
class QLabel;

// The currency choice of the preferences; a change is stored at once.
class CCurrencyGroupBox : public CGroupBox
{
    Q_OBJECT

public:
    explicit CCurrencyGroupBox(QWidget *parent = nullptr);

    CCurrencyComboBox *comboBox() const { return currencyComboBox; }
    void retranslateUi();

public slots:
    void slotCurrencyChanged(int index);

protected:
    // Selects the stored currency without writing it back.
    void showEvent(QShowEvent *event) override;

private:
    bool loading = false;
    QLabel *label = nullptr;
    CCurrencyComboBox *currencyComboBox = nullptr;
};
