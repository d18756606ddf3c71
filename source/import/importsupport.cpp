#include "import/importsupport.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace ImportSupport {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ImportSupport", text);
}

// The day, month and year parts of a date followed by an optional time.
QStringList dateParts(const QString &text)
{
    static const QRegularExpression timeStart(QStringLiteral("[ T]"));
    static const QRegularExpression separator(QStringLiteral("[./-]"));
    return text.trimmed().section(timeStart, 0, 0).split(separator);
}

QString damagedZip()
{
    return tr("The zip archive is damaged or incomplete.");
}

} // namespace

QByteArray head(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(size);
}

QString headText(const QString &path)
{
    const QByteArray bytes = head(path);
    if (isZip(bytes))
        return QString();
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

bool isZip(const QByteArray &head)
{
    return head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06");
}

QString displayName(const QString &path)
{
    return QFileInfo(path).fileName();
}

bool readText(const QString &path, QString *text, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("%1 could not be opened: %2").arg(displayName(path), file.errorString());
        return false;
    }
    if (file.size() > MaximumFileSize) {
        if (error)
            *error = tr("%1 is too large to import.").arg(displayName(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty() || bytes == "\xEF\xBB\xBF") {
        if (error)
            *error = tr("%1 is empty.").arg(displayName(path));
        return false;
    }
    QString reason;
    if (!CsvReader::decode(bytes, text, &reason)) {
        if (error)
            *error = displayName(path) + QStringLiteral(": ") + reason;
        return false;
    }
    return true;
}

bool zipNames(const QString &path, QStringList *names, QString *error)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip)) {
        if (error)
            *error = damagedZip();
        return false;
    }
    *names = zip.getFileNameList();
    const bool ok = zip.getZipError() == UNZ_OK;
    zip.close();
    if (!ok && error)
        *error = damagedZip();
    return ok;
}

bool readZip(const QString &path, const QStringList &suffixes, QMap<QString, QByteArray> *files,
             QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return fail(damagedZip());
    qint64 total = 0;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString name = zip.getCurrentFileName();
        const QString base = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1).toLower();
        bool wanted = false;
        for (const QString &suffix : suffixes)
            wanted = wanted || base.endsWith(suffix.toLower());
        if (!wanted || name.endsWith(QLatin1Char('/')))
            continue;
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info))
            return fail(damagedZip());
        total += qint64(info.uncompressedSize);
        if (total > MaximumFileSize)
            return fail(tr("%1 is too large to import.").arg(displayName(path)));
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::ReadOnly))
            return fail(damagedZip());
        const QByteArray bytes = file.read(qint64(info.uncompressedSize) + 1);
        file.close(); // checks the entry's checksum
        if (file.getZipError() != UNZ_OK || bytes.size() != qint64(info.uncompressedSize))
            return fail(damagedZip());
        files->insert(name, bytes);
    }
    const bool ok = zip.getZipError() == UNZ_OK;
    zip.close();
    return ok ? true : fail(damagedZip());
}

QString firstLine(const QString &text)
{
    int start = 0;
    while (start < text.size()) {
        int end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r'))
            ++end;
        const QString line = text.mid(start, end - start).trimmed();
        if (!line.isEmpty())
            return line;
        start = end + 1;
    }
    return QString();
}

