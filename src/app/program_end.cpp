#include "app/program_end.h"

#include "app/mox_app.h"
#include "app/teacher_entries.h"
#include "platform/dialogs.h"

#include <QEvent>
#include <QWidget>

ProgramEnd::ProgramEnd(MoxApp& app, TeacherEntries& teacher, QWidget* mainWindow, bool kiosk)
    : QObject(mainWindow)
    , app_(app)
    , teacher_(teacher)
    , mainWindow_(mainWindow)
    , kiosk_(kiosk) {
    if (!kiosk_)
        return;
    mainWindow_->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    mainWindow_->installEventFilter(this);
}

void ProgramEnd::ask() {
    if (kiosk_ && !teacher_.passwordMatches(QStringLiteral("Erst das Passwort eingeben:")))
        return;
    const int answer =
        app_.dialogs().msgBox(QStringLiteral("Dieses Programm jetzt beenden?\r"),
                              MsgBox::YesNoQuestion, QStringLiteral("M O X - A B C"));
    if (answer == MsgBox::Yes)
        app_.endProgram();
}

bool ProgramEnd::eventFilter(QObject* watched, QEvent* event) {
    // The window manager may still minimise it (a key, a taskbar click): it comes straight back.
    if (watched == mainWindow_ && event->type() == QEvent::WindowStateChange &&
        mainWindow_->isMinimized())
        mainWindow_->setWindowState(mainWindow_->windowState() & ~Qt::WindowMinimized);
    return QObject::eventFilter(watched, event);
}
