#pragma once

#include <QObject>

class QCheckBox;
class QWidget;
class ReadingHelp;

// The teacher's two switches of the reading help, "Silben färben" and "Leseschrift", side by
// side in one of her windows.
class ReadingHelpSwitches : public QObject {
    Q_OBJECT
public:
    // Places the switches in window from the given twips position on.
    ReadingHelpSwitches(ReadingHelp& help, QWidget* window, int left, int top);

    QCheckBox* syllables() const { return syllables_; }
    QCheckBox* font() const { return font_; }

private:
    void showState();

    ReadingHelp& help_;
    QCheckBox* syllables_;
    QCheckBox* font_;
};
