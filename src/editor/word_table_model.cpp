#include "editor/word_table_model.h"

#include "editor/recording_marks.h"
#include "platform/collation.h"

#include <QApplication>
#include <QColor>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

// An edit as the two steps that do and undo it.
class Edit : public QUndoCommand {
public:
    Edit(const QString& text, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(text)
        , redo_(std::move(redo))
        , undo_(std::move(undo)) {}
    void redo() override { redo_(); }
    void undo() override { undo_(); }

private:
    std::function<void()> redo_;
    std::function<void()> undo_;
};

// A cell holding a whole paragraph is shown by its start; editing shows all of it.
constexpr qsizetype kShownLength = 200;

const QColor kMarkedBackground(255, 214, 214);
// A note is no fault: the row is saved, so it is not shown in the colour of one.
const QColor kNoteBackground(255, 244, 196);

} // namespace

WordTableModel::WordTableModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void WordTableModel::setRows(QList<WordRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    syllables_.clear();
    endResetModel();
    undo_.clear();
}

int WordTableModel::nextMarkedRow(int from) const {
    for (qsizetype row = std::max(from, 0); row < rows_.size(); ++row) {
        if (rows_[row].fault() != RowFault::None)
            return static_cast<int>(row);
    }
    return -1;
}

int WordTableModel::markedCount() const {
    return static_cast<int>(std::count_if(rows_.begin(), rows_.end(), [](const WordRow& row) {
        return row.fault() != RowFault::None;
    }));
}

QString WordTableModel::summary(const QModelIndex& current) const {
    const int rows = rowCount();
    const int marked = markedCount();
    QString text = rows == 1 ? QStringLiteral("1 Zeile") : QStringLiteral("%1 Zeilen").arg(rows);
    if (marked > 0)
        text += QStringLiteral(", davon %1 markiert").arg(marked);
    text += QLatin1Char('.');
    // The record button of the row is not what the line tells about.
    const QString about = current.isValid()
                              ? data(index(current.row(), WordColumn), Qt::ToolTipRole).toString()
                              : QString();
    if (!about.isEmpty())
        text += QStringLiteral(" Zeile %1: %2").arg(current.row() + 1).arg(about);
    return text;
}

int WordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int WordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant WordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const WordRow& row = rows_[index.row()];
    if (index.column() == RecordColumn)
        return recordCell(row.word, role);
    const QString text = cellText(row, index.column());
    switch (role) {
    case Qt::DisplayRole:
        return text.size() > kShownLength ? text.left(kShownLength) + QChar(0x2026) : text;
    case Qt::EditRole:
        return text;
    case Qt::BackgroundRole:
        if (row.fault() != RowFault::None)
            return kMarkedBackground;
        return row.note().isEmpty() ? QVariant() : QVariant(kNoteBackground);
    case Qt::DecorationRole:
        if (index.column() != WordColumn)
            return {};
        if (row.fault() != RowFault::None)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        if (!row.note().isEmpty())
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
        return {};
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString reason =
            row.fault() != RowFault::None ? rowFaultText(row.fault()) : row.note();
        return reason.isEmpty() ? QVariant() : QVariant(reason);
    }
    default:
        return {};
    }
}

QVariant WordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case WordColumn:
        return QStringLiteral("Wort");
    case PageColumn:
        return QStringLiteral("Seite");
    case SyllablesColumn:
        return QStringLiteral("Silben");
    default:
        return QStringLiteral("Aufnahme");
    }
}

