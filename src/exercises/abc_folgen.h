#pragma once

#include "klasse/task_in_play.h"
#include "platform/window.h"

class AbcListBox;
class MoxApp;
class PictureButton;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QScrollBar;

// Sorting into ABC order: the child moves the lines of a dealt list with the two arrows until
// the list is in ABC order, and earns a point for every line beyond four.
class Form2 : public MoxWindow {
    Q_OBJECT
public:
    explicit Form2(MoxApp& app);

    PictureButton* Bild1; // back
    PictureButton* Bild2; // arrow up
    PictureButton* Bild3; // arrow down
    PictureButton* Bild4; // help
    PictureButton* Bild5; // alphabet
    QLabel* Bezeichnung1; // number of lines
    QLabel* Bezeichnung2; // code "1" … "8" of the kind of list
    QScrollBar* HBildlauf1;
    QListWidget* Liste1; // the child's lines, in the child's order
    AbcListBox* Liste2;  // the same lines in ABC order
    QListWidget* Liste3; // line numbers
    QPushButton* Befehl2;
    QPushButton* Befehl3;
    QPushButton* Befehl6;
    QPushButton* Befehl7;
    QPushButton* Befehl8;
    QPushButton* Befehl9;
    QPushButton* Befehl10;
    QPushButton* Befehl11;

    void HBildlauf1_Change();
    void Befehl2_Click();
    void Befehl3_Click();
    void Befehl6_Click();
    void Befehl7_Click();
    void Befehl8_Click();
    void Befehl9_Click();
    void Befehl10_Click();
    void Befehl11_Click();
    void Bild1_Click();
    void Bild2_Click();
    void Bild3_Click();
    void Bild4_Click();
    void Bild5_Click();

    // The lines as they stand, top to bottom.
    QString spokenTask() const override;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void closeRequested() override { Bild1_Click(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPictures();
    void createLists();
    void createKindButtons();
    void dealWords(const QString& code, const QStringList& pool);
    int drawGroup();
    int selectedLine() const;
    void moveSelectedLine(int offset);
    void checkOrder();
    void sayLine(const QListWidgetItem* line);

    MoxApp& app_;
    TaskInPlay task_;
};
