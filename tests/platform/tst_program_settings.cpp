#include "platform/program_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QProcessEnvironment environment(const QMap<QString, QString>& variables) {
    QProcessEnvironment result;
    for (auto it = variables.begin(); it != variables.end(); ++it)
        result.insert(it.key(), it.value());
    return result;
}
} // namespace

// The user's file and the administrator's, what each may set, and what is left out of them.
class ProgramSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void filesFromEnvironment_data();
    void filesFromEnvironment();
    void readsWhatEachFileMaySet_data();
    void readsWhatEachFileMaySet();
    void speechSwitchIsTheUsersOwn();
};

void ProgramSettingsTest::filesFromEnvironment_data() {
    QTest::addColumn<QString>("configHome");
    QTest::addColumn<QString>("configDirs");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QStringList>("system");
    const QString homeFile = QStringLiteral("/home/kim/.config/moxabc/moxabc.conf");
    const QStringList etcFile{QStringLiteral("/etc/xdg/moxabc/moxabc.conf")};
    QTest::newRow("nothing set") << ""
                                 << "" << homeFile << etcFile;
    QTest::newRow("both set") << "/srv/kim/"
                              << "/opt/schule:/etc/xdg"
                              << "/srv/kim/moxabc/moxabc.conf"
                              << QStringList{"/opt/schule/moxabc/moxabc.conf",
                                             "/etc/xdg/moxabc/moxabc.conf"};
    QTest::newRow("relative folders count as not set")
        << "konfig"
        << "schule::/opt/schule" << homeFile << QStringList{"/opt/schule/moxabc/moxabc.conf"};
    QTest::newRow("no folder left") << ""
                                    << "schule:" << homeFile << etcFile;
}

void ProgramSettingsTest::filesFromEnvironment() {
    QFETCH(QString, configHome);
    QFETCH(QString, configDirs);
    QFETCH(QString, user);
    QFETCH(QStringList, system);
    QMap<QString, QString> variables{{QStringLiteral("HOME"), QStringLiteral("/home/kim")}};
    if (!configHome.isEmpty())
        variables.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    if (!configDirs.isEmpty())
        variables.insert(QStringLiteral("XDG_CONFIG_DIRS"), configDirs);
    const ProgramSettings::Files files = ProgramSettings::filesFor(environment(variables));
    QCOMPARE(files.user, user);
    QCOMPARE(files.system, system);
}

