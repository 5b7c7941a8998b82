#pragma once

#include "editor/syllable_column.h"
#include "editor/word_rows.h"

#include <QAbstractTableModel>
#include <QUndoStack>

#include <functional>

// The rows of a word list for the teacher's table, columns "Wort", "Seite", "Silben" and the record
// button of each word ("Aufnahme"). Every edit goes through its undo stack; a row that breaks the
// row rule is marked with the reason.
class WordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { WordColumn, PageColumn, SyllablesColumn, RecordColumn };

    explicit WordTableModel(QObject* parent = nullptr);

    QUndoStack& undoStack() { return undo_; }
    SyllableColumn& syllables() { return syllables_; }
    // The program's splits changed (the patterns came, the corrections file was read anew).
    void refreshSyllables();
    // Whether a word has a recording; until it is set, none has.
    void setRecordedCheck(std::function<bool(const QString& word)> recorded) {
        recorded_ = std::move(recorded);
    }
    // A recording was made or deleted: the record buttons show it.
    void refreshRecordings();
    // Unsaved edits: the rows differ from the last setRows() or markSaved().
    bool isModified() const { return !undo_.isClean(); }
    void markSaved() { undo_.setClean(); }
    // Back to the rows as last saved; the edits given up can be redone.
    void discardEdits() { undo_.setIndex(undo_.cleanIndex()); }

    // A fresh list: nothing to undo, and nothing unsaved.
    void setRows(QList<WordRow> rows);
    const QList<WordRow>& rows() const { return rows_; }
    RowFault fault(int row) const { return rows_.at(row).fault(); }
    // The first marked row at or after `from`, else -1.
    int nextMarkedRow(int from = 0) const;
    int markedCount() const;
    // How many rows, how many of them are marked, and the fault or note of the current row.
    QString summary(const QModelIndex& current) const;

    // The undoable edits.
    void insertRows(int at, const QList<WordRow>& rows, const QString& action);
    // Rows by their index, in any order.
    void removeRowsAt(QList<int> indexes);
    // ABC order of the words by the program's collation; equal words by their page.
    void sortAbc();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // A split typed for the word does not have its letters; it is not taken.
    void splitRefused(const QString& word, const QString& split);

private:
    void setCell(int row, int column, const QString& text);
    bool setSplit(const QString& word, const QString& typed);
    QString cellText(const WordRow& row, int column) const;
    QVariant recordCell(const QString& word, int role) const;
    void putRows(int at, const QList<WordRow>& rows);
    void takeRows(int at, int count);
    void replaceAll(const QList<WordRow>& rows);

    QList<WordRow> rows_;
    QUndoStack undo_;
    SyllableColumn syllables_;
    std::function<bool(const QString& word)> recorded_;
};
