#include "app/selected_word_list.h"

#include "app/mox_app.h"
#include "exercises/woerterbuch.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/textfile.h"

namespace {
// One file name and its line end; anything far larger is not this program's file.
constexpr qint64 kMaxChoiceBytes = 4096;
} // namespace

QString ListInUse::chosen(const QDir& folder) {
    const FileBytes file = readFileBytes(folder.filePath(FileName), kMaxChoiceBytes);
    if (file.status != FileBytes::Status::Read)
        return {};
    TextReader reader(decodeTextFile(file.bytes));
    return reader.atEnd() ? QString() : reader.readLine().trimmed().toString();
}

WriteResult ListInUse::choose(const QDir& folder, const QString& fileName) {
    return writeFileAtomically(folder.filePath(FileName),
                               (fileName + QStringLiteral("\r\n")).toUtf8());
}

void selectListInUse(MoxApp& app) {
    FileList* files = app.window<Form3>().Datei1;
    if (files->count() == 0)
        return;
    const QString chosen = ListInUse::chosen(app.workDir());
    // A folder copied from another system may have changed the case of its names.
    QList<QListWidgetItem*> found =
        files->findItems(chosen, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (found.isEmpty())
        found = files->findItems(chosen, Qt::MatchFixedString);
    files->setListIndex(chosen.isEmpty() || found.isEmpty() ? 0 : files->row(found.first()));
}

QString listInUse(MoxApp& app) {
    const QListWidgetItem* selected = app.window<Form3>().Datei1->currentItem();
    return selected ? selected->text() : QString();
}

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
