#include "platform/program_settings.h"

#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>

#include <algorithm>

namespace {
const QString kSpeechKey = QStringLiteral("Vorlesen");
const QString kClassGroup = QStringLiteral("Klasse/");
const QString kClassFolderKey = QStringLiteral("Klasse/Ordner");
const QString kKioskKey = QStringLiteral("Klasse/Kiosk");
const QString kSyllablesKey = QStringLiteral("SilbenFaerben");
const QString kReadingFontKey = QStringLiteral("Leseschrift");
const QString kLetterSoundsKey = QStringLiteral("BuchstabenAlsLaute");
const QString kRecordsKey = QStringLiteral("Klasse/Lernstand");
const QString kPasswordKey = QStringLiteral("Klasse/Passwort");
const QString kClassSpeechKey = QStringLiteral("Klasse/Vorlesen");
const QString kFileInFolder = QStringLiteral("/moxabc/moxabc.conf");
// A few lines are all the program reads; a far larger file is no settings file of its own.
constexpr qint64 kMaxFileBytes = 64 * 1024;

// The key as it stands in the file: "[Klasse] Kiosk", or "Vorlesen" for one outside any group.
QString shownKey(const QString& key) {
    const qsizetype slash = key.indexOf(u'/');
    if (slash < 0)
        return key;
    return u'[' + key.left(slash) + QStringLiteral("] ") + key.mid(slash + 1);
}

QString shownValue(const QVariant& value) {
    return value.typeId() == QMetaType::QStringList
               ? value.toStringList().join(QStringLiteral(", "))
               : value.toString();
}

// Only a single text counts: an unquoted comma makes QSettings read a list.
std::optional<QString> singleText(const QVariant& value) {
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString().trimmed();
}

std::optional<bool> switchValue(const QVariant& value) {
    const std::optional<QString> text = singleText(value);
    if (!text)
        return std::nullopt;
    const QString word = text->toLower();
    if (word == u"true" || word == u"ja" || word == u"1")
        return true;
    if (word == u"false" || word == u"nein" || word == u"0")
        return false;
    return std::nullopt;
}

QStringList absoluteFolders(const QString& list) {
    QStringList folders;
    for (const QString& folder : list.split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            folders.append(QDir::cleanPath(folder));
    }
    return folders;
}

// The text of a settings file: UTF-8 without control characters other than line ends and tabs;
// anything else is no settings file.
std::optional<QString> utf8Text(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    const bool control = std::ranges::any_of(
        text, [](QChar c) { return c.unicode() < 0x20 && c != u'\n' && c != u'\r' && c != u'\t'; });
    return control ? std::nullopt : std::optional<QString>(text);
}

// The user's file with the switch set: its line among the keys outside any group replaced, or a
// line put first. Written by hand rather than through QSettings, which would open a FIFO in the
// file's place and wait on it, and would take a full disk for success; comments stay this way.
QString withSwitch(const QString& text, const QString& key, bool on) {
    const QString line = key + (on ? QStringLiteral("=true") : QStringLiteral("=false"));
    QStringList lines = text.split(u'\n');
    bool outsideGroups = true;
    bool replaced = false;
    for (QString& each : lines) {
        const QString trimmed = each.trimmed();
        if (trimmed.startsWith(u'[')) {
            outsideGroups = trimmed == u"[General]";
        } else if (outsideGroups && trimmed.contains(u'=') &&
                   trimmed.section(u'=', 0, 0).trimmed() == key) {
            each = line + (each.endsWith(u'\r') ? QStringLiteral("\r") : QString());
            replaced = true;
        }
    }
    if (!replaced)
        lines.prepend(line);
    return lines.join(u'\n');
}

template <class T> void keepFirst(std::optional<T>& slot, const T& value) {
    if (!slot)
        slot = value;
}
} // namespace

ProgramSettings::Files ProgramSettings::filesFor(const QProcessEnvironment& environment) {
    Files files;
    QString userFolder = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (!QDir::isAbsolutePath(userFolder)) {
        const QString home = environment.value(QStringLiteral("HOME"));
        userFolder = (home.isEmpty() ? QDir::rootPath() : home) + QStringLiteral("/.config");
    }
    files.user = QDir::cleanPath(userFolder) + kFileInFolder;
    QStringList systemFolders =
        absoluteFolders(environment.value(QStringLiteral("XDG_CONFIG_DIRS")));
    if (systemFolders.isEmpty())
        systemFolders = {QStringLiteral("/etc/xdg")};
    for (const QString& folder : std::as_const(systemFolders))
        files.system.append(folder + kFileInFolder);
    return files;
}

ProgramSettings::ProgramSettings(const Files& files)
    : userFile_(files.user) {
    read(files.user, Scope::User);
    for (const QString& path : files.system)
        read(path, Scope::System);
}

void ProgramSettings::read(const QString& path, Scope scope) {
    const SafeFile::Found found = SafeFile::find(path);
    if (found.kind == SafeFile::Kind::Missing)
        return;
    const FileBytes content = readFileBytes(path, kMaxFileBytes);
    if (content.status == FileBytes::Status::Missing) {
        report(path, QStringLiteral("nicht lesbar"));
        return;
    }
    if (content.status == FileBytes::Status::TooLarge) {
        report(path, QStringLiteral("größer als 64 KiB"));
        return;
    }
    const std::optional<QString> text = utf8Text(content.bytes);
    const QSettings file(found.target, QSettings::IniFormat);
    if (!text || file.status() != QSettings::NoError) {
        report(path, QStringLiteral("beschädigt"));
        return;
    }
    reportLinesWithoutValue(path, *text);
    for (const QString& key : file.allKeys())
        take(path, key, file.value(key), scope);
}

