#pragma once

#include "klasse/task_in_play.h"
#include "platform/window.h"

class DotCanvas;
class MoxApp;
class PictureButton;
class QLabel;
class QScrollBar;

// ABC-Bilder: dot-to-dot pictures; every click draws a line from the last click, and every
// 26 clicks earn a point.
class Form1 : public MoxWindow {
    Q_OBJECT
public:
    static constexpr int ClicksForPoint = 26;

    explicit Form1(MoxApp& app);

    DotCanvas* Bild1;
    PictureButton* Bild2; // back
    PictureButton* Bild3; // info
    PictureButton* Bild4; // undo
    PictureButton* Bild5; // wipe
    QScrollBar* HBildlauf1;
    QLabel* Bezeichnung1; // start of the last line
    QLabel* Bezeichnung2;
    QLabel* Bezeichnung3; // the last click
    QLabel* Bezeichnung4;
    QLabel* Bezeichnung6; // clicks towards the next point

    // The picture shown for a value of the picture chooser.
    static QString picturePath(int choice);

    void Bild1_MouseDown(int x, int y);
    void Bild2_Click();
    void Bild3_Click();
    void Bild4_Click();
    void Bild5_Click();
    void HBildlauf1_Change();

    // What the exercise asks, as its help says it.
    QString spokenTask() const override;

protected:
    void Form_Load() override;
    void closeRequested() override { Bild2_Click(); }
    void showEvent(QShowEvent* event) override;
    // A letter key clicks the dot of that letter.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void checkClicks();
    void checkOrder(QChar letter);

    MoxApp& app_;
    TaskInPlay task_;
    // The last line drawn is still on the picture and may be taken back.
    bool lineToUndo_ = false;
};
