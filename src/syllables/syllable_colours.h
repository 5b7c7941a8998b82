#pragma once

#include "platform/page_layout.h"
#include "syllables/syllables.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>

class QPainter;

// The two colours of alternating syllables, as in the class's reading book: a dark blue and a
// dark orange that children with red-green blindness tell apart too (they differ in blue and in
// brightness), each dark enough for a contrast of at least 4.5:1 on the light backgrounds of
// the windows and on paper.
namespace SyllableColours {

inline const QColor kFirst(0, 60, 170);
inline const QColor kSecond(168, 64, 0);

// The colour of a piece: what stands between words takes the first.
QColor of(const TextPiece& piece);

// The pieces' colours as stretches of the printed text that starts with them.
QList<TextColour> runs(const QList<TextPiece>& pieces);

// Draws the text on one line in area, placed by alignment, each syllable in its colour.
void draw(QPainter& painter, const QRectF& area, Qt::Alignment alignment, const QFont& font,
          const QList<TextPiece>& pieces);

} // namespace SyllableColours
