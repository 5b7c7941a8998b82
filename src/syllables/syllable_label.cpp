#include "syllables/syllable_label.h"

#include "platform/controls.h"
#include "syllables/reading_help.h"
#include "syllables/syllable_colours.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

SyllableLabel::SyllableLabel(ReadingHelp& help, QLabel* label)
    : QObject(label)
    , help_(help)
    , label_(label) {
    label->installEventFilter(this);
    connect(&help, &ReadingHelp::changed, label, qOverload<>(&QWidget::update));
}

bool SyllableLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != label_ || event->type() != QEvent::Paint || !help_.syllablesOn() ||
        label_->text().isEmpty())
        return QObject::eventFilter(watched, event);
    // The background, plain or from a style sheet, is already drawn before the paint event.
    QPainter painter(label_);
    const auto* fitting = dynamic_cast<const FittingLabel*>(label_);
    const QFont font = fitting ? fitting->fittedFont() : label_->font();
    SyllableColours::draw(painter, label_->contentsRect(), label_->alignment(), font,
                          help_.syllables().pieces(label_->text()));
    return true;
}
