#include "database/transaction.h"

#include "database/database.h"

#include <QSqlError>

CTransaction::CTransaction(CDatabase *database)
    : db(database ? database : CDatabase::self)
{
    if (!db || !db->isOpen())
        return;
    if (db->transactionDepth == 0) {
        if (!db->db.transaction()) {
            db->lastError = db->db.lastError().text();
            return;
        }
        db->transactionFailed = false;
        outermost = true;
    }
    ++db->transactionDepth;
    active = true;
}

CTransaction::~CTransaction()
{
    rollback();
}

bool CTransaction::isActive() const
{
    return active;
}

bool CTransaction::commit()
{
    if (!active)
        return false;
    if (!outermost) {
        active = false;
        --db->transactionDepth;
        return !db->transactionFailed;
    }
    if (db->transactionFailed || !db->db.commit()) {
        if (!db->transactionFailed)
            db->lastError = db->db.lastError().text();
        rollback();
        return false;
    }
    active = false;
    db->transactionDepth = 0;
    return true;
}

void CTransaction::rollback()
{
    if (!active)
        return;
    active = false;
    --db->transactionDepth;
    if (outermost) {
        db->db.rollback();
        db->transactionDepth = 0;
        db->transactionFailed = false;
        emit db->rolledBack();
    } else {
        db->transactionFailed = true;
    }
}
