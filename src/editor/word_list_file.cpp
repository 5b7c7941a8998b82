#include "editor/word_list_file.h"

#include "platform/write_access.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

// Long enough for a large list on a slow share, short enough that a teacher waits for it.
constexpr int kLockWaitMs = 2000;
// A lock left behind by a program that died on another computer (on this one its process is
// asked).
constexpr int kStaleLockMs = 10000;

QByteArray fingerprintOf(const QString& path) {
    QFile file;
    if (!SafeFile::openForReading(file, path))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

} // namespace

WordListFile::WordListFile(const QString& path, Writer writer)
    : path_(path)
    , writer_(std::move(writer)) {}

QString WordListFile::fileName() const {
    return QFileInfo(path_).fileName();
}

QString WordListFile::folder() const {
    return QDir::toNativeSeparators(QFileInfo(path_).absolutePath());
}

WordListFile::Read WordListFile::read(QList<WordRow>& rows) {
    rows.clear();
    FileBytes file = readFileBytes(path_, kMaxWordListBytes);
    if (file.status == FileBytes::Status::Missing)
        return Read::Missing;
    if (file.status == FileBytes::Status::TooLarge)
        return Read::TooLarge;
    fingerprint_ = QCryptographicHash::hash(file.bytes, QCryptographicHash::Sha1);
    DecodedText decoded = decodeTextFileWithEncoding(file.bytes);
    file.bytes = QByteArray();
    encoding_ = decoded.encoding;
    const WordList list = parseWordList(decoded.text);
    if (list.error == WordListError::TooLarge)
        return Read::TooLarge;
    rows = rowsInFileOrder(list);
    return Read::Done;
}

bool WordListFile::changedOnDisk() const {
    return fingerprintOf(path_) != fingerprint_;
}

WordListFile::Saved WordListFile::save(const QList<WordRow>& rows, Overwrite overwrite) {
    QString text;
    qsizetype pairs = 0;
    for (const WordRow& row : rows) {
        if (row.isBlank())
            continue;
        if (row.fault() != RowFault::None)
            return Saved::MarkedRow;
        if (++pairs > kMaxWordListEntries)
            return Saved::TooManyRows;
        text += row.word + QStringLiteral("\r\n") + QString::number(*pageNumber(row.page)) +
                QStringLiteral("\r\n");
    }
    if (pairs == 0)
        return Saved::Empty;
    TextEncoding encoding = encoding_;
    std::optional<QByteArray> bytes = encodeTextFile(text, encoding);
    if (!bytes) {
        encoding = TextEncoding::Utf8;
        bytes = encodeTextFile(text, encoding);
    }
    if (bytes->size() > kMaxWordListBytes)
        return Saved::TooLarge;
    const Saved result = write(*bytes, overwrite);
    if (result == Saved::Done)
        encoding_ = encoding;
    return result;
}

WordListFile::Saved WordListFile::write(const QByteArray& bytes, Overwrite overwrite) {
    const QFileInfo file(path_);
    QLockFile lock(file.dir().filePath(u'.' + file.fileName() + QStringLiteral(".lock")));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs)) {
        if (lock.error() == QLockFile::LockFailedError)
            return Saved::Locked;
        written_ = {SafeFile::noSpaceLeft(file.absolutePath()) ? WriteResult::DiskFull
                                                               : WriteResult::Failed};
        return Saved::NotWritten;
    }
    if (overwrite == Overwrite::IfUnchanged && changedOnDisk())
        return Saved::ChangedOnDisk;
    written_ = writer_(path_, bytes);
    if (!written_)
        return Saved::NotWritten;
    fingerprint_ = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    return Saved::Done;
}

QString WordListFile::failureText(Saved result) const {
    const QString unsaved = QStringLiteral("Die Liste wird so nicht gespeichert.\r");
    switch (result) {
    case Saved::Done:
    case Saved::ChangedOnDisk:
        break;
    case Saved::MarkedRow:
        return QStringLiteral("In der Liste ist eine Zeile markiert.\r") + unsaved;
    case Saved::Empty:
        return QStringLiteral("In der Liste steht noch kein Wort.\r") + unsaved;
    case Saved::TooManyRows:
        return QStringLiteral("Eine Wörterliste hat höchstens 100.000 Wörter.\r") + unsaved;
    case Saved::TooLarge:
        return QStringLiteral("Die Datei würde größer als 16 MB.\r") + unsaved;
    case Saved::Locked:
        return QStringLiteral("Die Liste kann jetzt nicht gespeichert werden.\rGerade speichert "
                              "jemand anderes die Datei %1. Bitte gleich noch einmal "
                              "versuchen.\rDie Änderungen bleiben in diesem Fenster.\r")
            .arg(fileName());
    case Saved::NotWritten:
        return notWrittenText();
    }
    return {};
}

QString WordListFile::notWrittenText() const {
    const QString kept = QStringLiteral("Die Änderungen bleiben in diesem Fenster.\r");
    const QString folderPath = QFileInfo(path_).absolutePath();
    if (QFileInfo(folderPath).isDir() && !WriteAccess::folderWritable(folderPath))
        return WriteAccess::readOnlyMessage(
            folderPath, QStringLiteral("Die Liste wird nicht gespeichert. ") + kept);
    QString why = QFileInfo(folderPath).isDir()
                      ? QStringLiteral("Die Datei %1 ließ sich im Ordner %2 nicht schreiben.")
                            .arg(fileName(), folder())
                      : QStringLiteral("Den Ordner %1 gibt es nicht mehr.").arg(folder());
    if (const QString reason = SafeFile::reason(written_); !reason.isEmpty())
        why += u' ' + reason;
    return QStringLiteral("Die Liste kann nicht gespeichert werden.\r%1\r").arg(why) + kept;
}
