#include "app/mox_app.h"
#include "app/startup.h"
#include "app/working_folder.h"
#include "klasse/password_command.h"
#include "platform/dialogs.h"
#include "platform/loaded_voice.h"
#include "platform/module_microphone.h"
#include "platform/picture_cache.h"
#include "platform/program_settings.h"
#include "platform/random.h"
#include "platform/screen_reader.h"

#include <QApplication>
#include <QDir>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>

namespace {
// The sample files and the voice module lie at the same place relative to the program in the
// installed tree and in the build tree, so neither needs to know where the other is.
QString sampleFolder() {
    return QDir::cleanPath(QApplication::applicationDirPath() +
                           QStringLiteral("/" MOXABC_SAMPLE_FOLDER));
}

QString voiceModule() {
    return QDir::cleanPath(QApplication::applicationDirPath() +
                           QStringLiteral("/" MOXABC_VOICE_MODULE));
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--passwort-hash") == 0)
        return runPasswordHashCommand(stdin, stdout, stderr);
    if (!hasDisplay()) {
        std::fputs("moxabc: Kein Bildschirm gefunden (DISPLAY oder WAYLAND_DISPLAY ist nicht "
                   "gesetzt). Bitte in einer grafischen Sitzung starten.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    prepareApplication();
    QApplication::setDesktopFileName(QStringLiteral(MOXABC_APP_ID));
    // The pictures are drawn once and kept, so that later starts show them without drawing.
    PictureCache::setFolder(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                            QStringLiteral("/pictures"));
    QApplication::setWindowIcon(
        PictureCache::windowIcon(QStringLiteral(":/app/" MOXABC_APP_ID ".svg")));
    ProgramSettings settings;
    for (const QString& problem : settings.problems())
        std::fprintf(stderr, "moxabc: %s\n", problem.toLocal8Bit().constData());
    QtDialogs dialogs;
    const WorkingFolder::Choice folder =
        WorkingFolder::choose(QProcessEnvironment::systemEnvironment(), settings);
    if (!WorkingFolder::enter(folder, sampleFolder(), dialogs))
        return 1;
    TimeSeededRandom random;
    LoadedVoice speech(voiceModule());
    ModuleMicrophone microphone(speech);
    AccessibilityBusStatus screenReader;
    MoxApp app(dialogs, random, QDir::current(), settings);
    app.setSpeech(speech);
    // Nothing is said once the program has gone, so the voice may keep the app's recordings.
    speech.setRecordings(app.recordings());
    app.setMicrophone(microphone);
    app.setScreenReader(screenReader);
    app.start();
    return QApplication::exec();
}