std::optional<double> number(const QString &text, DecimalMark mark, QString *reason)
{
    QString value = text.trimmed();
    if (value.isEmpty()) {
        if (reason)
            *reason = tr("no number given");
        return std::nullopt;
    }
    const QChar decimal = mark == DecimalMark::Comma ? QLatin1Char(',') : QLatin1Char('.');
    static const QRegularExpression shape(QStringLiteral("^-?[0-9]*([.,][0-9]*)?$"));
    const QRegularExpressionMatch match = shape.match(value);
    const bool wrongMark = value.contains(decimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.'));
    if (!match.hasMatch() || wrongMark || value == QLatin1String("-") || value == QString(decimal)) {
        if (reason)
            *reason = tr("\"%1\" is not a number").arg(text.trimmed());
        return std::nullopt;
    }
    value.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double result = value.toDouble(&ok); // QString::toDouble is locale-free
    if (!ok) {
        if (reason)
            *reason = tr("\"%1\" is not a number").arg(text.trimmed());
        return std::nullopt;
    }
    return result;
}

std::optional<double> money(const QString &text, DecimalMark mark, QString *reason)
{
    QString value = text.trimmed();
    bool negative = false;
    if (value.startsWith(QLatin1Char('(')) && value.endsWith(QLatin1Char(')'))) {
        negative = true;
        value = value.mid(1, value.size() - 2);
    }
    const QChar group = mark == DecimalMark::Comma ? QLatin1Char('.') : QLatin1Char(',');
    QString digits;
    for (const QChar c : value) {
        if (c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char('-')) {
            if (c != group)
                digits.append(c);
        } else if (c.isLetter() || c.isSymbol() || c.isSpace() || c == QChar(0x00A0)) {
            continue; // currency symbol or code, spaces
        } else {
            digits.append(c); // anything else makes it unreadable
        }
    }
    std::optional<double> result = number(digits, mark == DecimalMark::Detect ? DecimalMark::Point : mark);
    if (!result) {
        if (reason)
            *reason = tr("\"%1\" is not an amount").arg(text.trimmed());
        return std::nullopt;
    }
    return negative ? -*result : *result;
}

QDate date(const QString &text, DateOrder order)
{
    const QStringList parts = dateParts(text);
    if (parts.size() != 3)
        return QDate();
    int numbers[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        if (parts.at(i).isEmpty() || parts.at(i).size() > 4)
            return QDate();
        numbers[i] = parts.at(i).toInt(&ok);
        if (!ok)
            return QDate();
    }
    int year = 0, month = 0, day = 0;
    if (parts.at(0).size() == 4) {
        year = numbers[0];
        month = numbers[1];
        day = numbers[2];
    } else if (order == DateOrder::DayMonthYear) {
        day = numbers[0];
        month = numbers[1];
        year = numbers[2];
    } else if (order == DateOrder::MonthDayYear) {
        month = numbers[0];
        day = numbers[1];
        year = numbers[2];
    } else {
        return QDate();
    }
    if (parts.at(parts.at(0).size() == 4 ? 0 : 2).size() == 2)
        year += 2000;
    else if (parts.at(parts.at(0).size() == 4 ? 0 : 2).size() != 4)
        return QDate();
    return QDate(year, month, day);
}

DateOrder detectDateOrder(const QStringList &dates, DateOrder fallback, SettingSource *source)
{
    bool dayFirst = false;
    bool monthFirst = false;
    bool yearFirst = false;
    for (const QString &text : dates) {
        const QStringList parts = dateParts(text);
        if (parts.size() != 3)
            continue;
        if (parts.at(0).size() == 4) {
            yearFirst = true;
            continue;
        }
        if (parts.at(0).toInt() > 12)
            dayFirst = true;
        if (parts.at(1).toInt() > 12)
            monthFirst = true;
    }
    *source = SettingSource::FromFile;
    if (dayFirst && !monthFirst)
        return DateOrder::DayMonthYear;
    if (monthFirst && !dayFirst)
        return DateOrder::MonthDayYear;
    if (yearFirst && !dayFirst && !monthFirst)
        return DateOrder::YearMonthDay;
    *source = SettingSource::Guessed;
    return fallback;
}

DecimalMark detectDecimalMark(const QStringList &numbers, SettingSource *source)
{
    bool comma = false;
    bool point = false;
    for (const QString &text : numbers) {
        comma = comma || text.contains(QLatin1Char(','));
        point = point || text.contains(QLatin1Char('.'));
    }
    *source = SettingSource::Guessed;
    return comma && !point ? DecimalMark::Comma : DecimalMark::Point;
}

QString badDate(const QString &text)
{
    return text.trimmed().isEmpty() ? tr("no date given") : tr("\"%1\" is not a date").arg(text.trimmed());
}

QString odometerProblem(double value)
{
    if (value < 0)
        return tr("the odometer reading is negative");
    if (value > MaximumOdometer)
        return tr("the odometer reading %1 is too large").arg(QString::number(value, 'f', 0));
    return QString();
}

QString joined(const QStringList &parts, const QString &separator)
{
    QStringList kept;
    for (const QString &part : parts) {
        if (!part.trimmed().isEmpty())
            kept.append(part.trimmed());
    }
    return kept.join(separator);
}

namespace {

QString markerName(const CsvRecord &record)
{
    const QString first = record.fields.value(0).trimmed();
    if (!first.startsWith(QLatin1Char('#')))
        return QString();
    for (int i = 1; i < record.fields.size(); ++i) {
        if (!record.fields.at(i).trimmed().isEmpty())
            return QString();
    }
    int hashes = 0;
    while (hashes < first.size() && first.at(hashes) == QLatin1Char('#'))
        ++hashes;
    return first.mid(hashes).trimmed();
}

} // namespace

bool readSections(const QStringList &paths, TextLoader load, FormatCheck isOfFormat, const QString &notOfFormat,
                  ImportBatch *batch, QVector<FileSection> *all, QString *error)
{
    for (const QString &path : paths) {
        QString text;
        if (!load(path, &text, error))
            return false;
        if (!isOfFormat(text)) {
            if (error)
                *error = notOfFormat.arg(displayName(path));
            return false;
        }
        batch->files.append(displayName(path));
        for (const CsvSection &section : sections(CsvReader::records(text)))
            all->append({displayName(path), section});
    }
    return true;
}

QVector<CsvSection> sections(const QVector<CsvRecord> &records)
{
    QVector<CsvSection> result;
    for (const CsvRecord &record : records) {
        const QString name = markerName(record);
        if (!name.isEmpty())
            result.append(CsvSection{name, {}});
        else if (!result.isEmpty())
            result.last().records.append(record);
    }
    return result;
}

QString sectionName(const QString &line)
{
    const QVector<CsvRecord> records = CsvReader::records(line);
    return records.size() == 1 ? markerName(records.first()) : QString();
}

QString checkFuel(ImportFuel *row)
{
    if (!row->date.isValid())
        return tr("no date given");
    const QString odometer = odometerProblem(row->odometer);
    if (!odometer.isEmpty())
        return odometer;
    if (row->quantity < 0 || row->costPerUnit < 0 || row->totalCost < 0)
        return tr("the quantity or cost is negative");
    if (row->quantity <= 0 && row->totalCost > 0 && row->costPerUnit > 0)
        row->quantity = row->totalCost / row->costPerUnit;
    if (row->quantity <= 0)
        return tr("no fuel quantity given");
    if (row->quantity > 1e6 || row->totalCost > 1e9 || row->costPerUnit > 1e6)
        return tr("the quantity or cost is too large");
    if (row->totalCost <= 0 && row->costPerUnit > 0)
        row->totalCost = std::round(row->quantity * row->costPerUnit * 100.0) / 100.0;
    if (row->costPerUnit <= 0 && row->totalCost > 0)
        row->costPerUnit = row->totalCost / row->quantity;
    return QString();
}

QString checkCost(const QDate &date, double amount, double odometer)
{
    if (!date.isValid())
        return tr("no date given");
    if (amount < 0)
        return tr("the amount is negative");
    if (amount > 1e9)
        return tr("the amount is too large");
    if (odometer > MaximumOdometer)
        return odometerProblem(odometer);
    return QString();
}

void FieldReader::fail(const QString &reason)
{
    if (m_reason.isEmpty())
        m_reason = reason;
}

QDate FieldReader::date(int index)
{
    const QString value = text(index);
    const QDate result = ImportSupport::date(value, m_order);
    if (!result.isValid())
        fail(badDate(value));
    return result;
}

double FieldReader::number(int index, double fallback)
{
    const QString value = text(index);
    if (value.isEmpty())
        return fallback;
    QString reason;
    const std::optional<double> result = ImportSupport::number(value, m_mark, &reason);
    if (!result)
        fail(reason);
    return result.value_or(fallback);
}

double FieldReader::money(int index, double fallback)
{
    const QString value = text(index);
    if (value.isEmpty())
        return fallback;
    QString reason;
    const std::optional<double> result = ImportSupport::money(value, m_mark, &reason);
    if (!result)
        fail(reason);
    return result.value_or(fallback);
}

bool FieldReader::flag(int index) const
{
    static const QStringList yes = {QStringLiteral("1"),   QStringLiteral("true"), QStringLiteral("yes"),
                                    QStringLiteral("y"),   QStringLiteral("full"), QStringLiteral("si"),
                                    QStringLiteral("sí"),  QStringLiteral("sim"),  QStringLiteral("ja"),
                                    QStringLiteral("tak"), QStringLiteral("oui")};
    return yes.contains(text(index).toLower());
}

} // namespace ImportSupport
