#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// Writes vehicles and their records into a zip of one CSV per table that
// the "Garvo export" reader reads back: UTF-8 with BOM, "," separated, CRLF
// line ends, RFC 4180 quoting, ISO dates and "." decimals whatever the
// locale, every stored column, and a manifest.
class CExporter
{
    Q_DECLARE_TR_FUNCTIONS(CExporter)

public:
    // The files of the archive, in the order they are written.
    static QStringList fileNames();
    // "garvo-export-<yyyyMMdd-HHmmss>.zip" for now.
    static QString suggestedFileName();

    // Writes the vehicles `vehicleIds` (every vehicle when empty) to
    // `zipPath`, through a temporary file renamed into place only when
    // everything was written; an existing file there is replaced then, and
    // left alone on failure. False with the reason in `error`.
    static bool exportTo(const QString &zipPath, const QList<int> &vehicleIds, QString *error);
};
