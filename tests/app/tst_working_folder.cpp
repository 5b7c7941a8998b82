#include "app/working_folder.h"
#include "platform/program_settings.h"
#include "read_only_view.h"
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

QString unusable(const QString& folder, const QString& reason, const QString& remedy) {
    return QStringLiteral("MOX-ABC kann seinen Ordner für die Wortlisten und Einstellungen nicht "
                          "benutzen:\r") +
           folder + QStringLiteral("\r\r") + reason + QStringLiteral("\r\r") + remedy;
}

const QString kOwnFolderRemedy =
    QStringLiteral("Ein anderer Ordner lässt sich mit der Umgebungsvariablen MOXABC_HOME wählen.");
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
    void readOnlyFolderServesAsItIs_data();
    void readOnlyFolderServesAsItIs();

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
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QByteArrayList>("system");
    QTest::addColumn<QString>("expected");
    const QByteArray klasse2("[Klasse]\nOrdner=/srv/klasse2\n");
    QTest::newRow("default") << ""
                             << "" << QByteArray() << QByteArrayList()
                             << "/home/kim/.local/share/moxabc";
    QTest::newRow("data home") << ""
                               << "/srv/data/" << QByteArray() << QByteArrayList()
                               << "/srv/data/moxabc";
    QTest::newRow("relative data home ignored")
        << ""
        << "data" << QByteArray() << QByteArrayList() << "/home/kim/.local/share/moxabc";
    QTest::newRow("own folder wins")
        << "/srv/klasse2"
        << "/srv/data" << QByteArray() << QByteArrayList() << "/srv/klasse2";
    QTest::newRow("class folder for every account")
        << ""
        << "" << QByteArray() << QByteArrayList{klasse2} << "/srv/klasse2";
    QTest::newRow("class folder over data home")
        << ""
        << "/srv/data" << QByteArray() << QByteArrayList{klasse2} << "/srv/klasse2";
    QTest::newRow("own folder over class folder")
        << "/home/kim/probe"
        << "" << QByteArray() << QByteArrayList{klasse2} << "/home/kim/probe";
    QTest::newRow("user cannot name a class folder")
        << ""
        << "" << QByteArray("[Klasse]\nOrdner=/home/kim/frei\n") << QByteArrayList()
        << "/home/kim/.local/share/moxabc";
    QTest::newRow("user cannot move the class folder")
        << ""
        << "" << QByteArray("[Klasse]\nOrdner=/home/kim/frei\n") << QByteArrayList{klasse2}
        << "/srv/klasse2";
    QTest::newRow("first configuration folder wins")
        << ""
        << "" << QByteArray()
        << QByteArrayList{"[Klasse]\nOrdner=/srv/a\n", "[Klasse]\nOrdner=/srv/b\n"} << "/srv/a";
    QTest::newRow("later configuration folder fills in")
        << ""
        << "" << QByteArray() << QByteArrayList{"[Klasse]\nKiosk=true\n", klasse2}
        << "/srv/klasse2";
    QTest::newRow("relative class folder ignored")
        << ""
        << "" << QByteArray() << QByteArrayList{"[Klasse]\nOrdner=klasse2\n"}
        << "/home/kim/.local/share/moxabc";
    QTest::newRow("damaged system file ignored")
        << ""
        << "" << QByteArray() << QByteArrayList{"[Klasse\nOrdner=/srv/klasse2\n"}
        << "/home/kim/.local/share/moxabc";
    QTest::newRow("tidied") << ""
                            << "" << QByteArray()
                            << QByteArrayList{"[Klasse]\nOrdner = /srv//klasse2/ \n"}
                            << "/srv/klasse2";
}

