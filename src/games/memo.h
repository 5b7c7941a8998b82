#pragma once

#include "klasse/task_in_play.h"
#include "platform/window.h"

#include <QAbstractButton>

#include <array>

class MoxApp;
class PictureButton;
class QLabel;

// A card of the memory game. Its caption is empty while it lies face down, and a line break
// followed by its letter while it lies face up. A found card turns white and keeps its caption,
// so its letter no longer shows. As a button it takes the keyboard focus, Space, Enter and
// Return turn it, and screen readers hear its letter, "verdeckt" or its letter and "gefunden".
class MemoryCard : public QAbstractButton {
    Q_OBJECT
public:
    explicit MemoryCard(QWidget* parent);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool isFound() const { return found_; }
    void setFound(bool found);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Arrow keys are left to the window, which moves the focus over the grid of cards.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateName();

    QString caption_;
    bool found_ = false;
};

// Memory: eighteen face-down cards hide nine pairs of lower-case letters; turn two at a time
// and find all pairs.
class memo : public MoxWindow {
    Q_OBJECT
public:
    static constexpr int CardCount = 18;
    static constexpr int Columns = 6;

    explicit memo(MoxApp& app);

    // The card BezeichnungN, N = 1 ... 18, row by row from the top left.
    MemoryCard* Bezeichnung(int number) const { return cards_.at(number - 1); }

    QLabel* Bezeichnung19;   // the instruction line
    QLabel* Bezeichnung20;   // "1" while cards are dealt, "0" before
    QLabel* Bezeichnung21;   // the letter behind each card
    QLabel* Bezeichnung22;   // "1" for each card still in play, "0" once its pair is found
    QLabel* Bezeichnung23;   // the first card turned in this move, "0" for none
    QLabel* Bezeichnung24;   // the second card turned in this move, "0" for none
    QLabel* Bezeichnung25;   // the card just clicked
    PictureButton* Picture1; // end the game early

    // The click on card number (1 ... 18); the eighteen cards differ only in their number.
    void Bezeichnung_Click(int number);
    void Picture1_Click();

    // The instruction.
    QString spokenTask() const override;

protected:
    void Form_Load() override;
    void closeRequested() override { Picture1_Click(); }
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cardClicked();
    void turnBack();
    void markPair();
    void dealCards();
    void gameOver();
    void leaveGame();
    void moveFocus(int columns, int rows);

    MoxApp& app_;
    TaskInPlay task_;
    std::array<MemoryCard*, CardCount> cards_{};
};
