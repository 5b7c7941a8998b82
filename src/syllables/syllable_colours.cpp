#include "syllables/syllable_colours.h"

#include <QPainter>
#include <QTextLayout>

QColor SyllableColours::of(const TextPiece& piece) {
    return piece.syllable % 2 == 1 ? kSecond : kFirst;
}

QList<TextColour> SyllableColours::runs(const QList<TextPiece>& pieces) {
    QList<TextColour> result;
    for (const TextPiece& piece : pieces)
        result.append({piece.text.size(), of(piece)});
    return result;
}

void SyllableColours::draw(QPainter& painter, const QRectF& area, Qt::Alignment alignment,
                           const QFont& font, const QList<TextPiece>& pieces) {
    QString text;
    QList<QTextLayout::FormatRange> formats;
    for (const TextPiece& piece : pieces) {
        QTextCharFormat format;
        format.setForeground(of(piece));
        formats.append(
            {static_cast<int>(text.size()), static_cast<int>(piece.text.size()), format});
        text += piece.text;
    }
    // One layout for the whole text, so that the letters stand exactly where a plain label
    // puts them: only their colours change.
    QTextLayout layout(text, font, painter.device());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setFormats(formats);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(area.width());
    layout.endLayout();
    if (!line.isValid())
        return;
    QPointF topLeft = area.topLeft();
    const qreal width = line.naturalTextWidth();
    if (alignment & Qt::AlignHCenter)
        topLeft.rx() += (area.width() - width) / 2;
    else if (alignment & Qt::AlignRight)
        topLeft.rx() += area.width() - width;
    if (alignment & Qt::AlignVCenter)
        topLeft.ry() += (area.height() - line.height()) / 2;
    else if (alignment & Qt::AlignBottom)
        topLeft.ry() += area.height() - line.height();
    layout.draw(&painter, topLeft);
}
