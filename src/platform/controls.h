#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPainterPath>
#include <QWidget>

#include <optional>

class QKeyEvent;
class QScrollBar;

// The letter A … Z of a key typed as a letter, in either case; nothing for any other key, for
// the repeats of a key held down (only its first press counts) or for a shortcut with Ctrl, Alt
// or Meta.
std::optional<QChar> typedLetter(const QKeyEvent& event);
// As typedLetter, and also Ä, Ö, Ü and ß (which has no capital and stays ß).
std::optional<QChar> typedGermanLetter(const QKeyEvent& event);

// Lets the keyboard work a horizontal scroll bar like a slider: it takes the focus, and Right
// and Up raise its value (a plain scroll bar turns the arrow keys round).
void makeKeyboardSlider(QScrollBar* bar);

// A label for one line of text, a word or a heading. When a long text would not fit, its font
// shrinks so that every letter stays in sight. Its accessible name stays its text.
class FittingLabel : public QLabel {
public:
    FittingLabel(const QFont& font, const QColor& text, const QColor& background, QWidget* parent);

    // The font the text is drawn in: the label's own, or smaller where the text needs it.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A label that reacts to a click, like the caption labels beside the pictures.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A square picture button: an SVG icon on a coloured tile. Being a real button, it takes the
// keyboard focus (Space, Enter and Return press it) and is announced to screen readers as a
// button with a press action; its German name is its accessible name and tooltip.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QString& iconPath, const QString& name, const QColor& background,
                  QWidget* parent);

    QString iconPath() const { return iconPath_; }
    // Another picture on the same tile, for a button that shows its state.
    void setIconPath(const QString& iconPath);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString iconPath_;
    QColor background_;
};

// Decoration painted behind the controls: rectangle, rounded rectangle or oval. It lets
// every mouse event through to what lies below.
class Shape : public QWidget {
public:
    enum class Kind { Rectangle, RoundedRectangle, Oval };

    Shape(Kind kind, const QColor& fill, const QColor& border, QWidget* parent);

    // The painted outline, in the shape's own coordinates.
    QPainterPath outline() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor fill_;
    QColor border_;
};

// A list box that files every added item in its ABC place.
class AbcListBox : public QListWidget {
    Q_OBJECT
public:
    explicit AbcListBox(QWidget* parent);

    void addSorted(const QString& text);
    QStringList texts() const;
};

// The names of the files in a folder that match a pattern (case does not matter), in name
// order. Setting the list index selects a file and raises clicked(), as a click would.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent);

    void setPath(const QString& folder);
    void setPattern(const QString& pattern);
    int listIndex() const { return currentRow(); }
    void setListIndex(int index);
    // Looks at the folder again. The selected file stays selected; when none was, the first
    // one found is selected as setListIndex(0) would.
    void rescan();
    // The full path of the selected file; empty when none is selected.
    QString selectedPath() const;

signals:
    void clicked();

private:
    void refresh();

    QDir folder_;
    QString pattern_;
};

// A picture drawn from an SVG file, kept in its proportions and centred in its area.
class SvgPicture : public QWidget {
public:
    SvgPicture(const QString& path, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString path_;
};

// The left column of an exercise window: a picture button (left 360, 495 × 495 twips) with its
// caption label just under it. The caption is decoration to a screen reader, since the picture
// already carries the name.
PictureButton* addCaptionedPicture(QWidget* window, const QString& iconName, const QString& name,
                                   const QString& caption, int top);
// A caption label across the left column (120 … 1095 twips) at the given top.
QLabel* addColumnCaption(QWidget* window, const QString& caption, int top);
