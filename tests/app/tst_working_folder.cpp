#include "app/working_folder.h"
#include "platform/program_settings.h"
#include "scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kSampleSettings(" 30 \r\n");
const QByteArray kSampleWords("Affe\r\n8\r\nApfel\r\n10\r\n");

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QProcessEnvironment environment(const QMap<QString, QString>& variables) {
    QProcessEnvironment result;
    for (auto it = variables.begin(); it != variables.end(); ++it)
        result.insert(it.key(), it.value());
    return result;
}

WorkingFolder::Choice usersOwn(const QString& folder) {
    return {folder, WorkingFolder::Choice::Origin::User, {}};
}

} // namespace

// A user's first and later starts, each in a home folder of its own.
class WorkingFolderTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void chosenFolder_data();
    void chosenFolder();
    void firstStartSeedsTheUsersFolder();
    void laterStartsKeepWhatTheTeacherChanged();
    void emptyFolderMadeBeforehandIsSeeded();
    void unusableFolderIsNamedWithTheReason_data();
    void unusableFolderIsNamedWithTheReason();
    void classFolderIsNeverMade();

private:
    QString home() const { return home_->path(); }
    QString samples() const { return samples_->path(); }

    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<QTemporaryDir> samples_;
    QString startFolder_;
    ScriptedDialogs dialogs_;
};

void WorkingFolderTest::init() {
    startFolder_ = QDir::currentPath();
    home_ = std::make_unique<QTemporaryDir>();
    samples_ = std::make_unique<QTemporaryDir>();
    write(samples_->filePath(QStringLiteral("MOXABC.INI")), kSampleSettings);
    write(samples_->filePath(QStringLiteral("MOXABC.TXT")), kSampleWords);
    dialogs_.reset();
}

void WorkingFolderTest::cleanup() {
    QDir::setCurrent(startFolder_);
}

void WorkingFolderTest::chosenFolder_data() {
    QTest::addColumn<QString>("moxabcHome");
    QTest::addColumn<QString>("xdgDataHome");
    // The settings files of the user and of the folders a and b of XDG_CONFIG_DIRS.
    QTest::addColumn<QByteArrayList>("files");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("problems"); // "a" for a's file, then what is left out
    using Files = QByteArrayList;
    const QByteArray klasse("[Klasse]\nOrdner=/srv/2b\n");
    const QString perUser = QStringLiteral("/home/kim/.local/share/moxabc");
    const QStringList none;
    QTest::newRow("default") << QString() << QString() << Files() << perUser << none;
    QTest::newRow("data home") << QString() << "/d/" << Files() << "/d/moxabc" << none;
    QTest::newRow("relative data home ignored")
        << QString() << "data" << Files() << perUser << none;
    QTest::newRow("own folder wins") << QString("/srv/2b") << "/d" << Files() << "/srv/2b" << none;
    QTest::newRow("class folder over data home")
        << QString() << "/srv/data" << Files{"", klasse} << "/srv/2b" << none;
    QTest::newRow("own folder over class folder")
        << "/probe" << QString() << Files{"", klasse} << "/probe" << none;
    QTest::newRow("user cannot move it")
        << QString() << QString() << Files{"[Klasse]\nOrdner=/frei\n", klasse} << "/srv/2b"
        << QStringList{"user: [Klasse] Ordner=/frei: gilt nur in der Datei für alle Benutzer"};
    QTest::newRow("first folder first")
        << QString() << QString() << Files{"", "[Klasse]\nOrdner=/a\n", klasse} << "/a" << none;
    QTest::newRow("unknown keys, bad values")
        << QString() << QString() << Files{"Farbe=1\n", "[Klasse]\nKiosk=nie\nOrdner=2b\n", klasse}
        << "/srv/2b"
        << QStringList{"user: Farbe=1: unbekannt",
                       "a: [Klasse] Kiosk=nie: erwartet true oder false",
                       "a: [Klasse] Ordner=2b: erwartet einen Ordner mit vollem Pfad (mit Komma in "
                       "Anführungszeichen)"};
    QTest::newRow("damaged") << QString() << QString() << Files{"\x01", "[Klasse\nOrdner=/a\n"}
                             << perUser << QStringList{"user: beschädigt", "a: beschädigt"};
}

void WorkingFolderTest::chosenFolder() {
    QFETCH(QString, moxabcHome);
    QFETCH(QString, xdgDataHome);
    QFETCH(QByteArrayList, files);
    QFETCH(QString, expected);
    QFETCH(QStringList, problems);
    const QStringList folders{"user", "a", "b"};
    for (qsizetype i = 0; i < files.size(); ++i) {
        QVERIFY(QDir(home()).mkpath(folders[i] + "/moxabc"));
        write(home() + u'/' + folders[i] + "/moxabc/moxabc.conf", files[i]);
    }
    for (QString& problem : problems)
        problem = home() + u'/' + problem.insert(problem.indexOf(u':'), "/moxabc/moxabc.conf") +
                  "; nicht beachtet.";
    QMap<QString, QString> variables{{"HOME", "/home/kim"},
                                     {"XDG_CONFIG_HOME", home() + "/user"},
                                     {"XDG_CONFIG_DIRS", home() + "/a:" + home() + "/b"}};
    if (!moxabcHome.isEmpty())
        variables.insert(QStringLiteral("MOXABC_HOME"), moxabcHome);
    if (!xdgDataHome.isEmpty())
        variables.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome);
    const ProgramSettings settings(ProgramSettings::filesFor(environment(variables)));
    QCOMPARE(WorkingFolder::choose(environment(variables), settings).folder, expected);
    QCOMPARE(settings.problems(), problems);
}

