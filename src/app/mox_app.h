#pragma once

#include "app/points.h"
#include "app/shared_texts.h"
#include "klasse/task_record.h"
#include "platform/microphone.h"
#include "platform/program_settings.h"
#include "platform/screen_reader.h"
#include "platform/speech.h"
#include "platform/spoken_dialogs.h"
#include "platform/window.h"

#include <QDateTime>
#include <QDir>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

class ClassRoom;
class ClassSession;
class Dialogs;
class Form0;
class Printer;
class RandomSource;
class ReadingHelp;
class Recordings;

// Everything the windows share: the services of the platform, the working folder, the
// shared texts, and the windows themselves, each created on first use.
class MoxApp : public QObject {
    Q_OBJECT
public:
    MoxApp(Dialogs& dialogs, RandomSource& random, const QDir& workDir, ProgramSettings& settings);
    ~MoxApp();
    MoxApp(const MoxApp&) = delete;
    MoxApp& operator=(const MoxApp&) = delete;

    // The dialogs as the windows use them: read aloud while they are open.
    Dialogs& dialogs() { return spokenDialogs_; }
    RandomSource& random() const { return random_; }
    const QDir& workDir() const { return workDir_; }
    SharedTexts& shared() { return shared_; }
    ProgramSettings& settings() { return settings_; }
    // Coloured syllables and the reading font, for the words a child reads.
    ReadingHelp& readingHelp() { return *readingHelp_; }
    // The default printer of the system unless another was put in its place.
    Printer& printer() const { return *printer_; }
    void setPrinter(Printer& printer) { printer_ = &printer; }
    // Silent unless a voice was put in its place, before start().
    Speech& speech() const { return *speech_; }
    void setSpeech(Speech& speech);
    // Nobody's screen reader unless a status was put in its place, before start().
    ScreenReaderStatus& screenReader() const { return *screenReader_; }
    void setScreenReader(ScreenReaderStatus& status) { screenReader_ = &status; }
    // No microphone unless one was put in its place.
    Microphone& microphone() const { return *microphone_; }
    void setMicrophone(Microphone& microphone) { microphone_ = &microphone; }
    // The teacher's recordings in the working folder, looked for when first asked for.
    Recordings& recordings();

    // Builds the main window, runs its start-up and shows it, or "Wer bist du?" first when the
    // class has children; the voice is prepared once a window is on screen.
    void start();
    Form0& mainWindow() const { return *main_; }

    // The window of type W, created and loaded the first time it is asked for.
    template <class W> W& window() {
        auto& slot = windows_[std::type_index(typeid(W))];
        if (!slot) {
            slot = std::make_unique<W>(*this);
            slot->load();
        }
        return static_cast<W&>(*slot);
    }

    // Hides the main window and shows target; its activation follows once the caller is done.
    void open(MoxWindow& target);
    // Hides from and shows the main window again.
    void backToMain(MoxWindow& from);

    // Tells every window that uses word lists that the teacher saved one.
    void announceWordListSaved(const QString& path) { emit wordListSaved(path); }

    // The class of the working folder, read when first asked for.
    ClassRoom& classRoom();

    // The child at the computer and their record, made when first asked for.
    ClassSession& session();
    // The clock of the records; the system's unless another was put in its place, before the
    // class is first asked for.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // The task the child now sees starts its time (see ClassSession).
    void taskBegun();
    // Keeps a finished or left task in the record of the child at the computer; nothing
    // without a chosen child. Windows call it where they add or take points, or end a task.
    void recordTask(const TaskRecord& task);

    void addPoints(double delta, PointsForm form = PointsForm::Bare);
    // Writes total as the points caption (a child's own total when they choose themself).
    void setPointsTotal(double total);
    QString pointsCaption() const;

    // Closes every window at once and leaves the event loop; nothing is saved.
    void endProgram();
    bool hasEnded() const { return ended_; }

signals:
    // The file changed, or is new: a window takes its words afresh at its next deal.
    void wordListSaved(const QString& path);

private:
    SilentSpeech silentSpeech_;
    Speech* speech_ = &silentSpeech_;
    SpokenDialogs spokenDialogs_;
    NoScreenReader noScreenReader_;
    ScreenReaderStatus* screenReader_ = &noScreenReader_;
    NoMicrophone noMicrophone_;
    Microphone* microphone_ = &noMicrophone_;
    std::unique_ptr<Recordings> recordings_;
    RandomSource& random_;
    QDir workDir_;
    SharedTexts shared_;
    ProgramSettings& settings_;
    std::unique_ptr<ReadingHelp> readingHelp_;
    std::unique_ptr<Printer> systemPrinter_;
    Printer* printer_;
    std::unordered_map<std::type_index, std::unique_ptr<MoxWindow>> windows_;
    std::unique_ptr<Form0> main_;
    std::unique_ptr<ClassRoom> classRoom_;
    std::function<QDateTime()> clock_;
    std::unique_ptr<ClassSession> session_;
    bool ended_ = false;
};
