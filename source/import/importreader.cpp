#include "import/importreader.h"

const ImportReader *ImportFormats::readerFor(const QString &path, QString *error)
{
    Q_UNUSED(path)
    if (error)
        *error = tr("This is not a file Garvo can import.");
    return nullptr;
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
    return found;
}

QList<const ImportReader *> ImportFormats::readers()
{
    return {};
}

QString ImportFormats::fileFilter()
{
    return tr("Exported records (*.csv *.abp *.zip);;All files (*)");
}
