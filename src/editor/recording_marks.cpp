#include "editor/recording_marks.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace RecordingMarks {

QIcon icon(bool recorded) {
    return QIcon(recorded ? QStringLiteral(":/icons/aufnahme_da.svg")
                          : QStringLiteral(":/icons/aufnahme.svg"));
}

QString wordName(const QString& word, bool recorded) {
    return recorded ? QStringLiteral("Aufnahme von %1").arg(word)
                    : QStringLiteral("%1 aufnehmen").arg(word);
}

QString letterName(Recordings::Kind kind, const QString& letter, bool recorded) {
    const bool name = kind == Recordings::Kind::LetterName;
    if (recorded)
        return (name ? QStringLiteral("Aufnahme des Namens von %1")
                     : QStringLiteral("Aufnahme des Lauts von %1"))
            .arg(letter);
    return (name ? QStringLiteral("Namen von %1 aufnehmen")
                 : QStringLiteral("Laut von %1 aufnehmen"))
        .arg(letter);
}

void show(QPushButton* button, Recordings& recordings, Recordings::Kind kind, const QString& key) {
    const bool recorded = !recordings.find(kind, key).isEmpty();
    const QString name =
        kind == Recordings::Kind::Word ? wordName(key, recorded) : letterName(kind, key, recorded);
    button->setIcon(icon(recorded));
    button->setAccessibleName(name);
    button->setToolTip(name);
}

} // namespace RecordingMarks

void RecordButtonDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, item.widget);
    if (item.icon.isNull())
        return;
    QStyleOptionButton button;
    button.initFrom(item.widget);
    const int inset = std::max(1, item.rect.height() / 10);
    button.rect = item.rect.adjusted(inset, inset, -inset, -inset);
    button.icon = item.icon;
    const int side = button.rect.height() - 2 * inset;
    button.iconSize = QSize(side, side);
    button.state =
        (item.state & (QStyle::State_Enabled | QStyle::State_HasFocus)) | QStyle::State_Raised;
    style->drawControl(QStyle::CE_PushButton, &button, painter, item.widget);
}
