#include "lernstand/school_year.h"

#include <QDir>
#include <QFile>

namespace SchoolYear {
namespace {
QStringList recordFiles(const QDir& folder) {
    return folder.entryList({QStringLiteral("kind*@*.txt")}, QDir::Files | QDir::NoSymLinks,
                            QDir::Name);
}
} // namespace

Outcome archive(const QString& recordsFolder, const QDate& today) {
    const QDir folder(recordsFolder);
    Outcome outcome;
    const QStringList files = recordFiles(folder);
    if (files.isEmpty())
        return outcome;
    const QString base = QStringLiteral("Archiv-") + today.toString(Qt::ISODate);
    QString name = base;
    for (int second = 2; folder.exists(name); ++second)
        name = base + QStringLiteral("-%1").arg(second);
    if (!folder.mkdir(name)) {
        outcome.left = int(files.size());
        return outcome;
    }
    outcome.archive = folder.filePath(name);
    for (const QString& file : files) {
        if (QFile::rename(folder.filePath(file), outcome.archive + u'/' + file))
            ++outcome.done;
        else
            ++outcome.left;
    }
    return outcome;
}

Outcome removeAll(const QString& recordsFolder) {
    const QDir folder(recordsFolder);
    Outcome outcome;
    for (const QString& file : recordFiles(folder)) {
        if (QFile::remove(folder.filePath(file)))
            ++outcome.done;
        else
            ++outcome.left;
    }
    return outcome;
}

} // namespace SchoolYear
