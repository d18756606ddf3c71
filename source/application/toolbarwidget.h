#pragma once

#include "widgets/widgetwithbackground.h"

class QHBoxLayout;

// A row of widgets on a background picture: the main window's footer bar.
class CToolbarWidget : public CWidgetWithBackground
{
    Q_OBJECT

public:
    explicit CToolbarWidget(QWidget *parent = nullptr);

    void addWidget(QWidget *widget);
    void insertWidget(int index, QWidget *widget);

private:
    QHBoxLayout *m_layout = nullptr;
};
