#pragma once

#include "modules/vehicle/records/recordcontent.h"

class CNoSessionSelectedWidget;

// The services page of a vehicle that has service sessions: the list, and
// the selected session with its items beside it.
class CServiceContent : public CRecordListContent
{
    Q_OBJECT

public:
    explicit CServiceContent(QWidget *parent = nullptr);

public slots:
    void retranslate() override;

private:
    CNoSessionSelectedWidget *m_placeholder = nullptr;
};

// The services page of a vehicle without sessions.
class CNoServiceContent : public CNoRecordContent
{
    Q_OBJECT

public:
    explicit CNoServiceContent(QWidget *parent = nullptr);

public slots:
    void retranslate() override;
};
