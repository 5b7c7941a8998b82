#pragma once

#include "exercises/word_list.h"
#include "platform/window.h"

class AbcListBox;
class MoxApp;
class PrintJob;
class QLabel;
class QListWidget;
class QPushButton;

// The teacher's print window: choose entries of the word list and print a worksheet or its
// solution sheet.
class Form8 : public MoxWindow {
    Q_OBJECT
public:
    explicit Form8(MoxApp& app);

    QListWidget* Liste1;  // the entries, in the order of the word list; a click toggles one
    AbcListBox* Liste2;   // the chosen entries in ABC order, for the solution sheet
    QPushButton* Befehl1; // "Abbrechen"
    QPushButton* Befehl2; // "Drucken"
    QPushButton* Befehl3; // "alle löschen"
    QPushButton* Befehl4; // "alle wählen"
    QPushButton* Befehl5; // "Lösung"
    QPushButton* Befehl6; // "Blatteintrag"
    QPushButton* Befehl7; // "Vorschau"
    QLabel* Bezeichnung1; // number of entries
    QLabel* Bezeichnung2; // number chosen
    QLabel* Bezeichnung3; // heading of the middle column
    QLabel* listName;     // the list in use, by the teacher's name

    // Lists the entries of a word list (nothing chosen), counts them and names the list.
    void fillList(const QList<WordEntry>& entries, const QString& name);

    void Befehl1_Click();
    void Befehl2_Click();
    void Befehl3_Click();
    void Befehl4_Click();
    void Befehl5_Click();
    void Befehl6_Click();
    // Both sheets of the chosen entries on screen, to print or save from there.
    void Befehl7_Click();
    void Liste1_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void closeRequested() override { Befehl1_Click(); }

private:
    void showChosenCount(qsizetype count);
    QList<WordEntry> chosenEntries() const;
    // False, after saying so, when nothing is chosen.
    bool anythingChosen();
    // False, after saying so, when nothing is chosen or the teacher answers No.
    bool confirmPrinting(const QString& question);
    void print(const PrintJob& job, const QString& sheet);

    MoxApp& app_;
    QList<WordEntry> entries_; // one per line of Liste1
};
