#include "modules/vehicle/service/servicecontent.h"

#include "application/configuration.h"
#include "modules/vehicle/records/recordkind.h"
#include "modules/vehicle/service/sessiondetailswidget.h"
#include "modules/vehicle/service/sessiontableview.h"

CServiceContent::CServiceContent(QWidget *parent)
    : CRecordListContent(RecordKinds::of(CVehicleRecords::ServiceSessions), parent),
      m_placeholder(new CNoSessionSelectedWidget(this))
{
    setList(new CSessionTableView(this), new CSessionDetailsWidget(this), m_placeholder,
            Config::Key::ServiceSplitterSizes);
    retranslate();
}

void CServiceContent::retranslate()
{
    setTitle(tr("Services"));
    m_placeholder->retranslate();
    CRecordListContent::retranslate();
}

CNoServiceContent::CNoServiceContent(QWidget *parent)
    : CNoRecordContent(RecordKinds::of(CVehicleRecords::ServiceSessions),
                       QStringLiteral(":resource/icons/service-64.png"), parent)
{
    retranslate();
}

void CNoServiceContent::retranslate()
{
    setTexts(tr("Services"), tr("Garvo Services"), QString(),
             tr("Keep track of all the services and repairs made on your vehicle.<br/><br/>Use <strong>New "
                "Service</strong> button from toolbar to log the last service you made to this vehicle."),
             tr("New Service"));
    CNoRecordContent::retranslate();
}
