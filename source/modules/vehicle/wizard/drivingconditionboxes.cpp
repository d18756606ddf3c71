#include "modules/vehicle/wizard/drivingconditionboxes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

CDrivingConditionGroupBox::CDrivingConditionGroupBox(CDrivingConditions::Kind kind, QWidget *parent)
    : CGroupBox(parent)
    , m_kind(kind)
    , entries(CDrivingConditions::entries(kind))
{
    const bool combination = CDrivingConditions::isCombination(kind);
    if (!combination)
        group = new QButtonGroup(this);
    auto *layout = new QVBoxLayout;
    while (buttons.size() < entries.size()) {
        QAbstractButton *button = combination ? static_cast<QAbstractButton *>(new QCheckBox(this))
                                              : static_cast<QAbstractButton *>(new QRadioButton(this));
        if (group)
            group->addButton(button);
        buttons.append(button);
        layout->addWidget(button);
    }
    addLayout(layout);
    // Boxes of different heights side by side keep their titles level.
    mainLayout->addStretch();
    setValue(0);
    retranslate();
}

int CDrivingConditionGroupBox::value() const
{
    int result = 0;
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons.at(i)->isChecked())
            result |= entries.at(i).code;
    }
    // One button of a single choice is checked, so this is its code.
    return result;
}

void CDrivingConditionGroupBox::setValue(int value)
{
    const int shown = CDrivingConditions::normalized(m_kind, value);
    for (int i = 0; i < buttons.size(); ++i) {
        const int code = entries.at(i).code;
        if (group) {
            if (code == shown)
                buttons.at(i)->setChecked(true);
        } else {
            buttons.at(i)->setChecked((shown & code) != 0);
        }
    }
}

void CDrivingConditionGroupBox::retranslate()
{
    setTitle(CDrivingConditions::title(m_kind));
    for (int i = 0; i < buttons.size(); ++i)
        buttons.at(i)->setText(CDrivingConditions::text(entries.at(i)));
}

QAbstractButton *CDrivingConditionGroupBox::button(int index) const
{
    return buttons.value(index);
}

int CDrivingConditionGroupBox::buttonCount() const
{
    return buttons.size();
}

CDrivingStyleGroupBox::CDrivingStyleGroupBox(QWidget *parent)
    : CDrivingConditionGroupBox(CDrivingConditions::DrivingStyle, parent)
{
}

CTiresGroupBox::CTiresGroupBox(QWidget *parent)
    : CDrivingConditionGroupBox(CDrivingConditions::Tires, parent)
{
}

CRoutesGroupBox::CRoutesGroupBox(QWidget *parent)
    : CDrivingConditionGroupBox(CDrivingConditions::Routes, parent)
{
}

CExtrasGroupBox::CExtrasGroupBox(QWidget *parent)
    : CDrivingConditionGroupBox(CDrivingConditions::Extras, parent)
{
}
