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

    // Puts text before whatever is said next, as long as that comes before the program waits
    // for the child again; else says it alone then. So a window's instruction, or a new points
    // total, is not cut short by the task said right after it.
    void sayFirst(const QString& text);
    bool hasFirst() const { return !first_.isEmpty(); }

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
    void sayFirstAlone();

    bool on_ = true;
    QString first_;
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
// How a letter is heard: by its name ("Em"), or by its sound, as first grade teaches reading.
enum class Letters { Names, Sounds };
// A single letter as the voice says it: the letter itself for its name, its sound written
// in the voice's phonemes; anything but one of the 30 letters stays as it is.
QString letter(const QString& letter, Letters how = Letters::Names);
// A row of letters shown with blanks between them ("  D  E  _  G  H  ") as separate letters, so
// that each is said on its own, the gap "_" as gapWord(): "D, E, Lücke, G, H".
QString letterRow(const QString& row, Letters how = Letters::Names);
// The text as the voice reads it: every line a clause of its own, so that a line break is a
// pause; the empty lines and the blanks around each line dropped.
QString utterance(const QString& text);
} // namespace Spoken
