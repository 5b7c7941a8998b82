#pragma once

#include "platform/window.h"

#include <QHash>
#include <QList>

class ClassRoom;
class MoxApp;
class PictureButton;
class QCheckBox;
class QListWidget;
class QPushButton;
class QWidget;

// The teacher's window "Klasse": the children of the class with their pictures. Every change is
// written to the class list at once, or refused with the reason and not made.
class KlasseWindow : public MoxWindow {
    Q_OBJECT
public:
    explicit KlasseWindow(MoxApp& app);

    QListWidget* Liste1; // the children, each with their picture
    QPushButton* newChildButton;
    QPushButton* renameButton;
    QPushButton* pictureButton;
    QPushButton* removeButton;
    QPushButton* overviewButton; // "Lernstand"
    QPushButton* reportButton;
    QPushButton* exportButton;
    QPushButton* schoolYearButton;
    QPushButton* backButton;
    QCheckBox* speechBox;   // "Vorlesen" for every child of the class
    QWidget* pictureChoice; // shown by "Bild": the pictures, those of other children disabled
    QList<PictureButton*> pictures;
    QCheckBox* practiseBox; // "Üben, was schwerfällt", for the whole class

    // Fills the list from the class and its records as they are now.
    void showClass();

    void newChild();
    void renameChild();
    void choosePicture();
    void removeChild();
    void showOverview();
    void back();
    void setPractising(bool on);
    void speechChosen(bool on);

protected:
    void Form_Load() override;
    void closeRequested() override { back(); }

private:
    // Fills the list again after a change of names or pictures; what each child practises more
    // often is read from the records only once per showClass().
    void fillList();
    void createControls();
    int selectedId() const;
    void select(int id);
    // Writes the list; when that cannot be done, tells why and takes the list back from the
    // file. False when nothing changed.
    bool keep(const QString& refusal);
    bool mayWrite();
    void takePicture(const QString& key);
    void updateEnabled();

    MoxApp& app_;
    QHash<int, QString> practised_; // by child id
};
