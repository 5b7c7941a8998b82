#include "app/working_folder.h"
#include "scripted_dialogs.h"

#include <QDir>
#include <QFile>
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
} // namespace

// A user's first and later starts, each in a home folder of its own.
class WorkingFolderTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void location_data();
    void location();
    void firstStartSeedsTheUsersFolder();
    void laterStartsKeepWhatTheTeacherChanged();
    void emptyFolderMadeBeforehandIsSeeded();
    void unusableFolderIsNamedWithTheReason_data();
    void unusableFolderIsNamedWithTheReason();

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

void WorkingFolderTest::location_data() {
    QTest::addColumn<QString>("moxabcHome");
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default") << ""
                             << ""
                             << "/home/kim/.local/share/moxabc";
    QTest::newRow("data home") << ""
                               << "/srv/data/"
                               << "/srv/data/moxabc";
    QTest::newRow("relative data home ignored") << ""
                                                << "data"
                                                << "/home/kim/.local/share/moxabc";
    QTest::newRow("own folder wins") << "/srv/klasse2"
                                     << "/srv/data"
                                     << "/srv/klasse2";
}

void WorkingFolderTest::location() {
    QFETCH(QString, moxabcHome);
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, expected);
    QMap<QString, QString> variables{{QStringLiteral("HOME"), QStringLiteral("/home/kim")}};
    if (!moxabcHome.isEmpty())
        variables.insert(QStringLiteral("MOXABC_HOME"), moxabcHome);
    if (!xdgDataHome.isEmpty())
        variables.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome);
    QCOMPARE(WorkingFolder::location(environment(variables)), expected);
}

void WorkingFolderTest::firstStartSeedsTheUsersFolder() {
    QFile::setPermissions(samples_->filePath(QStringLiteral("MOXABC.INI")), QFile::ReadOwner);
    const QString folder = WorkingFolder::location(environment({{"HOME", home()}}));
    QVERIFY(WorkingFolder::enter(folder, samples(), dialogs_));
    QVERIFY2(dialogs_.ok(), qPrintable(dialogs_.report()));
    QCOMPARE(QDir::currentPath(), home() + QStringLiteral("/.local/share/moxabc"));
    QCOMPARE(read(QStringLiteral("MOXABC.INI")), kSampleSettings);
    QCOMPARE(read(QStringLiteral("MOXABC.TXT")), kSampleWords);
    QVERIFY(QFile::permissions(QStringLiteral("MOXABC.INI")) & QFile::WriteOwner);
}

void WorkingFolderTest::laterStartsKeepWhatTheTeacherChanged() {
    const QString folder = home() + QStringLiteral("/moxabc");
    QVERIFY(WorkingFolder::enter(folder, samples(), dialogs_));
    write(folder + QStringLiteral("/MOXABC.INI"), " 55 \r\n");
    write(folder + QStringLiteral("/MOXABC2.TXT"), "Zebra\r\n99\r\n");
    QVERIFY(QFile::remove(folder + QStringLiteral("/MOXABC.TXT")));

    QVERIFY(WorkingFolder::enter(folder, samples(), dialogs_));
    QVERIFY2(dialogs_.ok(), qPrintable(dialogs_.report()));
    QCOMPARE(read(folder + QStringLiteral("/MOXABC.INI")), QByteArray(" 55 \r\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             QStringList({QStringLiteral("MOXABC.INI"), QStringLiteral("MOXABC2.TXT")}));
}

void WorkingFolderTest::emptyFolderMadeBeforehandIsSeeded() {
    QVERIFY(WorkingFolder::enter(home(), samples(), dialogs_));
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
    QVERIFY(!WorkingFolder::enter(path, samples(), dialogs_));
    QVERIFY2(dialogs_.ok(), qPrintable(dialogs_.report()));
    QCOMPARE(QDir::currentPath(), startFolder_);
    QCOMPARE(read(home_->filePath(blocker)), QByteArray("Notizen"));
}

QTEST_GUILESS_MAIN(WorkingFolderTest)
#include "tst_working_folder.moc"
