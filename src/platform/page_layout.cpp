#include "platform/page_layout.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

PrintJob::PrintJob(QString title, QString fileName, QFont font)
    : title_(std::move(title))
    , fileName_(std::move(fileName))
    , font_(std::move(font)) {}

void PrintJob::printAt(int column, const QString& text, const QList<TextColour>& colours) {
    steps_.append(Step{std::max(column, 1), text, colours});
}

void PrintJob::endLine() {
    steps_.append(Step{});
}

void PrintJob::endPage() {
    steps_.append(Step{kNewPage, {}, {}});
}

PageLayout layOutPages(const QList<PrintJob::Step>& steps, const PageMetrics& metrics) {
    PageLayout layout;
    const int linesPerPage =
        std::max(1, static_cast<int>(std::floor(metrics.pageHeight / metrics.lineHeight)));
    int page = 0;
    int line = 0;
    qreal x = 0;
    bool pageUsed = false;
    for (const PrintJob::Step& step : steps) {
        if (step.column == PrintJob::kNewPage) {
            if (pageUsed)
                ++page;
            pageUsed = false;
            line = 0;
            x = 0;
            continue;
        }
        if (step.column == 0) {
            ++line;
            x = 0;
            continue;
        }
        const qreal column = (step.column - 1) * metrics.columnWidth;
        if (x > column)
            ++line;
        if (line >= linesPerPage) {
            ++page;
            line = 0;
        }
        pageUsed = true;
        layout.texts.append(
            {page, QPointF(column, line * metrics.lineHeight), step.text, step.colours});
        x = column + metrics.textWidth(step.text);
        layout.rightEdge = std::max(layout.rightEdge, x);
    }
    layout.pageCount = page + 1;
    return layout;
}

void drawPlacedText(QPainter& painter, const PlacedText& placed, const QFontMetricsF& font) {
    QPointF baseline = placed.topLeft + QPointF(0, font.ascent());
    if (placed.colours.isEmpty()) {
        painter.drawText(baseline, placed.text);
        return;
    }
    const QPen black = painter.pen();
    qsizetype start = 0;
    for (const TextColour& stretch : placed.colours) {
        const QString part = placed.text.mid(start, stretch.length);
        painter.setPen(stretch.colour.isValid() ? QPen(stretch.colour) : black);
        painter.drawText(baseline, part);
        // Measured from the line's start, so that the parts keep the spacing of the whole.
        start += stretch.length;
        baseline.setX(placed.topLeft.x() + font.horizontalAdvance(placed.text.left(start)));
    }
    painter.setPen(black);
    if (start < placed.text.size())
        painter.drawText(baseline, placed.text.mid(start));
}
