#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class CTable;

// The tables of our export: file name, table and the columns written (the
// stored column names without the table prefix), shared by the exporter and
// the reader of the archive.
namespace ExportFiles {

struct TableFile
{
    QString fileName;
    CTable *table = nullptr;
};

// The record tables in the order they are written, without the manifest.
QVector<TableFile> tables();
// The column names of a table without its prefix ("fuellog_quantity" ->
// "quantity").
QStringList columnNames(const CTable *table);

// One CSV text: UTF-8 with BOM, CRLF line ends, a field quoted only when it
// holds a separator, a quote, a line break or blanks at either end.
QByteArray csv(const QStringList &header, const QVector<QStringList> &rows);

} // namespace ExportFiles
