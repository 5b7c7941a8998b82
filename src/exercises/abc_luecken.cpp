#include "exercises/abc_luecken.h"

#include "app/mox_app.h"
#include "exercises/letter_panel.h"
#include "klasse/exercise_names.h"
#include "klasse/letter_boxes.h"
#include "klasse/practice.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/palette.h"
#include "platform/random.h"
#include "platform/speech.h"
#include "platform/twips.h"
#include "syllables/reading_help.h"

#include <QLabel>

#include <algorithm>

namespace {

constexpr int kRowLength = 5;
constexpr QChar kGap = u'_';
const QString kSpacing = QStringLiteral("  ");
// A … Z in 13 columns of two, filled column by column: the top row reads A … M.
const QString kPanelOrder = QStringLiteral("ANBOCPDQERFSGTHUIVJWKXLYMZ");
// Right answers after opening that earn nothing yet; every later one earns kReward.
constexpr int kAnswersBeforeReward = 19;
constexpr int kReward = 3;

} // namespace

Form4::Form4(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::abcLuecken()) {
    setWindowTitle(QStringLiteral("A B C - Lücken"));
    setBackgroundColor(Qt::white);
    setClientSize(6885, 2430);
    setFocusPolicy(Qt::StrongFocus);

    place(new Shape(Shape::Kind::Rectangle, Colors::LightGrey, {}, this), 240, 480, 735, 735);
    Picture1 = new PictureButton(QStringLiteral(":/icons/zurueck.svg"), QStringLiteral("Zurück"),
                                 Colors::LightGrey, this);
    // Space or Enter must not leave the exercise: every key but a letter is ignored here.
    Picture1->setFocusPolicy(Qt::NoFocus);
    place(Picture1, 360, 600, 495, 495);
    connect(Picture1, &PictureButton::clicked, this, &Form4::Picture1_Click);

    Bezeichnung1 = new QLabel(QStringLiteral("Bezeichnung1"), this);
    Bezeichnung1->setFont(Twips::font(QStringLiteral("Comic Sans MS"), 19.5, true));
    Bezeichnung1->setAlignment(Qt::AlignCenter);
    Bezeichnung1->setStyleSheet(
        QStringLiteral("color: rgb(0,0,128); background: %1;").arg(Colors::LightGrey.name()));
    Bezeichnung1->setAccessibleDescription(QStringLiteral("Buchstabenreihe mit Lücke"));
    place(Bezeichnung1, 960, 480, 5655, 735);

    Bezeichnung2 =
        new QLabel(QStringLiteral("Drücke auf der Tastatur den fehlenden Buchstaben!"), this);
    Bezeichnung2->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9, true));
    Bezeichnung2->setAlignment(Qt::AlignCenter);
    Bezeichnung2->setStyleSheet(
        QStringLiteral("color: rgb(0,0,255); background: %1;").arg(Colors::LightCyan.name()));
    place(Bezeichnung2, 240, 1200, 6375, 255);

    // A typed letter reaches the panel wherever the focus is, and answers as a tap on it does.
    // The panel takes no focus itself, so that Space and Enter answer nothing.
    Liste1 = new LetterPanel(LetterPanel::Marking::None, this, kPanelOrder);
    Liste1->setFocusPolicy(Qt::NoFocus);
    Liste1->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 13.5, true));
    QPalette colours = Liste1->palette();
    colours.setColor(QPalette::Base, Colors::LightGrey);
    colours.setColor(QPalette::Text, Colors::DarkBlue);
    Liste1->setPalette(colours);
    Liste1->refill();
    place(Liste1, 240, 1560, 6375, 750);
    connect(Liste1, &LetterPanel::letterChosen, this,
            [this] { Form_KeyDown(Liste1->chosenLetter()); });

    Bezeichnung3 = new QLabel(this);
    Bezeichnung3->hide();
    Bezeichnung4 = new QLabel(QStringLiteral("0"), this);
    Bezeichnung4->hide();
    offerHearAgain(app_.speech(), QStringLiteral("Welcher Buchstabe fehlt? Tippe ihn ein."));
}

QString Form4::spokenTask() const {
    return Spoken::letterRow(Bezeichnung1->text(), app_.readingHelp().letters());
}

void Form4::Form_Load() {
    placeOnScreen(Placement::UpperQuarter);
}

void Form4::showEvent(QShowEvent* event) {
    MoxWindow::showEvent(event);
    setFocus();
}

void Form4::startFresh() {
    Bezeichnung4->setText(QStringLiteral("0"));
    newGapRow();
}

void Form4::newGapRow() {
    QString& letterRow = app_.shared().letterRow;
    letterRow = kCapitals;
    RandomSource& random = app_.random();
    random.randomize();
    const int starts = static_cast<int>(letterRow.size()) - kRowLength + 1;
    int first = 0;
    int gap = 0;
    if (const LetterBoxes* boxes = practiceBoxes(app_)) {
        // The gap's letter first, never the last one again, then a row around it.
        const QString last = Bezeichnung3->text();
        const auto letter = static_cast<int>(letterRow.indexOf(
            boxes->drawLetter(random, letterRow, last.isEmpty() ? QChar() : last.at(0))));
        const int lowest = std::max(1, letter + 2 - kRowLength);
        first = random.uniform(lowest, std::min(letter + 1, starts) - lowest + 1);
        gap = letter + 2 - first;
    } else {
        first = random.uniform(1, starts);
        gap = random.uniform(1, kRowLength);
    }
    QString row = letterRow.mid(first - 1, kRowLength);
    Bezeichnung3->setText(row.at(gap - 1));
    row[gap - 1] = kGap;
    letterRow = kSpacing;
    for (const QChar letter : row)
        letterRow += letter + kSpacing;
    Bezeichnung1->setText(letterRow);
    task_.deal(letterRow.simplified(), Bezeichnung3->text());
}

void Form4::Form_KeyDown(QChar letter) {
    app_.speech().say(Spoken::letter(letter, app_.readingHelp().letters()));
    if (QString(letter) != Bezeichnung3->text().toUpper()) {
        task_.attempt(letter, false, 0);
        app_.dialogs().msgBox(QStringLiteral("Fehler, bitte neu eingeben!\r"), MsgBox::OkOnly,
                              QStringLiteral("A B C - Lücke"));
        return;
    }
    const double rightAnswers = textToNumber(Bezeichnung4->text()) + 1;
    Bezeichnung4->setText(bareText(rightAnswers));
    if (rightAnswers > kAnswersBeforeReward) {
        app_.dialogs().msgBox(QStringLiteral("Prima, du bekommst drei Punkte dazu!\r"),
                              MsgBox::OkOnly, QStringLiteral("Belohnung"));
        app_.addPoints(kReward);
    }
    task_.finish(letter, true, rightAnswers > kAnswersBeforeReward ? kReward : 0);
    newGapRow();
    // The letter that was right, praised, then the next row.
    app_.speech().say(Spoken::letter(letter, app_.readingHelp().letters()) +
                      QStringLiteral("\nRichtig!\n") + spokenTask());
}

void Form4::Picture1_Click() {
    task_.leave();
    app_.backToMain(*this);
}