void ProgramSettingsTest::readsWhatEachFileMaySet_data() {
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QByteArray>("system");
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<QString>("classFolder");
    QTest::addColumn<bool>("speech");
    // Each left-out part: the file ("user" or "system"), then the rest of its line.
    QTest::addColumn<QStringList>("problems");
    const QByteArray kioskOn("[Klasse]\nKiosk=true\n");
    QTest::newRow("nothing") << QByteArray() << QByteArray() << false << "" << true
                             << QStringList();
    QTest::newRow("complete class setup")
        << QByteArray()
        << QByteArray("Vorlesen=false\n[Klasse]\nOrdner=/srv/Klasse 2b\nKiosk=true\n") << true
        << "/srv/Klasse 2b" << false << QStringList();
    QTest::newRow("German and numeric switches")
        << QByteArray("Vorlesen=Nein\n") << QByteArray("[Klasse]\nKiosk=JA\n") << true << ""
        << false << QStringList();
    QTest::newRow("kiosk switched off explicitly")
        << QByteArray() << QByteArray("[Klasse]\nKiosk=0\n") << false << "" << true
        << QStringList();
    QTest::newRow("user's file cannot switch kiosk off")
        << QByteArray("[Klasse]\nKiosk=false\n") << kioskOn << true << "" << true
        << QStringList{"user: [Klasse] Kiosk=false: [Klasse] gilt nur in der Datei für alle "
                       "Benutzer; der Eintrag bleibt hier unbeachtet."};
    QTest::newRow("user's reading aloud over the system's")
        << QByteArray("Vorlesen=true\n") << QByteArray("Vorlesen=false\n") << false << "" << true
        << QStringList();
    QTest::newRow("user's bad value leaves the system's")
        << QByteArray("Vorlesen=leise\n") << QByteArray("Vorlesen=false\n") << false << "" << false
        << QStringList{"user: Vorlesen=leise: erwartet wird true oder false; der Eintrag bleibt "
                       "unbeachtet."};
    QTest::newRow("unknown keys")
        << QByteArray("Farbe=blau\n") << QByteArray("[Klasse]\nKiosk=true\nName=2b\n") << true << ""
        << true
        << QStringList{"user: Farbe=blau: unbekannter Eintrag; er bleibt unbeachtet.",
                       "system: [Klasse] Name=2b: unbekannter Eintrag; er bleibt unbeachtet."};
    QTest::newRow("keys are written as documented")
        << QByteArray() << QByteArray("[klasse]\nkiosk=true\n") << false << "" << true
        << QStringList{"system: [klasse] kiosk=true: unbekannter Eintrag; er bleibt unbeachtet."};
    const QString folderExpected =
        QStringLiteral("erwartet wird ein Ordner mit vollem Pfad, etwa /srv/moxabc (mit einem "
                       "Komma im Namen in Anführungszeichen); der Eintrag bleibt unbeachtet.");
    QTest::newRow("bad values")
        << QByteArray() << QByteArray("[Klasse]\nKiosk=vielleicht\nOrdner=klasse\n") << false << ""
        << true
        << QStringList{"system: [Klasse] Kiosk=vielleicht: erwartet wird true oder false; der "
                       "Eintrag bleibt unbeachtet.",
                       "system: [Klasse] Ordner=klasse: " + folderExpected};
    QTest::newRow("unquoted comma in the folder")
        << QByteArray() << QByteArray("[Klasse]\nOrdner=/srv/2b, Deutsch\n") << false << "" << true
        << QStringList{"system: [Klasse] Ordner=/srv/2b, Deutsch: " + folderExpected};
    QTest::newRow("quoted comma in the folder")
        << QByteArray() << QByteArray("[Klasse]\nOrdner=\"/srv/2b, Deutsch\"\n") << false
        << "/srv/2b, Deutsch" << true << QStringList();
    const QString damaged = QStringLiteral("Die Datei ist beschädigt und bleibt unbeachtet.");
    QTest::newRow("damaged system file")
        << QByteArray("Vorlesen=false\n") << QByteArray("[Klasse\nKiosk=true\n") << false << ""
        << false << QStringList{"system: " + damaged};
    QTest::newRow("line without a value")
        << QByteArray() << QByteArray("[Klasse]\nKiosk\nOrdner=/srv/2b\n") << false << "/srv/2b"
        << true
        << QStringList{"system: Zeile 2, Kiosk: ohne \"=\" und Wert; sie bleibt unbeachtet."};
    QTest::newRow("comments") << QByteArray() << QByteArray("; Klasse 2b\n# Kiosk\n") << false << ""
                              << true << QStringList();
    QTest::newRow("latin-1 instead of utf-8")
        << QByteArray() << QByteArray("[Klasse]\nOrdner=/srv/M\xfcller\n") << false << "" << true
        << QStringList{"system: " + damaged};
    QTest::newRow("binary rubbish") << QByteArray("\x00\xff\xfe[[[\n\x01", 8) << kioskOn << true
                                    << "" << true << QStringList{"user: " + damaged};
    QTest::newRow("far too large")
        << QByteArray() << kioskOn + QByteArray(64 * 1024, '\n') << false << "" << true
        << QStringList{"system: Die Datei ist größer als 64 KiB und bleibt unbeachtet."};
}

void ProgramSettingsTest::readsWhatEachFileMaySet() {
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, system);
    QFETCH(bool, kiosk);
    QFETCH(QString, classFolder);
    QFETCH(bool, speech);
    QFETCH(QStringList, problems);
    QTemporaryDir dir;
    const ProgramSettings::Files files{dir.filePath(QStringLiteral("user")),
                                       {dir.filePath(QStringLiteral("system"))}};
    if (!user.isEmpty())
        write(files.user, user);
    if (!system.isEmpty())
        write(files.system.first(), system);
    const ProgramSettings settings(files);
    QCOMPARE(settings.kiosk(), kiosk);
    QCOMPARE(settings.classFolder(), classFolder);
    QCOMPARE(settings.classFolderFile(), classFolder.isEmpty() ? QString() : files.system.first());
    QCOMPARE(settings.speechOn(), speech);
    QStringList expected;
    for (const QString& problem : problems)
        expected.append(dir.filePath(problem));
    QCOMPARE(settings.problems(), expected);
}

void ProgramSettingsTest::speechSwitchIsTheUsersOwn() {
    QTemporaryDir dir;
    const ProgramSettings::Files files{dir.filePath(QStringLiteral("home/moxabc/moxabc.conf")),
                                       {dir.filePath(QStringLiteral("system"))}};
    write(files.system.first(), "Vorlesen=false\n[Klasse]\nKiosk=true\n");
    ProgramSettings settings(files);
    QVERIFY(settings.setSpeechOn(true));
    QVERIFY(settings.speechOn());
    const ProgramSettings later(files);
    QVERIFY(later.speechOn());
    QVERIFY(later.kiosk());
    QVERIFY(later.problems().isEmpty());
}

QTEST_GUILESS_MAIN(ProgramSettingsTest)
#include "tst_program_settings.moc"
