#include "exercises/abc_fehlersuche.h"

#include "app/mox_app.h"
#include "klasse/exercise_names.h"
#include "klasse/letter_boxes.h"
#include "klasse/practice.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/palette.h"
#include "platform/random.h"
#include "platform/speech.h"
#include "platform/twips.h"
#include "syllables/reading_help.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kRowLength = 7;
// Slices start at A … T, so that the last one ends at Z.
constexpr int kSliceStarts = 20;
constexpr int kCounterForReward = 10;
constexpr int kReward = 2;
const QString kFaultTitle = QStringLiteral("Fehler: Punktabzug");

// One blank before and after each letter, as the row is shown.
QString displayText(const QString& letters) {
    QString text;
    for (const QChar letter : letters)
        text += u' ' + QString(letter) + u' ';
    return text;
}

bool isPlainKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !event.isAutoRepeat() && !(event.modifiers() & shortcut);
}

} // namespace

Form9::Form9(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::abcFehlersuche()) {
    setWindowTitle(QStringLiteral("A B C - Fehlersuche"));
    setBackgroundColor(Qt::white);
    setClientSize(7500, 3060);

    place(new Shape(Shape::Kind::RoundedRectangle, Colors::LightGrey, {}, this), 120, 120, 975,
          2820);
    place(new Shape(Shape::Kind::RoundedRectangle, Colors::LightGrey, {}, this), 1215, 120, 6165,
          2820);
    createPictures();
    createRowAndButtons();
    offerHearAgain(app_.speech(),
                   QStringLiteral("Ist die Reihe richtig? Klicke auf richtig oder falsch."));
}

QString Form9::spokenTask() const {
    return Spoken::letterRow(Bezeichnung4->text(), app_.readingHelp().letters());
}

void Form9::createPictures() {
    Bild1 = addCaptionedPicture(this, QStringLiteral("hand_zurueck"), QStringLiteral("Zurück"),
                                QStringLiteral("Zurück"), 240);
    Bild3 = addCaptionedPicture(this, QStringLiteral("stift"), QStringLiteral("Neu"),
                                QStringLiteral("N e u"), 1140);
    Bild2 = addCaptionedPicture(this, QStringLiteral("buch"), QStringLiteral("Info"),
                                QStringLiteral("I n f o"), 2040);
    connect(Bild1, &PictureButton::clicked, this, &Form9::Bild1_Click);
    connect(Bild2, &PictureButton::clicked, this, &Form9::Bild2_Click);
    connect(Bild3, &PictureButton::clicked, this, &Form9::Bild3_Click);
}

void Form9::createRowAndButtons() {
    Bezeichnung4 = new QLabel(this);
    Bezeichnung4->setFont(Twips::font(QStringLiteral("Comic Sans MS"), 24, true));
    Bezeichnung4->setAlignment(Qt::AlignCenter);
    Bezeichnung4->setStyleSheet(
        QStringLiteral("color: rgb(0,0,128); background: %1;").arg(Colors::LightYellow.name()));
    Bezeichnung4->setAccessibleDescription(QStringLiteral("Buchstabenreihe"));
    place(Bezeichnung4, 1455, 360, 5685, 975);

    Bezeichnung6 = new QLabel(this);
    Bezeichnung6->hide();

    const QFont buttonFont = Twips::font(QStringLiteral("MS Sans Serif"), 13.5, true);
    auto decision = [&](const char* caption, const QColor& colour, int left) {
        auto* button = new QPushButton(QString::fromUtf8(caption), this);
        button->setFont(buttonFont);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QStringLiteral("QPushButton { color: rgb(0,0,128); background: %1;"
                                             " border: 2px solid %2; border-radius: %3px; }"
                                             "QPushButton:pressed { background: %2; }")
                                  .arg(colour.name(), colour.darker(130).name())
                                  .arg(Twips::toPixels(120)));
        place(button, left, 1680, 1815, 735);
        return button;
    };
    Befehl1 = decision("falsch", QColor(255, 200, 190), 1695);
    Befehl2 = decision("richtig", QColor(190, 240, 190), 5085);
    connect(Befehl1, &QPushButton::clicked, this, &Form9::Befehl1_Click);
    connect(Befehl2, &QPushButton::clicked, this, &Form9::Befehl2_Click);

    Bezeichnung5 = new QLabel(QStringLiteral("Pkt"), this);
    Bezeichnung5->setFont(Twips::font(QStringLiteral("Comic Sans MS"), 18, true));
    Bezeichnung5->setAlignment(Qt::AlignCenter);
    Bezeichnung5->setStyleSheet(QStringLiteral("color: rgb(0,0,255); background: white;"));
    Bezeichnung5->setAccessibleDescription(QStringLiteral("Punkte"));
    place(Bezeichnung5, 3810, 1680, 975, 735);

    // Tab reaches the two decisions before the pictures.
    setTabOrder(Befehl1, Befehl2);
    setTabOrder(Befehl2, Bild1);
    setTabOrder(Bild1, Bild3);
    setTabOrder(Bild3, Bild2);
}

