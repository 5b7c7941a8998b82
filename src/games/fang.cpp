#include "games/fang.h"

#include "app/mox_app.h"
#include "klasse/exercise_names.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/palette.h"
#include "platform/random.h"
#include "platform/speech.h"
#include "platform/twips.h"
#include "syllables/reading_help.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <ranges>

namespace {

const QString kTitle = QStringLiteral("A B C - Fange");
const QString kFieldFont = QStringLiteral("MS Sans Serif");
constexpr double kFieldPoints = 13.5;
// A cell of the field is 14 points square.
constexpr int kCellTwips = 280;
// Letters sit on the even columns 2 ... 24, twice 1 ... 12; the cursor moves on every column.
constexpr int kLetterColumns = 12;
constexpr int kFirstColumn = 1;
constexpr int kLastColumn = 24;
constexpr int kFirstRow = 3;
constexpr int kLastRow = 16;
constexpr int kRows = kLastRow - kFirstRow + 1;
constexpr int kLeaveInterval = 1000;

const QColor kLetterColour = paletteColor(1);
// The cursor stands out from the blue letters, so the child finds it at a glance.
const QColor kCursorColour(230, 0, 0);

QPoint cellTopLeft(int column, int row) {
    return {kCellTwips * column, kCellTwips * row};
}

bool onField(int column, int row) {
    return column >= kFirstColumn && column <= kLastColumn && row >= kFirstRow && row <= kLastRow;
}

} // namespace

fang::fang(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::fangspiel()) {
    setWindowTitle(kTitle);
    setBackgroundColor(Qt::white);
    setClientSize(7215, 5655);
    createControls();
    offerHearAgain(app_.speech(), QStringLiteral("Fange die Buchstaben nach dem ABC, A zuerst."));
    // Key preview: every key press of a control passes the window first.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void fang::createControls() {
    place(new Shape(Shape::Kind::Rectangle, QColor(205, 232, 255), {}, this), 0, 0, 7215, 675);
    place(
        new Shape(Shape::Kind::RoundedRectangle, Colors::LightYellow, QColor(240, 200, 120), this),
        3900, 60, 3195, 555);
    place(new Shape(Shape::Kind::Rectangle, Qt::white, Qt::black, this), 120, 720, 6975, 4215);

    cursorMark_ =
        new Shape(Shape::Kind::RoundedRectangle, QColor(255, 226, 110), QColor(255, 150, 40), this);
    cursorMark_->hide();

    surface = new Canvas(this);
    surface->setAccessibleDescription(QStringLiteral("Spielfeld"));
    place(surface, 0, 0, 7215, 5655);

    const QFont buttonFont = Twips::font(QStringLiteral("MS Sans Serif"), 9.75, true);
    auto button = [&](const QString& caption, const QString& colours, int left, int width) {
        auto* pushButton = new QPushButton(caption, this);
        pushButton->setFont(buttonFont);
        pushButton->setAutoDefault(true);
        pushButton->setCursor(Qt::PointingHandCursor);
        pushButton->setStyleSheet(
            QStringLiteral("QPushButton { %1 border: 1px solid rgb(43,43,92); border-radius: 6px; }"
                           "QPushButton:pressed { padding-top: 2px; }")
                .arg(colours));
        place(pushButton, left, 120, width, 435);
        return pushButton;
    };
    Befehl1 = button(QStringLiteral("ENDE"),
                     QStringLiteral("color: white; background: rgb(232,65,60);"), 120, 675);
    Befehl4 = button(QStringLiteral("START"),
                     QStringLiteral("color: white; background: rgb(52,184,74);"), 870, 795);
    connect(Befehl1, &QPushButton::clicked, this, &fang::Befehl1_Click);
    connect(Befehl4, &QPushButton::clicked, this, &fang::Befehl4_Click);

    auto arrow = [this](const char* icon, const char* name, int left) {
        auto* picture = new PictureButton(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)),
                                          QString::fromLatin1(name), Colors::LightGrey, this);
        place(picture, left, 90, 495, 495);
        return picture;
    };
    Bild1 = arrow("dreieck_links", "Links", 1770);
    Bild2 = arrow("dreieck_hoch", "Hoch", 2280);
    Bild3 = arrow("dreieck_runter", "Runter", 2790);
    Bild4 = arrow("dreieck_rechts", "Rechts", 3300);
    connect(Bild1, &PictureButton::clicked, this, &fang::Bild1_Click);
    connect(Bild2, &PictureButton::clicked, this, &fang::Bild2_Click);
    connect(Bild3, &PictureButton::clicked, this, &fang::Bild3_Click);
    connect(Bild4, &PictureButton::clicked, this, &fang::Bild4_Click);

    const QFont speedFont = Twips::font(QStringLiteral("MS Sans Serif"), 8.25, true);
    Bezeichnung1 = new QLabel(QStringLiteral("schnell"), this);
    Bezeichnung1->setFont(speedFont);
    Bezeichnung1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(Bezeichnung1, 3915, 210, 750, 255);
    Bezeichnung2 = new QLabel(QStringLiteral("langsam"), this);
    Bezeichnung2->setFont(speedFont);
    place(Bezeichnung2, 6180, 210, 855, 255);

    HBildlauf1 = new QScrollBar(Qt::Horizontal, this);
    HBildlauf1->setRange(1, 10);
    HBildlauf1->setPageStep(1);
    HBildlauf1->setValue(10);
    HBildlauf1->setFocusPolicy(Qt::StrongFocus);
    HBildlauf1->setAccessibleName(QStringLiteral("Tempo"));
    HBildlauf1->setToolTip(QStringLiteral("Tempo"));
    place(HBildlauf1, 4710, 195, 1425, 285);
    // With tracking on, dragging the thumb changes the value as it goes, so the pace follows.
    connect(HBildlauf1, &QScrollBar::valueChanged, this, &fang::HBildlauf1_Change);

    Bezeichnung3 = new QLabel(this);
    Bezeichnung3->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 18, true));
    Bezeichnung3->setStyleSheet(
        QStringLiteral("color: rgb(0,128,0); background: rgb(128,255,255); padding-left: 4px;"));
    Bezeichnung3->setAccessibleDescription(QStringLiteral("Gefangene Buchstaben"));
    place(Bezeichnung3, 120, 5040, 6975, 495);

    Bezeichnung4 = new QLabel(this);
    Bezeichnung4->hide();

    Zeit1 = new QTimer(this);
    Zeit1->setInterval(1000);
    connect(Zeit1, &QTimer::timeout, this, &fang::Zeit1_Timer);
}

