#pragma once

#include "widgets/groupbox.h"

class QButtonGroup;
class QLabel;
class QRadioButton;

// The volume unit and fuel-efficiency choices of the preferences; a change
// is stored at once.
class CFuelSettingsGroupBox : public CGroupBox
{
    Q_OBJECT

public:
    explicit CFuelSettingsGroupBox(QWidget *parent = nullptr);

    QRadioButton *litreButton() const { return litreRadioButton; }
    QRadioButton *gallonButton() const { return gallonRadioButton; }
    QRadioButton *perDistanceButton() const { return perDistanceRadioButton; }
    QRadioButton *perQuantityButton() const { return perQuantityRadioButton; }
    QString description() const;

    void retranslateUi();

public slots:
    void slotVolumeChanged();
    void slotFuelEfficiencyChanged();

protected:
    // Shows the stored choices without writing them back.
    void showEvent(QShowEvent *event) override;

private:
    int checkedVolumeUnit() const;
    int checkedEfficiencyMode() const;
    void updateDescription();

    bool loading = false;
    QLabel *volumeLabel = nullptr;
    QRadioButton *litreRadioButton = nullptr;
    QRadioButton *gallonRadioButton = nullptr;
    QButtonGroup *volumeGroup = nullptr;
    QLabel *efficiencyLabel = nullptr;
    QRadioButton *perDistanceRadioButton = nullptr;
    QRadioButton *perQuantityRadioButton = nullptr;
    QButtonGroup *efficiencyGroup = nullptr;
    QLabel *descriptionLabel = nullptr;
};
