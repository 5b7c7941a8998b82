#pragma once

#include "platform/recordings.h"

#include <QIcon>
#include <QString>
#include <QStyledItemDelegate>

class QPushButton;

// How the teacher's record buttons show whether there is a recording: a pale microphone when
// there is none, a red one with a green tick when there is; their names say the same.
namespace RecordingMarks {
QIcon icon(bool recorded);
// "Aufnahme von Kuchen", or "Kuchen aufnehmen".
QString wordName(const QString& word, bool recorded);
// "Aufnahme des Namens von B", or "Namen von B aufnehmen"; the same for the sound ("Laut").
QString letterName(Recordings::Kind kind, const QString& letter, bool recorded);
// The button's picture and names for the recording of key.
void show(QPushButton* button, Recordings& recordings, Recordings::Kind kind, const QString& key);
} // namespace RecordingMarks

// The column "Aufnahme" of the word table: each word's record button, drawn as a button with the
// row's mark. A click or a key on it is the table's to handle.
class RecordButtonDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
