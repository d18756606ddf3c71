#include "import/importreader.h"

#include "import/importsupport.h"
#include "import/readers.h"

#include <QFileInfo>

namespace {

const FuelioReader fuelio;
const DrivvoReader drivvo;
const FuellyReader fuelly;
const ACarReader acar;
const LubeLoggerReader lubeLogger;
const GarvoExportReader garvoExport;

} // namespace

QList<const ImportReader *> ImportFormats::readers()
{
    return {&garvoExport, &acar, &fuelio, &drivvo, &fuelly, &lubeLogger};
}

const ImportReader *ImportFormats::readerFor(const QString &path, QString *error)
{
    auto fail = [error](const QString &reason) -> const ImportReader * {
        if (error)
            *error = reason;
        return nullptr;
    };
    const QString name = ImportSupport::displayName(path);
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return fail(tr("%1 cannot be opened.").arg(name));
    if (info.size() == 0)
        return fail(tr("%1 is empty.").arg(name));
    for (const ImportReader *reader : readers()) {
        if (reader->recognises(path))
            return reader;
    }
    const QByteArray head = ImportSupport::head(path);
    QStringList entries;
    if (ImportSupport::isZip(head) && !ImportSupport::zipNames(path, &entries))
        return fail(tr("%1 is a damaged or incomplete zip archive.").arg(name));
    if (head.trimmed().isEmpty() || head.trimmed() == "\xEF\xBB\xBF")
        return fail(tr("%1 is empty.").arg(name));
    return fail(tr("%1 is not a file Garvo can import. Garvo reads the exports of Fuelio, Drivvo, Fuelly, "
                   "aCar and LubeLogger, and its own.")
                    .arg(name));
}

const ImportReader *ImportFormats::readerForAll(const QStringList &paths, QString *error)
{
    const ImportReader *found = nullptr;
    for (const QString &path : paths) {
        const ImportReader *reader = readerFor(path, error);
        if (!reader)
            return nullptr;
        if (found && found != reader) {
            if (error)
                *error = tr("The files come from different applications; import them one source at a time.");
            return nullptr;
        }
        found = reader;
    }
    if (!found && error)
        *error = tr("No file was chosen.");
    return found;
}

QString ImportFormats::fileFilter()
{
    return tr("Exported records (*.csv *.abp *.zip);;All files (*)");
}

ImportSettings &ImportReader::startBatch(ImportBatch *batch, const ImportSettings &settings) const
{
    *batch = ImportBatch();
    batch->sourceName = sourceName();
    batch->settings = settings;
    return batch->settings;
}
