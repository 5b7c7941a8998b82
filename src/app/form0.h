#pragma once

#include "platform/window.h"

class ChildBand;
class ClickLabel;
class MoxApp;
class PictureButton;
class ProgramEnd;
class QLabel;
class Shape;
class SpeechSwitch;
class TeacherEntries;
class SvgPicture;

// The main window: a menu of pictures, the points total and the hidden reward threshold.
class Form0 : public MoxWindow {
    Q_OBJECT
public:
    // The design size of the client area, in twips; the program's scale is chosen from it.
    static constexpr int ClientWidth = 8415;
    static constexpr int ClientHeight = 6555;

    explicit Form0(MoxApp& app);

    SvgPicture* Bild1;
    PictureButton* Bild2;
    PictureButton* Bild3;
    PictureButton* Bild4;
    PictureButton* Bild5;
    PictureButton* Bild6;
    PictureButton* Bild7;
    PictureButton* Bild8;
    PictureButton* Bild9;
    PictureButton* Bild10;
    PictureButton* Bild11;
    PictureButton* Bild12;
    PictureButton* Bild13;
    PictureButton* Bild14;
    PictureButton* Bild15;
    PictureButton* Bild16;
    PictureButton* Bild17;
    PictureButton* Bild18;
    PictureButton* Bild19; // "Wörter": the teacher's word-list editor
    QLabel* Bezeichnung1;
    QLabel* Bezeichnung2;
    QLabel* Bezeichnung3;
    ClickLabel* Bezeichnung4;
    ClickLabel* Bezeichnung5;
    ClickLabel* Bezeichnung6;
    QLabel* Bezeichnung7;
    QLabel* Bezeichnung8;
    QLabel* Bezeichnung9;
    ClickLabel* Bezeichnung10;
    QLabel* Bezeichnung11; // caption under Bild19

    void Bild2_Click();
    void Bild4_Click();
    void Bild9_Click();
    void Bild12_Click();
    void Bild13_Click();
    void Bild14_Click();
    void Bild16_Click();
    void Bild17_Click();
    void Bild18_Click();
    void Bild19_Click();

    // "Vorlesen": reading aloud on and off.
    SpeechSwitch* speechSwitch() const { return speech_; }
    // The chosen child and the hand-over, in class use.
    ChildBand* childBand() const { return band_; }

protected:
    void Form_Load() override;
    void closeRequested() override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void wireEntries();
    void orderTabs();
    void focusFirstEntry();
    // Hides the main window and shows W; prepare (if any) runs right after the showing.
    template <class W, class Prepare> void openOnClick(PictureButton* picture, Prepare prepare);
    template <class W> void openOnClick(PictureButton* picture);
    void readSettings();

    MoxApp& app_;
    TeacherEntries* teacher_;
    ProgramEnd* end_;
    SpeechSwitch* speech_;
    ChildBand* band_;
    QList<QWidget*> tabOrder_;
};
