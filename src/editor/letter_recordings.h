#pragma once

#include "platform/recordings.h"
#include "platform/window.h"

#include <QList>

class MoxApp;
class QPushButton;
class RecordingWindow;

// The teacher's page "Buchstaben aufnehmen": the 30 letters, each with a button for the
// recording of its name and one for its sound, each showing whether that recording is there.
// It takes the place of the window that opened it, and "Zurück" goes back there.
class LetterRecordings : public MoxWindow {
    Q_OBJECT
public:
    explicit LetterRecordings(MoxApp& app);

    QString letters; // A … Z, Ä, Ö, Ü, ß
    // In the order of the letters.
    QList<QPushButton*> nameButtons;
    QList<QPushButton*> soundButtons;
    QPushButton* backButton;
    RecordingWindow* recording;

    // Shows the page with the recordings as they are now, in the place of opener.
    void open(MoxWindow& opener);
    void back();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void closeRequested() override { back(); }

private:
    void record(Recordings::Kind kind, int letter);
    void showMarks(Recordings::Kind kind, const QString& key);

    MoxApp& app_;
    MoxWindow* opener_ = nullptr;
};
