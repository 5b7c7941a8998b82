#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>

#include <functional>

class QFontMetricsF;
class QPainter;

// A stretch of a printed text in a colour of its own; an invalid colour prints black.
struct TextColour {
    qsizetype length = 0;
    QColor colour;
};

// A document for the printer: texts at character columns and line ends, in one font.
class PrintJob {
public:
    static constexpr int kNewPage = -1;
    struct Step {
        int column = 0; // 0: the line ends here; kNewPage: the page does
        QString text;
        QList<TextColour> colours; // none: all black
    };

    // title names the document in the printer queue, fileName the file it becomes when it
    // is written to disk instead ("ABC-Arbeitsblatt.pdf").
    PrintJob(QString title, QString fileName, QFont font);

    // Prints text from the given column on (column 1 is the left edge) and stays on the line.
    // A line that has already passed the column goes on at that column of the next line.
    void printAt(int column, const QString& text, const QList<TextColour>& colours = {});
    // Ends the line; a line with nothing on it is an empty line.
    void endLine();
    // What follows starts on a page of its own.
    void endPage();

    const QString& title() const { return title_; }
    const QString& fileName() const { return fileName_; }
    const QFont& font() const { return font_; }
    const QList<Step>& steps() const { return steps_; }

private:
    QString title_;
    QString fileName_;
    QFont font_;
    QList<Step> steps_;
};

// The measures of the printer font on the page, in the device's units. A column is the
// font's average character width.
struct PageMetrics {
    qreal columnWidth = 0;
    qreal lineHeight = 0;
    qreal pageHeight = 0;
    std::function<qreal(const QString&)> textWidth;
};

struct PlacedText {
    int page = 0;
    QPointF topLeft;
    QString text;
    QList<TextColour> colours;
};

// Draws the text with its top left at its place, in its colours.
void drawPlacedText(QPainter& painter, const PlacedText& placed, const QFontMetricsF& font);

struct PageLayout {
    QList<PlacedText> texts;
    int pageCount = 1;
    // How far the widest line reaches to the right.
    qreal rightEdge = 0;
};

// Where each text of the job lands. A line that would pass the bottom of the page starts the
// next page; empty lines there are dropped, so a page never begins with blank lines carried
// over and no page is left empty.
PageLayout layOutPages(const QList<PrintJob::Step>& steps, const PageMetrics& metrics);
