#include "modules/vehicle/note/notescontent.h"

#include "application/configuration.h"
#include "modules/vehicle/note/notedetailswidget.h"
#include "modules/vehicle/note/notetableview.h"
#include "modules/vehicle/records/recordkind.h"

CNotesContent::CNotesContent(QWidget *parent)
    : CRecordListContent(RecordKinds::of(CVehicleRecords::Notes), parent), m_placeholder(new CNoNoteSelectedWidget(this))
{
    setList(new CNoteTableView(this), new CNoteDetailsWidget(this), m_placeholder, Config::Key::NoteSplitterSizes);
    retranslate();
}

void CNotesContent::retranslate()
{
    setTitle(tr("Notes"));
    m_placeholder->retranslate();
    CRecordListContent::retranslate();
}

CNoNotesContent::CNoNotesContent(QWidget *parent)
    : CNoRecordContent(RecordKinds::of(CVehicleRecords::Notes), QStringLiteral(":resource/icons/notes-64.png"), parent)
{
    retranslate();
}

void CNoNotesContent::retranslate()
{
    setTexts(tr("Notes"), tr("Garvo Notes"), QString(),
             tr("Radio code, important things about this vehicle, tips & tricks and much more can be saved in Garvo "
                "Notes.<br/><br/>Use <strong>New Note</strong> button from toolbar to make some notes about this "
                "vehicle."),
             tr("New Note"));
    CNoRecordContent::retranslate();
}
