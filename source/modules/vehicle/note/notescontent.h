#pragma once

#include "modules/vehicle/records/recordcontent.h"

class CNoNoteSelectedWidget;

// The notes page of a vehicle that has notes: the list, and the selected
// note beside it.
class CNotesContent : public CRecordListContent
{
    Q_OBJECT

public:
    explicit CNotesContent(QWidget *parent = nullptr);

public slots:
    void retranslate() override;

private:
    CNoNoteSelectedWidget *m_placeholder = nullptr;
};

// The notes page of a vehicle without notes.
class CNoNotesContent : public CNoRecordContent
{
    Q_OBJECT

public:
    explicit CNoNotesContent(QWidget *parent = nullptr);

public slots:
    void retranslate() override;
};
