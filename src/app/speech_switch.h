#pragma once

#include <QObject>

class ClickLabel;
class MoxApp;
class PictureButton;
class QWidget;

// The "Vorlesen" switch of the main window: a loudspeaker picture that is pressed in while the
// program reads aloud. The user's choice is kept in the program's settings. When the desktop's
// screen reader runs, the program's own voice starts switched off, so that a child does not
// hear everything twice; that alone does not change the stored choice. In class use the switch
// is the teacher's (in the window "Klasse"): it leaves the main window, so that one child cannot
// silence the program for the next.
class SpeechSwitch : public QObject {
    Q_OBJECT
public:
    // Places the picture and its caption in mainWindow at the given twips position.
    SpeechSwitch(MoxApp& app, QWidget* mainWindow, int left, int top);

    PictureButton* button() const { return button_; }
    ClickLabel* caption() const { return caption_; }

    // Class use begins or ends: reading aloud follows the class, or the user's own choice again.
    void setClassUse(bool classUse);

private:
    void show(bool on);
    void chosen(bool on);
    void screenReaderAnswered(bool running);

    MoxApp& app_;
    PictureButton* button_;
    ClickLabel* caption_;
    bool userChose_ = false;
    bool classUse_ = false;
};