QString fang::spokenTask() const {
    QStringList caught;
    for (const QChar letter : Bezeichnung3->text())
        caught.append(Spoken::letter(letter, app_.readingHelp().letters()));
    return caught.join(QStringLiteral(", "));
}

void fang::Form_Load() {
    placeOnScreen(Placement::Centred);
}

void fang::showEvent(QShowEvent* event) {
    MoxWindow::showEvent(event);
    Befehl4->setFocus();
}

void fang::Befehl4_Click() {
    Bezeichnung3->clear();
    Bezeichnung4->setText(kCapitals);
    lettersDrawn_ = false;
    cursorCol = 14;
    cursorRow = 9;
    RandomSource& random = app_.random();
    random.randomize();
    for (int i = 0; i < LetterCount; ++i) {
        posCol.at(static_cast<size_t>(i)) = 2 * random.uniform(1, kLetterColumns);
        posRow.at(static_cast<size_t>(i)) = random.uniform(kFirstRow, kRows);
    }
    Zeit1->setInterval(HBildlauf1->value() * 1000);
    Zeit1->start();
    task_.deal(kCapitals);
    showField();
    // Space on START would throw the new game away; on the arrows it steers.
    Bild1->setFocus();
}

void fang::Zeit1_Timer() {
    moveLetters();
    checkCatch();
}

void fang::Bild1_Click() {
    moveCursor(std::max(cursorCol - 1, kFirstColumn), cursorRow);
}

void fang::Bild2_Click() {
    moveCursor(cursorCol, std::max(cursorRow - 1, kFirstRow));
}

void fang::Bild3_Click() {
    moveCursor(cursorCol, std::min(cursorRow + 1, kLastRow));
}

void fang::Bild4_Click() {
    moveCursor(std::min(cursorCol + 1, kLastColumn), cursorRow);
}

void fang::moveCursor(int column, int row) {
    cursorCol = column;
    cursorRow = row;
    checkCatch();
}

void fang::HBildlauf1_Change() {
    Zeit1->setInterval(HBildlauf1->value() * 1000);
    Bild1->setFocus();
}

