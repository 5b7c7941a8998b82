#pragma once

#include "exercises/word_list.h"

#include <QString>

#include <optional>

class MoxApp;

// The word list in use is the file selected in the dictionary window's file list.
bool wordListSelected(MoxApp& app);
// The selected word list. Nothing, after telling the teacher or child in a message box with the
// given title, when it cannot be read or is too large.
std::optional<WordList> readSelectedWordList(MoxApp& app, const QString& title);
