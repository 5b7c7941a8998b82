#pragma once

#include "platform/recordings.h"
#include "platform/safe_file.h"

#include <QDialog>
#include <QTimer>

class Microphone;
class MoxApp;
class QLabel;
class QPushButton;

// The teacher's box "Aufnahme" for one word, or one letter's name or sound: she records it in
// her own voice, listens to it as the children will hear it, records it again or deletes it.
// A box over the window that opened it: while it shows, nothing else of the program can be used.
class RecordingWindow : public QDialog {
    Q_OBJECT
public:
    RecordingWindow(MoxApp& app, QWidget* opener);

    // The longest take before the window stops it itself; the cleaned recording keeps at most
    // SoundCleanup::kMaxSeconds of it.
    static constexpr int kLongestTakeMs = 8000;

    QLabel* textLabel;         // what is recorded, large
    QLabel* kindLabel;         // a word, or a letter's name or sound
    QLabel* status;            // whether there is a recording, and how long it is
    QPushButton* recordButton; // "Aufnehmen", while recording "Stopp"
    QPushButton* listenButton;
    QPushButton* deleteButton;
    QPushButton* closeButton;
    QTimer longestTake;

    // Shows the box for the recording of key ("Kuchen", "B"), the focus on "Aufnehmen".
    void open(Recordings::Kind kind, const QString& key);
    Recordings::Kind kind() const { return kind_; }
    const QString& key() const { return key_; }
    bool isRecording() const { return microphone_ != nullptr; }

    // "Aufnehmen" and "Stopp".
    void recordOrStop();
    void listen();
    void remove();
    // "Schließen", Escape and the title bar's close button: a take not stopped is not kept.
    void reject() override;

signals:
    // A recording was saved or deleted.
    void changed(Recordings::Kind kind, const QString& key);

private:
    void createControls();
    void startRecording();
    void stopRecording();
    void microphoneMissing();
    // What the microphone heard; the take is over.
    Sound endTake();
    // Ends the take without keeping it; false when there was none.
    bool dropTake();
    void keep(const Sound& sound);
    // Whether the folder of the recordings (or the working folder that will hold it) may be
    // written; tells the teacher when not.
    bool writable(const QString& consequence);
    QString failureText(WriteResult result, const QString& failed,
                        const QString& consequence) const;
    QString spokenText() const;
    void readLength();
    void showState();
    void setStatus(const QString& text);

    MoxApp& app_;
    Recordings::Kind kind_ = Recordings::Kind::Word;
    QString key_;
    Microphone* microphone_ = nullptr; // the one recording now
    bool recorded_ = false;            // a file of the recording is there
    double seconds_ = 0.0;             // its length; 0 when it cannot be read
    QString note_;                     // said once after a take in which nothing was heard
};
