#pragma once

#include <QObject>

class FittingLabel;
class MoxApp;
class PictureButton;
class QLabel;
class QWidget;
class SpeechSwitch;

// The main window's top band in class use: the picture and name of the child at the computer,
// and beside them the picture that hands over to the next child. It takes the place of the
// "Vorlesen" switch, which in class use is the teacher's. Without a class none of it is there.
class ChildBand : public QObject {
    Q_OBJECT
public:
    ChildBand(MoxApp& app, QWidget* mainWindow, SpeechSwitch& speech);

    // Null until the class has children.
    QLabel* picture() const { return picture_; }
    FittingLabel* name() const { return name_; }
    PictureButton* handOverButton() const { return handOver_; }

    // Nobody is at the computer any more: the points shown go back to 0 (the child's own stay
    // in their record) and "Wer bist du?" asks for the next child.
    void handOver();
    // Follows the class and the child at the computer.
    void refresh();

protected:
    // The band is brought up to date whenever the main window shows again.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void showChild();

    MoxApp& app_;
    QWidget* mainWindow_;
    SpeechSwitch& speech_;
    QLabel* picture_ = nullptr;
    FittingLabel* name_ = nullptr;
    PictureButton* handOver_ = nullptr;
};
