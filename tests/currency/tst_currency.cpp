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

        QTest::newRow("sample row, no grouping") << "---" << -1234567.5 << "-1234567.50 $";
        QTest::newRow("USD thousand") << "USD" << 1000.0 << "$ 1,000.00";
        QTest::newRow("USD negative: sign before symbol") << "USD" << -12.5 << "-$ 12.50";
        QTest::newRow("USD zero uses the positive form") << "USD" << 0.0 << "$ 0.00";
        QTest::newRow("USD millions, rounded") << "USD" << 1234567.891 << "$ 1,234,567.89";
        QTest::newRow("EUR decimal comma, dot groups") << "EUR" << 1000000.5 << "1.000.000,50 " + euro;
        QTest::newRow("EUR negative: sign before number") << "EUR" << -12.5 << "-12,50 " + euro;
        QTest::newRow("GBP") << "GBP" << -25000.0 << QStringLiteral("-\u00A3 25,000.00");
        QTest::newRow("AUD") << "AUD" << 100000.0 << "$ 100,000.00";
        QTest::newRow("CAD") << "CAD" << 999.999 << "$ 1,000.00";
        QTest::newRow("JPY keeps two decimals") << "JPY" << -12.0 << QStringLiteral("-\u00A5 12.00");
        QTest::newRow("RSD blank groups") << "RSD" << 1000000.5 << "1 000 000.50 din";
        QTest::newRow("HRK") << "HRK" << 1500.0 << "1 500.00 kn";
        QTest::newRow("BAM negative") << "BAM" << -987654.321 << "-987 654.32 KM";
        QTest::newRow("unknown code: bare number") << "XYZ" << 1234.5 << "1234.50";
        QTest::newRow("code is case-sensitive") << "usd" << 1234.5 << "1234.50";
        // Regressions: a negative amount must not lose its sign, and an
        // amount that rounds to zero must not gain one.
        QTest::newRow("unknown code keeps the minus sign") << "XYZ" << -12.5 << "-12.50";
        QTest::newRow("tiny negative is zero") << "USD" << -0.001 << "$ 0.00";
        QTest::newRow("float noise of a zero total") << "EUR" << (0.3 - 0.1 - 0.2) << "0,00 " + euro;
        // Lifetime totals in yen or dinar pass 2^31 cents.
        QTest::newRow("EUR beyond 32-bit cents") << "EUR" << 99999999999.0 << "99.999.999.999,00 " + euro;
        QTest::newRow("JPY just past 2^31 cents") << "JPY" << 21474836.48 << QStringLiteral("\u00A5 21,474,836.48");
        QTest::newRow("RSD negative, large") << "RSD" << -123456789012.5 << "-123 456 789 012.50 din";
    }

    void format()
    {
        QFETCH(QString, code);
        QFETCH(double, value);
        QTEST(Currency(code).format(value), "expected");
    }

    void round_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("half up") << 0.125 << 0.13;
        // 2.675 is stored as 2.67499999..., but ×100 gives exactly 267.5.
        QTest::newRow("nearest double of 2.675") << 2.675 << 2.68;
        QTest::newRow("negative half rounds upwards") << -1.005 << -1.0;
        QTest::newRow("beyond 32-bit cents") << 1e12 + 0.125 << 1e12 + 0.13;
    }

    void round()
    {
        QFETCH(double, value);
        QTEST(Currency(QStringLiteral("USD")).round(value), "expected");
    }

    void displayText()
    {
        QCOMPARE(Currency(QStringLiteral("USD")).displayText(),
                 QStringLiteral("(USD) United States Dollar ($ 1,000,000.00)"));
        QCOMPARE(Currency(QStringLiteral("AUD")).displayText(), QStringLiteral("(AUD) Australian Dolar ($ 1,000,000.00)"));
        QCOMPARE(Currency(QStringLiteral("EUR")).displayText(), QStringLiteral("(EUR) Euro (1.000.000,00 \u20AC)"));
    }

    void setCodeReplacesOrClearsTheRow()
    {
        Currency c(QStringLiteral("RSD"));
        c.setCode(QStringLiteral("USD"));
        QCOMPARE(c.format(-1234.5), QStringLiteral("-$ 1,234.50"));
        c.setCode(QStringLiteral("XYZ"));
        QVERIFY(c.code().isEmpty());
        QVERIFY(c.symbol().isEmpty());
        QCOMPARE(c.formatNumber(1000000.5), QStringLiteral("1000000.50"));
    }
};

GARVO_TEST_GUILESS_MAIN(TestCurrency)
#include "tst_currency.moc"
