#include "platform/speech.h"

#include <QTest>

// How what the windows show becomes what the voice reads.
class SpeechTest : public QObject {
    Q_OBJECT
private slots:
    void spokenAs_data();
    void spokenAs();
};

void SpeechTest::spokenAs_data() {
    QTest::addColumn<bool>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("a sentence across lines, a pause at each")
        << false
        << QStringLiteral("Mit diesem Programm kannst du\rdas ABC trainieren. Wähle dazu\r"
                          "Übungen aus dem rechten Menü.\r")
        << QStringLiteral("Mit diesem Programm kannst du, das ABC trainieren. Wähle dazu, "
                          "Übungen aus dem rechten Menü.");
    QTest::newRow("CR LF, blank lines, blanks around")
        << false << QStringLiteral("  Erst\r\n\r\n das Passwort  eingeben:\r\n")
        << QStringLiteral("Erst, das Passwort eingeben:");
    QTest::newRow("only line breaks") << false << QStringLiteral("\r\n\r") << QString();
    QTest::newRow("a row with its gap")
        << true << QStringLiteral("  D  E  _  G  H  ") << QStringLiteral("D, E, Lücke, G, H");
    QTest::newRow("a row of small letters, gap first")
        << true << QStringLiteral(" _ l m ") << QStringLiteral("Lücke, l, m");
}

void SpeechTest::spokenAs() {
    QFETCH(bool, row);
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(row ? Spoken::letterRow(text) : Spoken::utterance(text), spoken);
}

QTEST_GUILESS_MAIN(SpeechTest)
#include "tst_speech.moc"
