#include "app/selected_word_list.h"

#include "app/mox_app.h"
#include "exercises/woerterbuch.h"
#include "platform/controls.h"
#include "platform/dialogs.h"

bool wordListSelected(MoxApp& app) {
    return app.window<Form3>().Datei1->listIndex() >= 0;
}

std::optional<WordList> readSelectedWordList(MoxApp& app, const QString& title) {
    std::optional<WordList> wordList = readWordList(app.window<Form3>().Datei1->selectedPath());
    if (!wordList) {
        app.dialogs().msgBox(QStringLiteral("Die Wörterliste kann nicht gelesen werden!\r"),
                             MsgBox::OkOnly, title);
        return std::nullopt;
    }
    if (wordList->error == WordListError::TooLarge) {
        app.dialogs().msgBox(wordListTooLargeText(), MsgBox::OkOnly, title);
        return std::nullopt;
    }
    return wordList;
}
