#pragma once

#include "platform/window.h"

#include <QList>

class FittingLabel;
class MoxApp;
class PictureButton;

// "Wer bist du?": every child of the class as a big picture with the name under it, so that a
// child who cannot read yet finds themself. The name is said when a picture gets the focus or
// is pressed; choosing brings back the child's points and shows the main window.
class WhoAreYouWindow : public MoxWindow {
    Q_OBJECT
public:
    explicit WhoAreYouWindow(MoxApp& app);

    // One per child, in the order of the class list.
    QList<PictureButton*> pictures;
    QList<FittingLabel*> names;
    // How many pictures stand in a row.
    int columns() const { return columns_; }

    // Reads the class afresh and asks in place of the main window; a class without children
    // leaves the main window to show.
    void ask();
    void choose(int childId);

protected:
    void Form_Activate() override;
    // As "Ende" of the main window: in kiosk use only the teacher ends the program.
    void closeRequested() override;
    void changeEvent(QEvent* event) override;
    // The arrow keys move through the rows and columns; the name of a picture reached by a key
    // is said.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showClass();
    void say(const PictureButton* picture);

    MoxApp& app_;
    int columns_ = 1;
    // The picture whose name was said last, so that pressing it by key does not say it twice.
    const PictureButton* said_ = nullptr;
};
