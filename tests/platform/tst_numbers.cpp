#include "platform/numbers.h"

#include <QTest>

#include <limits>

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void numberTextHasBlankForSign_data();
    void numberTextHasBlankForSign();
    void textToNumberReadsLeadingNumber_data();
    void textToNumberReadsLeadingNumber();
    void parseNumberNeedsWholeText();
    void overlongNumbersStayFinite();
};

void NumbersTest::numberTextHasBlankForSign_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("withBlank");
    QTest::addColumn<QString>("bare");
    QTest::newRow("five") << 5.0 << " 5"
                          << "5";
    QTest::newRow("zero") << 0.0 << " 0"
                          << "0";
    QTest::newRow("minus one") << -1.0 << "-1"
                               << "-1";
    QTest::newRow("hundred") << 100.0 << " 100"
                             << "100";
    QTest::newRow("fraction") << 12.5 << " 12.5"
                              << "12.5";
    QTest::newRow("sum with binary noise") << 0.1 + 0.2 << " 0.3"
                                           << "0.3";
    QTest::newRow("large, never as exponent") << 1e20 << " 100000000000000000000"
                                              << "100000000000000000000";
    QTest::newRow("just below a power of ten") << 999999.999999999 << " 999999.999999999"
                                               << "999999.999999999";
    QTest::newRow("small, never as exponent") << -0.000001 << "-0.000001"
                                              << "-0.000001";
}

void NumbersTest::numberTextHasBlankForSign() {
    QFETCH(double, value);
    QFETCH(QString, withBlank);
    QFETCH(QString, bare);
    QCOMPARE(numberText(value), withBlank);
    QCOMPARE(bareText(value), bare);
}

void NumbersTest::textToNumberReadsLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("bare") << "12" << 12.0;
    QTest::newRow("leading blank") << " 12" << 12.0;
    QTest::newRow("several blanks") << "   7" << 7.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("decimal") << "2.5" << 2.5;
    QTest::newRow("text after") << "30 Punkte" << 30.0;
    QTest::newRow("no number") << "Apfel" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading zero") << "012" << 12.0;
    QTest::newRow("sign alone") << "-" << 0.0;
}

void NumbersTest::textToNumberReadsLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(textToNumber(text), value);
}

void NumbersTest::parseNumberNeedsWholeText() {
    QCOMPARE(parseNumber(QStringLiteral(" 30 ")), std::optional<double>(30));
    QCOMPARE(parseNumber(QStringLiteral("12")), std::optional<double>(12));
    QCOMPARE(parseNumber(QStringLiteral("30abc")), std::nullopt);
    QCOMPARE(parseNumber(QStringLiteral("abc")), std::nullopt);
    QCOMPARE(parseNumber(QString()), std::nullopt);
}

void NumbersTest::overlongNumbersStayFinite() {
    const double largest = std::numeric_limits<double>::max();
    QCOMPARE(textToNumber(QString(309, u'9')), largest);
    QCOMPARE(textToNumber(QStringLiteral("-") + QString(400, u'9')), -largest);
    QCOMPARE(parseNumber(QString(309, u'9')), std::optional<double>(largest));
    QCOMPARE(textToNumber(QStringLiteral("1e999")), 1.0);
    QCOMPARE(parseNumber(QStringLiteral("1e999")), std::nullopt);
    const QString text = numberText(std::numeric_limits<double>::infinity());
    QCOMPARE(text, numberText(largest));
    QCOMPARE(textToNumber(text), largest);
    QCOMPARE(numberText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral(" 0"));
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
