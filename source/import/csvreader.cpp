#include "import/csvreader.h"

#include <QCoreApplication>
#include <QTextCodec>

bool CsvReader::decode(const QByteArray &bytes, QString *text, QString *error)
{
    QTextCodec *codec = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    QString decoded = codec->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0) {
        if (error)
            *error = QCoreApplication::translate("CsvReader", "The file is not a UTF-8 text file.");
        return false;
    }
    if (decoded.startsWith(QChar(0xFEFF)))
        decoded.remove(0, 1);
    if (text)
        *text = decoded;
    return true;
}

QVector<CsvRecord> CsvReader::records(const QString &text, QChar separator)
{
    QVector<CsvRecord> result;
    const QChar quote = QLatin1Char('"');
    const QChar cr = QLatin1Char('\r');
    const QChar lf = QLatin1Char('\n');
    const int size = text.size();

    CsvRecord record;
    QString field;
    bool inQuotes = false;
    bool fieldStarted = false; // the record has content on this line
    int line = 1;
    record.line = 1;

    auto endField = [&]() {
        record.fields.append(field);
        field.clear();
    };
    auto endRecord = [&]() {
        endField();
        // A blank line has one empty field and nothing else.
        if (fieldStarted || record.fields.size() > 1 || !record.fields.first().isEmpty())
            result.append(record);
        record = CsvRecord();
        fieldStarted = false;
    };

    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == quote) {
                if (i + 1 < size && text.at(i + 1) == quote) {
                    field.append(quote);
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == lf || (c == cr && !(i + 1 < size && text.at(i + 1) == lf)))
                    ++line;
                field.append(c);
            }
            continue;
        }
        if (c == quote) {
            // Opens a quoted part; text before or after it stays in the field.
            inQuotes = true;
            fieldStarted = true;
        } else if (c == separator) {
            fieldStarted = true;
            endField();
        } else if (c == cr || c == lf) {
            if (c == cr && i + 1 < size && text.at(i + 1) == lf)
                ++i;
            endRecord();
            ++line;
            record.line = line;
        } else {
            if (!fieldStarted && record.fields.isEmpty() && field.isEmpty())
                record.line = line;
            fieldStarted = true;
            field.append(c);
        }
    }
    if (fieldStarted || !field.isEmpty() || !record.fields.isEmpty())
        endRecord();
    return result;
}

CsvHeader::CsvHeader(const QStringList &names)
{
    m_names.reserve(names.size());
    for (const QString &name : names)
        m_names.append(name.trimmed().toCaseFolded());
}

int CsvHeader::indexOf(const QStringList &names) const
{
    for (const QString &name : names) {
        const int index = m_names.indexOf(name.trimmed().toCaseFolded());
        if (index >= 0)
            return index;
    }
    return -1;
}

int CsvHeader::indexOf(const QString &name) const
{
    return indexOf(QStringList{name});
}

int CsvHeader::indexStartingWith(const QString &prefix) const
{
    const QString folded = prefix.toCaseFolded();
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i).startsWith(folded))
            return i;
    }
    return -1;
}

QString CsvHeader::firstMissing(const QStringList &names) const
{
    for (const QString &name : names) {
        if (indexOf(name) < 0)
            return name;
    }
    return QString();
}

QString CsvHeader::name(int index) const
{
    return m_names.value(index);
}

int CsvHeader::size() const
{
    return m_names.size();
}

QString CsvHeader::field(const CsvRecord &record, int index)
{
    return index < 0 ? QString() : record.fields.value(index);
}