void fang::moveLetters() {
    RandomSource& random = app_.random();
    const auto count = static_cast<size_t>(Bezeichnung4->text().size());
    for (size_t i = 0; i < count; ++i) {
        const auto sameCell = [&](size_t j) {
            return posCol.at(j) == posCol.at(i) && posRow.at(j) == posRow.at(i);
        };
        do {
            posCol.at(i) = 2 * random.uniform(1, kLetterColumns);
            posRow.at(i) = random.uniform(kFirstRow, kRows);
        } while (std::ranges::any_of(std::views::iota(size_t{0}, i), sameCell));
    }
    lettersDrawn_ = true;
}

void fang::checkCatch() {
    const QString inPlay = Bezeichnung4->text();
    if (!inPlay.isEmpty() && posCol.front() == cursorCol && posRow.front() == cursorRow) {
        Bezeichnung3->setText(Bezeichnung3->text() + inPlay.front());
        app_.speech().say(Spoken::letter(inPlay.front(), app_.readingHelp().letters()));
        std::copy(posCol.begin() + 1, posCol.begin() + inPlay.size(), posCol.begin());
        std::copy(posRow.begin() + 1, posRow.begin() + inPlay.size(), posRow.begin());
        Bezeichnung4->setText(inPlay.mid(1));
        lettersDrawn_ = true;
        app_.dialogs().beep();
    }
    showField();
    if (Bezeichnung4->text().isEmpty())
        gameOver();
}

void fang::showField() {
    surface->clear();
    if (lettersDrawn_) {
        const QFont letterFont = Twips::font(kFieldFont, kFieldPoints, true);
        const QString inPlay = Bezeichnung4->text();
        for (qsizetype i = 0; i < inPlay.size(); ++i) {
            const auto index = static_cast<size_t>(i);
            surface->printText(inPlay.at(i), cellTopLeft(posCol.at(index), posRow.at(index)),
                               kLetterColour, letterFont);
        }
    }
    const bool cursorOnField = onField(cursorCol, cursorRow);
    cursorMark_->setVisible(cursorOnField);
    if (!cursorOnField)
        return;
    const QPoint cursorCell = cellTopLeft(cursorCol, cursorRow);
    place(cursorMark_, cursorCell.x() - kCellTwips / 8, cursorCell.y() - kCellTwips / 8,
          kCellTwips * 5 / 4, kCellTwips * 5 / 4);
    surface->printText(QStringLiteral("+"), cursorCell, kCursorColour,
                       Twips::font(kFieldFont, kFieldPoints, true));
}

void fang::gameOver() {
    // No jump may come between the last catch and the message.
    Zeit1->stop();
    app_.dialogs().msgBox(QStringLiteral("  Das Spiel ist beendet!\r"), MsgBox::OkOnly, kTitle);
    task_.finish(Bezeichnung3->text(), true, 0);
    leaveGame();
}

void fang::Befehl1_Click() {
    // The letters wait while the child decides: no jump, and no catch, behind the question.
    const bool running = Zeit1->isActive();
    Zeit1->stop();
    const int answer = app_.dialogs().msgBox(QStringLiteral("Dieses Spiel jetzt beenden?\r"),
                                             MsgBox::YesNoStop, kTitle);
    if (answer == MsgBox::Yes) {
        leaveGame();
        return;
    }
    if (running)
        Zeit1->start();
}

void fang::leaveGame() {
    task_.leave();
    Bezeichnung3->clear();
    Zeit1->setInterval(kLeaveInterval);
    Zeit1->stop();
    app_.backToMain(*this);
}

bool fang::Form_KeyDown(const QKeyEvent& event) {
    const Qt::KeyboardModifiers shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.modifiers() & shortcut)
        return false;
    switch (event.key()) {
    case Qt::Key_Left:
        Bild1_Click();
        return true;
    case Qt::Key_Up:
        Bild2_Click();
        return true;
    case Qt::Key_Down:
        Bild3_Click();
        return true;
    case Qt::Key_Right:
        Bild4_Click();
        return true;
    case Qt::Key_Escape:
        if (!event.isAutoRepeat())
            Befehl1_Click();
        return true;
    default:
        return false;
    }
}

bool fang::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && Form_KeyDown(*static_cast<QKeyEvent*>(event)))
        return true;
    return MoxWindow::eventFilter(watched, event);
}

void fang::keyPressEvent(QKeyEvent* event) {
    if (!Form_KeyDown(*event))
        MoxWindow::keyPressEvent(event);
}
