#pragma once

#include "exercises/word_list.h"
#include "klasse/task_in_play.h"
#include "platform/window.h"

class FileList;
class MoxApp;
class PictureButton;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

// The dictionary exercise: look the word up in the class dictionary, set its page with the
// slider and press the button. Right pages are gathered and credited on leaving.
class Form3 : public MoxWindow {
    Q_OBJECT
public:
    explicit Form3(MoxApp& app);

    QLabel* Bezeichnung1;
    QLabel* Bezeichnung2; // number of entries
    QLabel* Bezeichnung3; // highest page, then the page of the current word
    QLabel* Bezeichnung4; // the search word
    QLabel* Bezeichnung5; // deal marks: "-" not yet dealt in this cycle, "+" dealt
    QLabel* Bezeichnung6;
    QLabel* Label1; // right answers not yet credited
    QScrollBar* HBildlauf1;
    // Runs while the child moves the slider; the page is said once it has come to rest.
    QTimer* pageSettle;
    QPushButton* Befehl2;
    PictureButton* Picture1;
    FileList* Datei1; // the word lists; the selected one is the list in use

    // False when the selected list has no word with a page.
    bool hasTasks() const { return !wordList_.entries.isEmpty(); }
    const WordList& wordList() const { return wordList_; }

    void Datei1_Click();
    void HBildlauf1_Change();
    void Befehl2_Click();
    void Picture1_Click();

    // The search word of the task.
    QString spokenTask() const override;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void closeRequested() override { Picture1_Click(); }
    void showEvent(QShowEvent* event) override;
    // Enter checks the page the slider shows.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void newLookupTask();
    int drawUndealtEntry(const QString& marks);

    MoxApp& app_;
    TaskInPlay task_;
    WordList wordList_; // the selected file, read when it was selected
};
