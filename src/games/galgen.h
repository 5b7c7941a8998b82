#pragma once

#include "klasse/task_in_play.h"
#include "platform/window.h"

#include <QColor>
#include <QList>
#include <QPoint>

#include <array>

class LetterPanel;
class MoxApp;
class PictureButton;
class QLabel;
class QListWidget;
class Shape;
class FittingLabel;

// A straight piece of the gallows drawing, from one point to another (twips), in a pen width
// given in pixels at design size.
class GallowsLine : public QWidget {
public:
    GallowsLine(QPoint from, QPoint to, int width, const QColor& colour, QWidget* parent);

    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
    qreal width_;
    QColor colour_;
};

// Hangman on the words of the selected word list. Every wrong letter adds a piece to the
// gallows; the tenth loses, a whole word wins and frees the figure. No points either way.
class galgen : public MoxWindow {
    Q_OBJECT
public:
    explicit galgen(MoxApp& app);

    FittingLabel* Bezeichnung1; // the word's blanks, filled in as letters are found
    QLabel* Bezeichnung2;       // the word from the main window; shown after a lost game
    LetterPanel* Liste1;
    QListWidget* Liste2;  // the words not played yet; the main window draws from it
    PictureButton* Bild1; // back
    PictureButton* Bild2; // hint
    std::array<Shape*, 2> Figur8;
    // The hanging figure and its gallows.
    Shape* Figur2;
    Shape* Figur3;
    GallowsLine* Linie6;
    GallowsLine* Linie1;
    Shape* Figur4;
    Shape* Figur5;
    GallowsLine* Linie2;
    GallowsLine* Linie3;
    GallowsLine* Linie4;
    GallowsLine* Linie5;
    // The freed figure, in front of the cover Figur1.
    Shape* Figur1;
    Shape* Figur6;
    Shape* Figur7;
    GallowsLine* Linie7;
    GallowsLine* Linie8;
    GallowsLine* Linie9;
    GallowsLine* Linie10;

    // The pieces in the order in which wrong letters add them.
    QList<QWidget*> hangingPieces() const;
    QList<QWidget*> freedFigure() const;

    void Bild1_Click();
    void Bild2_Click();
    void Liste1_Click();

    // The blanks with the letters found so far: the word itself only once the game is over.
    QString spokenTask() const override;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void closeRequested() override { Bild1_Click(); }

private:
    void createGallows();
    void createFreedFigure();
    void wrongLetter();

    MoxApp& app_;
    TaskInPlay task_;
};
