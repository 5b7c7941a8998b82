#include "klasse/class_list.h"

#include "klasse/pictures.h"
#include "platform/collation.h"
#include "platform/textfile.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {
const QString kFirstLine = QStringLiteral("MOX-ABC Klasse");
const QString kNextKey = QStringLiteral("Nummer=");
const QString kPasswordKey = QStringLiteral("Passwort=");
const QString kChildKey = QStringLiteral("Kind=");
const QString kPractiseKey = QStringLiteral("Üben=1");
const QString kSpeechKey = QStringLiteral("Vorlesen=");
// A class of 32 children takes a few kilobytes; a far larger file is no class list.
constexpr qint64 kMaxFileBytes = 64 * 1024;
} // namespace

QString ClassList::fileName() {
    return QStringLiteral("KLASSE.TXT");
}

const Child* ClassList::find(int id) const {
    const auto found = std::ranges::find(children_, id, &Child::id);
    return found == children_.end() ? nullptr : &*found;
}

QString ClassList::cleanName(const QString& name) {
    return name.simplified();
}

QString ClassList::nameRefusal(const QString& name, int exceptId) const {
    if (name.isEmpty())
        return QStringLiteral("Bitte einen Vornamen eingeben.\r");
    if (name.size() > kMaxNameLength)
        return QStringLiteral("Ein Vorname hat höchstens %1 Zeichen.\r").arg(kMaxNameLength);
    const bool taken = std::ranges::any_of(children_, [&](const Child& child) {
        return child.id != exceptId && child.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (taken)
        return QStringLiteral("„%1“ gibt es in der Klasse schon.\rHaben zwei Kinder denselben "
                              "Vornamen, bekommt jedes einen Buchstaben dazu, zum Beispiel "
                              "„%1 S.“.\r")
            .arg(name);
    return {};
}

QString ClassList::add(const QString& name, int* id) {
    const QString clean = cleanName(name);
    if (QString refusal = nameRefusal(clean, 0); !refusal.isEmpty())
        return refusal;
    const QList<ChildPicture>& pictures = childPictures();
    const auto free = std::ranges::find_if(pictures, [&](const ChildPicture& picture) {
        return std::ranges::none_of(
            children_, [&](const Child& child) { return child.picture == picture.key; });
    });
    if (free == pictures.end())
        return QStringLiteral("Jedes der %1 Bilder hat schon ein Kind: Mehr Kinder passen nicht "
                              "in die Klasse.\r")
            .arg(pictures.size());
    children_.append({nextId_, clean, free->key});
    if (id)
        *id = nextId_;
    ++nextId_;
    sort();
    return {};
}

QString ClassList::rename(int id, const QString& name) {
    const QString clean = cleanName(name);
    if (QString refusal = nameRefusal(clean, id); !refusal.isEmpty())
        return refusal;
    const auto found = std::ranges::find(children_, id, &Child::id);
    if (found != children_.end())
        found->name = clean;
    sort();
    return {};
}

QString ClassList::setPicture(int id, const QString& picture) {
    const ChildPicture* known = findChildPicture(picture);
    if (!known)
        return QStringLiteral("Das Bild „%1“ gibt es nicht.\r").arg(picture);
    const auto owner = std::ranges::find(children_, picture, &Child::picture);
    if (owner != children_.end() && owner->id != id)
        return QStringLiteral("Das Bild „%1“ hat schon %2.\r").arg(known->name, owner->name);
    const auto found = std::ranges::find(children_, id, &Child::id);
    if (found != children_.end())
        found->picture = picture;
    return {};
}

void ClassList::remove(int id) {
    children_.removeIf([id](const Child& child) { return child.id == id; });
}

void ClassList::sort() {
    std::ranges::stable_sort(
        children_, [](const Child& a, const Child& b) { return abcLess(a.name, b.name); });
}

QByteArray ClassList::toBytes() const {
    QString text = kFirstLine + u'\n' + kNextKey + QString::number(nextId_) + u'\n';
    if (!passwordHash_.isEmpty())
        text += kPasswordKey + passwordHash_ + u'\n';
    if (practiseWeak_)
        text += kPractiseKey + u'\n';
    if (!speechOn_)
        text += kSpeechKey + QStringLiteral("nein\n");
    for (const Child& child : children_)
        text +=
            kChildKey + QStringLiteral("%1;%2;%3\n").arg(child.id).arg(child.picture, child.name);
    return text.toUtf8();
}

QString ClassList::takeLine(QStringView line) {
    if (line.startsWith(kNextKey)) {
        bool ok = false;
        const int next = line.sliced(kNextKey.size()).toInt(&ok);
        if (!ok || next < 1)
            return QStringLiteral("keine Nummer");
        nextId_ = std::max(nextId_, next);
        return {};
    }
    if (line == kPractiseKey) {
        practiseWeak_ = true;
        return {};
    }
    if (line.startsWith(kPasswordKey)) {
        passwordHash_ = line.sliced(kPasswordKey.size()).toString();
        return {};
    }
    if (line.startsWith(kSpeechKey)) {
        const QStringView value = line.sliced(kSpeechKey.size());
        if (value != u"ja" && value != u"nein")
            return QStringLiteral("erwartet ja oder nein");
        speechOn_ = value == u"ja";
        return {};
    }
    if (!line.startsWith(kChildKey))
        return QStringLiteral("unbekannt");
    const QStringView fields = line.sliced(kChildKey.size());
    const qsizetype first = fields.indexOf(u';');
    const qsizetype second = first < 0 ? -1 : fields.indexOf(u';', first + 1);
    if (second < 0)
        return QStringLiteral("erwartet Nummer;Bild;Name");
    bool ok = false;
    const int id = fields.first(first).toInt(&ok);
    if (!ok || id < 1)
        return QStringLiteral("keine Nummer");
    if (find(id))
        return QStringLiteral("die Nummer %1 gibt es schon").arg(id);
    const QString name = cleanName(fields.sliced(second + 1).toString());
    if (QString refusal = nameRefusal(name, id); !refusal.isEmpty())
        return refusal.replace(u'\r', u' ').trimmed();
    children_.append({id, name, {}});
    QString refusal = setPicture(id, fields.sliced(first + 1, second - first - 1).toString());
    if (!refusal.isEmpty()) {
        children_.removeLast();
        return refusal.replace(u'\r', u' ').trimmed();
    }
    nextId_ = std::max(nextId_, id + 1);
    return {};
}

ClassListRead readClassList(const QString& path) {
    ClassListRead read;
    const QFileInfo info(path);
    if (!info.exists())
        return read;
    read.status = ClassListRead::Status::Damaged;
    if (!info.isFile()) {
        read.problems.append(QStringLiteral("keine Datei"));
        return read;
    }
    const FileBytes bytes = readFileBytes(path, kMaxFileBytes);
    if (bytes.status != FileBytes::Status::Read) {
        read.problems.append(bytes.status == FileBytes::Status::TooLarge
                                 ? QStringLiteral("größer als 64 KiB")
                                 : QStringLiteral("nicht lesbar"));
        return read;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes.bytes);
    const QStringList lines = text.split(u'\n');
    if (decoder.hasError() || lines.first().trimmed() != kFirstLine) {
        read.problems.append(QStringLiteral("keine Klassenliste"));
        return read;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringView line = QStringView(lines.at(i)).trimmed();
        if (line.isEmpty())
            continue;
        if (const QString why = read.list.takeLine(line); !why.isEmpty())
            read.problems.append(QStringLiteral("Zeile %1 (%2): %3").arg(i + 1).arg(line, why));
    }
    read.list.sort();
    read.status =
        read.problems.isEmpty() ? ClassListRead::Status::Read : ClassListRead::Status::Damaged;
    return read;
}

WriteResult writeClassList(const QString& path, const ClassList& list) {
    return writeFileAtomically(path, list.toBytes());
}
