#include "database/session.h"

#include "currency/currency.h"
#include "database/odometerlog.h"
#include "database/recordsave.h"
#include "database/tableserviceitem.h"
#include "modules/options/units.h"
#include "utility/utility.h"

CSession::CSession(int id)
{
    load(id);
}

QList<CServiceItem> CSession::items() const
{
    return CServiceItem::listForSession(id());
}

double CSession::totalOf(const QList<EditedItem> &items)
{
    qint64 cents = 0;
    for (const EditedItem &edited : items) {
        if (!edited.deleted)
            cents += qRound64(edited.item.cost() * 100.0);
    }
    return double(cents) / 100.0;
}

QString CSession::readingDescription(const QString &comment, const QString &firstItem, double total)
{
    QString text = comment.section(QLatin1Char('\n'), 0, 0);
    if (text.isEmpty())
        text = firstItem;
    if (!text.isEmpty())
        text += QStringLiteral(" | ");
    return text + tr("Total: %1").arg(currency()->format(total));
}

int CSession::saveWithItems(int vehicleId, const QList<EditedItem> &items, QString *errorText)
{
    CSession session(*this);
    session.setAutoSave(false);
    if (session.id() == 0)
        session.setVehicleId(vehicleId);
    session.setTotalCost(totalOf(items));
    QString firstItem;
    for (const EditedItem &edited : items) {
        if (!edited.deleted) {
            firstItem = edited.item.description();
            break;
        }
    }
    const ParentReading reading{COdometerLog::ServiceParent, session.vehicleId(), session.date(), session.odometer(),
                                readingDescription(session.description(), firstItem, session.totalCost())};

    auto writeItems = [&items](int sessionId) {
        CTableServiceItem *table = CTableServiceItem::instance();
        if (!table)
            return false;
        for (const EditedItem &edited : items) {
            CServiceItem item = edited.item;
            item.setAutoSave(false);
            if (edited.deleted) {
                if (item.id() != 0 && !table->remove(item.id()))
                    return false;
                continue;
            }
            // An item deleted meanwhile fails the save rather than vanish
            // from a session the user believes complete.
            if (item.id() != 0 && !table->exists(item.id()))
                return false;
            item.setServiceLogId(sessionId);
            if (item.save(true) == 0)
                return false;
        }
        return true;
    };
    const int id = RecordSave::save(session, reading, errorText, writeItems);
    if (id != 0)
        *this = session;
    return id;
}
