#pragma once

#include "platform/recordings.h"
#include "platform/window.h"

#include <QList>

class MoxApp;
class QPushButton;

// The teacher's page "Buchstaben aufnehmen": the 30 letters, each with a button for the
// recording of its name and one for its sound, each showing whether that recording is there.
class LetterRecordings : public MoxWindow {
    Q_OBJECT
public:
    explicit LetterRecordings(MoxApp& app);

    QString letters; // A … Z, Ä, Ö, Ü, ß
    // In the order of the letters.
    QList<QPushButton*> nameButtons;
    QList<QPushButton*> soundButtons;
    QPushButton* closeButton;

    // Shows the page with the recordings as they are now.
    void open();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void closeRequested() override { hide(); }

private:
    void record(Recordings::Kind kind, int letter);
    void showMarks(Recordings::Kind kind, const QString& key);

    MoxApp& app_;
};
