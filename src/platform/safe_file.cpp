#include "platform/safe_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace SafeFile {

namespace {
bool isRegular(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}
} // namespace

Found find(const QString& path) {
    struct stat entry {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0)
        return {Kind::Missing, path};
    if (S_ISREG(entry.st_mode))
        return {Kind::Regular, path};
    if (!S_ISLNK(entry.st_mode))
        return {Kind::NotRegular, path};
    const QFileInfo link(path);
    const QString target = link.canonicalFilePath();
    if (target.isEmpty()) // leads to nothing
        return {QFileInfo(link.symLinkTarget()).absolutePath() == link.absolutePath()
                    ? Kind::NotRegular
                    : Kind::LinkOutOfFolder,
                path};
    if (QFileInfo(target).absolutePath() != QFileInfo(link.absolutePath()).canonicalFilePath())
        return {Kind::LinkOutOfFolder, path};
    if (!isRegular(target))
        return {Kind::NotRegular, path};
    return {Kind::Regular, target};
}

bool openForReading(QFile& file, const QString& path) {
    const Found found = find(path);
    if (found.kind != Kind::Regular)
        return false;
    // Not following a link here: the target was checked, a link put there meanwhile was not.
    const int handle = ::open(QFile::encodeName(found.target).constData(),
                              O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (handle < 0)
        return false;
    struct stat opened {};
    if (::fstat(handle, &opened) != 0 || !S_ISREG(opened.st_mode) ||
        !file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return false;
    }
    return true;
}

WriteResult writeTarget(const QString& path, QString& target) {
    const Found found = find(path);
    switch (found.kind) {
    case Kind::Missing:
    case Kind::Regular:
        target = found.target;
        return {};
    case Kind::NotRegular:
        return {WriteResult::NotRegularFile};
    case Kind::LinkOutOfFolder:
        return {WriteResult::LinkOutOfFolder};
    }
    return {WriteResult::Failed};
}

WriteResult commit(QSaveFile& file) {
    // QSaveFile::commit() would go on after a failed flush and leave an empty or cut file.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const bool full = file.error() == QFileDevice::ResourceError;
        file.cancelWriting();
        return {full ? WriteResult::DiskFull : WriteResult::Failed};
    }
    // A network share may tell of a full disk only here.
    if (::fsync(file.handle()) != 0) {
        const bool full = errno == ENOSPC || errno == EDQUOT;
        file.cancelWriting();
        return {full ? WriteResult::DiskFull : WriteResult::Failed};
    }
    if (!file.commit())
        return {noSpaceLeft(QFileInfo(file.fileName()).absolutePath()) ? WriteResult::DiskFull
                                                                       : WriteResult::Failed};
    return {};
}

bool noSpaceLeft(const QString& folder) {
    struct statvfs space {};
    if (::statvfs(QFile::encodeName(folder).constData(), &space) != 0)
        return false;
    // Some file systems count no file slots at all.
    return space.f_bavail == 0 || (space.f_files > 0 && space.f_favail == 0);
}

QString reason(WriteResult result) {
    switch (result.error) {
    case WriteResult::DiskFull:
        return QStringLiteral("Das Laufwerk ist voll.");
    case WriteResult::NotRegularFile:
        return QStringLiteral("Unter ihrem Namen steht ein Ordner oder eine besondere Datei, "
                              "und die lässt MOX-ABC, wie sie ist.");
    case WriteResult::LinkOutOfFolder:
        return QStringLiteral("Sie ist eine Verknüpfung auf eine Datei außerhalb des Ordners, "
                              "und dorthin schreibt MOX-ABC nicht.");
    case WriteResult::None:
    case WriteResult::Failed:
        break;
    }
    return {};
}

} // namespace SafeFile
