#pragma once

class QSqlQueryModel;

namespace RecordRows {

// Row of the record whose `idColumn` holds `id`; -1 when it is not listed.
// Rows arrive in batches: only as many are fetched as the search needs.
int rowOf(QSqlQueryModel *model, int idColumn, int id);

} // namespace RecordRows
