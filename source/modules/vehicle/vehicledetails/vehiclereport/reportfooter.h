#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class CFooterInfoWidget;
class CSeparatorWidget;
class QWidget;

// The items a report page puts into the main window's footer bar, created
// hidden and deleted with the page. Without a main window (in tests) they are
// children of the page.
class CReportFooter
{
public:
    explicit CReportFooter(QWidget *page);
    ~CReportFooter();

    CReportFooter(const CReportFooter &) = delete;
    CReportFooter &operator=(const CReportFooter &) = delete;

    // An info item with the icon at `iconPath` (none when empty).
    CFooterInfoWidget *addInfo(const QString &iconPath = QString());
    // A vertical separator line.
    CSeparatorWidget *addSeparator();
    void hideAll();

private:
    void add(QWidget *item);

    QWidget *m_parent = nullptr;
    bool m_inFooterBar = false;
    QList<QPointer<QWidget>> m_items;
};
