#pragma once

#include "klasse/task_in_play.h"
#include "platform/window.h"

#include <QLabel>

#include <array>

class MoxApp;
class PictureButton;

// A letter tile. Pressing the mouse on it picks its letter up at once and drags it, with the
// tile's picture under the pointer; an empty tile has nothing to pick up. A finger drags it the
// same way on a touch screen. From the keyboard, Space on a focused tile puts it into the hole.
class LetterTile : public QLabel {
    Q_OBJECT
public:
    static const QString MimeType;

    LetterTile(const QString& letter, QWidget* parent);

    // An empty tile takes no focus: there is nothing on it to choose.
    void setLetter(const QString& letter);

signals:
    void chosen();
    // The tile was picked up with the mouse or a finger, or reached with the keyboard.
    void pickedUp();
    // The finger that dragged the tile was lifted at this point of the screen.
    void droppedByFinger(QPointF globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // A tile whose letter has gone into the hole shows only a faint outline.
    void paintEvent(QPaintEvent* event) override;
};

// The hole's text. It takes dropped tiles and shows the collected letters as large as they
// fit, breaking them into rows when they get many.
class LetterHole : public QLabel {
    Q_OBJECT
public:
    explicit LetterHole(QWidget* parent);

signals:
    void dropped(QWidget* source);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// ABC-Reihe: drag the 26 letters into the hole in ABC order.
class Form5 : public MoxWindow {
    Q_OBJECT
public:
    static constexpr int TileCount = 26;

    explicit Form5(MoxApp& app);

    // The tile BezeichnungN, N = 1 ... 26.
    LetterTile* Bezeichnung(int number) const { return tiles_.at(number - 1); }

    QLabel* Bezeichnung27; // the instruction line
    LetterHole* abcfeld;
    PictureButton* Bild1; // new task
    PictureButton* Bild2; // back

    void Bild1_Click();
    void Bild2_Click();
    void abcfeld_DragDrop(QWidget* source);
    // A tile dragged by a finger counts as dropped on the hole when the finger is lifted inside it.
    void tileDroppedByFinger(LetterTile* tile, QPointF globalPosition);

    // The instruction.
    QString spokenTask() const override;

protected:
    void Form_Load() override;
    void closeRequested() override { Bild2_Click(); }
    void showEvent(QShowEvent* event) override;
    // Typing a letter drops its tile into the hole; the arrows move between the tiles.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createTiles();
    void dealLetters();
    // The tiles in reading order: top to bottom, left to right.
    QList<LetterTile*> tilesInReadingOrder() const;
    void focusTile(int offset);

    MoxApp& app_;
    TaskInPlay task_;
    std::array<LetterTile*, TileCount> tiles_{};
};