void WorkingFolderTest::chosenFolder() {
    QFETCH(QString, moxabcHome);
    QFETCH(QString, xdgDataHome);
    QFETCH(QByteArray, user);
    QFETCH(QByteArrayList, system);
    QFETCH(QString, expected);
    QMap<QString, QString> variables{{QStringLiteral("HOME"), QStringLiteral("/home/kim")}};
    if (!moxabcHome.isEmpty())
        variables.insert(QStringLiteral("MOXABC_HOME"), moxabcHome);
    if (!xdgDataHome.isEmpty())
        variables.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome);
    ProgramSettings::Files files{home_->filePath(QStringLiteral("user.conf")), {}};
    if (!user.isEmpty())
        write(files.user, user);
    for (const QByteArray& content : system) {
        files.system.append(
            home_->filePath(QStringLiteral("system%1.conf").arg(files.system.size())));
        write(files.system.last(), content);
    }
    QCOMPARE(WorkingFolder::choose(environment(variables), ProgramSettings(files)).folder,
             expected);
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
    QTest::addColumn<bool>("classFolder");
    QTest::addColumn<QString>("reason");
    const QString fileInTheWay =
        QStringLiteral("Der Ordner lässt sich nicht anlegen. An seiner "
                       "Stelle oder auf dem Weg dorthin liegt eine Datei.");
    QTest::newRow("file in its place") << "moxabc"
                                       << "moxabc" << false << fileInTheWay;
    QTest::newRow("file on the way") << ".local"
                                     << ".local/share/moxabc" << false << fileInTheWay;
    QTest::newRow("class folder missing") << ""
                                          << "klasse" << true << "Den Ordner gibt es nicht.";
    QTest::newRow("file in the class folder's place")
        << "klasse"
        << "klasse" << true << "An seiner Stelle liegt eine Datei.";
}

void WorkingFolderTest::unusableFolderIsNamedWithTheReason() {
    QFETCH(QString, blocker);
    QFETCH(QString, folder);
    QFETCH(bool, classFolder);
    QFETCH(QString, reason);
    if (!blocker.isEmpty())
        write(home_->filePath(blocker), "Notizen");
    const QString path = home_->filePath(folder);
    const QString file = QStringLiteral("/etc/xdg/moxabc/moxabc.conf");
    const WorkingFolder::Choice choice =
        classFolder ? WorkingFolder::Choice{path, WorkingFolder::Choice::Origin::Class, file}
                    : usersOwn(path);
    const QString remedy = classFolder ? QStringLiteral("Der Ordner ist für alle Benutzer in ") +
                                             file + QStringLiteral(" unter [Klasse] eingetragen.")
                                       : kOwnFolderRemedy;
    dialogs_.expectMessage(unusable(path, reason, remedy), QStringLiteral("MOX-ABC"),
                           MsgBox::OkOnly);
    QVERIFY(!WorkingFolder::enter(choice, samples(), dialogs_));
    QVERIFY2(dialogs_.ok(), qPrintable(dialogs_.report()));
    QCOMPARE(QDir::currentPath(), startFolder_);
    QVERIFY(!QFileInfo(path).isDir());
    if (!blocker.isEmpty())
        QCOMPARE(read(home_->filePath(blocker)), QByteArray("Notizen"));
}

void WorkingFolderTest::readOnlyFolderServesAsItIs_data() {
    QTest::addColumn<QStringList>("files");
    QTest::newRow("the teacher's class folder") << QStringList{"MOXABC.INI", "MOXABC2.TXT"};
    QTest::newRow("empty, so never seeded") << QStringList();
}

void WorkingFolderTest::readOnlyFolderServesAsItIs() {
    QFETCH(QStringList, files);
    const QString shared = home_->filePath(QStringLiteral("klasse"));
    QVERIFY(QDir().mkpath(shared));
    for (const QString& name : files)
        write(shared + u'/' + name, name.toLatin1());
    ReadOnlyView view(shared);
    QVERIFY2(view.error().isEmpty(), qPrintable(view.error()));
    for (const auto origin :
         {WorkingFolder::Choice::Origin::Class, WorkingFolder::Choice::Origin::Environment}) {
        QVERIFY(WorkingFolder::enter({view.path(), origin, {}}, samples(), dialogs_));
        QVERIFY2(dialogs_.ok(), qPrintable(dialogs_.report()));
        QCOMPARE(QDir::currentPath(), view.path());
        QCOMPARE(QDir::current().entryList(QDir::Files), files);
    }
    for (const QString& name : files)
        QCOMPARE(read(shared + u'/' + name), name.toLatin1());
}

QTEST_GUILESS_MAIN(WorkingFolderTest)
#include "tst_working_folder.moc"
