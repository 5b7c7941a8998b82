#pragma once

#include "klasse/task_in_play.h"
#include "platform/window.h"

#include <QList>

#include <array>

class Canvas;
class ClickLabel;
class MoxApp;
class PictureButton;
class QLabel;
class QScrollBar;

// Buchstabensuche: 25 letters of one case are printed in colours over the window; find the
// missing one with the slider and click it.
class Form6 : public MoxWindow {
    Q_OBJECT
public:
    // The letters lie on a grid of this many columns and as many rows.
    static constexpr int GridSize = 25;

    explicit Form6(MoxApp& app);

    Canvas* surface;          // the window's own drawing surface, where the letters are printed
    QLabel* Bezeichnung1;     // the missing letter
    ClickLabel* Bezeichnung2; // the answer field
    QScrollBar* HBildlauf1;
    PictureButton* Bild1; // back
    PictureButton* Bild2; // new task
    PictureButton* Bild3; // the alphabet
    PictureButton* Bild4; // help

    void Bild1_Click();
    void Bild2_Click();
    void Bild3_Click();
    void Bild4_Click();

    // What the exercise asks, as its help says it.
    QString spokenTask() const override;
    void HBildlauf1_Change();
    void Bezeichnung2_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void closeRequested() override { Bild1_Click(); }

    void showEvent(QShowEvent* event) override;
    // Enter or Space answers with the pair the answer field shows.
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct LetterSpacing {
        int columns;
        int rows;
    };
    struct Placed {
        QChar letter;
        int column;
        int row;
        int colour;
    };

    void scatterLetters();
    static LetterSpacing spacingFor(const QString& letters, const QFont& font);
    bool placeLetters(QString& letterRow, const LetterSpacing& spacing, QList<Placed>& placed);
    // A random grid line not taken yet, which it then takes.
    int takeFreeLine(std::array<bool, GridSize>& taken);

    MoxApp& app_;
    TaskInPlay task_;
};
