#pragma once

#include "import/importbatch.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Reads the files of one source into a batch. Readers recognise their files
// by content, never by name, and never throw or crash on bad input: a file
// that cannot be read at all gives false and a message, a row that cannot be
// read gives a problem in the batch.
class ImportReader
{
public:
    virtual ~ImportReader() = default;

    // "Fuelio", "Drivvo", "Fuelly", "aCar", "LubeLogger" or "Garvo export".
    virtual QString sourceName() const = 0;
    // Whether the file at `path` is one of this source's.
    virtual bool recognises(const QString &path) const = 0;
    // Reads `paths` (files of this source, of one vehicle) into `batch`,
    // which is reset first. Settings left at "Detect" are decided by the
    // reader; the batch records what was used. False with the reason in
    // `error` when a file cannot be read at all. Reading again with other
    // settings is allowed.
    virtual bool read(const QStringList &paths, const ImportSettings &settings, ImportBatch *batch,
                      QString *error) const = 0;

protected:
    // Resets `batch` for a reading of this source with `settings`; the
    // settings in the batch are then the ones to decide and record.
    ImportSettings &startBatch(ImportBatch *batch, const ImportSettings &settings) const;
};

// The readers of every source.
class ImportFormats
{
    Q_DECLARE_TR_FUNCTIONS(ImportFormats)

public:
    // The reader that recognises the file at `path`, or null with the reason
    // in `error` ("The file is empty.", "...not a file Garvo can import.",
    // "The zip archive is damaged.").
    static const ImportReader *readerFor(const QString &path, QString *error = nullptr);
    // The one reader that recognises every file of `paths`; null with the
    // reason when one is not recognised or they belong to different sources.
    static const ImportReader *readerForAll(const QStringList &paths, QString *error = nullptr);
    // Every reader, in the order they are tried.
    static QList<const ImportReader *> readers();
    // The file name filter of the file dialog.
    static QString fileFilter();
};
