#pragma once

#include "import/csvreader.h"
#include "import/importbatch.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

// What the readers share: reading files and zip archives, and reading
// values written by other applications without the system locale.
namespace ImportSupport {

// Largest file or archive entry read; larger ones are refused.
constexpr qint64 MaximumFileSize = 256 * 1024 * 1024;
// The largest odometer reading taken from a file.
constexpr double MaximumOdometer = 999999999.0;

// The first bytes of a file, for recognising it; empty when unreadable.
QByteArray head(const QString &path, qint64 size = 4096);
// The first lines of a text file for recognising it, decoded leniently (a
// character may be cut at the end); empty for a zip or an unreadable file.
QString headText(const QString &path);
// Whether the bytes start like a zip archive.
bool isZip(const QByteArray &head);
// The text of a UTF-8 file with its byte order mark removed; false with the
// reason ("empty", not UTF-8, unreadable) in `error`.
bool readText(const QString &path, QString *text, QString *error);
// The names of the files of a zip archive; false when it cannot be opened.
bool zipNames(const QString &path, QStringList *names, QString *error = nullptr);
// The files of a zip archive whose names (without folders, compared without
// regard to case) end with one of `suffixes`; false with the reason when
// the archive is damaged or a file is too large.
bool readZip(const QString &path, const QStringList &suffixes, QMap<QString, QByteArray> *files,
             QString *error);
// The file name shown in messages and problems.
QString displayName(const QString &path);

// The first line of `text` that is not blank, trimmed.
QString firstLine(const QString &text);

// A decimal written with `mark` ("41,2" with a comma, "-3.5" with a point);
// a leading minus is kept. Nothing, with a reason, for anything else.
std::optional<double> number(const QString &text, DecimalMark mark, QString *reason = nullptr);
// An amount of money as currency formatting writes it ("$1,240.00",
// "1.240,00 €", "(5.00)"): the symbol and group separators are dropped.
std::optional<double> money(const QString &text, DecimalMark mark, QString *reason = nullptr);
// A date, optionally followed by a time, in `order`; "yyyy-MM-dd" is read in
// any order. Two-digit years are in this century. Invalid when unreadable.
QDate date(const QString &text, DateOrder order);
// The order the dates were written in, from their values: FromFile when one
// date settles it, Guessed otherwise (`fallback`).
DateOrder detectDateOrder(const QStringList &dates, DateOrder fallback, SettingSource *source);
// The decimal mark of numbers: a comma when any has a comma and none a
// point. Always Guessed.
DecimalMark detectDecimalMark(const QStringList &numbers, SettingSource *source);

// The reason of a row whose date does not read.
QString badDate(const QString &text);
// Checks an odometer reading: a reason when it is negative or too large.
QString odometerProblem(double value);

// A part of a sectioned file: the records after a marker line ("## Log",
// "##Refuelling", "#Servicio"), the first of them its header.
struct CsvSection
{
    QString name; // the marker without its "#" signs, trimmed
    QVector<CsvRecord> records;
};
// Splits `records` at marker records: a first field starting with "#" and
// nothing but empty fields after it. Records before the first marker are
// dropped.
QVector<CsvSection> sections(const QVector<CsvRecord> &records);
// The name of the section a marker line starts; empty for another line.
QString sectionName(const QString &line);

// A section with the name of the file it came from.
using FileSection = QPair<QString, CsvSection>;
using TextLoader = bool (*)(const QString &path, QString *text, QString *error);
using FormatCheck = bool (*)(const QString &text);
// Loads every file of `paths` with `load` and gathers the sections of all of
// them, in order, noting the file names in `batch`. A file that `isOfFormat`
// refuses ends it with `notOfFormat` ("%1 is not ...", %1 the file name).
bool readSections(const QStringList &paths, TextLoader load, FormatCheck isOfFormat, const QString &notOfFormat,
                  ImportBatch *batch, QVector<FileSection> *all, QString *error);

// Completes a fuel row (a missing total from quantity and price, a missing
// price from total and quantity) and checks it: the reason it cannot be
// imported, or empty.
QString checkFuel(ImportFuel *row);
// The reason a date and amount of a service or expense cannot be imported.
QString checkCost(const QDate &date, double amount, double odometer);

// "a, b" for the non-empty parts joined with `separator`.
QString joined(const QStringList &parts, const QString &separator = QStringLiteral(", "));

// The setting a reader uses: the user's choice, else what the file says,
// else `fallback` (then Guessed).
template<class Setting>
Setting decide(Setting chosen, Setting found, Setting fallback, SettingSource *source)
{
    if (chosen != Setting::Detect) {
        *source = found == Setting::Detect ? SettingSource::Guessed : SettingSource::FromFile;
        return chosen;
    }
    *source = found != Setting::Detect ? SettingSource::FromFile : SettingSource::Guessed;
    return found != Setting::Detect ? found : fallback;
}

// Reads the fields of one record, keeping the first reason a field does not
// read. Empty number fields give the fallback.
class FieldReader
{
public:
    FieldReader(const CsvRecord &record, DecimalMark mark, DateOrder order)
        : m_record(record), m_mark(mark), m_order(order)
    {
    }

    QString text(int index) const { return CsvHeader::field(m_record, index).trimmed(); }
    QDate date(int index);
    double number(int index, double fallback = 0.0);
    double money(int index, double fallback = 0.0);
    // A yes/no field: "1", "true", "yes" and their translations are true.
    bool flag(int index) const;

    bool ok() const { return m_reason.isEmpty(); }
    QString reason() const { return m_reason; }
    void fail(const QString &reason);

private:
    const CsvRecord &m_record;
    DecimalMark m_mark;
    DateOrder m_order;
    QString m_reason;
};

} // namespace ImportSupport
