#include "syllables/syllables.h"

#include <QFile>
#include <QStringEncoder>

#include <algorithm>
#include <cstdlib>
#include <hyphen.h>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace {

// The fewest letters before the first and after the last cut.
constexpr int kLeftMinimum = 1;
constexpr int kRightMinimum = 2;

bool isWordLetter(QChar c) {
    return c.isLetter();
}

QString lowerCased(const QString& word) {
    QString lower = word;
    // Letter by letter, so that every letter keeps its place in the word.
    for (QChar& c : lower)
        c = c.toLower();
    return lower;
}

// The word's letters in the patterns' encoding, one byte each; nothing when a letter has no
// place there.
std::optional<QByteArray> patternBytes(const QString& lower, bool utf8) {
    if (utf8)
        return std::nullopt;
    QStringEncoder encoder(QStringEncoder::Latin1);
    const QByteArray bytes = encoder(lower);
    if (encoder.hasError() || bytes.size() != lower.size())
        return std::nullopt;
    return bytes;
}

void freeReplacements(char** replacements, int* positions, int* cuts, qsizetype length) {
    if (replacements) {
        for (qsizetype i = 0; i < length; ++i)
            std::free(replacements[i]);
        std::free(replacements);
    }
    std::free(positions);
    std::free(cuts);
}

} // namespace

QString Syllables::defaultPatternFile() {
    return QStringLiteral("/usr/share/hyphen/hyph_de_DE.dic");
}

std::shared_future<Syllables::Patterns> Syllables::load(const QString& patternFile) {
    static std::mutex guard;
    static std::map<QString, std::shared_future<Patterns>> loaded;
    const std::lock_guard<std::mutex> lock(guard);
    auto found = loaded.find(patternFile);
    if (found != loaded.end())
        return found->second;
    auto reading = std::async(std::launch::async, [patternFile] {
        HyphenDict* read = QFile::exists(patternFile)
                               ? hnj_hyphen_load(QFile::encodeName(patternFile).constData())
                               : nullptr;
        if (read) {
            read->lhmin = kLeftMinimum;
            read->rhmin = kRightMinimum;
        }
        return Patterns(read, [](HyphenDict* patterns) {
            if (patterns)
                hnj_hyphen_free(patterns);
        });
    });
    return loaded.emplace(patternFile, reading.share()).first->second;
}

void Syllables::preload(const QString& patternFile) {
    load(patternFile);
}

Syllables::Syllables(const QString& patternFile)
    : patterns_(load(patternFile)) {}

void Syllables::setCorrections(const QStringList& splits) {
    corrections_.clear();
    for (const QString& line : splits) {
        const QString split = line.trimmed();
        const QStringList parts = split.split(u'-');
        const bool wellFormed =
            !split.isEmpty() && std::ranges::all_of(parts, [](const QString& p) {
                return !p.isEmpty() && std::ranges::all_of(p, isWordLetter);
            });
        if (wellFormed)
            corrections_.insert(lowerCased(parts.join(QString())), parts);
    }
}

bool Syllables::isCorrected(const QString& word) const {
    return corrections_.contains(lowerCased(word));
}

QStringList Syllables::ofWord(const QString& word) const {
    const QStringList corrected = corrections_.value(lowerCased(word));
    if (corrected.isEmpty())
        return fromPatterns(word);
    // The teacher's cuts, on the word as written here, whatever case she typed it in.
    QStringList syllables;
    qsizetype start = 0;
    for (const QString& syllable : corrected) {
        syllables.append(word.mid(start, syllable.size()));
        start += syllable.size();
    }
    return syllables;
}

QStringList Syllables::fromPatterns(const QString& word) const {
    const QString lower = lowerCased(word);
    HyphenDict* const dictionary = patterns();
    const std::optional<QByteArray> bytes =
        dictionary ? patternBytes(lower, dictionary->utf8 != 0) : std::nullopt;
    if (!bytes || word.size() <= kRightMinimum)
        return {word};
    const auto length = static_cast<int>(bytes->size());
    std::vector<char> cuts(static_cast<size_t>(length) + 5, '0');
    std::vector<char> marked(static_cast<size_t>(length) * 2 + 5, '\0');
    char** replacements = nullptr;
    int* positions = nullptr;
    int* removed = nullptr;
    const int failed = hnj_hyphen_hyphenate2(dictionary, bytes->constData(), length, cuts.data(),
                                             marked.data(), &replacements, &positions, &removed);
    QStringList syllables;
    qsizetype start = 0;
    for (int i = 0; !failed && i < length - 1; ++i) {
        // A cut that changes the spelling (old "Schiffahrt") is no syllable boundary here.
        const bool respelled = replacements && replacements[i];
        if ((cuts[static_cast<size_t>(i)] & 1) && !respelled) {
            syllables.append(word.mid(start, i + 1 - start));
            start = i + 1;
        }
    }
    freeReplacements(replacements, positions, removed, length);
    syllables.append(word.mid(start));
    return syllables;
}

QList<TextPiece> Syllables::pieces(const QString& text) const {
    QList<TextPiece> result;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype start = i;
        const bool letters = isWordLetter(text.at(i));
        while (i < text.size() && isWordLetter(text.at(i)) == letters)
            ++i;
        const QString run = text.mid(start, i - start);
        if (!letters) {
            result.append({run, -1});
            continue;
        }
        const QStringList syllables = ofWord(run);
        for (qsizetype s = 0; s < syllables.size(); ++s)
            result.append({syllables.at(s), static_cast<int>(s)});
    }
    return result;
}

QString Syllables::hyphenated(const QString& text) const {
    QString result;
    for (const TextPiece& piece : pieces(text)) {
        if (piece.syllable > 0)
            result += u'-';
        result += piece.text;
    }
    return result;
}
