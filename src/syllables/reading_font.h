#pragma once

#include <QFont>
#include <QObject>

class QWidget;

// Andika, a font made for children learning to read (a single-storey a and g, an I, l and 1
// that differ), in place of the fonts the windows name, at their own sizes and weights: in the
// windows there are and in those made later, message boxes included. Switched off, every text
// gets its own font back.
class ReadingFont : public QObject {
    Q_OBJECT
public:
    static inline const QString kFamily = QStringLiteral("Andika");

    ReadingFont();
    ~ReadingFont() override;

    bool isOn() const { return on_; }
    void apply(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void convert(QWidget* widget) const;
    static void restore(QWidget* widget);

    bool on_ = false;
    QFont designApplicationFont_;
};
