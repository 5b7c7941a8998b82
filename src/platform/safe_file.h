#pragma once

#include <QString>

class QFile;
class QSaveFile;

// Why a file was not written. Converts to true when it was.
struct WriteResult {
    enum Error {
        None,
        DiskFull,        // no space left: the old file stays as it was
        NotRegularFile,  // something other than a regular file stands under the name
        LinkOutOfFolder, // the name is a link out of its folder
        Failed,          // anything else: no permission, no folder, a fault of the device
    };
    Error error = None;

    explicit operator bool() const { return error == None; }
    bool operator==(const WriteResult&) const = default;
};

// The program reads and writes only regular files. Whatever else may stand under a file's name
// in a shared folder (a FIFO, a device, a folder, a link out of the folder) is left alone: a
// FIFO or a device opened for reading blocks for good, and a link would let a save rewrite a
// file somewhere else. A symbolic link is followed only to a regular file in its own folder.
namespace SafeFile {

enum class Kind {
    Missing,         // nothing there (yet): a file may be made under the name
    Regular,         // a regular file, or a link to one in the same folder
    NotRegular,      // a folder, FIFO, device, socket, or a link to one or to nothing
    LinkOutOfFolder, // a link to something outside the folder
};
struct Found {
    Kind kind = Kind::Missing;
    QString target; // the file to read or replace: the name itself, or where its link leads
};
// Looks at what stands under path without opening it.
Found find(const QString& path);

// Opens a regular file (as find() allows it) for reading. The open never blocks, and what was
// opened is looked at once more, so that a file swapped meanwhile for a FIFO is not read.
bool openForReading(QFile& file, const QString& path);

// Where a file of that name is written: the name, or the regular file its link leads to.
WriteResult writeTarget(const QString& path, QString& target);
// Writes out what the file still buffers and makes sure it reached the disk, and only then
// replaces the old file, which a full disk leaves as it was. Cancelled on any failure.
WriteResult commit(QSaveFile& file);
// True when the file system that holds folder has no space left for a file.
bool noSpaceLeft(const QString& folder);

// Why a file was not written, as a German sentence for the teacher; empty for None and Failed,
// where the caller's own message says enough.
QString reason(WriteResult result);

} // namespace SafeFile
