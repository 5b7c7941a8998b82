#include "syllables/reading_help_switches.h"

#include "platform/twips.h"
#include "syllables/reading_help.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace {
// Wide enough for each caption, all three within the narrowest window that shows them.
constexpr int kSyllablesWidth = 1680;
constexpr int kFontWidth = 1440;
constexpr int kLetterSoundsWidth = 2280;
constexpr int kSwitchHeight = 300;
constexpr int kGap = 120;
} // namespace

ReadingHelpSwitches::ReadingHelpSwitches(ReadingHelp& help, QWidget* window, int left, int top)
    : QObject(window)
    , help_(help)
    , syllables_(new QCheckBox(QStringLiteral("Silben färben"), window))
    , font_(new QCheckBox(QStringLiteral("Leseschrift"), window))
    , letterSounds_(new QCheckBox(QStringLiteral("Buchstaben als Laute"), window)) {
    syllables_->setAccessibleDescription(
        QStringLiteral("Wörter in Silben färben und in Silben vorlesen"));
    font_->setAccessibleDescription(QStringLiteral("Schrift für Leseanfänger"));
    letterSounds_->setAccessibleDescription(
        QStringLiteral("Jeden Buchstaben mit seinem Laut vorlesen, nicht mit seinem Namen"));
    place(syllables_, left, top, kSyllablesWidth, kSwitchHeight);
    place(font_, left + kSyllablesWidth + kGap, top, kFontWidth, kSwitchHeight);
    place(letterSounds_, left + kSyllablesWidth + kFontWidth + 2 * kGap, top, kLetterSoundsWidth,
          kSwitchHeight);
    showState();
    connect(syllables_, &QCheckBox::toggled, &help_, &ReadingHelp::setSyllablesOn);
    connect(font_, &QCheckBox::toggled, &help_, &ReadingHelp::setReadingFontOn);
    connect(letterSounds_, &QCheckBox::toggled, &help_, &ReadingHelp::setLetterSoundsOn);
    connect(&help_, &ReadingHelp::changed, this, &ReadingHelpSwitches::showState);
}

void ReadingHelpSwitches::showState() {
    const QSignalBlocker quietSyllables(syllables_);
    const QSignalBlocker quietFont(font_);
    const QSignalBlocker quietLetterSounds(letterSounds_);
    syllables_->setChecked(help_.syllablesOn());
    font_->setChecked(help_.readingFontOn());
    letterSounds_->setChecked(help_.letterSoundsOn());
}
