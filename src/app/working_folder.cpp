#include "app/working_folder.h"

#include "platform/dialogs.h"

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

QString failureMessage(const QString& folder, const QString& reason) {
    return QStringLiteral("MOX-ABC kann seinen Ordner für die Wortlisten und Einstellungen nicht "
                          "benutzen:\r%1\r\r%2\r\rEin anderer Ordner lässt sich mit der "
                          "Umgebungsvariablen MOXABC_HOME wählen.")
        .arg(folder, reason);
}
} // namespace

namespace WorkingFolder {

QString location(const QProcessEnvironment& environment) {
    const QString own = environment.value(QStringLiteral("MOXABC_HOME"));
    if (!own.isEmpty())
        return QDir::cleanPath(QDir(own).absolutePath());
    // Only an absolute XDG_DATA_HOME counts; a relative one would move with the current folder.
    const QString data = environment.value(QStringLiteral("XDG_DATA_HOME"));
    if (QDir::isAbsolutePath(data))
        return QDir::cleanPath(data + QStringLiteral("/moxabc"));
    QString home = environment.value(QStringLiteral("HOME"));
    if (home.isEmpty())
        home = QDir::rootPath();
    return QDir::cleanPath(home + QStringLiteral("/.local/share/moxabc"));
}

QString prepare(const QString& folder, const QString& samples) {
    const fs::path path = nativePath(folder);
    std::error_code error;
    fs::create_directories(path, error);
    if (!error && !fs::is_directory(path, error))
        error = std::make_error_code(std::errc::not_a_directory);
    if (error)
        return QStringLiteral("Der Ordner lässt sich nicht anlegen. %1").arg(why(error));
    if (::access(path.c_str(), W_OK | X_OK) != 0)
        return QStringLiteral("In den Ordner lässt sich nicht schreiben. %1")
            .arg(why(std::error_code(errno, std::generic_category())));
    const bool empty = fs::is_empty(path, error);
    if (error)
        return QStringLiteral("Der Ordner lässt sich nicht lesen. %1").arg(why(error));
    return empty ? seed(path, samples) : QString();
}

bool enter(const QString& folder, const QString& samples, Dialogs& dialogs) {
    QString reason = prepare(folder, samples);
    if (reason.isEmpty() && !QDir::setCurrent(folder))
        reason = QStringLiteral("Der Ordner lässt sich nicht öffnen.");
    if (reason.isEmpty())
        return true;
    dialogs.msgBox(failureMessage(folder, reason), MsgBox::OkOnly, kTitle);
    return false;
}

} // namespace WorkingFolder
