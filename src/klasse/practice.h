#pragma once

#include <QString>

class ClassRoom;
class LetterBoxes;
class MoxApp;
class QListWidget;

// The boxes a window draws its task through: those of the child at the computer while the
// teacher's switch "Üben, was schwerfällt" is on; nullptr otherwise, and the window draws as
// it always did.
const LetterBoxes* practiceBoxes(MoxApp& app);
// The row of one of the words of the list, through the boxes where they are in use.
int drawWord(MoxApp& app, const QListWidget& words);
// For the teacher, while the switch is on: what the child now meets more often and since when,
// "Öfter: b seit 2.3., Oma seit 4.3."; empty when nothing is.
QString practisedText(ClassRoom& room, int childId);
