#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>
#include <future>
#include <memory>

struct _HyphenDict;

// One piece of a shown text: a syllable of a word, or what stands between words (a blank, a
// hyphen, a comma).
struct TextPiece {
    QString text;
    // The syllable's place in its word, counted from 0; -1 between words.
    int syllable = -1;
};

// Cuts words into the syllables a class claps, with the German hyphenation patterns of the
// system. Hyphenation leaves at least two letters at a line's start and end; syllables need
// only one at the start ("A-bend", "I-gel") and two at the end, so that a lone final vowel does
// not stand alone. Where the patterns get a word wrong, the teacher's split wins.
class Syllables {
public:
    static QString defaultPatternFile();

    // Reading the patterns takes seconds: the program reads each file once, in the background
    // from the first time it is asked for, so that a window need not wait for it.
    static void preload(const QString& patternFile = defaultPatternFile());

    // Without a readable pattern file every word is one syllable, unless the teacher split it.
    explicit Syllables(const QString& patternFile = defaultPatternFile());

    bool hasPatterns() const { return patterns() != nullptr; }
    // The patterns have been read (or found missing): asking for a split no longer waits.
    bool patternsRead() const {
        return patterns_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    }
    // The teacher split the word.
    bool isCorrected(const QString& word) const;

    // The teacher's splits, one word each with hyphens between its syllables ("A-mei-se").
    // A word matches whatever its case; an entry with anything but letters and hyphens, or
    // whose syllables do not make up a word, is passed over.
    void setCorrections(const QStringList& splits);

    // The syllables of one word (letters only); the word whole when it has one syllable.
    QStringList ofWord(const QString& word) const;
    // The whole text in pieces that put together give the text again.
    QList<TextPiece> pieces(const QString& text) const;
    // The text with its words in syllables: "Ba-na-ne".
    QString hyphenated(const QString& text) const;

private:
    using Patterns = std::shared_ptr<_HyphenDict>;
    static std::shared_future<Patterns> load(const QString& patternFile);
    _HyphenDict* patterns() const { return patterns_.get().get(); }
    QStringList fromPatterns(const QString& word) const;

    std::shared_future<Patterns> patterns_;
    QHash<QString, QStringList> corrections_;
};
