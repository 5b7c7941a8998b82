#include "editor/word_recordings.h"

#include "app/mox_app.h"
#include "editor/letter_recordings.h"
#include "editor/recording_marks.h"
#include "editor/recording_window.h"
#include "editor/word_table.h"
#include "editor/word_table_model.h"

#include <QHeaderView>
#include <QPushButton>

WordRecordings::WordRecordings(MoxApp& app, WordTable& table, WordTableModel& model,
                               QPushButton& lettersButton)
    : QObject(&table)
    , app_(app)
    , table_(table)
    , model_(model) {
    // The folder is looked at only when a recording is first asked for, not as the editor opens.
    model.setRecordedCheck([&app](const QString& word) {
        return !app.recordings().find(Recordings::Kind::Word, word).isEmpty();
    });
    table.setItemDelegateForColumn(WordTableModel::RecordColumn, new RecordButtonDelegate(&table));
    QHeaderView* columns = table.horizontalHeader();
    columns->setSectionResizeMode(WordTableModel::RecordColumn, QHeaderView::Fixed);
    columns->resizeSection(WordTableModel::RecordColumn,
                           columns->sectionSizeHint(WordTableModel::RecordColumn));
    connect(&table, &WordTable::clicked, this, &WordRecordings::cellChosen);
    connect(&table, &WordTable::activated, this, &WordRecordings::cellChosen);
    connect(&lettersButton, &QPushButton::clicked, this, [this] {
        app_.window<LetterRecordings>().open(*qobject_cast<MoxWindow*>(table_.window()));
    });
}

void WordRecordings::cellChosen(const QModelIndex& index) {
    if (index.column() == WordTableModel::RecordColumn)
        recordRow(index.row());
}

void WordRecordings::recordRow(int row) {
    const QString word = model_.rows().value(row).word;
    if (word.isEmpty())
        return;
    if (!recording_) {
        recording_ = new RecordingWindow(app_, table_.window());
        connect(recording_, &RecordingWindow::changed, this, &WordRecordings::changed);
    }
    recording_->open(Recordings::Kind::Word, word);
}

void WordRecordings::changed(Recordings::Kind kind) {
    if (kind == Recordings::Kind::Word)
        model_.refreshRecordings();
}
