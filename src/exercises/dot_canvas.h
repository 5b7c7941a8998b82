#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <optional>

class QSvgRenderer;

// The surface of the dot-to-dot pictures: a picture with the lines drawn over it. Both are kept
// in canvas units (twips at design size) and painted at the window's present size, so a line
// meets its dot at any scale and taking a line away shows again what lay under it.
class DotCanvas : public QWidget {
    Q_OBJECT
public:
    // The whole canvas in canvas units.
    static constexpr QSize Units{6495, 7695};

    struct Line {
        QPoint from;
        QPoint to;
        bool operator==(const Line&) const = default;
    };

    explicit DotCanvas(QWidget* parent);

    void showPicture(const QString& path);
    QString picturePath() const { return path_; }

    // A line from a point to the same point is a dot.
    void addLine(QPoint from, QPoint to);
    void removeLastLine();
    void clearLines();
    const QList<Line>& lines() const { return lines_; }

    // The centre of the dot that carries the letter (either case), if the picture has one.
    std::optional<QPoint> dotOf(QChar letter) const;
    // The capital letter of the dot at this point (within reach of a child's click), if any.
    std::optional<QChar> letterAt(QPoint at) const;

signals:
    // A press of any mouse button, at this point in canvas units.
    void mouseDown(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QSvgRenderer* picture_;
    QString path_;
    QList<Line> lines_;
};
