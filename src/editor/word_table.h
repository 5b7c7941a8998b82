#pragma once

#include <QTableView>

// The table of the teacher's word-list editor: cells edited as in a spreadsheet, rows of one
// height so that a long list scrolls without measuring them.
class WordTable : public QTableView {
    Q_OBJECT
public:
    explicit WordTable(QWidget* parent);

    // The rows of the selected cells in order, each once; else the current row, if any.
    QList<int> chosenRows() const;
    // Makes the cell current, in sight and focused.
    void goTo(int row, int column);
};
