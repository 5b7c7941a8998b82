#include "syllables/reading_help.h"

#include "platform/textfile.h"
#include "syllables/syllable_label.h"

#include <QFileInfo>
#include <QLabel>

namespace {
// Far more than any class's corrections; a larger file is not one of them.
constexpr qint64 kMaxCorrectionsBytes = 256 * 1024;
} // namespace

ReadingHelp::ReadingHelp(ProgramSettings& settings, const QDir& folder, QString patternFile)
    : settings_(settings)
    , folder_(folder)
    , patternFile_(std::move(patternFile)) {
    font_.apply(readingFontOn());
    if (syllablesOn())
        Syllables::preload(patternFile_);
}

ReadingHelp::~ReadingHelp() = default;

bool ReadingHelp::syllablesOn() const {
    return settings_.readingHelpOn(ProgramSettings::ReadingHelp::Syllables);
}

bool ReadingHelp::readingFontOn() const {
    return settings_.readingHelpOn(ProgramSettings::ReadingHelp::Font);
}

bool ReadingHelp::setSyllablesOn(bool on) {
    const bool stored =
        bool(settings_.setReadingHelpOn(ProgramSettings::ReadingHelp::Syllables, on));
    if (on)
        Syllables::preload(patternFile_);
    emit changed();
    return stored;
}

bool ReadingHelp::setReadingFontOn(bool on) {
    const bool stored = bool(settings_.setReadingHelpOn(ProgramSettings::ReadingHelp::Font, on));
    font_.apply(on);
    emit changed();
    return stored;
}

bool ReadingHelp::letterSoundsOn() const {
    return settings_.readingHelpOn(ProgramSettings::ReadingHelp::LetterSounds);
}

bool ReadingHelp::setLetterSoundsOn(bool on) {
    const bool stored =
        bool(settings_.setReadingHelpOn(ProgramSettings::ReadingHelp::LetterSounds, on));
    emit changed();
    return stored;
}

Spoken::Letters ReadingHelp::letters(bool soundsByDefault) const {
    const bool sounds = settings_.readingHelpChoice(ProgramSettings::ReadingHelp::LetterSounds)
                            .value_or(soundsByDefault);
    return sounds ? Spoken::Letters::Sounds : Spoken::Letters::Names;
}

QStringList ReadingHelp::corrections() const {
    const FileBytes file = readFileBytes(correctionsPath(), kMaxCorrectionsBytes);
    if (file.status != FileBytes::Status::Read)
        return {};
    QStringList lines = decodeTextFile(file.bytes).split(u'\n');
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines;
}

const Syllables& ReadingHelp::syllables() const {
    if (!syllables_)
        syllables_ = std::make_unique<Syllables>(patternFile_);
    // Another computer of the class may have saved new splits since they were read.
    const QFileInfo file(correctionsPath());
    const QDateTime modified = file.exists() ? file.lastModified() : QDateTime();
    const qint64 size = file.exists() ? file.size() : -1;
    if (modified != correctionsRead_ || size != correctionsSize_) {
        syllables_->setCorrections(corrections());
        correctionsRead_ = modified;
        correctionsSize_ = size;
    }
    return *syllables_;
}

QString ReadingHelp::spokenWord(const QString& word) const {
    if (!syllablesOn() || word.isEmpty())
        return word;
    QStringList parts;
    for (const TextPiece& piece : syllables().pieces(word)) {
        if (piece.syllable >= 0)
            parts.append(piece.text);
    }
    // The full stop is the pause between the word and its syllables, the commas the short
    // ones between the claps.
    return word + QStringLiteral(". ") + parts.join(QStringLiteral(", ")) + u'.';
}

void ReadingHelp::colourSyllables(QLabel* label) {
    new SyllableLabel(*this, label);
}
