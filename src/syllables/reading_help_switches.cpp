#include "syllables/reading_help_switches.h"

#include "platform/twips.h"
#include "syllables/reading_help.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace {
constexpr int kSwitchWidth = 1935;
constexpr int kSwitchHeight = 300;
constexpr int kGap = 120;
} // namespace

ReadingHelpSwitches::ReadingHelpSwitches(ReadingHelp& help, QWidget* window, int left, int top)
    : QObject(window)
    , help_(help)
    , syllables_(new QCheckBox(QStringLiteral("Silben färben"), window))
    , font_(new QCheckBox(QStringLiteral("Leseschrift"), window)) {
    syllables_->setAccessibleDescription(
        QStringLiteral("Wörter in Silben färben und in Silben vorlesen"));
    font_->setAccessibleDescription(QStringLiteral("Schrift für Leseanfänger"));
    place(syllables_, left, top, kSwitchWidth, kSwitchHeight);
    place(font_, left + kSwitchWidth + kGap, top, kSwitchWidth, kSwitchHeight);
    showState();
    connect(syllables_, &QCheckBox::toggled, &help_, &ReadingHelp::setSyllablesOn);
    connect(font_, &QCheckBox::toggled, &help_, &ReadingHelp::setReadingFontOn);
    connect(&help_, &ReadingHelp::changed, this, &ReadingHelpSwitches::showState);
}

void ReadingHelpSwitches::showState() {
    const QSignalBlocker quietSyllables(syllables_);
    const QSignalBlocker quietFont(font_);
    syllables_->setChecked(help_.syllablesOn());
    font_->setChecked(help_.readingFontOn());
}
