#pragma once

#include "klasse/task_in_play.h"
#include "platform/window.h"

class MoxApp;
class PictureButton;
class QLabel;
class QPushButton;

// ABC-Fehlersuche: is the row of seven letters right, or are two neighbours swapped? Right
// decisions gather on the window's own counter; every ten of them become two points.
class Form9 : public MoxWindow {
    Q_OBJECT
public:
    explicit Form9(MoxApp& app);

    QLabel* Bezeichnung4; // the row the child checks
    QLabel* Bezeichnung5; // the window's counter
    QLabel* Bezeichnung6; // the correct row
    QPushButton* Befehl1; // "falsch"
    QPushButton* Befehl2; // "richtig"
    PictureButton* Bild1; // back
    PictureButton* Bild2; // info
    PictureButton* Bild3; // new row

    void Befehl1_Click();
    void Befehl2_Click();
    void Bild1_Click();
    void Bild2_Click();
    void Bild3_Click();

    // The row the child checks, letter by letter.
    QString spokenTask() const override;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void closeRequested() override { Bild1_Click(); }
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createPictures();
    void createRowAndButtons();
    // Right: the counter rises and may pay out; wrong: it drops (not below 0) and the message
    // shows the correct row.
    void decide(bool right, const QString& correction);
    void writeCounter(double value);
    void checkReward();

    MoxApp& app_;
    TaskInPlay task_;
};
