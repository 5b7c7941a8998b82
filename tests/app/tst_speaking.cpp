#include "app/speech_switch.h"
#include "fixture.h"
#include "platform/program_settings.h"

#include <QSettings>

namespace {
const QString kHelp = QStringLiteral("Mit diesem Programm kannst du\r"
                                     "das ABC trainieren. Wähle dazu\r"
                                     "Übungen aus dem rechten Menü.\r");

void expectHelp(Fixture& fx) {
    fx.dialogs.expectMessage(kHelp, QStringLiteral("H i l f e"), MsgBox::OkOnly);
}

// The user's stored choice, as the settings file holds it: "on", "off" or "" when none.
QString storedChoice(const Fixture& fx) {
    QSettings file(fx.configPath() + QStringLiteral("/user/moxabc/moxabc.conf"),
                   QSettings::IniFormat);
    const QVariant value = file.value(QStringLiteral("Vorlesen"));
    return value.isValid() ? (value.toBool() ? QStringLiteral("on") : QStringLiteral("off"))
                           : QString();
}
} // namespace

// What the program says aloud, through the recording voice of the fixture.
class SpeakingTest : public QObject {
    Q_OBJECT
private slots:
    void voicePreparedOnlyOnceWindowIsUp();
    void switchStartsAsChosen_data();
    void switchStartsAsChosen();
    void switchKeepsTheChoice();
    void switchByKeyboard();
};

void SpeakingTest::voicePreparedOnlyOnceWindowIsUp() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.INI"), " 10 \r\n");
    ProgramSettings settings;
    MoxApp app(fx.dialogs, fx.random, QDir(fx.path()), settings);
    app.setSpeech(fx.speech);
    app.start();
    QVERIFY(app.mainWindow().isVisible());
    QVERIFY(!fx.speech.prepared);
    Fixture::settle();
    QVERIFY(fx.speech.prepared);
}

void SpeakingTest::switchStartsAsChosen_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("screenReader");
    QTest::addColumn<bool>("on");
    QTest::newRow("first start") << QString() << false << true;
    QTest::newRow("switched off before") << QStringLiteral("off") << false << false;
    QTest::newRow("switched on before") << QStringLiteral("on") << false << true;
    QTest::newRow("screen reader running") << QString() << true << false;
    QTest::newRow("screen reader, on before") << QStringLiteral("on") << true << false;
}

// The screen reader switches the program's voice off for this start only: the stored choice
// stays as it was.
void SpeakingTest::switchStartsAsChosen() {
    QFETCH(QString, stored);
    QFETCH(bool, screenReader);
    QFETCH(bool, on);
    Fixture fx;
    if (!stored.isEmpty())
        fx.writeProgramSettings(QStringLiteral("user"), stored == QStringLiteral("on")
                                                            ? QByteArray("Vorlesen=true\n")
                                                            : QByteArray("Vorlesen=false\n"));
    fx.screenReader.running = screenReader;
    fx.start();
    SpeechSwitch* speechSwitch = fx.main().speechSwitch();
    QCOMPARE(speechSwitch->button()->isChecked(), on);
    QCOMPARE(speechSwitch->button()->iconPath(), on ? QStringLiteral(":/icons/vorlesen.svg")
                                                    : QStringLiteral(":/icons/vorlesen_aus.svg"));
    QCOMPARE(fx.speech.isOn(), on);
    QCOMPARE(storedChoice(fx), stored);

    expectHelp(fx);
    Fixture::click(fx.main().Bild4);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.speech.said, on ? QStringList{kHelp} : QStringList());
}

void SpeakingTest::switchKeepsTheChoice() {
    Fixture fx;
    fx.start();
    SpeechSwitch* speechSwitch = fx.main().speechSwitch();
    Fixture::click(speechSwitch->button());
    QVERIFY(!fx.speech.isOn());
    QCOMPARE(storedChoice(fx), QStringLiteral("off"));
    QCOMPARE(speechSwitch->button()->toolTip(), QStringLiteral("Vorlesen (aus)"));
    // The caption beside the picture works the switch too.
    Fixture::click(speechSwitch->caption());
    QVERIFY(fx.speech.isOn());
    QVERIFY(speechSwitch->button()->isChecked());
    QCOMPARE(storedChoice(fx), QStringLiteral("on"));
}

void SpeakingTest::switchByKeyboard() {
    Fixture fx;
    fx.start();
    QAbstractButton* button = fx.main().speechSwitch()->button();
    // Reached by Tab from the games entry, the last of the menu before it.
    fx.main().Bild13->setFocus();
    Fixture::key(&fx.main(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button);
    QCOMPARE(button->accessibleName(), QStringLiteral("Vorlesen"));
    Fixture::key(button, Qt::Key_Space);
    QVERIFY(!fx.speech.isOn());
    QVERIFY(!button->isChecked());
}

QTEST_MAIN(SpeakingTest)
#include "tst_speaking.moc"
