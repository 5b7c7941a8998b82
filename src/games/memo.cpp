#include "games/memo.h"

#include "app/mox_app.h"
#include "klasse/exercise_names.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "platform/speech.h"
#include "platform/twips.h"
#include "syllables/reading_help.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QString kTitle = QStringLiteral("Memory");
const QColor kCardBack(0, 0, 192);
const QColor kCardTrim(120, 150, 255);
const QColor kStar(255, 214, 64);
const QColor kWindowColour(255, 248, 214);

// Nine letters, each twice; one set is dealt per game.
const std::array<QString, 3> kLetterSets = {QStringLiteral("aabbccddeeffgghhii"),
                                            QStringLiteral("jjkkllmmnnooppqqrr"),
                                            QStringLiteral("ssttuuvvwwxxyyzzaa")};
constexpr QChar kFree = u'0';
const QString kAllFound = QString(memo::CardCount, u'0');

constexpr int kCardWidth = 615;
constexpr int kCardHeight = 1095;
constexpr std::array<int, memo::Columns> kColumnLefts = {480, 1320, 2160, 3000, 3840, 4680};
constexpr std::array<int, 3> kRowTops = {1080, 2400, 3720};

int numberIn(const QLabel* label) {
    return static_cast<int>(textToNumber(label->text()));
}

QPainterPath star(QPointF centre, qreal outer) {
    QPainterPath path;
    for (int point = 0; point < 10; ++point) {
        const qreal radius = point % 2 == 0 ? outer : outer * 0.45;
        const qreal angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
        const QPointF corner = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (point == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

} // namespace

MemoryCard::MemoryCard(QWidget* parent)
    : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFont(Twips::font(QStringLiteral("Comic Sans MS"), 26.25, true));
    updateName();
}

void MemoryCard::setCaption(const QString& caption) {
    caption_ = caption;
    updateName();
    update();
}

void MemoryCard::setFound(bool found) {
    found_ = found;
    updateName();
    update();
}

void MemoryCard::updateName() {
    const QString letter = caption_.trimmed();
    // A found card keeps its letter, so that a child who listens knows which pair is gone.
    if (found_)
        setAccessibleName(letter.isEmpty() ? QStringLiteral("gefunden")
                                           : letter + QStringLiteral(", gefunden"));
    else if (letter.isEmpty())
        setAccessibleName(QStringLiteral("verdeckt"));
    else
        setAccessibleName(letter);
}

void MemoryCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = card.width() / 7.0;
    if (found_) {
        painter.setBrush(Qt::white);
        painter.setPen(QPen(QColor(215, 205, 170), 1.5, Qt::DashLine));
        painter.drawRoundedRect(card, radius, radius);
        return;
    }
    const QColor back = underMouse() ? kCardBack.lighter(125) : kCardBack;
    painter.setBrush(back);
    painter.setPen(QPen(kCardBack.darker(160), 1.5));
    painter.drawRoundedRect(card, radius, radius);
    const qreal margin = card.width() / 9.0;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kCardTrim, std::max(1.0, Twips::scale())));
    painter.drawRoundedRect(card.adjusted(margin, margin, -margin, -margin), radius / 2,
                            radius / 2);
    const QString letter = caption_.trimmed();
    if (letter.isEmpty()) {
        painter.setBrush(kStar);
        painter.setPen(QPen(kStar.darker(130), 1.0));
        painter.drawPath(star(card.center(), card.width() / 4.0));
        return;
    }
    painter.setPen(Qt::white);
    painter.drawText(card, Qt::AlignCenter, letter);
}

void MemoryCard::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->ignore();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

memo::memo(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::memory()) {
    setWindowTitle(kTitle);
    setBackgroundColor(kWindowColour);
    setClientSize(5775, 5175);

    place(
        new Shape(Shape::Kind::RoundedRectangle, QColor(205, 232, 255), QColor(47, 134, 255), this),
        120, 120, 735, 735);
    place(
        new Shape(Shape::Kind::RoundedRectangle, QColor(226, 240, 255), QColor(47, 134, 255), this),
        300, 930, 5175, 4035);

    Bezeichnung19 = new QLabel(QStringLiteral(" Immer 2 Felder haben den gleichen Buchstaben, "
                                              "klicke die Felder an und suche alle Kartenpaare."),
                               this);
    Bezeichnung19->setWordWrap(true);
    Bezeichnung19->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9.75, true));
    Bezeichnung19->setStyleSheet(QStringLiteral("color: rgb(0,0,255); background: rgb(224,224,224);"
                                                "border-radius: 6px; padding: 2px 6px;"));
    place(Bezeichnung19, 1020, 120, 4455, 735);

    for (int number = 1; number <= CardCount; ++number) {
        auto* card = new MemoryCard(this);
        const int column = (number - 1) % Columns;
        const int row = (number - 1) / Columns;
        place(card, kColumnLefts.at(static_cast<size_t>(column)),
              kRowTops.at(static_cast<size_t>(row)), kCardWidth, kCardHeight);
        connect(card, &MemoryCard::clicked, this, [this, number] { Bezeichnung_Click(number); });
        cards_.at(static_cast<size_t>(number - 1)) = card;
    }

    Picture1 = new PictureButton(QStringLiteral(":/icons/hand_links.svg"),
                                 QStringLiteral("Beenden"), QColor(205, 232, 255), this);
    place(Picture1, 240, 240, 495, 495);
    connect(Picture1, &PictureButton::clicked, this, &memo::Picture1_Click);

    auto stateLabel = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->hide();
        return label;
    };
    Bezeichnung20 = stateLabel(QStringLiteral("0"));
    Bezeichnung21 = stateLabel({});
    Bezeichnung22 = stateLabel({});
    Bezeichnung23 = stateLabel({});
    Bezeichnung24 = stateLabel({});
    Bezeichnung25 = stateLabel({});
    offerHearAgain(app_.speech(), {});
}