Qt::ItemFlags WordTableModel::flags(const QModelIndex& index) const {
    const bool editable = index.column() == WordColumn || index.column() == PageColumn ||
                          (index.column() == SyllablesColumn &&
                           SyllableColumn::splittable(rows_.value(index.row()).word));
    return QAbstractTableModel::flags(index) | (editable ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

QVariant WordTableModel::recordCell(const QString& word, int role) const {
    // A row without a word has nothing to record yet.
    if (word.isEmpty())
        return {};
    const bool recorded = recorded_ && recorded_(word);
    switch (role) {
    case Qt::DecorationRole:
        return RecordingMarks::icon(recorded);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return RecordingMarks::wordName(word, recorded);
    default:
        return {};
    }
}

void WordTableModel::refreshRecordings() {
    if (rowCount() > 0)
        emit dataChanged(index(0, RecordColumn), index(rowCount() - 1, RecordColumn));
}

QString WordTableModel::cellText(const WordRow& row, int column) const {
    switch (column) {
    case WordColumn:
        return row.word;
    case PageColumn:
        return row.page;
    default:
        return syllables_.of(row.word);
    }
}

void WordTableModel::refreshSyllables() {
    if (!rows_.isEmpty())
        emit dataChanged(index(0, SyllablesColumn), index(rowCount() - 1, SyllablesColumn));
}

bool WordTableModel::setSplit(const QString& word, const QString& typed) {
    const std::optional<QString> fitted = SyllableColumn::fitted(word, typed);
    if (!fitted) {
        emit splitRefused(word, typed);
        return false;
    }
    const QString split = *fitted;
    if (split == syllables_.of(word))
        return true;
    const std::optional<QString> before = syllables_.corrected(word);
    // The split is the word's, in every row that holds it.
    undo_.push(new Edit(
        QStringLiteral("Silben ändern"),
        [this, word, split] {
            syllables_.setCorrected(word, split);
            refreshSyllables();
        },
        [this, word, before] {
            syllables_.setCorrected(word, before);
            refreshSyllables();
        }));
    return true;
}

bool WordTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const int row = index.row();
    const int column = index.column();
    if (column == RecordColumn)
        return false;
    if (column == SyllablesColumn)
        return setSplit(rows_[row].word, value.toString().trimmed());
    const QString text =
        column == WordColumn ? wordFromLine(value.toString()) : value.toString().trimmed();
    const QString before = column == WordColumn ? rows_[row].word : rows_[row].page;
    if (text == before)
        return true;
    undo_.push(new Edit(
        column == WordColumn ? QStringLiteral("Wort ändern") : QStringLiteral("Seite ändern"),
        [this, row, column, text] { setCell(row, column, text); },
        [this, row, column, before] { setCell(row, column, before); }));
    return true;
}

void WordTableModel::setCell(int row, int column, const QString& text) {
    (column == WordColumn ? rows_[row].word : rows_[row].page) = text;
    // The mark of the row may change with either cell.
    emit dataChanged(index(row, WordColumn), index(row, RecordColumn));
}

void WordTableModel::insertRows(int at, const QList<WordRow>& rows, const QString& action) {
    if (rows.isEmpty())
        return;
    const int count = static_cast<int>(rows.size());
    undo_.push(new Edit(
        action, [this, at, rows] { putRows(at, rows); },
        [this, at, count] { takeRows(at, count); }));
}

void WordTableModel::removeRowsAt(QList<int> indexes) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    // Runs of neighbouring rows, each taken and put back whole.
    struct Run {
        int at;
        QList<WordRow> rows;
    };
    QList<Run> runs;
    for (const int row : std::as_const(indexes)) {
        if (!runs.isEmpty() && runs.last().at + runs.last().rows.size() == row)
            runs.last().rows.append(rows_[row]);
        else
            runs.append({row, {rows_[row]}});
    }
    if (runs.isEmpty())
        return;
    undo_.push(new Edit(
        QStringLiteral("Zeilen löschen"),
        [this, runs] {
            for (auto run = runs.crbegin(); run != runs.crend(); ++run)
                takeRows(run->at, static_cast<int>(run->rows.size()));
        },
        [this, runs] {
            for (const Run& run : runs)
                putRows(run.at, run.rows);
        }));
}

void WordTableModel::sortAbc() {
    QList<AbcKey> keys;
    QList<int> pages;
    keys.reserve(rows_.size());
    pages.reserve(rows_.size());
    for (const WordRow& row : std::as_const(rows_)) {
        keys.append(abcKey(row.word));
        pages.append(pageNumber(row.page).value_or(0));
    }
    QList<qsizetype> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        if (const int byWord = abcCompare(keys[a], keys[b]))
            return byWord < 0;
        return pages[a] < pages[b];
    });
    QList<WordRow> sorted;
    sorted.reserve(rows_.size());
    for (const qsizetype from : std::as_const(order))
        sorted.append(rows_[from]);
    if (sorted == rows_)
        return;
    const QList<WordRow> before = rows_;
    undo_.push(new Edit(
        QStringLiteral("Sortieren"), [this, sorted] { replaceAll(sorted); },
        [this, before] { replaceAll(before); }));
}

void WordTableModel::putRows(int at, const QList<WordRow>& rows) {
    beginInsertRows({}, at, at + static_cast<int>(rows.size()) - 1);
    rows_.insert(at, rows.size(), WordRow{});
    std::copy(rows.begin(), rows.end(), rows_.begin() + at);
    endInsertRows();
}

void WordTableModel::takeRows(int at, int count) {
    beginRemoveRows({}, at, at + count - 1);
    rows_.remove(at, count);
    endRemoveRows();
}

void WordTableModel::replaceAll(const QList<WordRow>& rows) {
    // Same rows in another order: the views keep their place and selection by row number.
    emit layoutAboutToBeChanged();
    rows_ = rows;
    emit layoutChanged();
}
