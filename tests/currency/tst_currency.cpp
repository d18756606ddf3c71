#include "currency/currency.h"
#include "testsupport.h"

using ASCurrency::Currency;

class TestCurrency : public QObject
{
    Q_OBJECT

private slots:
    void format_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");

        const QString euro = QStringLiteral("\u20AC");
        const QString pound = QStringLiteral("\u00A3");
        const QString yen = QStringLiteral("\u00A5");

        QTest::newRow("sample row: no grouping") << "---" << 1234567.5 << "1234567.50 $";
        QTest::newRow("sample row: negative") << "---" << -3.0 << "-3.00 $";

        QTest::newRow("USD thousand") << "USD" << 1000.0 << "$ 1,000.00";
        QTest::newRow("USD negative") << "USD" << -12.5 << "-$ 12.50";
        QTest::newRow("USD zero") << "USD" << 0.0 << "$ 0.00";
        QTest::newRow("USD below a thousand") << "USD" << 999.99 << "$ 999.99";
        QTest::newRow("USD millions") << "USD" << 1234567.891 << "$ 1,234,567.89";
        QTest::newRow("USD negative millions") << "USD" << -1000000.5 << "-$ 1,000,000.50";

        QTest::newRow("EUR million and a half") << "EUR" << 1000000.5 << "1.000.000,50 " + euro;
        QTest::newRow("EUR small") << "EUR" << 12.5 << "12,50 " + euro;
        QTest::newRow("EUR negative") << "EUR" << -12.5 << "-12,50 " + euro;
        QTest::newRow("EUR zero") << "EUR" << 0.0 << "0,00 " + euro;

        QTest::newRow("GBP") << "GBP" << 25000.0 << pound + " 25,000.00";
        QTest::newRow("GBP negative") << "GBP" << -0.5 << "-" + pound + " 0.50";
        QTest::newRow("AUD") << "AUD" << 100000.0 << "$ 100,000.00";
        QTest::newRow("AUD negative") << "AUD" << -7.0 << "-$ 7.00";
        QTest::newRow("CAD") << "CAD" << 12345.678 << "$ 12,345.68";
        QTest::newRow("CAD zero") << "CAD" << 0.0 << "$ 0.00";
        QTest::newRow("JPY negative keeps two decimals") << "JPY" << -12.0 << "-" + yen + " 12.00";
        QTest::newRow("JPY") << "JPY" << 5000.0 << yen + " 5,000.00";

        QTest::newRow("RSD million and a half") << "RSD" << 1000000.5 << "1 000 000.50 din";
        QTest::newRow("RSD negative") << "RSD" << -1500.0 << "-1 500.00 din";
        QTest::newRow("HRK") << "HRK" << 1500.0 << "1 500.00 kn";
        QTest::newRow("HRK zero") << "HRK" << 0.0 << "0.00 kn";
        QTest::newRow("BAM") << "BAM" << 987654.321 << "987 654.32 KM";
        QTest::newRow("BAM negative") << "BAM" << -20.0 << "-20.00 KM";

        QTest::newRow("unknown code: bare number") << "XYZ" << 1234.5 << "1234.50";
        QTest::newRow("code is case-sensitive") << "usd" << 1234.5 << "1234.50";
        QTest::newRow("empty code") << "" << 10.0 << "10.00";
    }

    void format()
    {
        QFETCH(QString, code);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(Currency(code).format(value), expected);
    }

    void negativeAmountOfUnknownCodeKeepsItsSign()
    {
        QCOMPARE(Currency(QStringLiteral("XYZ")).format(-12.5), QStringLiteral("-12.50"));
    }

    void amountRoundingToZeroHasNoMinusSign_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("USD") << "USD" << -0.001 << "$ 0.00";
        QTest::newRow("EUR") << "EUR" << -0.004 << QStringLiteral("0,00 \u20AC");
        QTest::newRow("negative zero") << "USD" << -0.0 << "$ 0.00";
        QTest::newRow("float noise of a zero total") << "USD" << (0.3 - 0.1 - 0.2) << "$ 0.00";
    }

    void amountRoundingToZeroHasNoMinusSign()
    {
        QFETCH(QString, code);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(Currency(code).format(value), expected);
    }

    void unknownCodeClearsTheRow()
    {
        Currency c(QStringLiteral("EUR"));
        c.setCode(QStringLiteral("XYZ"));
        QVERIFY(c.code().isEmpty());
        QVERIFY(c.symbol().isEmpty());
        QVERIFY(c.name().isEmpty());
        QVERIFY(c.groupSeparator().isNull());
        QCOMPARE(c.positiveFormat(), 0);
        QCOMPARE(c.formatNumber(1000000.5), QStringLiteral("1000000.50"));
    }

    void setCodeReplacesEveryField()
    {
        Currency c(QStringLiteral("RSD"));
        c.setCode(QStringLiteral("USD"));
        QCOMPARE(c.code(), QStringLiteral("USD"));
        QCOMPARE(c.symbol(), QStringLiteral("$"));
        QCOMPARE(c.format(-1234.5), QStringLiteral("-$ 1,234.50"));
    }

    void round_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("half up") << 0.125 << 0.13;
        QTest::newRow("below half") << 1.234 << 1.23;
        QTest::newRow("whole") << 7.0 << 7.0;
        // 2.675 is stored as 2.67499999..., but ×100 rounds to exactly 267.5.
        QTest::newRow("nearest double of 2.675") << 2.675 << 2.68;
        QTest::newRow("negative rounds toward plus infinity at half") << -1.005 << -1.0;
    }

    void round()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(Currency(QStringLiteral("USD")).round(value), expected);
    }

    void displayText_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("USD") << "USD" << "(USD) United States Dollar ($ 1,000,000.00)";
        QTest::newRow("EUR") << "EUR" << QStringLiteral("(EUR) Euro (1.000.000,00 \u20AC)");
        QTest::newRow("misspelt name kept") << "AUD" << "(AUD) Australian Dolar ($ 1,000,000.00)";
        QTest::newRow("BAM") << "BAM" << "(BAM) Bosanska Marka (1 000 000.00 KM)";
    }

    void displayText()
    {
        QFETCH(QString, code);
        QFETCH(QString, expected);
        QCOMPARE(Currency(code).displayText(), expected);
    }

    void tableHasTenRowsSampleFirst()
    {
        const QStringList codes = Currency::tableCodes();
        QCOMPARE(codes.size(), 10);
        QCOMPARE(codes.first(), Currency::NoCode);
        QCOMPARE(codes.last(), QStringLiteral("BAM"));
    }

    void nonFiniteValuesDoNotCrash()
    {
        const Currency c(QStringLiteral("USD"));
        QVERIFY(!c.format(qInf()).isEmpty());
        QVERIFY(!c.format(qQNaN()).isEmpty());
    }
};

GARVO_TEST_GUILESS_MAIN(TestCurrency)
#include "tst_currency.moc"
