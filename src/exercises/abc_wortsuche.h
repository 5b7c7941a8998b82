#pragma once

#include "klasse/task_in_play.h"
#include "platform/window.h"

#include <array>

class AbcListBox;
class ClickLabel;
class MoxApp;
class PictureButton;
class QLabel;
class QListWidget;

// ABC-Wortsuche: five words of the built-in pool; the child clicks the one that would stand at
// the asked place if the five were in ABC order.
class Form7 : public MoxWindow {
    Q_OBJECT
public:
    static constexpr int WordCount = 5;

    explicit Form7(MoxApp& app);

    ClickLabel* Bezeichnung1; // the five words, in the order they were drawn
    ClickLabel* Bezeichnung2;
    ClickLabel* Bezeichnung3;
    ClickLabel* Bezeichnung4;
    ClickLabel* Bezeichnung5;
    QLabel* Bezeichnung6; // the asked place k, 0 … 4
    QLabel* Bezeichnung7; // the instruction
    QListWidget* Liste1;  // the pool; a selected entry is used
    AbcListBox* Liste2;   // the five words in ABC order
    PictureButton* Bild1; // new task
    PictureButton* Bild2; // back
    PictureButton* Bild3; // the alphabet

    // The word labels top to bottom.
    std::array<ClickLabel*, WordCount> words() const;
    // Shows the given words in this order and asks for the word at place k (0 = first in ABC
    // order).
    void showTask(const QStringList& drawn, int k);

    void Bild1_Click();
    void Bild2_Click();
    void Bild3_Click();
    void Bezeichnung_Click(ClickLabel* word);

    // The instruction, then the five words.
    QString spokenTask() const override;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void closeRequested() override { Bild2_Click(); }
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A word reached by the keyboard is said.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createWords();
    void createPictures();
    void fillWordPool();
    void newWordTask();
    void rightWord();
    void wrongWord();
    // Moves the keyboard focus to the word offset places away, round the five.
    void moveFocusBy(int offset);

    MoxApp& app_;
    TaskInPlay task_;
};
