#pragma once

#include "klasse/task_in_play.h"
#include "platform/window.h"

class LetterPanel;
class MoxApp;
class PictureButton;
class QLabel;
class QListWidget;
class FittingLabel;

// ABC-Laute: the child finds the letters (sounds) of a word in a letter panel. A word
// finished without a miss earns a point.
class Form10 : public MoxWindow {
    Q_OBJECT
public:
    explicit Form10(MoxApp& app);

    FittingLabel* Bezeichnung1; // the word
    FittingLabel* Bezeichnung2; // its blanks, filled in as letters are found
    QLabel* Bezeichnung3;       // misses in the current word
    LetterPanel* Liste1;
    QListWidget* Liste2;  // the words not dealt yet in this round
    PictureButton* Bild1; // back
    PictureButton* Bild2; // next word

    // Fills the word supply when it has run empty. False, after telling the child, when no
    // word list holds a word.
    bool ensureWords();

    void Bild1_Click();
    void Bild2_Click();
    void Liste1_Click();

    QString spokenTask() const override;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void closeRequested() override { Bild1_Click(); }

private:
    void newSoundWord();

    MoxApp& app_;
    TaskInPlay task_;
};
