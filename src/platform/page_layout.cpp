#include "platform/page_layout.h"

#include <algorithm>
#include <cmath>

PrintJob::PrintJob(QString title, QString fileName, QFont font)
    : title_(std::move(title))
    , fileName_(std::move(fileName))
    , font_(std::move(font)) {}

void PrintJob::printAt(int column, const QString& text) {
    steps_.append(Step{std::max(column, 1), text});
}

void PrintJob::endLine() {
    steps_.append(Step{});
}

PageLayout layOutPages(const QList<PrintJob::Step>& steps, const PageMetrics& metrics) {
    PageLayout layout;
    const int linesPerPage =
        std::max(1, static_cast<int>(std::floor(metrics.pageHeight / metrics.lineHeight)));
    int page = 0;
    int line = 0;
    qreal x = 0;
    for (const PrintJob::Step& step : steps) {
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
        layout.texts.append({page, QPointF(column, line * metrics.lineHeight), step.text});
        x = column + metrics.textWidth(step.text);
        layout.rightEdge = std::max(layout.rightEdge, x);
    }
    layout.pageCount = page + 1;
    return layout;
}
