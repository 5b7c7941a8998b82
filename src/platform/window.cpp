#include "platform/window.h"

#include "platform/accessibility.h"
#include "platform/click_guard.h"
#include "platform/controls.h"
#include "platform/focus_ring.h"
#include "platform/palette.h"
#include "platform/speech.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>

namespace {
bool g_programEnding = false;

// The band of the "Nochmal hören" picture, in twips.
constexpr int kBandWidth = 735;
constexpr int kPictureSide = 495;
constexpr int kPictureTop = 120;
const QColor kBandColour(205, 232, 255);
} // namespace

MoxWindow::MoxWindow(QWidget* parent)
    : QWidget(parent) {
    Accessibility::install();
    ClickGuard::install();
    setAutoFillBackground(true);
    new FocusRing(this);
}

void MoxWindow::load() {
    if (loaded_)
        return;
    loaded_ = true;
    Form_Load();
}

void MoxWindow::showFromOpener() {
    load();
    show();
    raise();
    activateWindow();
    if (activationQueued_)
        return;
    activationQueued_ = true;
    QMetaObject::invokeMethod(this, &MoxWindow::activate, Qt::QueuedConnection);
}

void MoxWindow::activate() {
    activationQueued_ = false;
    if (!isVisible())
        return;
    // A task that itself says what to do is its own instruction.
    if (speech_)
        speech_->sayFirst(instruction_.isEmpty() ? spokenTask() : instruction_);
    Form_Activate();
    // A window that said nothing of its own on opening still says its task after the
    // instruction.
    if (speech_ && !instruction_.isEmpty() && speech_->hasFirst() && isVisible())
        speech_->say(spokenTask());
}

void MoxWindow::setProgramEnding(bool ending) {
    g_programEnding = ending;
}

void MoxWindow::setBackgroundColor(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
}

void MoxWindow::setClientSize(int widthTwips, int heightTwips) {
    clientWidth_ = widthTwips;
    clientHeight_ = heightTwips;
    fitClientSize();
}

void MoxWindow::fitClientSize() {
    const bool band = hearAgain_ && speech_->isOn();
    setFixedSize(Twips::toPixels(clientWidth_ + (band ? kBandWidth : 0)),
                 Twips::toPixels(clientHeight_));
}

void MoxWindow::placeOnScreen(Placement placement) {
    const QScreen* display = screen();
    if (!display)
        return;
    const QRect area = display->availableGeometry();
    const QSize frame = frameGeometry().size().expandedTo(size());
    const int divisor = placement == Placement::Centred ? 2 : 4;
    move(area.left() + (area.width() - frame.width()) / 2,
         area.top() + std::max(0, (area.height() - frame.height()) / divisor));
}

void MoxWindow::offerHearAgain(Speech& speech, const QString& instruction) {
    speech_ = &speech;
    instruction_ = instruction;
    hearAgainBand_ = new Shape(Shape::Kind::Rectangle, kBandColour, {}, this);
    place(hearAgainBand_, clientWidth_, 0, kBandWidth, clientHeight_);
    const QString name = QStringLiteral("Nochmal hören");
    hearAgain_ =
        new PictureButton(QStringLiteral(":/icons/nochmal.svg"), name, Colors::LightYellow, this);
    hearAgain_->setToolTip(name + QStringLiteral(" (F5)"));
    place(hearAgain_, clientWidth_ + (kBandWidth - kPictureSide) / 2, kPictureTop, kPictureSide,
          kPictureSide);
    connect(hearAgain_, &PictureButton::clicked, this, &MoxWindow::hearAgain);
    connect(&speech, &Speech::switchedOn, this, &MoxWindow::showHearAgain);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(key, &QShortcut::activated, this, &MoxWindow::hearAgain);
    showHearAgain(speech.isOn());
}

void MoxWindow::showHearAgain(bool on) {
    hearAgainBand_->setVisible(on);
    hearAgain_->setVisible(on);
    fitClientSize();
}

void MoxWindow::hearAgain() {
    if (speech_)
        speech_->say(spokenTask());
}

void MoxWindow::closeEvent(QCloseEvent* event) {
    if (g_programEnding) {
        event->accept();
        return;
    }
    event->ignore();
    closeRequested();
}

void MoxWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        !event->isAutoRepeat()) {
        closeRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}
