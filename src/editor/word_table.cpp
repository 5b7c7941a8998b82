#include "editor/word_table.h"

#include "platform/click_guard.h"
#include "platform/twips.h"

#include <QHeaderView>

#include <algorithm>

WordTable::WordTable(QWidget* parent)
    : QTableView(parent) {
    setAccessibleName(QStringLiteral("Wörter, Seiten und Silben"));
    // Typing into a cell edits it at once, as in a spreadsheet; a double click does too.
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
    ClickGuard::allowDoubleClick(this);
    // Tab leaves the table for the buttons; the arrow keys move between cells.
    setTabKeyNavigation(false);
    // The mark of a row as large as its text, on every screen.
    const int textHeight = fontMetrics().height();
    setIconSize(QSize(textHeight, textHeight));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(textHeight * 3 / 2);
}

QList<int> WordTable::chosenRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    if (rows.isEmpty() && currentIndex().isValid())
        rows.append(currentIndex().row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void WordTable::goTo(int row, int column) {
    const QModelIndex index = model()->index(row, column);
    setCurrentIndex(index);
    scrollTo(index);
    setFocus();
}

void WordTable::openCell(int row, int column) {
    const QModelIndex index = model()->index(row, column);
    // A cell already open stays open with its text; another one is closed first.
    if (state() != EditingState || currentIndex() != index) {
        closeOpenCell();
        goTo(row, column);
    }
    QTableView::edit(index, EditKeyPressed, nullptr);
}

void WordTable::closeOpenCell() {
    // The cell's editor hands over its text as it loses the focus.
    if (state() == EditingState)
        setFocus();
}

bool WordTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A click on the current cell opens it at once rather than after the time of a double
    // click: meanwhile typed keys would search the column and open another row's cell.
    if (trigger == SelectedClicked && (editTriggers() & SelectedClicked))
        trigger = EditKeyPressed;
    return QTableView::edit(index, trigger, event);
}

QModelIndex WordTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    if (action == MoveNext && current.column() >= kTabColumns - 1 &&
        current.row() + 1 < model()->rowCount())
        return model()->index(current.row() + 1, 0);
    if (action == MovePrevious && current.column() == 0 && current.row() > 0)
        return model()->index(current.row() - 1, kTabColumns - 1);
    return QTableView::moveCursor(action, modifiers);
}

void WordTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const QModelIndex current = currentIndex();
    const bool pastEnd = hint == QAbstractItemDelegate::EditNextItem &&
                         current.row() == model()->rowCount() - 1 &&
                         current.column() >= kTabColumns - 1;
    QTableView::closeEditor(editor, pastEnd ? QAbstractItemDelegate::NoHint : hint);
    if (pastEnd)
        emit tabbedPastEnd();
}
