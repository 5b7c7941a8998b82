#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QObject;
class ReadingHelp;
class WordTableModel;

// The column "Silben" of the word-list editor: each word's split as the program makes it, and
// the splits the teacher corrected since the list was opened. The corrections go to a file of
// their own, so that the list file keeps its format.
class SyllableColumn {
public:
    // The program's split of a word now ("Ba-na-ne"); without one, words stay whole.
    using Splitter = std::function<QString(const QString& word)>;
    void setSplitter(Splitter splitter) { splitter_ = std::move(splitter); }

    QString of(const QString& word) const;
    // Only a word of letters alone has syllables to correct.
    static bool splittable(const QString& word);
    // The split on the word's own letters, when it has them (whatever their case) with hyphens
    // between syllables; else nothing.
    static std::optional<QString> fitted(const QString& word, const QString& split);

    // Why a split typed for the word is not taken.
    static QString refusedText(const QString& word, const QString& split);

    // The teacher's split of the word since the list was opened, if any.
    std::optional<QString> corrected(const QString& word) const;
    void setCorrected(const QString& word, const std::optional<QString>& split);
    void clear() { corrected_.clear(); }

    // Writes the corrections file whole: its lines, each corrected word's replaced or added.
    // Empty when written (or nothing to write), else the message for the teacher.
    QString save(const ReadingHelp& help) const;

private:
    Splitter splitter_;
    QHash<QString, QString> corrected_; // by the word in small letters
};

// The model's column shows the splits the program makes now. Until the patterns are read, a word
// the teacher has not split stands whole, so that opening the editor never waits for them.
void showProgramSplits(WordTableModel& model, ReadingHelp& help);
