#include "database/tablenotebase.h"

CTableNoteBase::CTableNoteBase(CDatabase *database, const QString &name, QObject *parent)
    : CTable(database, name, parent)
{
}

void CTableNoteBase::defineColumns()
{
    CTable::defineColumns();
    addColumn(QStringLiteral("_vehicle_id"), QStringLiteral("integer"));
    addColumn(QStringLiteral("_date"), QStringLiteral("text"));
    addColumn(QStringLiteral("_title"), QStringLiteral("text"));
    addColumn(QStringLiteral("_description"), QStringLiteral("text"));
    addColumn(QStringLiteral("_stared"), QStringLiteral("integer"));
}
