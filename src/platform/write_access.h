#pragma once

#include <QString>

class Dialogs;

// Whether the program may write into a folder, and what it tells the teacher when it may not.
// A school may give a class a folder that only the teacher can write: everything that reads
// works from it, and whatever would write asks here first and then changes nothing.
namespace WriteAccess {
// True when files can be made and replaced in folder. The system is asked, so that a folder on
// a read-only mount counts as read-only for the superuser too.
bool folderWritable(const QString& folder);
// That the folder is read-only and where it is, then the consequence (a line ending in \r).
QString readOnlyMessage(const QString& folder, const QString& consequence);
// folderWritable(); when it is not, shows readOnlyMessage() under title and returns false.
bool allowed(Dialogs& dialogs, const QString& folder, const QString& consequence,
             const QString& title);
} // namespace WriteAccess
