#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

// A surface that keeps what was drawn on it until it is cleared, whatever covered it in
// between: drawing goes into an off-screen image, which the widget paints. Positions are
// in twips. It also remembers the texts printed since the last clear, which is what the
// child reads off the surface, and tells them to screen readers in reading order.
class Canvas : public QWidget {
    Q_OBJECT
public:
    struct PrintedText {
        QString text;
        QPoint position; // twips
        QColor color;
        QColor outline; // invalid when the text has no edge
    };

    explicit Canvas(QWidget* parent);

    void clear();
    // With an outline colour, the text gets a thin edge in it, so that a light colour still
    // stands out from the background.
    void printText(const QString& text, QPoint position, const QColor& color, const QFont& font,
                   const QColor& outline = {});
    void drawLine(QPoint from, QPoint to, const QColor& color, int width = 1);

    const QList<PrintedText>& printedTexts() const { return printed_; }
    QColor pixelColor(QPoint position) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateAccessibleText();

    QImage image_;
    QList<PrintedText> printed_;
};
