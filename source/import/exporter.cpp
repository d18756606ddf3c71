#include "import/exporter.h"

#include "database/database.h"
#include "database/settings.h"
#include "database/table.h"
#include "database/tablesession.h"
#include "database/tablevehicle.h"
#include "import/exportfiles.h"
#include "utility/clock.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStringList>

#include <cstdio>

namespace {

// "?,?,?" for `count` bound values.
QString placeholders(int count)
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks.append(QStringLiteral("?"));
    return marks.join(QLatin1Char(','));
}

// The rows of `table` whose `column` holds one of `keys` (all rows when
// `column` is negative), lowest id first, as the stored texts.
bool readRows(CTable *table, int column, const QVariantList &keys, QVector<QStringList> *rows, QList<int> *ids)
{
    QString sql = QStringLiteral("SELECT * FROM %1").arg(table->tableName());
    if (column >= 0)
        sql += QStringLiteral(" WHERE %1 IN (%2)").arg(table->column(column), placeholders(keys.size()));
    sql += QStringLiteral(" ORDER BY %1").arg(table->column(0));
    if (column >= 0 && keys.isEmpty())
        return true;
    QSqlQuery query;
    if (!table->database()->exec(query, sql, column >= 0 ? keys : QVariantList()))
        return false;
    const int columns = table->columns().size();
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < columns; ++i)
            row.append(query.value(i).isNull() ? QString() : query.value(i).toString());
        rows->append(row);
        if (ids)
            ids->append(query.value(0).toInt());
    }
    return true;
}

bool writeEntry(QuaZip &zip, const QString &name, const QByteArray &bytes)
{
    QuaZipFile file(&zip);
    QuaZipNewInfo info(name);
    info.dateTime = Utility::Clock::now();
    if (!file.open(QIODevice::WriteOnly, info))
        return false;
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.getZipError() == UNZ_OK;
}

} // namespace

QStringList CExporter::fileNames()
{
    QStringList names{QStringLiteral("manifest.csv")};
    for (const ExportFiles::TableFile &file : ExportFiles::tables())
        names.append(file.fileName);
    return names;
}

QString CExporter::suggestedFileName()
{
    return QStringLiteral("garvo-export-%1.zip")
        .arg(Utility::Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

bool CExporter::exportTo(const QString &zipPath, const QList<int> &vehicleIds, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    CTableVehicle *vehicles = CTableVehicle::instance();
    CTableSession *sessions = CTableSession::instance();
    if (!vehicles || !sessions || !vehicles->database() || !CSettings::instance())
        return fail(tr("The database is not available."));

    QVariantList keys;
    if (vehicleIds.isEmpty()) {
        for (int id : vehicles->ids())
            keys.append(id);
    } else {
        for (int id : vehicleIds)
            keys.append(id);
    }

    // Every file's text first, so that a failing query writes nothing.
    QVector<QPair<QString, QByteArray>> files;
    const CSettings *settings = CSettings::instance();
    const QVector<QStringList> manifest = {
        {QStringLiteral("format"), QStringLiteral("garvo-export")},
        {QStringLiteral("format_version"), QStringLiteral("1")},
        {QStringLiteral("app_version"), QCoreApplication::applicationVersion()},
        {QStringLiteral("created"), Utility::Clock::now().toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"))},
        {QStringLiteral("volume_unit"), settings->value(QStringLiteral("volume_unit"), 0).toString()},
        {QStringLiteral("fuel_efficiency"), settings->value(QStringLiteral("fuel_efficiency"), 0).toString()},
        {QStringLiteral("currency"), settings->value(QStringLiteral("currency"), QStringLiteral("USD")).toString()}};
    files.append({QStringLiteral("manifest.csv"), ExportFiles::csv({QStringLiteral("key"), QStringLiteral("value")}, manifest)});

    QVariantList sessionIds;
    for (const ExportFiles::TableFile &file : ExportFiles::tables()) {
        if (!file.table)
            return fail(tr("The database is not available."));
        QVector<QStringList> rows;
        QList<int> ids;
        bool ok = false;
        if (file.table == vehicles)
            ok = readRows(file.table, 0, keys, &rows, nullptr);
        else if (file.fileName == QLatin1String("vehicle_types.csv"))
            ok = readRows(file.table, -1, {}, &rows, nullptr);
        else if (file.fileName == QLatin1String("service_items.csv"))
            ok = readRows(file.table, 1, sessionIds, &rows, nullptr);
        else
            ok = readRows(file.table, 1, keys, &rows, &ids); // column 1 is the vehicle id
        if (!ok)
            return fail(tr("The records could not be read from the database."));
        if (file.table == sessions) {
            for (int id : ids)
                sessionIds.append(id);
        }
        files.append({file.fileName, ExportFiles::csv(ExportFiles::columnNames(file.table), rows)});
    }

    // Written beside the target and moved into place only when complete.
    const QFileInfo target(zipPath);
    const QString partPath = target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".part");
    QFile::remove(partPath);
    {
        QuaZip zip(partPath);
        if (!zip.open(QuaZip::mdCreate))
            return fail(tr("%1 could not be written.").arg(QDir::toNativeSeparators(zipPath)));
        bool ok = true;
        for (const auto &file : files)
            ok = ok && writeEntry(zip, file.first, file.second);
        zip.close();
        ok = ok && zip.getZipError() == UNZ_OK;
        if (!ok) {
            QFile::remove(partPath);
            return fail(tr("%1 could not be written completely; the disk may be full.")
                            .arg(QDir::toNativeSeparators(zipPath)));
        }
    }
    if (std::rename(QFile::encodeName(partPath).constData(), QFile::encodeName(zipPath).constData()) != 0) {
        QFile::remove(partPath);
        return fail(tr("%1 could not be written.").arg(QDir::toNativeSeparators(zipPath)));
    }
    return true;
}