void ProgramSettings::reportLinesWithoutValue(const QString& path, const QString& text) {
    // QSettings passes over such a line without a word; the administrator hears of it here.
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#') ||
            line.startsWith(u'[') || line.contains(u'='))
            continue;
        report(path, QStringLiteral("Zeile %1 (%2) ohne \"=\"").arg(i + 1).arg(line));
    }
}

void ProgramSettings::take(const QString& path, const QString& key, const QVariant& value,
                           Scope scope) {
    const QString entry = shownKey(key) + u'=' + shownValue(value);
    auto badValue = [&](const QString& expected) {
        report(path, entry + QStringLiteral(": erwartet ") + expected);
    };
    const QString onOff = QStringLiteral("true oder false");
    if (key == kSpeechKey) {
        const std::optional<bool> on = switchValue(value);
        if (!on)
            badValue(onOff);
        else
            keepFirst(scope == Scope::User ? userSpeech_ : systemSpeech_, *on);
    } else if (key.startsWith(kClassGroup) && scope == Scope::User) {
        report(path, entry + QStringLiteral(": gilt nur in der Datei für alle Benutzer"));
    } else if (key == kClassFolderKey) {
        const std::optional<QString> folder = singleText(value);
        if (!folder || !QDir::isAbsolutePath(*folder)) {
            badValue(
                QStringLiteral("einen Ordner mit vollem Pfad (mit Komma in Anführungszeichen)"));
        } else if (classFolder_.isEmpty()) {
            classFolder_ = QDir::cleanPath(*folder);
            classFolderFile_ = path;
        }
    } else if (key == kRecordsKey) {
        const std::optional<QString> folder = singleText(value);
        if (!folder || !QDir::isAbsolutePath(*folder))
            badValue(
                QStringLiteral("einen Ordner mit vollem Pfad (mit Komma in Anführungszeichen)"));
        else if (recordsFolder_.isEmpty())
            recordsFolder_ = QDir::cleanPath(*folder);
    } else if (key == kPasswordKey) {
        const std::optional<QString> hash = singleText(value);
        if (!hash || !hash->startsWith(u'$'))
            badValue(QStringLiteral("die Zeile, die \"moxabc --passwort-hash\" ausgibt"));
        else if (passwordHash_.isEmpty())
            passwordHash_ = *hash;
    } else if (key == kKioskKey || key == kClassSpeechKey) {
        const std::optional<bool> on = switchValue(value);
        if (!on)
            badValue(onOff);
        else
            keepFirst(key == kKioskKey ? kiosk_ : classSpeech_, *on);
    } else if (key == kSyllablesKey || key == kReadingFontKey || key == kLetterSoundsKey) {
        const std::optional<bool> on = switchValue(value);
        QHash<QString, bool>& switches =
            scope == Scope::User ? userReadingHelp_ : systemReadingHelp_;
        if (!on)
            badValue(onOff);
        else if (!switches.contains(key))
            switches.insert(key, *on);
    } else {
        report(path, entry + QStringLiteral(": unbekannt"));
    }
}

void ProgramSettings::report(const QString& path, const QString& text) {
    problems_.append(path + QStringLiteral(": ") + text + QStringLiteral("; nicht beachtet."));
}

bool ProgramSettings::speechOn() const {
    return userSpeech_.value_or(systemSpeech_.value_or(true));
}

WriteResult ProgramSettings::setSpeechOn(bool on) {
    userSpeech_ = on;
    return storeUserSwitch(kSpeechKey, on);
}

WriteResult ProgramSettings::storeUserSwitch(const QString& key, bool on) {
    QString target;
    if (const WriteResult refused = SafeFile::writeTarget(userFile_, target); !refused)
        return refused;
    const FileBytes old = readFileBytes(userFile_, kMaxFileBytes);
    // What cannot be read whole is not replaced by the one line.
    if (old.status == FileBytes::Status::TooLarge ||
        (old.status == FileBytes::Status::Missing &&
         SafeFile::find(userFile_).kind != SafeFile::Kind::Missing))
        return {WriteResult::Failed};
    QDir().mkpath(QFileInfo(userFile_).absolutePath());
    return writeFileAtomically(userFile_,
                               withSwitch(QString::fromUtf8(old.bytes), key, on).toUtf8());
}

namespace {
const QString& readingHelpKey(ProgramSettings::ReadingHelp which) {
    switch (which) {
    case ProgramSettings::ReadingHelp::Syllables:
        return kSyllablesKey;
    case ProgramSettings::ReadingHelp::Font:
        return kReadingFontKey;
    case ProgramSettings::ReadingHelp::LetterSounds:
        break;
    }
    return kLetterSoundsKey;
}
} // namespace

bool ProgramSettings::readingHelpOn(ReadingHelp which) const {
    const QString& key = readingHelpKey(which);
    return userReadingHelp_.value(key, systemReadingHelp_.value(key, false));
}

std::optional<bool> ProgramSettings::readingHelpChoice(ReadingHelp which) const {
    const QString& key = readingHelpKey(which);
    if (userReadingHelp_.contains(key))
        return userReadingHelp_.value(key);
    if (systemReadingHelp_.contains(key))
        return systemReadingHelp_.value(key);
    return std::nullopt;
}

WriteResult ProgramSettings::setReadingHelpOn(ReadingHelp which, bool on) {
    const QString& key = readingHelpKey(which);
    userReadingHelp_.insert(key, on);
    return storeUserSwitch(key, on);
}
