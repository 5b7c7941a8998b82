#pragma once

#include "klasse/task_in_play.h"
#include "platform/window.h"

class LetterPanel;
class MoxApp;
class PictureButton;
class QLabel;

// The missing letter: the child presses the letter that the gap in a row of five letters
// stands for, on the keyboard or, with a finger or the mouse, on the panel of letters. From the
// twentieth right answer on, every right answer earns three points.
class Form4 : public MoxWindow {
    Q_OBJECT
public:
    explicit Form4(MoxApp& app);

    PictureButton* Picture1; // back
    QLabel* Bezeichnung1;    // the row with its gap
    QLabel* Bezeichnung2;    // what to do
    QLabel* Bezeichnung3;    // the missing letter
    QLabel* Bezeichnung4;    // right answers since the window was opened
    LetterPanel* Liste1;     // A … Z, for those without a keyboard

    // Opening from the main window: the count starts again and the first row is dealt.
    void startFresh();

    void Picture1_Click();

    // The row, its gap said as "Lücke".
    QString spokenTask() const override;

protected:
    void Form_Load() override;
    void closeRequested() override { Picture1_Click(); }
    void showEvent(QShowEvent* event) override;

private:
    void newGapRow();
    void Form_KeyDown(QChar letter);

    MoxApp& app_;
    TaskInPlay task_;
};
