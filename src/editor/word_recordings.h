#pragma once

#include "platform/recordings.h"

#include <QObject>

class LetterRecordings;
class MoxApp;
class QModelIndex;
class QPushButton;
class RecordingWindow;
class WordTable;
class WordTableModel;

// The recordings offered by the word-list editor: each word's record button in the table's
// column "Aufnahme" (a click, or Enter on it, opens the window "Aufnahme" for the word), and
// the button that opens the page of the letters.
class WordRecordings : public QObject {
    Q_OBJECT
public:
    WordRecordings(MoxApp& app, WordTable& table, WordTableModel& model,
                   QPushButton& lettersButton);

    // Opens the window "Aufnahme" for the word of the row; nothing for a row without one.
    void recordRow(int row);

private:
    void cellChosen(const QModelIndex& index);
    void changed(Recordings::Kind kind);

    MoxApp& app_;
    WordTable& table_;
    WordTableModel& model_;
    RecordingWindow* recording_ = nullptr; // made when first asked for
};
