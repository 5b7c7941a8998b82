#pragma once

#include "exercises/word_list.h"
#include "platform/safe_file.h"

#include <QDir>
#include <QString>

#include <optional>

class MoxApp;

// The word list in use is the file selected in the dictionary window's file list: the one the
// teacher chose for the class, kept in the working folder so that every account follows it;
// without a choice, or when the chosen file is gone, the first list by name.
namespace ListInUse {
// Beside the lists, outside their file pattern; its first line names the chosen file.
inline const QString FileName = QStringLiteral("MOXABC-LISTE.INI");

// The file name kept as chosen; empty when there is none.
QString chosen(const QDir& folder);
// False when the choice could not be written; the old one then stays as it was.
WriteResult choose(const QDir& folder, const QString& fileName);
} // namespace ListInUse

// Selects the list in use among the files the dictionary window lists, which loads it there.
void selectListInUse(MoxApp& app);
// The file name of the list in use; empty when there is none.
QString listInUse(MoxApp& app);

bool wordListSelected(MoxApp& app);
// The selected word list. Nothing, after telling the teacher or child in a message box with the
// given title, when it cannot be read or is too large.
std::optional<WordList> readSelectedWordList(MoxApp& app, const QString& title);
