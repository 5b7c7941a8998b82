#include "platform/program_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>

#include <algorithm>

namespace {
const QString kSpeechKey = QStringLiteral("Vorlesen");
const QString kClassGroup = QStringLiteral("Klasse/");
const QString kClassFolderKey = QStringLiteral("Klasse/Ordner");
const QString kKioskKey = QStringLiteral("Klasse/Kiosk");
const QString kRecordsKey = QStringLiteral("Klasse/Lernstand");
const QString kPasswordKey = QStringLiteral("Klasse/Passwort");
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
    // What this program wrote itself is still a bool in QSettings' cache of the file.
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
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
    const QFileInfo info(path);
    if (!info.exists())
        return;
    if (!info.isFile() || !info.isReadable()) {
        report(path, QStringLiteral("nicht lesbar"));
        return;
    }
    if (info.size() > kMaxFileBytes) {
        report(path, QStringLiteral("größer als 64 KiB"));
        return;
    }
    QFile content(path);
    const std::optional<QString> text =
        content.open(QIODevice::ReadOnly) ? utf8Text(content.readAll()) : std::nullopt;
    const QSettings file(path, QSettings::IniFormat);
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
    } else if (key == kKioskKey) {
        const std::optional<bool> on = switchValue(value);
        if (!on)
            badValue(onOff);
        else
            keepFirst(kiosk_, *on);
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

bool ProgramSettings::setSpeechOn(bool on) {
    userSpeech_ = on;
    QSettings file(userFile_, QSettings::IniFormat);
    file.setValue(kSpeechKey, on);
    file.sync();
    return file.status() == QSettings::NoError;
}
