#pragma once

#include "editor/word_list_file.h"
#include "platform/window.h"

#include <memory>

class ListInUseBar;
class MoxApp;
class QComboBox;
class QLabel;
class QPushButton;
class WordTable;
class WordTableModel;

// The teacher's window "Wörterlisten": one of the word-list files of the working folder, or a
// new one, as a table of words and pages to change, sort, fill from a spreadsheet and save.
class WordListEditor : public MoxWindow {
    Q_OBJECT
public:
    explicit WordListEditor(MoxApp& app);

    // "Liste": the files, as the dictionary window lists them, by the teacher's names; each
    // item's data is its file name.
    QComboBox* listChooser;
    QPushButton* newListButton;
    ListInUseBar* listInUseBar;
    WordTable* table;
    QLabel* notice; // how many rows, which are marked, and why the current one is
    QPushButton* newRowButton;
    QPushButton* deleteRowsButton;
    QPushButton* sortButton;
    QPushButton* undoButton;
    QPushButton* redoButton;
    QPushButton* lettersButton; // "Buchstaben aufnehmen"
    QPushButton* saveButton;
    QPushButton* backButton;

    WordTableModel& model() const { return *model_; }

    // Reads the lists of the folder afresh and opens the one shown last, else the one in use.
    void openLists();

    void newList();
    void newRow();
    void deleteRows();
    void sortRows();
    // False when the list was not saved; the edits stay in the window.
    bool save();
    void back();
    void paste();
    void copy();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void closeRequested() override { back(); }

private:
    void createControls();
    void chooseList(int index);
    void openFile(const QString& name);
    void fillChooser(const QString& shown);
    // Unsaved edits saved or given up as the teacher says; false to stay with them.
    bool settleUnsavedEdits();
    QString askNewListName();
    bool refuseMarkedRow();
    void message(const QString& text, const QString& title = {});
    void updateNotice();
    QString noticeText() const;
    void updateEnabled();
    int insertionRow() const;
    int currentBlankRow() const;

    MoxApp& app_;
    WordTableModel* model_;
    std::unique_ptr<WordListFile> file_; // none while no list is open
};
