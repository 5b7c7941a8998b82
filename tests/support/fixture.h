#pragma once

#include "app/form0.h"
#include "app/mox_app.h"
#include "pdf_printer.h"
#include "platform/controls.h"
#include "platform/program_settings.h"
#include "platform/random.h"
#include "recording_speech.h"
#include "scripted_dialogs.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A program as it runs, but in a temporary working folder, with scripted dialogs and a
// generator seeded the same way every time.
class Fixture {
public:
    explicit Fixture(std::uint64_t seed = 1);
    ~Fixture();

    // Files of the working folder; the text is written as it is (CR LF where a test wants it).
    void writeFile(const QString& name, const QByteArray& bytes);
    QByteArray readFile(const QString& name) const;
    bool fileExists(const QString& name) const;
    QString path() const { return dir_.path(); }

    // Starts the program as main() does. With a settings file of its own unless the test
    // wrote one (or asked for none), so that no start-up message is due.
    void start();
    void startWithoutSettings();
    // As startWithoutSettings, with folder as the working folder (a view of path(), say).
    void startIn(const QString& folder);
    // Dialogs that answer in place of the scripted ones, from the next start on.
    void useDialogs(Dialogs& replacement) { dialogs_ = &replacement; }

    MoxApp& app() { return *app_; }
    Form0& main() { return app_->mainWindow(); }
    template <class W> W& window() { return app_->window<W>(); }

    QString points() const { return app_->pointsCaption(); }
    void setPoints(const QString& caption);

    // A left click in the middle of a control, then the queued activations of any window it
    // showed.
    static void click(QWidget* control);
    static void key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void settle();
    // A touch screen for QTest::touchEvent, made once and owned by the application (a device
    // made by QTest alone is never freed).
    static QPointingDevice* touchScreen();

    ScriptedDialogs dialogs;
    TimeSeededRandom random;
    // Printed sheets land in the folder "gedruckt" of the working folder.
    PdfFilePrinter printer;
    // What the program would have said aloud; voice is what the program speaks with.
    RecordingSpeech speech;
    Speech* voice = &speech;
    FixedScreenReader screenReader;

    // The configuration folders of the program's own settings: "user" and "system".
    QString configPath() const { return config_.path(); }
    // Writes the settings file of scope "user" or "system", read when the program starts.
    void writeProgramSettings(const QString& scope, const QByteArray& bytes);

private:
    Dialogs* dialogs_ = &dialogs;
    QTemporaryDir dir_;
    QTemporaryDir config_;
    std::unique_ptr<ProgramSettings> settings_;
    std::unique_ptr<MoxApp> app_;
};

// The bytes of a word-list file: each word, then its page, every line ended by CR LF.
QByteArray wordListBytes(const QList<QPair<QString, int>>& entries);
// Each word on a page of its own, counted from 1.
QByteArray wordListBytes(const QStringList& words);
// A long list: "Wort1", "Wort2", … on the pages 1 … 500, over and over.
QByteArray longWordList(int entries);

// Fails the test when a dialog was missing, unexpected or different from the script.
#define VERIFY_DIALOGS(fixture)                                                                    \
    QVERIFY2((fixture).dialogs.ok(), qPrintable((fixture).dialogs.report()))
