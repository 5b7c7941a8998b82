#include "klasse/record_book.h"

#include "platform/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
// A school year of one child on one computer is about 2 MB; a file far larger is not read whole.
constexpr qint64 kMaxFileBytes = 256 * 1024 * 1024;

QString childPrefix(int childId) {
    return QStringLiteral("kind%1@").arg(childId);
}

// Writes all bytes; a last line left without its end by an earlier failure is closed first, so
// that only that line is lost.
int append(const QString& path, const QByteArray& line) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    int error = 0;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        error = errno;
    } else if (!S_ISREG(status.st_mode)) {
        error = EINVAL;
    } else {
        QByteArray bytes = line;
        char last = '\n';
        if (status.st_size > 0 && ::pread(fd, &last, 1, status.st_size - 1) == 1 && last != '\n')
            bytes.prepend('\n');
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t written = ::write(fd, bytes.constData() + done, bytes.size() - done);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                error = errno;
                break;
            }
            done += written;
        }
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}
} // namespace

RecordBook::RecordBook(const QString& folder, const QString& computer)
    : folder_(QDir::cleanPath(folder))
    , computer_(computerName(computer)) {}

QString RecordBook::computerName(const QString& hostName) {
    QString name;
    for (const QChar c : hostName) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                           (c >= u'0' && c <= u'9') || c == u'-' || c == u'.';
        name += plain ? c : u'_';
    }
    return name.isEmpty() ? QStringLiteral("rechner") : name;
}

QString RecordBook::fileName(int childId) const {
    return folder_ + u'/' + childPrefix(childId) + computer_ + QStringLiteral(".txt");
}

bool RecordBook::record(int childId, const TaskRecord& task) {
    int error = 0;
    if (!QDir().mkpath(folder_))
        error = QFileInfo::exists(folder_) ? ENOTDIR : ENOENT;
    else
        error = append(fileName(childId), recordLine(task));
    if (error != 0 && notice_.isEmpty() && !noticeGiven_)
        notice_ = failure(error);
    return error == 0;
}

QString RecordBook::failure(int error) const {
    QString why;
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        why = QStringLiteral("Er ist schreibgeschützt.");
        break;
    case ENOSPC:
    case EDQUOT:
        why = SafeFile::reason({WriteResult::DiskFull});
        break;
    case ENOENT:
    case ENOTDIR:
        why = QStringLiteral("Er fehlt und lässt sich nicht anlegen.");
        break;
    case ELOOP:
    case EINVAL:
        why = QStringLiteral("Eine der Dateien darin ist keine gewöhnliche Datei.");
        break;
    default:
        why = QStringLiteral("Das System meldet den Fehler %1.").arg(error);
        break;
    }
    return QStringLiteral("In den Ordner für den Lernstand\r%1\rkann MOX-ABC nicht schreiben: "
                          "%2\rDie Kinder können weiter üben, aber was sie tun, wird nicht "
                          "aufgeschrieben.\r")
        .arg(QDir::toNativeSeparators(folder_), why);
}

QString RecordBook::takeNotice() {
    if (notice_.isEmpty())
        return {};
    noticeGiven_ = true;
    return std::exchange(notice_, QString());
}

QStringList RecordBook::childFiles(int childId) const {
    const QDir dir(folder_);
    QStringList files;
    for (const QString& name : dir.entryList({childPrefix(childId) + QStringLiteral("*.txt")},
                                             QDir::Files | QDir::NoSymLinks, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

RecordBook::ChildTasks RecordBook::read(int childId) const {
    ChildTasks result;
    RecordTexts texts;
    bool sorted = true;
    for (const QString& path : childFiles(childId)) {
        QFile file(path);
        if (file.size() > kMaxFileBytes || !file.open(QIODevice::ReadOnly)) {
            ++result.skippedLines;
            continue;
        }
        const QByteArray bytes = file.readAll();
        const qsizetype before = result.tasks.size();
        result.tasks.reserve(before + bytes.count('\n'));
        qsizetype start = 0;
        while (start < bytes.size()) {
            const qsizetype end = bytes.indexOf('\n', start);
            // A last line without its end was torn while it was written.
            std::optional<TaskRecord> task =
                end < 0 ? std::nullopt
                        : parseRecordLine(QByteArrayView(bytes).sliced(start, end - start), &texts);
            if (task)
                result.tasks.append(std::move(*task));
            else
                ++result.skippedLines;
            start = end < 0 ? bytes.size() : end + 1;
        }
        // Each computer appends in the order of its clock: merging the files is enough unless
        // a clock was put back.
        const auto added = result.tasks.begin() + before;
        sorted = sorted && std::ranges::is_sorted(added, result.tasks.end(), {}, &TaskRecord::when);
        if (sorted)
            std::ranges::inplace_merge(result.tasks.begin(), added, result.tasks.end(), {},
                                       &TaskRecord::when);
    }
    if (!sorted)
        std::ranges::stable_sort(result.tasks, {}, &TaskRecord::when);
    return result;
}

bool RecordBook::remove(int childId) const {
    bool all = true;
    for (const QString& path : childFiles(childId))
        all = QFile::remove(path) && all;
    return all;
}
