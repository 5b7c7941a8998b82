#include "klasse/teacher_password.h"

#include "klasse/class_room.h"
#include "platform/dialogs.h"
#include "platform/write_access.h"

#include <QFileInfo>

namespace {
const QString kTitle = QStringLiteral("Klasse");
} // namespace

namespace TeacherPassword {

bool matches(Dialogs& dialogs, ClassRoom& room, const QString& prompt) {
    PasswordGate& gate = room.gate();
    if (const int seconds = gate.secondsToWait(); seconds > 0) {
        dialogs.msgBox(QStringLiteral("Fünfmal hintereinander ein falsches Passwort.\rBitte noch "
                                      "%1 Sekunden warten.\r")
                           .arg(seconds),
                       MsgBox::OkOnly, QStringLiteral("Passwort"));
        return false;
    }
    const QString typed = dialogs.passwordBox(prompt, QStringLiteral("Passwort"));
    return !typed.isEmpty() &&
           gate.check(room.passwordHash(), typed) == PasswordGate::Result::Right;
}

bool choose(Dialogs& dialogs, ClassRoom& room) {
    const QString folder = QFileInfo(room.listPath()).absolutePath();
    const QString unchanged = QStringLiteral("Die Klasse bleibt, wie sie war.\r");
    if (!WriteAccess::allowed(dialogs, folder, unchanged, kTitle))
        return false;
    const QString first = dialogs.passwordBox(
        QStringLiteral("Die Daten der Kinder schützt ein Passwort, das nur Sie kennen.\rEin "
                       "Passwort für die Klasse wählen:"),
        kTitle);
    if (first.isEmpty())
        return false;
    if (dialogs.passwordBox(QStringLiteral("Das Passwort noch einmal:"), kTitle) != first) {
        dialogs.msgBox(QStringLiteral("Die beiden Passwörter sind verschieden.\r") + unchanged,
                       MsgBox::OkOnly, kTitle);
        return false;
    }
    room.list().setPasswordHash(Password::hash(first));
    if (room.list().passwordHash().isEmpty() || !room.save()) {
        room.load();
        dialogs.msgBox(QStringLiteral("Die Datei '%1' kann nicht gespeichert werden!\r")
                               .arg(ClassList::fileName()) +
                           unchanged,
                       MsgBox::OkOnly, kTitle);
        return false;
    }
    return true;
}

} // namespace TeacherPassword