void WorkingFolderTest::firstStartSeedsTheUsersFolder() {
    QFile::setPermissions(samples_->filePath(QStringLiteral("MOXABC.INI")), QFile::ReadOwner);
    const ProgramSettings nothingSet({home_->filePath(QStringLiteral("none.conf")), {}});
    const WorkingFolder::Choice folder =
        WorkingFolder::choose(environment({{"HOME", home()}}), nothingSet);
    QVERIFY(WorkingFolder::enter(folder, samples(), dialogs_));
    QVERIFY2(dialogs_.ok(), qPrintable(dialogs_.report()));
    QCOMPARE(QDir::currentPath(), home() + QStringLiteral("/.local/share/moxabc"));
    QCOMPARE(read(QStringLiteral("MOXABC.INI")), kSampleSettings);
    QCOMPARE(read(QStringLiteral("MOXABC.TXT")), kSampleWords);
    QVERIFY(QFile::permissions(QStringLiteral("MOXABC.INI")) & QFile::WriteOwner);
}

void WorkingFolderTest::laterStartsKeepWhatTheTeacherChanged() {
    const QString folder = home() + QStringLiteral("/moxabc");
    QVERIFY(WorkingFolder::enter(usersOwn(folder), samples(), dialogs_));
    write(folder + QStringLiteral("/MOXABC.INI"), " 55 \r\n");
    write(folder + QStringLiteral("/MOXABC2.TXT"), "Zebra\r\n99\r\n");
    QVERIFY(QFile::remove(folder + QStringLiteral("/MOXABC.TXT")));

    QVERIFY(WorkingFolder::enter(usersOwn(folder), samples(), dialogs_));
    QVERIFY2(dialogs_.ok(), qPrintable(dialogs_.report()));
    QCOMPARE(read(folder + QStringLiteral("/MOXABC.INI")), QByteArray(" 55 \r\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             QStringList({QStringLiteral("MOXABC.INI"), QStringLiteral("MOXABC2.TXT")}));
}

void WorkingFolderTest::emptyFolderMadeBeforehandIsSeeded() {
    QVERIFY(WorkingFolder::enter(usersOwn(home()), samples(), dialogs_));
    QVERIFY2(dialogs_.ok(), qPrintable(dialogs_.report()));
    QCOMPARE(QDir(home()).entryList(QDir::Files),
             QStringList({QStringLiteral("MOXABC.INI"), QStringLiteral("MOXABC.TXT")}));
}

void WorkingFolderTest::unusableFolderIsNamedWithTheReason_data() {
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>("folder");
    QTest::newRow("file in its place") << "moxabc"
                                       << "moxabc";
    QTest::newRow("file on the way") << ".local"
                                     << ".local/share/moxabc";
}

void WorkingFolderTest::unusableFolderIsNamedWithTheReason() {
    QFETCH(QString, blocker);
    QFETCH(QString, folder);
    write(home_->filePath(blocker), "Notizen");
    const QString path = home_->filePath(folder);
    dialogs_.expectMessage(QStringLiteral("MOX-ABC kann seinen Ordner für die Wortlisten und "
                                          "Einstellungen nicht benutzen:\r") +
                               path +
                               QStringLiteral("\r\rDer Ordner lässt sich nicht anlegen. An seiner "
                                              "Stelle oder auf dem Weg dorthin liegt eine "
                                              "Datei.\r\rEin anderer Ordner lässt sich mit der "
                                              "Umgebungsvariablen MOXABC_HOME wählen."),
                           QStringLiteral("MOX-ABC"), MsgBox::OkOnly);
    QVERIFY(!WorkingFolder::enter(usersOwn(path), samples(), dialogs_));
    QVERIFY2(dialogs_.ok(), qPrintable(dialogs_.report()));
    QCOMPARE(QDir::currentPath(), startFolder_);
    QCOMPARE(read(home_->filePath(blocker)), QByteArray("Notizen"));
}

void WorkingFolderTest::classFolderIsNeverMade() {
    const QString path = home_->filePath(QStringLiteral("klasse"));
    dialogs_.expectMessage("MOX-ABC kann seinen Ordner für die Wortlisten und Einstellungen nicht "
                           "benutzen:\r" +
                               path +
                               "\r\rDen Ordner gibt es nicht.\r\rDer Ordner ist "
                               "für alle Benutzer in /etc/moxabc.conf unter [Klasse] eingetragen.",
                           "MOX-ABC", MsgBox::OkOnly);
    QVERIFY(!WorkingFolder::enter({path, WorkingFolder::Choice::Origin::Class, "/etc/moxabc.conf"},
                                  samples(), dialogs_));
    QVERIFY2(dialogs_.ok(), qPrintable(dialogs_.report()));
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_GUILESS_MAIN(WorkingFolderTest)
#include "tst_working_folder.moc"
