#pragma once

#include "modules/vehicle/vehiclecontent.h"

#include <QSqlRecord>

class CDescriptionBoxItemWidget;
class CDescriptionBoxWidget;
class CRecordDetailsWidget;
class CRecordTableView;
class QHBoxLayout;
class QSplitter;
class QStackedWidget;
class QToolButton;
struct RecordKind;

// The page of a kind of record for a vehicle that has such records: the
// list, and for kinds with details a splitter with the list on the left and,
// on the right, the details of the selected record or a placeholder while
// none is selected. When the vehicle's last record of the kind is gone the
// page turns to the kind's empty-state page.
class CRecordListContent : public CVehicleContent
{
    Q_OBJECT

public:
    ~CRecordListContent() override;

    const RecordKind &kind() const { return m_kind; }
    CRecordTableView *tableView() const { return m_tableView; }
    CRecordDetailsWidget *detailsWidget() const { return m_details; }
    // The details panel or the placeholder, whichever is shown.
    QWidget *shownDetails() const;

public slots:
    // The list loads the vehicle's records: at once on the page in use,
    // on entering for the others.
    void setVehicle(CVehicle *vehicle) override;
    bool enterContent() override;
    void retranslate() override;

protected:
    CRecordListContent(const RecordKind &kind, QWidget *parent);

    // The list alone fills the page.
    void setList(CRecordTableView *tableView);
    // The list beside the details panel and its placeholder; the splitter's
    // state is kept in "VehicleContentLook" under `splitterKey`.
    void setList(CRecordTableView *tableView, CRecordDetailsWidget *details, QWidget *placeholder,
                 const QString &splitterKey);

    void refresh() override;

private:
    void showVehicle();
    void showRecord(const QSqlRecord &record);
    void showPlaceholder();

    const RecordKind &m_kind;
    CRecordTableView *m_tableView = nullptr;
    CRecordDetailsWidget *m_details = nullptr;
    QWidget *m_placeholder = nullptr;
    QStackedWidget *m_detailsStack = nullptr;
    QSplitter *m_splitter = nullptr;
    QString m_splitterKey;
    bool m_listOutdated = true;
};

// The page of a kind of record for a vehicle without such records yet: what
// the kind is for, in a description box, and a "New ..." tool button
// (hidden: new records are started from the vehicle page's header).
class CNoRecordContent : public CVehicleContent
{
    Q_OBJECT

public:
    QToolButton *newButton() const { return m_newButton; }
    CDescriptionBoxWidget *descriptionBox() const { return m_descriptionBox; }
    CDescriptionBoxItemWidget *descriptionItem() const { return m_descriptionItem; }

public slots:
    // Runs the kind's dialog for a new record; a saved one shows the list.
    void slotNewRecord();

protected:
    CNoRecordContent(const RecordKind &kind, const QString &iconPath, QWidget *parent);

    // A hidden tool button with the add icon in the row above the box.
    QToolButton *addToolButton();
    // Sets the texts of the box; the title goes to the page too.
    void setTexts(const QString &pageTitle, const QString &boxTitle, const QString &heading, const QString &text,
                  const QString &buttonText);

private:
    const RecordKind &m_kind;
    QHBoxLayout *m_tools = nullptr;
    int m_toolCount = 0;
    QToolButton *m_newButton = nullptr;
    CDescriptionBoxWidget *m_descriptionBox = nullptr;
    CDescriptionBoxItemWidget *m_descriptionItem = nullptr;
};