void Form9::Form_Load() {
    placeOnScreen(Placement::Centred);
}

void Form9::Form_Activate() {
    Bild3_Click();
}

void Form9::showEvent(QShowEvent* event) {
    MoxWindow::showEvent(event);
    Befehl1->setFocus();
}

void Form9::keyPressEvent(QKeyEvent* event) {
    // Enter presses a focused decision as it does the pictures. Letters decide nothing: in a
    // row of letters a typed letter means a letter.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && isPlainKey(*event)) {
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
            focused->click();
            return;
        }
    }
    MoxWindow::keyPressEvent(event);
}

void Form9::Bild3_Click() {
    RandomSource& random = app_.random();
    const QString& alphabet = random.uniform(0, 2) == 0 ? kCapitals : kSmallLetters;
    int p = 0;
    if (const LetterBoxes* boxes = practiceBoxes(app_)) {
        // Rows around a weak letter come more often; never the last row again.
        QList<bool> weak;
        int last = -1;
        for (int start = 1; start <= kSliceStarts; ++start) {
            const QString letters = alphabet.mid(start - 1, kRowLength);
            weak.append(std::ranges::any_of(letters, [&](QChar c) { return boxes->isWeak(c); }));
            if (displayText(letters) == Bezeichnung6->text())
                last = start - 1;
        }
        p = LetterBoxes::draw(random, weak, last) + 1;
    } else {
        p = random.uniform(1, kSliceStarts);
    }
    QString row = alphabet.mid(p - 1, kRowLength);
    Bezeichnung6->setText(displayText(row));
    if (random.uniform(0, 2) == 1) {
        const int d = random.uniform(1, kRowLength);
        // The middle pair is reached from both sides, so it is swapped twice as often.
        const int first = d <= 3 ? d : d - 1;
        std::swap(row[first - 1], row[first]);
    }
    Bezeichnung4->setText(displayText(row));
    task_.deal(Bezeichnung4->text().simplified());
    hearAgain();
}

void Form9::Befehl1_Click() {
    decide(Bezeichnung4->text() != Bezeichnung6->text(),
           QStringLiteral("Die Reihe ist richtig!\r\r"));
}

void Form9::Befehl2_Click() {
    decide(Bezeichnung4->text() == Bezeichnung6->text(),
           QStringLiteral("Es muss richtig heißen:\r\r"));
}

void Form9::decide(bool right, const QString& correction) {
    const double counter = textToNumber(Bezeichnung5->text());
    const bool saidFaulty = right == (Bezeichnung4->text() != Bezeichnung6->text());
    task_.finish(saidFaulty ? QStringLiteral("falsch") : QStringLiteral("richtig"), right,
                 right && counter + 1 >= kCounterForReward ? kReward : 0);
    if (right) {
        // The one praise of a right decision, heard before the next row.
        app_.speech().sayFirst(QStringLiteral("Richtig!"));
        writeCounter(counter + 1);
        checkReward();
    } else {
        writeCounter(std::max(counter - 1, 0.0));
        app_.dialogs().msgBox(correction + Bezeichnung6->text(), MsgBox::OkOnly, kFaultTitle);
    }
    Bild3_Click();
}

void Form9::writeCounter(double value) {
    Bezeichnung5->setText(bareText(value));
}

void Form9::checkReward() {
    const double counter = textToNumber(Bezeichnung5->text());
    if (counter < kCounterForReward)
        return;
    writeCounter(counter - kCounterForReward);
    app_.dialogs().msgBox(QStringLiteral("Prima, du bekommst zwei Punkte dazu!\r"), MsgBox::OkOnly,
                          QStringLiteral("Belohnung"));
    app_.addPoints(kReward);
}

void Form9::Bild2_Click() {
    app_.dialogs().msgBox(QStringLiteral("Du sollst die ABC-Reihe kontrollieren\r"
                                         "und dann entscheiden, ob sie stimmt."),
                          MsgBox::OkOnly, QStringLiteral("A B C-Fehlersuche"));
}

void Form9::Bild1_Click() {
    task_.leave();
    app_.backToMain(*this);
}
