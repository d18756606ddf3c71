#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// One record of a CSV text with the line it starts on (1-based).
struct CsvRecord
{
    int line = 0;
    QStringList fields;
};

// A tolerant RFC 4180 reader for the files other applications write:
// quoted fields with "" for a quote and line breaks inside quotes; CRLF, LF
// or CR-only line ends; text after a closing quote kept and appended to the
// field ("Filled tank completely" 2); quoted and bare empty fields mixed on
// one row; blank lines skipped.
namespace CsvReader {

// The text of a UTF-8 file with its byte order mark removed. False, with the
// reason in `error`, for bytes that are not valid UTF-8.
bool decode(const QByteArray &bytes, QString *text, QString *error = nullptr);
// Every non-blank record of `text`, separated by `separator`.
QVector<CsvRecord> records(const QString &text, QChar separator = QLatin1Char(','));

} // namespace CsvReader

// The header row of a table: finds columns by name, trimmed and compared
// without regard to case, never by position.
class CsvHeader
{
public:
    CsvHeader() = default;
    explicit CsvHeader(const QStringList &names);

    // The first column named like any of `names`; -1 when none is.
    int indexOf(const QStringList &names) const;
    int indexOf(const QString &name) const;
    // The first column whose name starts with `prefix`; -1 when none does.
    int indexStartingWith(const QString &prefix) const;
    // The first name of `names` that is missing; empty when all are there.
    QString firstMissing(const QStringList &names) const;
    QString name(int index) const;
    int size() const;

    // The field at `index` of `record`; empty for -1 or a short record.
    static QString field(const CsvRecord &record, int index);

private:
    QStringList m_names;
};
