#include "app/settings.h"
#include "fixture.h"
#include "full_disk.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <cstdio>

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

// This test program, started again with this option, is the writer that the interrupted-write
// test kills: it writes thresholds round and round until it is killed.
const char* const kKeepWriting = "--keep-writing";

int keepWriting(const QDir& folder) {
    if (!Settings::writeThreshold(folder, 10))
        return 1;
    std::puts("writing");
    std::fflush(stdout);
    for (int value = 11;; value = value == 100 ? 10 : value + 1) {
        if (!Settings::writeThreshold(folder, value))
            return 1;
    }
}
} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void startUpReadsThreshold_data();
    void startUpReadsThreshold();
    void startUpWithoutUsableFile_data();
    void startUpWithoutUsableFile();
    void thresholdAskedAgainUntilInRange_data();
    void thresholdAskedAgainUntilInRange();
    void newThresholdGatesGames();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void wrongPasswordShowsNothing();
    void unwritableFileKeepsThreshold_data();
    void unwritableFileKeepsThreshold();
    void fileLineFormat();
    void killedWriteLeavesOldOrNewFile();
};

void SettingsTest::startUpReadsThreshold_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("caption");
    QTest::newRow("as written") << QByteArray(" 30 \r\n") << " 30";
    QTest::newRow("further lines ignored") << QByteArray("30\r\nanderer Text\r\n") << " 30";
    QTest::newRow("first field only") << QByteArray("25,99\r\n") << " 25";
    QTest::newRow("no range check on reading") << QByteArray("5\r\n") << " 5";
    QTest::newRow("zero as read") << QByteArray("0\r\n") << " 0";
    QTest::newRow("a thousand million") << QByteArray("1000000000\r\n") << " 1000000000";
    QTest::newRow("utf-16 from a Windows editor") << QByteArray("\xff\xfe \x00"
                                                                "3\x00"
                                                                "0\x00"
                                                                "\r\x00\n\x00",
                                                                12)
                                                  << " 30";
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
    QTest::newRow("309 digits") << QByteArray(309, '9') << true;
    QTest::newRow("exponent") << QByteArray("1e999\r\n") << true;
    QTest::newRow("infinity") << QByteArray("inf\r\n") << true;
    QTest::newRow("over a thousand million") << QByteArray("1000000001\r\n") << true;
    QTest::newRow("far below zero") << QByteArray("-1000000001\r\n") << true;
    QTest::newRow("far larger than a settings file")
        << QByteArray(" 30 \r\n") + QByteArray(64 * 1024, '\n') << true;
}

void SettingsTest::startUpWithoutUsableFile() {
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    Fixture fx;
    if (exists)
        fx.writeFile(Settings::FileName, content);
    fx.dialogs.expectMessage(kMissing, kSettingsTitle, MsgBox::OkOnly);
    fx.startWithoutSettings();
    QCOMPARE(fx.main().Bezeichnung3->text(), QStringLiteral("10"));
    QCOMPARE(fx.fileExists(Settings::FileName), exists);
    QVERIFY(fx.main().isVisible());
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
    QTest::newRow("fraction inside rounded down")
        << QStringList{"10.4"} << "10" << QByteArray(" 10 \r\n");
    QTest::newRow("range checked before rounding")
        << QStringList{"9.5", "100.4", "0.4", "50"} << "50" << QByteArray(" 50 \r\n");
    QTest::newRow("overlong number asked again")
        << QStringList{QString(309, u'9'), "40"} << "40" << QByteArray(" 40 \r\n");
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

void SettingsTest::cancelWritesNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("cancel") << QString();
    QTest::newRow("zero") << "0";
    QTest::newRow("zero with a point") << "0.0";
    QTest::newRow("not a number") << "dreißig";
}

void SettingsTest::cancelWritesNothing() {
    QFETCH(QString, typed);
    Fixture fx;
    fx.dialogs.expectMessage(kMissing, kSettingsTitle, MsgBox::OkOnly);
    fx.startWithoutSettings();
    expectPassword(fx, QStringLiteral("0"));
    expectThresholdBox(fx, typed);
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

void SettingsTest::unwritableFileKeepsThreshold_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder in its place")
        << false
        << "Unter ihrem Namen steht ein Ordner oder eine "
           "besondere Datei, und die lässt MOX-ABC, wie sie ist.\r";
    QTest::newRow("full disk") << true << "Das Laufwerk ist voll.\r";
}

void SettingsTest::unwritableFileKeepsThreshold() {
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);
    Fixture fx;
    const FullDisk disk(fullDisk ? fx.path() : QString());
    if (fullDisk != disk.ok)
        QSKIP("mounting a small file system needs the superuser");
    // A folder in the file's place can be neither read nor replaced, even by the superuser.
    if (fullDisk)
        fx.writeFile(Settings::FileName, " 30 \r\n");
    else if (QDir(fx.path()).mkdir(Settings::FileName))
        fx.dialogs.expectMessage(kMissing, kSettingsTitle, MsgBox::OkOnly);
    disk.fill();
    fx.startWithoutSettings();
    expectPassword(fx, QStringLiteral("0"));
    expectThresholdBox(fx, QStringLiteral("50"));
    fx.dialogs.expectMessage(QStringLiteral("Die Datei 'MOXABC.INI' kann nicht gespeichert "
                                            "werden!\r") +
                                 reason + QStringLiteral("Die Punktzahl bleibt, wie sie war.\r"),
                             kSettingsTitle, MsgBox::OkOnly);
    Fixture::click(fx.main().Bild14);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.main().Bezeichnung3->text(), QString(fullDisk ? " 30" : "10"));
    QCOMPARE(fx.readFile(Settings::FileName), QByteArray(fullDisk ? " 30 \r\n" : ""));
}

void SettingsTest::fileLineFormat() {
    QCOMPARE(Settings::thresholdLine(30), QByteArray(" 30 \r\n"));
    QCOMPARE(Settings::thresholdLine(100), QByteArray(" 100 \r\n"));
}

void SettingsTest::killedWriteLeavesOldOrNewFile() {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QRegularExpression wholeLine(QStringLiteral("\\A (?:[1-9][0-9]|100) \r\n\\z"));
    for (int round = 0; round < 30; ++round) {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(),
                     {QString::fromLatin1(kKeepWriting), dir.path()});
        QVERIFY(writer.waitForReadyRead(30000));
        // A different moment of the writing each round, up to a few hundred writes in.
        QThread::usleep(static_cast<unsigned long>(round * 37 % 1000));
        writer.kill();
        QVERIFY(writer.waitForFinished(30000));
        QFile file(folder.filePath(Settings::FileName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY2(wholeLine.match(QString::fromLatin1(content)).hasMatch(), content.constData());
    }
}

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], kKeepWriting) == 0)
        return keepWriting(QDir(QString::fromLocal8Bit(argv[2])));
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    SettingsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_settings.moc"
