#include "app/working_folder.h"

#include "platform/dialogs.h"
#include "platform/program_settings.h"
#include "platform/write_access.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
const QString kTitle = QStringLiteral("MOX-ABC");

fs::path nativePath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

// The system's reasons in words a teacher understands; the rare rest in the system's words.
QString why(const std::error_code& error) {
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return QStringLiteral("Es fehlt die Berechtigung dazu.");
    if (error == std::errc::read_only_file_system)
        return QStringLiteral("Das Laufwerk ist schreibgeschützt.");
    if (error == std::errc::no_space_on_device)
        return QStringLiteral("Auf dem Laufwerk ist kein Platz mehr.");
    if (error == std::errc::not_a_directory || error == std::errc::file_exists)
        return QStringLiteral("An seiner Stelle oder auf dem Weg dorthin liegt eine Datei.");
    return QStringLiteral("Fehler des Systems: %1.").arg(QString::fromStdString(error.message()));
}

// Copies every file of samples into folder; on failure takes back what it copied, so that the
// next start finds the folder empty again and tries once more.
QString seed(const fs::path& folder, const QString& samples) {
    const QStringList names = QDir(samples).entryList(QDir::Files, QDir::Name);
    QList<fs::path> copied;
    for (const QString& name : names) {
        const fs::path target = folder / nativePath(name);
        std::error_code error;
        fs::copy_file(nativePath(QDir(samples).filePath(name)), target, error);
        // A sample shipped read-only must not make the user's copy read-only: it is there to be
        // changed.
        if (!error)
            fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write,
                            fs::perm_options::add, error);
        if (error) {
            std::error_code ignored;
            if (error != std::errc::file_exists)
                fs::remove(target, ignored);
            for (const fs::path& done : copied)
                fs::remove(done, ignored);
            return QStringLiteral("Die Beispieldatei %1 lässt sich nicht hineinkopieren. %2")
                .arg(name, why(error));
        }
        copied.append(target);
    }
    return {};
}

QString failureMessage(const WorkingFolder::Choice& choice, const QString& reason) {
    const QString remedy =
        choice.origin == WorkingFolder::Choice::Origin::Class
            ? QStringLiteral("Der Ordner ist für alle Benutzer in %1 unter [Klasse] eingetragen.")
                  .arg(choice.namedIn)
            : QStringLiteral("Ein anderer Ordner lässt sich mit der Umgebungsvariablen MOXABC_HOME "
                             "wählen.");
    return QStringLiteral("MOX-ABC kann seinen Ordner für die Wortlisten und Einstellungen nicht "
                          "benutzen:\r%1\r\r%2\r\r%3")
        .arg(choice.folder, reason, remedy);
}
} // namespace

namespace WorkingFolder {

Choice choose(const QProcessEnvironment& environment, const ProgramSettings& settings) {
    const QString own = environment.value(QStringLiteral("MOXABC_HOME"));
    if (!own.isEmpty())
        return {QDir::cleanPath(QDir(own).absolutePath()), Choice::Origin::Environment, {}};
    if (!settings.classFolder().isEmpty())
        return {settings.classFolder(), Choice::Origin::Class, settings.classFolderFile()};
    // Only an absolute XDG_DATA_HOME counts; a relative one would move with the current folder.
    const QString data = environment.value(QStringLiteral("XDG_DATA_HOME"));
    if (QDir::isAbsolutePath(data))
        return {QDir::cleanPath(data + QStringLiteral("/moxabc")), Choice::Origin::User, {}};
    QString home = environment.value(QStringLiteral("HOME"));
    if (home.isEmpty())
        home = QDir::rootPath();
    return {
        QDir::cleanPath(home + QStringLiteral("/.local/share/moxabc")), Choice::Origin::User, {}};
}

QString prepare(const Choice& choice, const QString& samples) {
    const fs::path path = nativePath(choice.folder);
    std::error_code error;
    if (choice.origin == Choice::Origin::Class) {
        // Made by whoever sets up the class, with the rights the teacher and the children need.
        if (!fs::exists(path, error))
            return QStringLiteral("Den Ordner gibt es nicht.");
        if (!fs::is_directory(path, error))
            return QStringLiteral("An seiner Stelle liegt eine Datei.");
    } else {
        fs::create_directories(path, error);
        if (!error && !fs::is_directory(path, error))
            error = std::make_error_code(std::errc::not_a_directory);
        if (error)
            return QStringLiteral("Der Ordner lässt sich nicht anlegen. %1").arg(why(error));
    }
    if (::access(path.c_str(), R_OK | X_OK) != 0)
        return QStringLiteral("Der Ordner lässt sich nicht lesen. %1")
            .arg(why(std::error_code(errno, std::generic_category())));
    const bool empty = fs::is_empty(path, error);
    if (error)
        return QStringLiteral("Der Ordner lässt sich nicht lesen. %1").arg(why(error));
    // A read-only folder that holds nothing yet stays empty: the program starts without a word
    // list, and says that the settings file is missing.
    if (!empty || !WriteAccess::folderWritable(choice.folder))
        return {};
    return seed(path, samples);
}

bool enter(const Choice& choice, const QString& samples, Dialogs& dialogs) {
    QString reason = prepare(choice, samples);
    if (reason.isEmpty() && !QDir::setCurrent(choice.folder))
        reason = QStringLiteral("Der Ordner lässt sich nicht öffnen.");
    if (reason.isEmpty())
        return true;
    dialogs.msgBox(failureMessage(choice, reason), MsgBox::OkOnly, kTitle);
    return false;
}

} // namespace WorkingFolder
