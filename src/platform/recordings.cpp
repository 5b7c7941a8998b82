#include "platform/recordings.h"

#include "platform/textfile.h"
#include "platform/wave_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace {

// Letters and digits stay readable in the name; everything else (a blank, "/", a dot) is
// written as the hexadecimal of its bytes, so that no text can name a file outside the folder.
QString escaped(const QString& key) {
    QString name;
    for (QChar ch : key) {
        if (ch.isLetterOrNumber() || ch == u'-') {
            name += ch;
            continue;
        }
        for (char byte : QString(ch).toUtf8())
            name += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return name;
}

} // namespace

Recordings::Recordings(QString folder)
    : folder_(std::move(folder)) {}

// A word is one recording however it is written: a class share may not tell "Kuchen" from
// "kuchen" apart, and a word list may hold either.
QString Recordings::fileName(Kind kind, const QString& key) const {
    const QString normal = key.normalized(QString::NormalizationForm_C);
    // Letter by letter, as a text's upper case makes "SS" of "ß".
    QString upper = normal;
    for (QChar& ch : upper)
        ch = ch.toUpper();
    switch (kind) {
    case Kind::Word:
        return QStringLiteral("Wort-") + escaped(normal.toLower()) + QStringLiteral(".wav");
    case Kind::LetterName:
        return QStringLiteral("Buchstabe-") + escaped(upper) + QStringLiteral(".wav");
    case Kind::LetterSound:
        return QStringLiteral("Laut-") + escaped(upper) + QStringLiteral(".wav");
    }
    return {};
}

QString Recordings::path(Kind kind, const QString& key) const {
    return QDir(folder_).filePath(fileName(kind, key));
}

QString Recordings::find(Kind kind, const QString& key) const {
    if (key.trimmed().isEmpty())
        return {};
    if (!listed_) {
        listed_ = true;
        const QStringList names = QDir(folder_).entryList({QStringLiteral("*.wav")}, QDir::Files);
        files_ = QSet<QString>(names.cbegin(), names.cend());
    }
    const QString name = fileName(kind, key);
    return files_.contains(name) ? QDir(folder_).filePath(name) : QString();
}

WriteResult Recordings::save(Kind kind, const QString& key, const Sound& sound) {
    if (!QDir().mkpath(folder_))
        return {WriteResult::Failed};
    const WriteResult written = writeFileAtomically(path(kind, key), WaveFile::encode(sound));
    if (written)
        files_.insert(fileName(kind, key));
    return written;
}

WriteResult Recordings::remove(Kind kind, const QString& key) {
    const QString file = path(kind, key);
    if (QFileInfo::exists(file) && !QFile::remove(file))
        return {WriteResult::Failed};
    files_.remove(fileName(kind, key));
    return {};
}
