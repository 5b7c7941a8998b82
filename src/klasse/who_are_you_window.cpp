#include "klasse/who_are_you_window.h"

#include "app/form0.h"
#include "app/mox_app.h"
#include "klasse/class_room.h"
#include "klasse/class_session.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/on_screen.h"
#include "platform/speech.h"
#include "platform/twips.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>

namespace {
const QString kTitle = QStringLiteral("Wer bist du?");
// Eight pictures to a row keep a class of 32 within four rows, which fits a small screen.
constexpr int kMostColumns = 8;
constexpr int kFewestColumns = 3;
constexpr int kMargin = 240;
constexpr int kCellWidth = 1560;
constexpr int kCellHeight = 1860;
constexpr int kPicture = 1320;
constexpr int kNameTop = kPicture + 60;
constexpr int kNameHeight = 360;
const QColor kBackground(255, 248, 214);
} // namespace

WhoAreYouWindow::WhoAreYouWindow(MoxApp& app)
    : app_(app) {
    setWindowTitle(kTitle);
    setBackgroundColor(kBackground);
    if (app_.settings().kiosk())
        setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    OnScreen::of(*this);
}

void WhoAreYouWindow::ask() {
    ClassRoom& room = app_.classRoom();
    room.load();
    if (!room.exists()) {
        app_.backToMain(*this);
        return;
    }
    showClass();
    placeOnScreen(Placement::Centred);
    app_.open(*this);
}

void WhoAreYouWindow::showClass() {
    qDeleteAll(pictures);
    qDeleteAll(names);
    pictures.clear();
    names.clear();
    said_ = nullptr;
    const QList<Child>& children = app_.classRoom().list().children();
    const int count = std::max(1, static_cast<int>(children.size()));
    const int rows = (count + kMostColumns - 1) / kMostColumns;
    columns_ = (count + rows - 1) / rows;
    const int shownColumns = std::max(columns_, kFewestColumns);
    const int left = kMargin + (shownColumns - columns_) * kCellWidth / 2;
    setClientSize(2 * kMargin + shownColumns * kCellWidth, kMargin + rows * kCellHeight);
    const QFont font = Twips::font(QStringLiteral("Comic Sans MS"), 12, true);
    for (qsizetype i = 0; i < children.size(); ++i) {
        const Child& child = children.at(i);
        const int cellLeft = left + static_cast<int>(i % columns_) * kCellWidth;
        const int cellTop = kMargin + static_cast<int>(i / columns_) * kCellHeight;
        auto* picture = new PictureButton(QStringLiteral(":/kinder/%1.svg").arg(child.picture),
                                          child.name, Qt::white, this);
        place(picture, cellLeft + (kCellWidth - kPicture) / 2, cellTop, kPicture, kPicture);
        picture->installEventFilter(this);
        connect(picture, &PictureButton::pressed, this, [this, picture] {
            if (picture != said_)
                say(picture);
        });
        connect(picture, &PictureButton::clicked, this, [this, id = child.id] { choose(id); });
        auto* name = new FittingLabel(font, Qt::black, kBackground, this);
        name->setText(child.name);
        Accessibility::markDecorative(name);
        place(name, cellLeft + 30, cellTop + kNameTop, kCellWidth - 60, kNameHeight);
        if (!pictures.isEmpty())
            QWidget::setTabOrder(pictures.last(), picture);
        picture->show();
        name->show();
        pictures.append(picture);
        names.append(name);
    }
}

void WhoAreYouWindow::Form_Activate() {
    // The question comes first; the first name waits for the child to move.
    if (!pictures.isEmpty())
        pictures.first()->setFocus(Qt::OtherFocusReason);
    said_ = nullptr;
    // Loading the voice for its first words waits for the pictures to be on screen.
    OnScreen::of(*this).then([this] { app_.speech().say(kTitle); });
}

void WhoAreYouWindow::choose(int childId) {
    const double points = app_.session().choose(childId);
    app_.setPointsTotal(points);
    app_.backToMain(*this);
}

void WhoAreYouWindow::say(const PictureButton* picture) {
    said_ = picture;
    app_.speech().say(picture->accessibleName());
}

bool WhoAreYouWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* picture = qobject_cast<PictureButton*>(watched);
    const qsizetype index = pictures.indexOf(picture);
    if (index < 0)
        return MoxWindow::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        // Only a move by key says the name here; a press says it itself.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            say(picture);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        int step = 0;
        switch (key->key()) {
        case Qt::Key_Left:
            step = -1;
            break;
        case Qt::Key_Right:
            step = 1;
            break;
        case Qt::Key_Up:
            step = -columns_;
            break;
        case Qt::Key_Down:
            step = columns_;
            break;
        default:
            return false;
        }
        const qsizetype next = index + step;
        if (next >= 0 && next < pictures.size())
            pictures.at(next)->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

void WhoAreYouWindow::closeRequested() {
    app_.mainWindow().Bild2_Click();
}

void WhoAreYouWindow::changeEvent(QEvent* event) {
    // In kiosk use the window manager may still minimise it: it comes straight back.
    if (event->type() == QEvent::WindowStateChange && app_.settings().kiosk() && isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    MoxWindow::changeEvent(event);
}
