#pragma once

#include <QObject>
#include <QString>

// Reading aloud, for children who cannot read yet: every window says its messages, the letters
// chosen and its task through this one service. Saying something cuts short whatever is being
// said; while switched off nothing is said at all. Tests replace it with a recording fake.
class Speech : public QObject {
    Q_OBJECT
public:
    ~Speech() override;

    // Says text (a line break is a pause), replacing what is being said. Nothing while off.
    void say(const QString& text);
    void stop();

    bool isOn() const { return on_; }
    // Switching off also stops what is being said.
    void setOn(bool on);

    // Gets ready to speak. The program calls it once its main window is on screen, so that
    // nothing of the voice delays the start.
    virtual void prepare() {}

signals:
    void switchedOn(bool on);

protected:
    virtual void speak(const QString& text) = 0;
    virtual void silence() = 0;

private:
    bool on_ = true;
};

// A voice that says nothing: the program's speech until a real voice is put in its place.
class SilentSpeech final : public Speech {
protected:
    void speak(const QString&) override {}
    void silence() override {}
};

// How the windows put what they show into words.
namespace Spoken {
// The word read for the gap of a row.
QString gapWord();
// A row of letters shown with blanks between them ("  D  E  _  G  H  ") as separate letters, so
// that each is said by its name, the gap "_" as gapWord(): "D, E, Lücke, G, H".
QString letterRow(const QString& row);
// The text as the voice reads it: every line a clause of its own, so that a line break is a
// pause; the empty lines and the blanks around each line dropped.
QString utterance(const QString& text);
} // namespace Spoken