QString memo::spokenTask() const {
    return Bezeichnung19->text();
}

void memo::Form_Load() {
    placeOnScreen(Placement::Centred);
}

void memo::showEvent(QShowEvent* event) {
    MoxWindow::showEvent(event);
    Bezeichnung(1)->setFocus();
}

void memo::Bezeichnung_Click(int number) {
    if (number < 1 || number > CardCount)
        return;
    Bezeichnung25->setText(QString::number(number));
    cardClicked();
}

void memo::cardClicked() {
    if (Bezeichnung20->text() == QStringLiteral("0")) {
        dealCards();
        Bezeichnung20->setText(QStringLiteral("1"));
        Bezeichnung23->setText(QStringLiteral("0"));
        Bezeichnung24->setText(QStringLiteral("0"));
    }
    const int k = numberIn(Bezeichnung25);
    QString inPlay = Bezeichnung22->text();
    if (inPlay.at(k - 1) == u'0')
        return;
    int a = numberIn(Bezeichnung23);
    int b = numberIn(Bezeichnung24);
    if (a > 0 && b > 0) {
        turnBack();
        a = numberIn(Bezeichnung23);
        b = numberIn(Bezeichnung24);
    }
    const QString layout = Bezeichnung21->text();
    Bezeichnung(k)->setCaption(u'\r' + layout.at(k - 1));
    app_.speech().say(Spoken::letter(layout.at(k - 1), app_.readingHelp().letters()));
    if (a == 0) {
        Bezeichnung23->setText(QString::number(k));
        return;
    }
    if (b == 0) {
        Bezeichnung24->setText(QString::number(k));
        b = k;
    }
    if (b == a) {
        Bezeichnung24->setText(QStringLiteral("0"));
        return;
    }
    if (layout.at(a - 1) == layout.at(b - 1)) {
        inPlay[a - 1] = u'0';
        inPlay[b - 1] = u'0';
        Bezeichnung22->setText(inPlay);
        markPair();
    }
    if (inPlay == kAllFound)
        gameOver();
}

void memo::turnBack() {
    Bezeichnung(numberIn(Bezeichnung23))->setCaption({});
    Bezeichnung(numberIn(Bezeichnung24))->setCaption({});
    Bezeichnung23->setText(QStringLiteral("0"));
    Bezeichnung24->setText(QStringLiteral("0"));
}

void memo::markPair() {
    Bezeichnung(numberIn(Bezeichnung23))->setFound(true);
    Bezeichnung(numberIn(Bezeichnung24))->setFound(true);
    Bezeichnung23->setText(QStringLiteral("0"));
    Bezeichnung24->setText(QStringLiteral("0"));
}

void memo::dealCards() {
    RandomSource& random = app_.random();
    random.randomize();
    QString& letterRow = app_.shared().letterRow;
    letterRow = kLetterSets.at(static_cast<size_t>(random.uniform(0, 3)));
    QString layout(CardCount, kFree);
    for (const QChar letter : letterRow) {
        int place = random.uniform(1, CardCount);
        while (layout.at(place - 1) != kFree)
            place = random.uniform(1, CardCount);
        layout[place - 1] = letter;
    }
    Bezeichnung21->setText(layout);
    Bezeichnung22->setText(QString(CardCount, u'1'));
    task_.deal(layout);
}

void memo::gameOver() {
    app_.dialogs().msgBox(QStringLiteral("  Das Spiel ist beendet!\r"), MsgBox::OkOnly, kTitle);
    task_.finish({}, true, 0);
    leaveGame();
}

void memo::Picture1_Click() {
    const int answer = app_.dialogs().msgBox(QStringLiteral("  Dieses Spiel jetzt beenden?"),
                                             MsgBox::YesNoQuestion, kTitle);
    if (answer == MsgBox::Yes)
        leaveGame();
}

void memo::leaveGame() {
    task_.leave();
    for (MemoryCard* card : cards_) {
        card->setFound(false);
        card->setCaption({});
    }
    Bezeichnung20->setText(QStringLiteral("0"));
    app_.backToMain(*this);
}

void memo::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        moveFocus(-1, 0);
        return;
    case Qt::Key_Right:
        moveFocus(1, 0);
        return;
    case Qt::Key_Up:
        moveFocus(0, -1);
        return;
    case Qt::Key_Down:
        moveFocus(0, 1);
        return;
    default:
        MoxWindow::keyPressEvent(event);
    }
}

void memo::moveFocus(int columns, int rows) {
    const auto focused = std::find(cards_.begin(), cards_.end(), focusWidget());
    if (focused == cards_.end()) {
        Bezeichnung(1)->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int index = static_cast<int>(focused - cards_.begin());
    const int column = std::clamp(index % Columns + columns, 0, Columns - 1);
    const int row = std::clamp(index / Columns + rows, 0, CardCount / Columns - 1);
    cards_.at(static_cast<size_t>(row * Columns + column))->setFocus(Qt::OtherFocusReason);
}
