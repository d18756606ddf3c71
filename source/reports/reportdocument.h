#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The texts of a printed report, as its page shows them: the heading, the
// summary blocks and the table. The chart is painted from the page's own
// plot.
struct ReportDocument
{
    // A bold heading over a few lines of text.
    struct Summary
    {
        QString heading;
        QStringList lines;
    };

    QString applicationName;
    // The vehicle's name with its licence plate.
    QString vehicle;
    QString title;
    QString period;
    QString printedOn;
    QVector<Summary> summaries;
    // The table's header row; empty without a table.
    QStringList columns;
    QVector<QStringList> rows;
    // Shown bold below the rows; empty without a total.
    QStringList totalRow;
};
