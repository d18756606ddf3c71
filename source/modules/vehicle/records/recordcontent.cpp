#include "modules/vehicle/records/recordcontent.h"

#include "application/configuration.h"
#include "database/vehicle.h"
#include "modules/vehicle/records/recorddetailswidget.h"
#include "modules/vehicle/records/recordkind.h"
#include "modules/vehicle/records/recordtableview.h"
#include "widgets/descriptionboxitemwidget.h"
#include "widgets/descriptionboxwidget.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

CRecordListContent::CRecordListContent(const RecordKind &kind, QWidget *parent)
    : CVehicleContent(parent), m_kind(kind)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    watchTable(kind.table());
}

CRecordListContent::~CRecordListContent()
{
    if (!m_splitter)
        return;
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::VehicleContentLook);
    config->setValue(m_splitterKey, m_splitter->saveState());
}

void CRecordListContent::setList(CRecordTableView *tableView)
{
    m_tableView = tableView;
    layout()->addWidget(tableView);
}

void CRecordListContent::setList(CRecordTableView *tableView, CRecordDetailsWidget *details, QWidget *placeholder,
                                 const QString &splitterKey)
{
    m_tableView = tableView;
    m_details = details;
    m_placeholder = placeholder;
    m_splitterKey = splitterKey;

    m_detailsStack = new QStackedWidget(this);
    m_detailsStack->addWidget(placeholder);
    m_detailsStack->addWidget(details);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(tableView);
    m_splitter->addWidget(m_detailsStack);
    m_splitter->setStretchFactor(0, 3);
    m_splitter->setStretchFactor(1, 2);
    CConfiguration *config = CConfiguration::instance();
    config->setGroup(Config::Group::VehicleContentLook);
    m_splitter->restoreState(config->value(splitterKey).toByteArray());
    layout()->addWidget(m_splitter);

    connect(tableView, &CRecordTableView::selectedData, this, &CRecordListContent::showRecord);
    connect(tableView, &CRecordTableView::nothingSelected, this, &CRecordListContent::showPlaceholder);
    connect(details, &CRecordDetailsWidget::editRequested, tableView, &CRecordTableView::slotEdit);
    connect(details, &CRecordDetailsWidget::deleteRequested, tableView, &CRecordTableView::slotDelete);
}

QWidget *CRecordListContent::shownDetails() const
{
    return m_detailsStack ? m_detailsStack->currentWidget() : nullptr;
}

void CRecordListContent::showRecord(const QSqlRecord &record)
{
    m_details->setRecord(record);
    m_detailsStack->setCurrentWidget(m_details);
}

void CRecordListContent::showPlaceholder()
{
    if (m_detailsStack)
        m_detailsStack->setCurrentWidget(m_placeholder);
}

void CRecordListContent::setVehicle(CVehicle *vehicle)
{
    CVehicleContent::setVehicle(vehicle);
    m_listOutdated = true;
    if (isCurrent())
        showVehicle();
}

bool CRecordListContent::enterContent()
{
    if (m_listOutdated)
        showVehicle();
    return CVehicleContent::enterContent();
}

void CRecordListContent::showVehicle()
{
    // The list follows its table itself; a new vehicle record is loaded once.
    m_listOutdated = false;
    m_tableView->setVehicle(vehicle() ? *vehicle() : CVehicle());
}

void CRecordListContent::retranslate()
{
    if (isCurrent()) {
        m_tableView->retranslate();
        if (m_details)
            m_details->retranslate();
    }
    CVehicleContent::retranslate();
}

void CRecordListContent::refresh()
{
    // The list follows its table itself; the page only leaves when the
    // last record is gone.
    if (isCurrent() && vehicle() && !CVehicleRecords::exist(m_kind.records, vehicle()->id()))
        emit changeContent(m_kind.emptyPage);
}

CNoRecordContent::CNoRecordContent(const RecordKind &kind, const QString &iconPath, QWidget *parent)
    : CVehicleContent(parent), m_kind(kind), m_tools(new QHBoxLayout),
      m_descriptionBox(new CDescriptionBoxWidget(this))
{
    m_descriptionItem = m_descriptionBox->addItem(QString(), QString(), iconPath);
    m_tools->setSpacing(9);
    if (kind.add) {
        m_newButton = addToolButton();
        connect(m_newButton, &QToolButton::clicked, this, &CNoRecordContent::slotNewRecord);
    }
    m_tools->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->addLayout(m_tools);
    layout->addStretch();
    layout->addWidget(m_descriptionBox, 0, Qt::AlignHCenter);
    layout->addStretch();
}

QToolButton *CNoRecordContent::addToolButton()
{
    auto *button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setIcon(QIcon(QStringLiteral(":resource/icons/add-16.png")));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setMinimumSize(100, 32);
    button->hide();
    // Buttons line up from the left, before the stretch.
    m_tools->insertWidget(m_toolCount++, button);
    return button;
}

void CNoRecordContent::setTexts(const QString &pageTitle, const QString &boxTitle, const QString &heading,
                                const QString &text, const QString &buttonText)
{
    setTitle(pageTitle);
    m_descriptionBox->setTitle(boxTitle);
    m_descriptionItem->setHeading(heading);
    m_descriptionItem->setText(text);
    if (m_newButton)
        m_newButton->setText(buttonText);
}

void CNoRecordContent::slotNewRecord()
{
    if (!vehicle() || !m_kind.add)
        return;
    if (m_kind.add(*vehicle()) != 0)
        emit changeContent(m_kind.listPage);
}
