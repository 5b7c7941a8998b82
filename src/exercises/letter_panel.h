#pragma once

#include "exercises/letters.h"

#include <QListWidget>

class QKeyEvent;

// A panel of letters in two rows, by default the 30 letters of the word games in 15 columns. A
// letter is chosen by a click or a tap, by Space or Enter on the current letter (the arrows move
// it), or by typing it anywhere in the panel's window.
class LetterPanel : public QListWidget {
    Q_OBJECT
public:
    enum class Marking {
        Toggle, // each choice marks its letter, choosing it again takes the mark away
        Single, // the last chosen letter is marked
        None,   // nothing is marked: a choice is an answer
    };

    // letters in the order they are added: the panel fills its columns top to bottom.
    LetterPanel(Marking marking, QWidget* parent, const QString& letters = Letters::kPanelOrder);

    // Empties the panel and adds an entry (a blank, the letter, a blank) for each letter; no
    // marks.
    void refill();
    // The letter of the entry chosen last.
    QChar chosenLetter() const;
    // A typed letter acts as a click on its entry. False when the key is not one of the
    // panel's letters.
    bool chooseTyped(const QKeyEvent& event);

signals:
    void letterChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Moving with the arrows only moves; a letter is chosen on purpose.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void choose(int row);

    Marking marking_;
    QString letters_;
};
