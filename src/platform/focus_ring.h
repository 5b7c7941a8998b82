#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

// One clear focus mark for every control of a window: an orange ring drawn just outside the
// control that has the keyboard focus, whatever kind of control it is, so a child who uses the
// keyboard always sees where it is. Picture buttons draw the same ring on their own tile.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget* window);

    static QColor colour() { return {255, 120, 0}; }
    // The ring's line width, grown with the program's scale.
    static qreal lineWidth();

    QWidget* target() const { return target_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focused);
    void fitAroundTarget();

    QPointer<QWidget> target_;
};
