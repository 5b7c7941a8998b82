#pragma once

#include <QObject>

class QCheckBox;
class QWidget;
class ReadingHelp;

// The teacher's switches of the reading help, "Silben färben", "Leseschrift" and "Buchstaben
// als Laute", side by side in one of her windows.
class ReadingHelpSwitches : public QObject {
    Q_OBJECT
public:
    // Places the switches in window from the given twips position on.
    ReadingHelpSwitches(ReadingHelp& help, QWidget* window, int left, int top);

    QCheckBox* syllables() const { return syllables_; }
    QCheckBox* font() const { return font_; }
    QCheckBox* letterSounds() const { return letterSounds_; }

private:
    void showState();

    ReadingHelp& help_;
    QCheckBox* syllables_;
    QCheckBox* font_;
    QCheckBox* letterSounds_;
};
