#include "editor/syllable_column.h"

#include "editor/word_table_model.h"
#include "platform/textfile.h"
#include "syllables/reading_help.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int kPatternsLookMs = 250;

QString key(const QString& word) {
    return word.toLower();
}
} // namespace

QString SyllableColumn::of(const QString& word) const {
    if (const auto split = corrected(word))
        return *split;
    return splitter_ && splittable(word) ? splitter_(word) : word;
}

bool SyllableColumn::splittable(const QString& word) {
    return !word.isEmpty() && std::ranges::all_of(word, [](QChar c) { return c.isLetter(); });
}

std::optional<QString> SyllableColumn::fitted(const QString& word, const QString& split) {
    const QStringList parts = split.split(u'-');
    if (std::ranges::any_of(parts, &QString::isEmpty) ||
        parts.join(QString()).compare(word, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    QStringList syllables;
    qsizetype start = 0;
    for (const QString& part : parts) {
        syllables.append(word.mid(start, part.size()));
        start += part.size();
    }
    return syllables.join(u'-');
}

QString SyllableColumn::refusedText(const QString& word, const QString& split) {
    return QStringLiteral("Die Silben „%1“ passen nicht zum Wort „%2“.\rOhne die Striche müssen "
                          "es die Buchstaben des Wortes sein, zum Beispiel A-mei-se für "
                          "Ameise.\r")
        .arg(split, word);
}

std::optional<QString> SyllableColumn::corrected(const QString& word) const {
    const auto found = corrected_.constFind(key(word));
    return found == corrected_.cend() ? std::nullopt : std::optional<QString>(*found);
}

void SyllableColumn::setCorrected(const QString& word, const std::optional<QString>& split) {
    if (split)
        corrected_.insert(key(word), *split);
    else
        corrected_.remove(key(word));
}

QString SyllableColumn::save(const ReadingHelp& help) const {
    if (corrected_.isEmpty())
        return {};
    QStringList lines;
    QHash<QString, QString> left = corrected_;
    // Other lists' words keep their lines and their place; a corrected word's first line takes
    // the new split, and a later one, which would win over it, goes.
    for (const QString& line : help.corrections()) {
        const QString word = key(QString(line).remove(u'-'));
        if (!corrected_.contains(word))
            lines.append(line);
        else if (left.contains(word))
            lines.append(left.take(word));
    }
    QStringList added = left.values();
    added.sort(Qt::CaseInsensitive);
    lines += added;
    const QString path = help.correctionsPath();
    const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    // In the program's 8-bit encoding, unless a letter has no place there.
    const WriteResult written = writeFileAtomically(
        path, encodeTextFile(text, TextEncoding::Windows1252).value_or(text.toUtf8()));
    if (written)
        return {};
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    QString why = QStringLiteral("Die Datei %1 ließ sich im Ordner %2 nicht schreiben.")
                      .arg(ReadingHelp::kCorrectionsFile, folder);
    if (const QString reason = SafeFile::reason(written); !reason.isEmpty())
        why += u' ' + reason;
    return QStringLiteral("Die Silben können nicht gespeichert werden.\r%1\rDie Änderungen "
                          "bleiben in diesem Fenster.\r")
        .arg(why);
}

void showProgramSplits(WordTableModel& model, ReadingHelp& help) {
    model.syllables().setSplitter([&help](const QString& word) {
        const Syllables& syllables = help.syllables();
        return syllables.patternsRead() || syllables.isCorrected(word) ? syllables.hyphenated(word)
                                                                       : word;
    });
    if (help.syllables().patternsRead())
        return;
    auto* look = new QTimer(&model);
    QObject::connect(look, &QTimer::timeout, &model, [&model, &help, look] {
        if (!help.syllables().patternsRead())
            return;
        look->deleteLater();
        model.refreshSyllables();
    });
    look->start(kPatternsLookMs);
}
