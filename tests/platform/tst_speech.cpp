#include "platform/speech.h"
#include "platform/spoken_dialogs.h"
#include "recording_speech.h"
#include "scripted_dialogs.h"

#include <QTest>

class SpeechTest : public QObject {
    Q_OBJECT
private slots:
    void linesBecomePauses_data();
    void linesBecomePauses();
    void rowsAreSaidLetterByLetter_data();
    void rowsAreSaidLetterByLetter();
    void switchedOffSaysNothing();
    void boxesAreReadWhileOpen_data();
    void boxesAreReadWhileOpen();
};

void SpeechTest::linesBecomePauses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("one line ended by CR") << QStringLiteral("Fehler, bitte neu eingeben!\r")
                                          << QStringLiteral("Fehler, bitte neu eingeben!");
    QTest::newRow("a sentence across lines")
        << QStringLiteral("Mit diesem Programm kannst du\rdas ABC trainieren. Wähle dazu\r"
                          "Übungen aus dem rechten Menü.\r")
        << QStringLiteral("Mit diesem Programm kannst du, das ABC trainieren. Wähle dazu, "
                          "Übungen aus dem rechten Menü.");
    QTest::newRow("CR LF, blank lines, blanks around")
        << QStringLiteral("  Erst\r\n\r\n das Passwort  eingeben:\r\n")
        << QStringLiteral("Erst, das Passwort eingeben:");
    QTest::newRow("LF and a mark at the line end")
        << QStringLiteral("Prima!\nWeiter so") << QStringLiteral("Prima! Weiter so");
    QTest::newRow("only line breaks") << QStringLiteral("\r\n\r") << QString();
}

void SpeechTest::linesBecomePauses() {
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(Spoken::utterance(text), spoken);
}

void SpeechTest::rowsAreSaidLetterByLetter_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("gap in the middle")
        << QStringLiteral("  D  E  _  G  H  ") << QStringLiteral("D, E, Lücke, G, H");
    QTest::newRow("gap first") << QStringLiteral("  _  B  C  ") << QStringLiteral("Lücke, B, C");
    QTest::newRow("small letters, one blank")
        << QStringLiteral(" k l m ") << QStringLiteral("k, l, m");
    QTest::newRow("blanks only") << QStringLiteral("   ") << QString();
}

void SpeechTest::rowsAreSaidLetterByLetter() {
    QFETCH(QString, row);
    QFETCH(QString, spoken);
    QCOMPARE(Spoken::letterRow(row), spoken);
}

void SpeechTest::switchedOffSaysNothing() {
    RecordingSpeech speech;
    speech.say(QStringLiteral("A"));
    speech.setOn(false);
    QCOMPARE(speech.stops, 1);
    speech.say(QStringLiteral("B"));
    speech.setOn(true);
    speech.say(QStringLiteral("C"));
    speech.say(QStringLiteral(" \r"));
    QCOMPARE(speech.said, QStringList({QStringLiteral("A"), QStringLiteral("C")}));
    // Nothing to say still ends what was being said.
    QCOMPARE(speech.stops, 2);
}

void SpeechTest::boxesAreReadWhileOpen_data() {
    QTest::addColumn<bool>("input");
    QTest::newRow("message box") << false;
    QTest::newRow("input box") << true;
}

// The prompt is heard from the moment the box is there, and no longer once it is closed; its
// title ("H i l f e") is never said.
void SpeechTest::boxesAreReadWhileOpen() {
    QFETCH(bool, input);
    const QString prompt = QStringLiteral("Erst Passwort eingeben:");
    const QString title = QStringLiteral("H i l f e");
    ScriptedDialogs shown;
    RecordingSpeech speech;
    SpokenDialogs dialogs(shown, speech);
    QStringList heardWhileOpen;
    int stopsWhileOpen = -1;
    shown.onCall = [&](const ScriptedDialogs::Call&) {
        heardWhileOpen = speech.said;
        stopsWhileOpen = speech.stops;
    };
    if (input) {
        shown.expectInput(prompt, title, QStringLiteral("30"), QStringLiteral("12"));
        QCOMPARE(dialogs.inputBox(prompt, title, QStringLiteral("30")), QStringLiteral("12"));
    } else {
        shown.expectMessage(prompt, title, MsgBox::YesNoQuestion, MsgBox::Yes);
        QCOMPARE(dialogs.msgBox(prompt, MsgBox::YesNoQuestion, title), MsgBox::Yes);
    }
    QVERIFY2(shown.ok(), qPrintable(shown.report()));
    QCOMPARE(heardWhileOpen, QStringList{prompt});
    QCOMPARE(stopsWhileOpen, 0);
    QCOMPARE(speech.said, QStringList{prompt});
    QCOMPARE(speech.stops, 1);
}

QTEST_GUILESS_MAIN(SpeechTest)
#include "tst_speech.moc"
