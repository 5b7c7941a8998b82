#include "editor/list_names.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString kPrefix = QStringLiteral("MOXABC-");
const QString kSuffix = QStringLiteral(".TXT");
// Characters that a file name on one of the teachers' systems cannot hold.
const QString kForbidden = QStringLiteral("\\/:*?\"<>|");
constexpr qsizetype kMaxNameLength = 64;

// Tabs, line ends and other controls, marks that turn the writing direction or join letters
// unseen, separators of lines, half characters and unassigned ones: a name holding one looks
// like another name, or like nothing, in the list of files.
bool unseen(char32_t code) {
    switch (QChar::category(code)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    case QChar::Separator_Space:
        return code != U' ';
    default:
        return false;
    }
}

} // namespace

QString listDisplayName(const QString& fileName) {
    if (fileName.compare(QLatin1String("MOXABC.TXT"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Wörterbuchliste");
    const qsizetype nameLength = fileName.size() - kPrefix.size() - kSuffix.size();
    if (nameLength > 0 && fileName.startsWith(kPrefix, Qt::CaseInsensitive) &&
        fileName.endsWith(kSuffix, Qt::CaseInsensitive))
        return fileName.mid(kPrefix.size(), nameLength);
    return fileName;
}

NewListName newListName(const QString& typed, const QDir& folder) {
    const QString name = typed.trimmed();
    const QList<uint> codes = name.toUcs4();
    if (!name.isValidUtf16() || std::any_of(codes.begin(), codes.end(), unseen))
        return {{},
                QStringLiteral("Im Namen dürfen keine Steuerzeichen, Tabulatoren oder "
                               "unsichtbaren Zeichen stehen.\r")};
    if (std::any_of(name.begin(), name.end(), [](QChar ch) { return kForbidden.contains(ch); })) {
        QStringList shown;
        for (const QChar ch : kForbidden)
            shown.append(ch);
        return {{},
                QStringLiteral("Im Namen darf keines dieser Zeichen stehen:\r%1\r")
                    .arg(shown.join(QLatin1Char(' ')))};
    }
    if (name.size() > kMaxNameLength)
        return {
            {},
            QStringLiteral("Der Name darf höchstens %1 Zeichen lang sein.\r").arg(kMaxNameLength)};
    const QString fileName = kPrefix + name + kSuffix;
    // Any entry of the folder takes the name, whatever the case of its letters: a folder, a
    // pipe or a link is no list, and a file cannot be written in its place.
    const QFileInfoList entries =
        folder.entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.fileName().compare(fileName, Qt::CaseInsensitive) != 0)
            continue;
        if (entry.isFile())
            return {{},
                    QStringLiteral("Die Liste „%1“ gibt es schon.\r")
                        .arg(listDisplayName(entry.fileName()))};
        return {{},
                QStringLiteral("Im Ordner steht schon etwas anderes mit dem Namen %1.\r"
                               "Bitte einen anderen Namen wählen.\r")
                    .arg(entry.fileName())};
    }
    return {fileName, {}};
}
