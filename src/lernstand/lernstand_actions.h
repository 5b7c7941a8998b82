#pragma once

#include "lernstand/learning_figures.h"

class MoxApp;
class QWidget;

// What the teacher does with the class's records from the windows "Klasse" and "Lernstand".
namespace LernstandActions {

// Today as the records' clock has it.
QDate today(MoxApp& app);

// The report of the child (none: 0) and of the whole class in the print preview, to print or
// keep as PDF from there.
void showReports(MoxApp& app, QWidget* parent, int childId, LearningFigures::Period period);

// Every task of every child as a CSV file the teacher chooses, written whole or not at all.
void exportRecords(MoxApp& app);

// Archives or deletes every child's record, after asking.
void startSchoolYear(MoxApp& app);

// Once, why the records folder could not be written, if it could not.
void tellRecordsNotice(MoxApp& app);

// "1 beschädigte Zeile übersprungen"; empty for none.
QString skippedText(int lines);

} // namespace LernstandActions
