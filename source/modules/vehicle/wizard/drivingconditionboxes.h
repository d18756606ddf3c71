#pragma once

#include "modules/vehicle/wizard/drivingconditions.h"
#include "widgets/groupbox.h"

#include <QVector>

class QAbstractButton;
class QButtonGroup;

// A titled box of driving-condition choices: radio buttons for a single
// choice (driving style, tires), check boxes for a bit set (routes, extras).
class CDrivingConditionGroupBox : public CGroupBox
{
    Q_OBJECT

public:
    explicit CDrivingConditionGroupBox(CDrivingConditions::Kind kind, QWidget *parent = nullptr);

    CDrivingConditions::Kind kind() const { return m_kind; }
    // The chosen code (0 for "Not defined"), or the sum of the checked bits.
    int value() const;
    // Selects the code ("Not defined" for a code it does not know), or checks
    // exactly the boxes whose bits are set.
    void setValue(int value);
    void retranslate();

    // The button of one entry, in display order.
    QAbstractButton *button(int index) const;
    int buttonCount() const;

private:
    CDrivingConditions::Kind m_kind;
    QVector<CDrivingConditions::Entry> entries;
    QVector<QAbstractButton *> buttons;
    QButtonGroup *group = nullptr;
};

class CDrivingStyleGroupBox : public CDrivingConditionGroupBox
{
    Q_OBJECT

public:
    explicit CDrivingStyleGroupBox(QWidget *parent = nullptr);
};

class CTiresGroupBox : public CDrivingConditionGroupBox
{
    Q_OBJECT

public:
    explicit CTiresGroupBox(QWidget *parent = nullptr);
};

class CRoutesGroupBox : public CDrivingConditionGroupBox
{
    Q_OBJECT

public:
    explicit CRoutesGroupBox(QWidget *parent = nullptr);
};

class CExtrasGroupBox : public CDrivingConditionGroupBox
{
    Q_OBJECT

public:
    explicit CExtrasGroupBox(QWidget *parent = nullptr);
};
