#include "app/mox_app.h"
#include "app/startup.h"
#include "platform/dialogs.h"
#include "platform/random.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (!hasDisplay()) {
        std::fputs("moxabc: Kein Bildschirm gefunden (DISPLAY oder WAYLAND_DISPLAY ist nicht "
                   "gesetzt). Bitte in einer grafischen Sitzung starten.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    prepareApplication();
    QtDialogs dialogs;
    TimeSeededRandom random;
    MoxApp app(dialogs, random, QDir::current());
    app.start();
    return QApplication::exec();
}
