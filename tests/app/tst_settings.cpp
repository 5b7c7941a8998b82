#include "app/settings.h"
#include "fixture.h"

#include <QLabel>

namespace {
const QString kMissing = QStringLiteral("Datei 'MOXABC.INI' fehlt!\r");
const QString kSettingsTitle = QStringLiteral("M O X A B C");
const QString kAskThreshold = QStringLiteral("Notwendige Punktzahl für die Belohnung (10-100):");
const QString kGamesTitle = QStringLiteral("B e l o h n u n g s s p i e l e");

void expectPassword(Fixture& fx, const QString& typed) {
    fx.dialogs.expectInput(QStringLiteral("Erst Passwort eingeben:"), QStringLiteral("Passwort"),
                           QString(), typed);
}

void expectThresholdBox(Fixture& fx, const QString& typed) {
    fx.dialogs.expectInput(kAskThreshold, QStringLiteral("Belohnung"), QStringLiteral("30"), typed);
}
} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void startUpReadsThreshold_data();
    void startUpReadsThreshold();
    void startUpWithoutUsableFile_data();
    void startUpWithoutUsableFile();
    void missingFileShowsOneBlankInRefusal();
    void thresholdAskedAgainUntilInRange_data();
    void thresholdAskedAgainUntilInRange();
    void newThresholdGatesGames();
    void cancelWritesNothing();
    void wrongPasswordShowsNothing();
    void unwritableFileKeepsThreshold();
    void fileLineFormat();
};

void SettingsTest::startUpReadsThreshold_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("caption");
    QTest::newRow("as written") << QByteArray(" 30 \r\n") << " 30";
    QTest::newRow("further lines ignored") << QByteArray("30\r\nanderer Text\r\n") << " 30";
    QTest::newRow("first field only") << QByteArray("25,99\r\n") << " 25";
    QTest::newRow("no range check on reading") << QByteArray("5\r\n") << " 5";
}

void SettingsTest::startUpReadsThreshold() {
    QFETCH(QByteArray, content);
    QFETCH(QString, caption);
    Fixture fx;
    fx.writeFile(Settings::FileName, content);
    fx.start();
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.main().Bezeichnung3->text(), caption);
}

void SettingsTest::startUpWithoutUsableFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("not a number") << QByteArray("dreißig\r\n") << true;
}

void SettingsTest::startUpWithoutUsableFile() {
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    Fixture fx;
    if (exists)
        fx.writeFile(Settings::FileName, content);
    fx.dialogs.expectMessage(kMissing, kSettingsTitle, MsgBox::OkOnly);
    fx.startWithoutSettings();
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.main().Bezeichnung3->text(), QStringLiteral("10"));
    QCOMPARE(fx.fileExists(Settings::FileName), exists);
    QVERIFY(fx.main().isVisible());
}

void SettingsTest::missingFileShowsOneBlankInRefusal() {
    Fixture fx;
    fx.dialogs.expectMessage(kMissing, kSettingsTitle, MsgBox::OkOnly);
    fx.startWithoutSettings();
    fx.dialogs.expectMessage(QStringLiteral("Du brauchst mindestens 10 Punkte!\r"), kGamesTitle,
                             MsgBox::OkOnly);
    Fixture::click(fx.main().Bild13);
    VERIFY_DIALOGS(fx);
}

void SettingsTest::thresholdAskedAgainUntilInRange_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("5, 150, 40") << QStringList{"5", "150", "40"} << "40" << QByteArray(" 40 \r\n");
    QTest::newRow("lowest") << QStringList{"10"} << "10" << QByteArray(" 10 \r\n");
    QTest::newRow("highest") << QStringList{"100"} << "100" << QByteArray(" 100 \r\n");
    QTest::newRow("9 and 101 asked again")
        << QStringList{"9", "101", "55"} << "55" << QByteArray(" 55 \r\n");
    QTest::newRow("negative asked again")
        << QStringList{"-20", "20"} << "20" << QByteArray(" 20 \r\n");
    QTest::newRow("half points rounded") << QStringList{"12.5"} << "13" << QByteArray(" 13 \r\n");
}

void SettingsTest::thresholdAskedAgainUntilInRange() {
    QFETCH(QStringList, typed);
    QFETCH(QString, caption);
    QFETCH(QByteArray, file);
    Fixture fx;
    fx.start();
    expectPassword(fx, QStringLiteral("0"));
    for (const QString& answer : typed)
        expectThresholdBox(fx, answer);
    Fixture::click(fx.main().Bild14);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.main().Bezeichnung3->text(), caption);
    QCOMPARE(fx.readFile(Settings::FileName), file);
}

void SettingsTest::newThresholdGatesGames() {
    Fixture fx;
    fx.start();
    expectPassword(fx, QStringLiteral("0"));
    expectThresholdBox(fx, QStringLiteral("40"));
    Fixture::click(fx.main().Bild14);
    fx.setPoints(QStringLiteral("39"));
    fx.dialogs.expectMessage(QStringLiteral("Du brauchst mindestens 40 Punkte!\r"), kGamesTitle,
                             MsgBox::OkOnly);
    Fixture::click(fx.main().Bild13);
    VERIFY_DIALOGS(fx);
}

void SettingsTest::cancelWritesNothing() {
    Fixture fx;
    fx.dialogs.expectMessage(kMissing, kSettingsTitle, MsgBox::OkOnly);
    fx.startWithoutSettings();
    expectPassword(fx, QStringLiteral("0"));
    expectThresholdBox(fx, QString());
    Fixture::click(fx.main().Bild14);
    expectPassword(fx, QStringLiteral("0"));
    expectThresholdBox(fx, QStringLiteral("0"));
    Fixture::click(fx.main().Bild14);
    VERIFY_DIALOGS(fx);
    QVERIFY(!fx.fileExists(Settings::FileName));
    QCOMPARE(fx.main().Bezeichnung3->text(), QStringLiteral("10"));
}

void SettingsTest::wrongPasswordShowsNothing() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("3"));
    expectPassword(fx, QStringLiteral(" 3"));
    Fixture::click(fx.main().Bild14);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.readFile(Settings::FileName), QByteArray(" 10 \r\n"));
    QCOMPARE(fx.main().Bezeichnung3->text(), QStringLiteral(" 10"));
}

void SettingsTest::unwritableFileKeepsThreshold() {
    Fixture fx;
    // A folder in the file's place can be neither read nor replaced, even by the superuser.
    QVERIFY(QDir(fx.path()).mkdir(Settings::FileName));
    fx.dialogs.expectMessage(kMissing, kSettingsTitle, MsgBox::OkOnly);
    fx.startWithoutSettings();
    expectPassword(fx, QStringLiteral("0"));
    expectThresholdBox(fx, QStringLiteral("50"));
    fx.dialogs.expectMessage(QStringLiteral("Die Datei 'MOXABC.INI' kann nicht gespeichert "
                                            "werden!\rDie Punktzahl bleibt, wie sie war.\r"),
                             kSettingsTitle, MsgBox::OkOnly);
    Fixture::click(fx.main().Bild14);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.main().Bezeichnung3->text(), QStringLiteral("10"));
}

void SettingsTest::fileLineFormat() {
    QCOMPARE(Settings::thresholdLine(30), QByteArray(" 30 \r\n"));
    QCOMPARE(Settings::thresholdLine(100), QByteArray(" 100 \r\n"));
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
