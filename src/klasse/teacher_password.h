#pragma once

#include <QString>

class ClassRoom;
class Dialogs;

// The teacher's own password of a class, typed masked.
namespace TeacherPassword {
// Asks for it with prompt; while the gate makes the teacher wait, says how long instead.
bool matches(Dialogs& dialogs, ClassRoom& room, const QString& prompt);
// Asks for a new one twice and keeps its hash in the class list; false when none was chosen
// or it could not be kept (the teacher was told why).
bool choose(Dialogs& dialogs, ClassRoom& room);
} // namespace TeacherPassword
