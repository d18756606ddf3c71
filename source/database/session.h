#pragma once

#include "database/basesession.h"
#include "database/serviceitem.h"

#include <QCoreApplication>
#include <QList>

// A visit to a workshop: a date, an odometer reading, a comment and the
// priced items; its total is the sum of the items' costs.
class CSession : public CBaseSession
{
    Q_DECLARE_TR_FUNCTIONS(CSession)

public:
    // An item as the session dialog leaves it: kept, or deleted by the user.
    struct EditedItem
    {
        CServiceItem item;
        bool deleted = false;
    };

    CSession() = default;
    // Loaded from row `id`; the defaults when there is no such row.
    explicit CSession(int id);

    // The session's stored items, in the order they were written.
    QList<CServiceItem> items() const;

    // Sum of the costs of the items not deleted, in cents.
    static double totalOf(const QList<EditedItem> &items);

    // Saves the session, its items and its odometer reading in one
    // transaction (RecordSave): the total becomes the sum of the kept items;
    // kept items are written with the session's id, deleted stored items are
    // removed, deleted new ones dropped. A new session belongs to
    // `vehicleId`. Returns the id, or 0 with the reason in `errorText`; then
    // nothing of it is written.
    int saveWithItems(int vehicleId, const QList<EditedItem> &items, QString *errorText = nullptr);

    // The text of a session's reading: the comment's first line (else the
    // first item's description), " | " when there is such text, then
    // "Total: " and the total in the current currency.
    static QString readingDescription(const QString &comment, const QString &firstItem, double total);
};
