#include "modules/vehicle/recordrows.h"

#include <QSqlQueryModel>

namespace RecordRows {

int rowOf(QSqlQueryModel *model, int idColumn, int id)
{
    for (int row = 0;; ++row) {
        if (row >= model->rowCount()) {
            if (!model->canFetchMore())
                return -1;
            model->fetchMore();
            if (row >= model->rowCount())
                return -1;
        }
        if (model->index(row, idColumn).data().toInt() == id)
            return row;
    }
}

} // namespace RecordRows
