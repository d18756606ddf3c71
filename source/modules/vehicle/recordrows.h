#pragma once

class QSqlQueryModel;
class QTableView;

namespace RecordRows {

// Row of the record whose `idColumn` holds `id`; -1 when it is not listed.
// Rows arrive in batches: only as many are fetched as the search needs.
// With `likelyRow` (the row a query gave) the rows are fetched up to it
// and it is checked first; the search runs only when it does not match.
int rowOf(QSqlQueryModel *model, int idColumn, int id, int likelyRow = -1);

// The look every record list shares: whole-row single selection, read-only,
// no grid, frame or corner button, alternating rows, last column stretched.
void setUpListView(QTableView *view);

} // namespace RecordRows
