#pragma once

#include <QLabel>

// The heading of the sheet's middle column as the teacher sees it: broken into lines between
// words only. A word spelt out with blanks between its letters ("W o r t b e d e u t u n g")
// counts as one word, drawn with narrow blanks; the font shrinks until every word fits.
class HeadingLabel : public QLabel {
public:
    HeadingLabel(const QString& text, QWidget* parent);

    // The lines as they are drawn, with the font they are drawn in.
    QStringList lines() const { return layOut().lines; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout {
        QFont font;
        QStringList lines;
    };
    Layout layOut() const;
};
