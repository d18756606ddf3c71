#pragma once

class CDatabase;

// A transaction scope: begins on construction and rolls back on destruction
// unless commit() succeeded. SQLite has no nested BEGIN, so an inner scope
// joins the transaction of the outer one; an inner scope that ends without
// committing makes the outer commit fail and roll back.
class CTransaction
{
public:
    // Without a database the process-wide one is used.
    explicit CTransaction(CDatabase *database = nullptr);
    ~CTransaction();

    CTransaction(const CTransaction &) = delete;
    CTransaction &operator=(const CTransaction &) = delete;

    // False when no transaction could be begun (no open database).
    bool isActive() const;
    // True when this scope's work stands: an inner scope joins the outer
    // one; the outermost commits. A failed commit rolls back.
    bool commit();
    void rollback();

private:
    CDatabase *db = nullptr;
    bool active = false;
    bool outermost = false;
};
