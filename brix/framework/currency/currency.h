#pragma once

#include <QChar>
#include <QObject>
#include <QString>
#include <QStringList>

namespace ASCurrency {

// An amount formatter for one currency of the built-in table. The layout
// flags hold a position code in their lowest three bits; Sign puts a minus
// sign into the text and Blank one blank between symbol and number.
class Currency : public QObject
{
    Q_OBJECT

public:
    enum LayoutFlag { PositionMask = 7, Sign = 16, Blank = 32 };

    // The code reported when no currency is chosen (the table's sample row).
    static const QString NoCode;

    explicit Currency(const QString &code = QString(), QObject *parent = nullptr);

    // Copies the table row with exactly this code; an unknown code leaves
    // the object without symbol, name and separators.
    void setCode(const QString &code);

    QString code() const { return m_code; }
    QString symbol() const { return m_symbol; }
    QString name() const { return m_name; }
    int decimals() const { return m_decimals; }
    int positiveFormat() const { return m_positiveFormat; }
    int negativeFormat() const { return m_negativeFormat; }
    QChar decimalPoint() const { return m_decimalPoint; }
    QChar groupSeparator() const { return m_groupSeparator; }

    double round(double value) const;
    QString formatNumber(double value) const;
    QString format(double value) const;
    QString displayText() const;

    // Every code of the table, in table order; the first is the sample row.
    static QStringList tableCodes();

private:
    QString m_symbol;
    QString m_code;
    QString m_name;
    int m_decimals = 2;
    int m_positiveFormat = Blank;
    int m_negativeFormat = Blank | Sign;
    QChar m_decimalPoint = QLatin1Char('.');
    QChar m_groupSeparator;
};

} // namespace ASCurrency
