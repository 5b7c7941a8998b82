#include "platform/controls.h"

#include "platform/accessibility.h"
#include "platform/collation.h"
#include "platform/focus_ring.h"
#include "platform/palette.h"
#include "platform/picture_cache.h"
#include "platform/safe_file.h"
#include "platform/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>

namespace {

// A first press of a key, not a shortcut.
bool isTyping(const QKeyEvent& event) {
    const Qt::KeyboardModifiers shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !event.isAutoRepeat() && !(event.modifiers() & shortcut);
}

} // namespace

std::optional<QChar> typedLetter(const QKeyEvent& event) {
    const int key = event.key();
    if (!isTyping(event) || key < Qt::Key_A || key > Qt::Key_Z)
        return std::nullopt;
    return QChar(u'A' + (key - Qt::Key_A));
}

std::optional<QChar> typedGermanLetter(const QKeyEvent& event) {
    if (const std::optional<QChar> letter = typedLetter(event))
        return letter;
    if (!isTyping(event))
        return std::nullopt;
    // These key codes are the letters' own code points.
    switch (event.key()) {
    case Qt::Key_Adiaeresis:
    case Qt::Key_Odiaeresis:
    case Qt::Key_Udiaeresis:
    case Qt::Key_ssharp:
        return QChar(event.key());
    default:
        return std::nullopt;
    }
}

void makeKeyboardSlider(QScrollBar* bar) {
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);
}

FittingLabel::FittingLabel(const QFont& font, const QColor& text, const QColor& background,
                           QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setFont(font);
    setAlignment(Qt::AlignCenter);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, text);
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
}

QFont FittingLabel::fittedFont() const {
    const QRect area = contentsRect();
    // Room at both ends, so that a shrunk text does not touch the edges.
    const qreal room = area.width() - area.height() / 2.0;
    QFont fitted = font();
    const qreal needed = QFontMetricsF(fitted).horizontalAdvance(text());
    if (needed > room && room > 0)
        fitted.setPointSizeF(fitted.pointSizeF() * room / needed);
    return fitted;
}

void FittingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(fittedFont());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
}

ClickLabel::ClickLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

PictureButton::PictureButton(const QString& iconPath, const QString& name, const QColor& background,
                             QWidget* parent)
    : QAbstractButton(parent)
    , iconPath_(iconPath)
    , background_(background) {
    setAccessibleName(name);
    setToolTip(name);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void PictureButton::setIconPath(const QString& iconPath) {
    if (iconPath == iconPath_)
        return;
    iconPath_ = iconPath;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool hovered = underMouse() && isEnabled();
    const qreal ring = FocusRing::lineWidth();
    const QRectF tile = QRectF(rect()).adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2);
    const qreal radius = tile.width() / 6.0;
    QColor fill = isEnabled() ? background_ : background_.lighter(110);
    // A switch that is on stays pressed in.
    if (isDown() || isChecked())
        fill = fill.darker(115);
    else if (hovered)
        fill = fill.lighter(108);
    painter.setBrush(fill);
    const bool highlighted = hasFocus() || hovered;
    painter.setPen(highlighted ? QPen(FocusRing::colour(), ring) : QPen(fill.darker(140), 1.0));
    painter.drawRoundedRect(tile, radius, radius);
    if (!isEnabled())
        painter.setOpacity(0.35);
    const qreal margin = tile.width() * 0.1;
    const QRect icon = tile.adjusted(margin, margin, -margin, -margin).toAlignedRect();
    const qreal ratio = devicePixelRatioF();
    painter.drawPixmap(icon, PictureCache::picture(iconPath_, icon.size() * ratio, ratio));
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    // Like the other buttons of the program, Enter and Return press a focused picture too.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        setCursor(isEnabled() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QAbstractButton::changeEvent(event);
}

Shape::Shape(Kind kind, const QColor& fill, const QColor& border, QWidget* parent)
    : QWidget(parent)
    , kind_(kind)
    , fill_(fill)
    , border_(border) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Accessibility::markDecorative(this);
}

QPainterPath Shape::outline() const {
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath path;
    switch (kind_) {
    case Kind::Rectangle:
        path.addRect(area);
        break;
    case Kind::RoundedRectangle: {
        // Gently rounded, so that what lies on the panel stays inside its corners.
        const qreal radius = std::min(std::min(area.width(), area.height()) / 5.0,
                                      static_cast<qreal>(Twips::toPixels(150)));
        path.addRoundedRect(area, radius, radius);
        break;
    }
    case Kind::Oval:
        path.addEllipse(area);
        break;
    }
    return path;
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(fill_);
    painter.setPen(border_.isValid() ? QPen(border_, 1.5) : QPen(Qt::NoPen));
    painter.drawPath(outline());
}

AbcListBox::AbcListBox(QWidget* parent)
    : QListWidget(parent) {}

void AbcListBox::addSorted(const QString& text) {
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (abcLess(text, item(middle)->text()))
            high = middle;
        else
            low = middle + 1;
    }
    insertItem(low, text);
}

QStringList AbcListBox::texts() const {
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result.append(item(i)->text());
    return result;
}

FileList::FileList(QWidget* parent)
    : QListWidget(parent) {}

void FileList::setPath(const QString& folder) {
    folder_.setPath(folder);
    refresh();
}

void FileList::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

void FileList::refresh() {
    clear();
    if (pattern_.isEmpty())
        return;
    // A FIFO or a link out of the folder would hang or mislead whoever reads the file chosen.
    const QStringList names =
        folder_.entryList({pattern_}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (SafeFile::find(folder_.filePath(name)).kind == SafeFile::Kind::Regular)
            addItem(name);
    }
}

void FileList::setListIndex(int index) {
    setCurrentRow(index);
    emit clicked();
}

void FileList::rescan() {
    const QString selected = currentItem() ? currentItem()->text() : QString();
    refresh();
    const QList<QListWidgetItem*> found = findItems(selected, Qt::MatchExactly);
    if (!selected.isEmpty() && !found.isEmpty())
        setCurrentItem(found.first());
    else if (count() > 0)
        setListIndex(0);
}

QString FileList::selectedPath() const {
    const QListWidgetItem* selected = currentItem();
    return selected ? folder_.filePath(selected->text()) : QString();
}

SvgPicture::SvgPicture(const QString& path, QWidget* parent)
    : QWidget(parent)
    , path_(path) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Accessibility::markDecorative(this);
}

void SvgPicture::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    QPainter painter(this);
    painter.drawPixmap(
        rect(), PictureCache::picture(path_, size() * ratio, ratio, PictureCache::Fit::KeepAspect));
}

PictureButton* addCaptionedPicture(QWidget* window, const QString& iconName, const QString& name,
                                   const QString& caption, int top) {
    auto* button = new PictureButton(QStringLiteral(":/icons/%1.svg").arg(iconName), name,
                                     Colors::LightCyan, window);
    place(button, 360, top, 495, 495);
    addColumnCaption(window, caption, top + 525);
    return button;
}

QLabel* addColumnCaption(QWidget* window, const QString& caption, int top) {
    auto* label = new QLabel(caption, window);
    label->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9.75, true));
    label->setAlignment(Qt::AlignCenter);
    Accessibility::markDecorative(label);
    place(label, 120, top, 975, 255);
    return label;
}
