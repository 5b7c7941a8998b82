#pragma once

#include <QTableView>

// The table of the teacher's word-list editor: cells edited as in a spreadsheet, rows of one
// height so that a long list scrolls without measuring them.
class WordTable : public QTableView {
    Q_OBJECT
public:
    explicit WordTable(QWidget* parent);

    // Tab in an open cell steps through these first columns, word and page, row by row as the
    // list file holds them; the columns after them are reached by the arrow keys or a click.
    static constexpr int kTabColumns = 2;

    // The rows of the selected cells in order, each once; else the current row, if any.
    QList<int> chosenRows() const;
    // Makes the cell current, in sight and focused.
    void goTo(int row, int column);
    // Makes the cell current and opens it for typing at once; a cell open elsewhere keeps what
    // was typed into it.
    void openCell(int row, int column);
    // Ends the typing in an open cell, keeping what was typed.
    void closeOpenCell();

signals:
    // Tab in the open last cell of the last row: the teacher goes on typing a new row.
    void tabbedPastEnd();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
};
