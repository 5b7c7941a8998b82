#pragma once

#include "platform/program_settings.h"
#include "platform/speech.h"
#include "syllables/reading_font.h"
#include "syllables/syllables.h"

#include <QDateTime>
#include <QDir>
#include <QObject>
#include <QStringList>

#include <memory>

class QLabel;

// The help for beginning readers that a teacher switches on for the class: words drawn in
// coloured syllables and heard in syllables, and a font made for reading. Every window that
// shows a word a child reads asks here how to show and say it.
class ReadingHelp : public QObject {
    Q_OBJECT
public:
    // The teacher's splits are kept beside the word lists, so that the lists keep the format
    // every reader of them knows.
    static inline const QString kCorrectionsFile = QStringLiteral("SILBEN.TXT");

    ReadingHelp(ProgramSettings& settings, const QDir& folder,
                QString patternFile = Syllables::defaultPatternFile());
    ~ReadingHelp() override;

    bool syllablesOn() const;
    bool readingFontOn() const;
    // Switched for this account and kept in its settings; false when they could not be written
    // (the switch holds all the same until the program ends).
    bool setSyllablesOn(bool on);
    bool setReadingFontOn(bool on);

    // "Buchstaben als Laute": every letter heard as its sound. The teacher's choice, over the
    // class's; where neither chose, a window that is about sounds says them all the same.
    bool letterSoundsOn() const;
    bool setLetterSoundsOn(bool on);
    Spoken::Letters letters(bool soundsByDefault = false) const;

    // The splitter, with the teacher's splits as the file holds them now.
    const Syllables& syllables() const;
    QString correctionsPath() const { return folder_.filePath(kCorrectionsFile); }
    // The teacher's splits as the file holds them ("A-mei-se"), one a line.
    QStringList corrections() const;

    // What "Nochmal hören" says for a word: with the syllables on, the word whole, a short
    // pause, and then the word once more syllable by syllable; else the word.
    QString spokenWord(const QString& word) const;

    // Draws the label's text in coloured syllables while they are on; the label's text stays
    // as it is.
    void colourSyllables(QLabel* label);

signals:
    // A switch changed: what shows words draws them anew.
    void changed();

private:
    ProgramSettings& settings_;
    QDir folder_;
    QString patternFile_;
    ReadingFont font_;
    mutable std::unique_ptr<Syllables> syllables_;
    mutable QDateTime correctionsRead_;
    mutable qint64 correctionsSize_ = -1;
};
