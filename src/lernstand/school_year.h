#pragma once

#include <QDate>
#include <QString>

// A new school year starts the records afresh: every child's files are moved into a dated
// folder beside them, or deleted. The class list stays.
namespace SchoolYear {

struct Outcome {
    int done = 0;    // files moved or deleted
    int left = 0;    // files that stay where they were
    QString archive; // the folder they went into
};

// Moves every record file into "Archiv-<date>" in the records folder (a second archive of the
// same day gets "-2", and so on).
Outcome archive(const QString& recordsFolder, const QDate& today);
// Deletes every record file.
Outcome removeAll(const QString& recordsFolder);

} // namespace SchoolYear
