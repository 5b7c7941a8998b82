#pragma once

#include "klasse/task_in_play.h"
#include "platform/window.h"

#include <array>

class Canvas;
class MoxApp;
class PictureButton;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class Shape;

// ABC-Fange: the letters jump around the field at every tick; steer the cursor "+" with the
// arrow keys or the arrow pictures and catch them in ABC order.
class fang : public MoxWindow {
    Q_OBJECT
public:
    static constexpr int LetterCount = 26;

    explicit fang(MoxApp& app);

    Canvas* surface;        // the window's own drawing surface: the field's letters and the cursor
    QPushButton* Befehl1;   // ENDE
    QPushButton* Befehl4;   // START
    PictureButton* Bild1;   // cursor left
    PictureButton* Bild2;   // cursor up
    PictureButton* Bild3;   // cursor down
    PictureButton* Bild4;   // cursor right
    QScrollBar* HBildlauf1; // seconds between jumps
    QLabel* Bezeichnung1;   // "schnell"
    QLabel* Bezeichnung2;   // "langsam"
    QLabel* Bezeichnung3;   // the letters caught so far
    QLabel* Bezeichnung4;   // the letters in play, the next one to catch first
    QTimer* Zeit1;

    // The cursor's cell; 0, 0 until the first START.
    int cursorCol = 0;
    int cursorRow = 0;
    // posCol[i], posRow[i]: the cell of letter i of the letters in play, counted from 0.
    std::array<int, LetterCount> posCol{};
    std::array<int, LetterCount> posRow{};

    void Befehl1_Click();
    void Befehl4_Click();
    void Bild1_Click();
    void Bild2_Click();
    void Bild3_Click();
    void Bild4_Click();
    void HBildlauf1_Change();
    void Zeit1_Timer();

    // The letters caught so far.
    QString spokenTask() const override;

protected:
    void Form_Load() override;
    void closeRequested() override { Befehl1_Click(); }
    void showEvent(QShowEvent* event) override;
    // The window sees every key before its controls do, so the arrow keys always steer.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    bool Form_KeyDown(const QKeyEvent& event);
    void moveCursor(int column, int row);
    void moveLetters();
    void checkCatch();
    void gameOver();
    void leaveGame();
    // What the field shows follows the game's state: the letters in play, once they have been
    // drawn since START, and the cursor.
    void showField();

    MoxApp& app_;
    TaskInPlay task_;
    Shape* cursorMark_; // a bright square under the cursor's cell
    bool lettersDrawn_ = false;
};
