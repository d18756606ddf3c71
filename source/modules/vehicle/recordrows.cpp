#include "modules/vehicle/recordrows.h"

#include <QHeaderView>
#include <QSqlQueryModel>
#include <QTableView>

namespace RecordRows {

int rowOf(QSqlQueryModel *model, int idColumn, int id, int likelyRow)
{
    while (likelyRow >= model->rowCount() && model->canFetchMore())
        model->fetchMore();
    if (likelyRow >= 0 && likelyRow < model->rowCount() && model->index(likelyRow, idColumn).data().toInt() == id)
        return likelyRow;
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

void setUpListView(QTableView *view)
{
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->setCornerButtonEnabled(false);
    view->setAlternatingRowColors(true);
    view->setFrameShape(QFrame::NoFrame);
    view->horizontalHeader()->setStretchLastSection(true);
    // With whole rows selected every section would be drawn bold, and a
    // squeezed title would lose even more of its text.
    view->horizontalHeader()->setHighlightSections(false);
}

} // namespace RecordRows
