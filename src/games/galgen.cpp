#include "games/galgen.h"

#include "app/mox_app.h"
#include "exercises/letter_panel.h"
#include "exercises/letters.h"
#include "klasse/exercise_names.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/palette.h"
#include "platform/random.h"
#include "platform/speech.h"
#include "platform/twips.h"
#include "syllables/reading_help.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QString kTitle = QStringLiteral("Galgenspiel");
constexpr int kLosingGuess = 10;

const QColor kBrown(192, 64, 0);
const QColor kSkin(255, 192, 128);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 192);
const QColor kCyan(0, 255, 255);

Shape* piece(Shape::Kind kind, const QColor& fill, const QColor& border, QWidget* parent, int left,
             int top, int width, int height) {
    auto* shape = new Shape(kind, fill, border, parent);
    place(shape, left, top, width, height);
    return shape;
}

// A circle drawn in a box that is wider than high takes the box's height, centred.
Shape* circle(const QColor& fill, const QColor& border, QWidget* parent, int left, int top,
              int width, int height) {
    const int diameter = std::min(width, height);
    return piece(Shape::Kind::Oval, fill, border, parent, left + (width - diameter) / 2,
                 top + (height - diameter) / 2, diameter, diameter);
}

} // namespace

GallowsLine::GallowsLine(QPoint from, QPoint to, int width, const QColor& colour, QWidget* parent)
    : QWidget(parent)
    , width_(width * Twips::scale())
    , colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Accessibility::markDecorative(this);
    const QPoint start(Twips::toPixels(from.x()), Twips::toPixels(from.y()));
    const QPoint end(Twips::toPixels(to.x()), Twips::toPixels(to.y()));
    const int margin = static_cast<int>(std::ceil(width_ / 2)) + 1;
    const QRect box = QRect(start, end).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
    from_ = start - box.topLeft();
    to_ = end - box.topLeft();
}

void GallowsLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from_, to_);
}

galgen::galgen(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::galgenspiel()) {
    setWindowTitle(kTitle);
    setBackgroundColor(Colors::LightCyan);
    setClientSize(8520, 4560);

    Bezeichnung1 = new FittingLabel(Twips::font(QStringLiteral("Comic Sans MS"), 18, true),
                                    Colors::DarkBlue, Colors::LightYellow, this);
    Bezeichnung1->setAccessibleDescription(QStringLiteral("gesuchtes Wort"));
    place(Bezeichnung1, 240, 240, 8040, 735);

    Bezeichnung2 = new QLabel(this);
    Bezeichnung2->setTextFormat(Qt::PlainText);
    Bezeichnung2->setFont(Twips::font(QStringLiteral("Comic Sans MS"), 18, true));
    Bezeichnung2->setAlignment(Qt::AlignCenter);
    Bezeichnung2->setStyleSheet(QStringLiteral("color: rgb(192,0,0);"));
    Bezeichnung2->setAccessibleDescription(QStringLiteral("das Wort"));
    app_.readingHelp().colourSyllables(Bezeichnung2);
    place(Bezeichnung2, 2400, 1200, 5895, 615);
    // It holds the word the main window hands over, so the child sees it only after a loss.
    Bezeichnung2->hide();

    Liste1 = new LetterPanel(LetterPanel::Marking::Single, this);
    Liste1->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 13.5, true));
    QPalette colours = Liste1->palette();
    colours.setColor(QPalette::Base, kCyan);
    colours.setColor(QPalette::Text, Colors::DarkBlue);
    Liste1->setPalette(colours);
    place(Liste1, 2400, 2040, 5895, 750);
    connect(Liste1, &LetterPanel::letterChosen, this, &galgen::Liste1_Click);

    Figur8[0] = piece(Shape::Kind::Rectangle, kCyan, {}, this, 2400, 3240, 735, 735);
    Figur8[1] = piece(Shape::Kind::Rectangle, kCyan, {}, this, 7560, 3240, 735, 735);
    Bild1 = new PictureButton(QStringLiteral(":/icons/hand_zurueck.svg"), QStringLiteral("Zurück"),
                              kCyan, this);
    place(Bild1, 2520, 3360, 495, 495);
    connect(Bild1, &PictureButton::clicked, this, &galgen::Bild1_Click);
    Bild2 =
        new PictureButton(QStringLiteral(":/icons/tipp.svg"), QStringLiteral("Tipp"), kCyan, this);
    place(Bild2, 7680, 3360, 495, 495);
    connect(Bild2, &PictureButton::clicked, this, &galgen::Bild2_Click);

    createGallows();
    createFreedFigure();

    Liste2 = new QListWidget(this);
    Liste2->hide();
    // The words not drawn yet come afresh from a list the teacher has just saved.
    connect(&app_, &MoxApp::wordListSaved, Liste2, &QListWidget::clear);
    setTabOrder(Liste1, Bild2);
    setTabOrder(Bild2, Bild1);
    offerHearAgain(app_.speech(), QStringLiteral("Rate das Wort. Klicke einen Buchstaben an."));
}

QString galgen::spokenTask() const {
    return Spoken::letterRow(Bezeichnung1->text(), app_.readingHelp().letters());
}

void galgen::createGallows() {
    Figur2 = piece(Shape::Kind::Rectangle, kBrown, {}, this, 240, 1200, 255, 3135);
    Figur3 = piece(Shape::Kind::Rectangle, kBrown, {}, this, 480, 1200, 1335, 255);
    Linie6 = new GallowsLine({1200, 1320}, {360, 2400}, 10, kBrown, this);
    Linie1 = new GallowsLine({1680, 1440}, {1680, 1800}, 5, Qt::black, this);
    Figur4 = circle(kSkin, {}, this, 1440, 1800, 495, 375);
    Figur5 = piece(Shape::Kind::Rectangle, kRed, {}, this, 1560, 2160, 255, 615);
    Linie2 = new GallowsLine({1560, 2160}, {1200, 2640}, 4, kRed, this);
    Linie3 = new GallowsLine({1800, 2160}, {2160, 2640}, 4, kRed, this);
    Linie4 = new GallowsLine({1560, 2760}, {1320, 3480}, 6, kBlue, this);
    Linie5 = new GallowsLine({1800, 2760}, {2040, 3480}, 6, kBlue, this);
}

void galgen::createFreedFigure() {
    // Created after the hanging figure, so the cover lies over it and the freed figure on top.
    Figur1 = piece(Shape::Kind::Rectangle, Colors::LightCyan, QColor(0, 192, 192), this, 1080, 1800,
                   1215, 1815);
    Figur6 = circle(kSkin, Qt::black, this, 1440, 2640, 495, 375);
    Figur7 = piece(Shape::Kind::Rectangle, kRed, {}, this, 1560, 3000, 255, 615);
    Linie7 = new GallowsLine({1680, 3240}, {1200, 2640}, 4, kRed, this);
    Linie8 = new GallowsLine({1680, 3240}, {2160, 2640}, 4, kRed, this);
    Linie9 = new GallowsLine({1560, 3600}, {1440, 4320}, 6, kBlue, this);
    Linie10 = new GallowsLine({1800, 3600}, {1920, 4320}, 6, kBlue, this);
}

QList<QWidget*> galgen::hangingPieces() const {
    return {Figur2, Figur3, Linie6, Linie1, Figur4, Figur5, Linie2, Linie3, Linie4, Linie5};
}

QList<QWidget*> galgen::freedFigure() const {
    return {Figur1, Figur6, Figur7, Linie7, Linie8, Linie9, Linie10};
}

void galgen::Form_Load() {
    placeOnScreen(Placement::Centred);
}

void galgen::Form_Activate() {
    Liste1->refill();
    QString& word = app_.shared().wordText;
    word = Bezeichnung2->text();
    Bezeichnung2->clear();
    Bezeichnung2->hide();
    QString& mask = app_.shared().wordMask;
    mask = Letters::blankMask(word);
    Bezeichnung1->setText(mask);
    for (QWidget* shown : hangingPieces() + freedFigure())
        shown->hide();
    app_.shared().wrongGuesses = 0;
    task_.deal(word, word);
    Liste1->setFocus();
}

void galgen::Liste1_Click() {
    const QString& word = app_.shared().wordText;
    QString& mask = app_.shared().wordMask;
    app_.speech().say(Spoken::letter(Liste1->chosenLetter(), app_.readingHelp().letters()));
    task_.addStep(Liste1->chosenLetter());
    if (!Letters::reveal(word, mask, Liste1->chosenLetter())) {
        wrongLetter();
        return;
    }
    Bezeichnung1->setText(mask);
    if (!Letters::isSolved(mask)) {
        // The letter, then the word as far as it is found.
        app_.speech().say(Spoken::letter(Liste1->chosenLetter(), app_.readingHelp().letters()) +
                          u'\n' + spokenTask());
        return;
    }
    for (QWidget* shown : freedFigure())
        shown->show();
    app_.dialogs().msgBox(QStringLiteral("Du hast gewonnen!\r"), MsgBox::OkOnly, kTitle);
    task_.finish(task_.steps(), true, 0);
    // Now that the game is over, the child hears the word it was about.
    app_.speech().say(word);
    Bild1_Click();
}

void galgen::wrongLetter() {
    int& wrong = app_.shared().wrongGuesses;
    ++wrong;
    const QList<QWidget*> pieces = hangingPieces();
    pieces.at(std::clamp(wrong, 1, kLosingGuess) - 1)->show();
    if (wrong < kLosingGuess)
        return;
    Bezeichnung2->setText(app_.shared().wordText);
    Bezeichnung2->show();
    app_.dialogs().msgBox(QStringLiteral("Du hast verloren!\r"), MsgBox::OkOnly, kTitle);
    task_.finish(task_.steps(), false, 0);
    app_.speech().say(app_.shared().wordText);
    // The main window hands the next word over through this label before the window is shown.
    Bezeichnung2->hide();
    Bild1_Click();
}

void galgen::Bild2_Click() {
    const QString& word = app_.shared().wordText;
    QString hint;
    switch (app_.random().uniform(1, 3)) {
    case 1:
        hint = QStringLiteral("Der Wortanfang ist ein:  ") + word.left(1);
        break;
    case 2:
        // A one-letter word has no middle of its own: its letter is the middle.
        hint = QStringLiteral("Die Wortmitte ist ein:  ") +
               word.mid(std::max<qsizetype>(word.size() / 2, 1) - 1, 1);
        break;
    default:
        hint = QStringLiteral("Das Wortende ist ein:  ") + word.right(1);
        break;
    }
    app_.dialogs().msgBox(hint + u'\r', MsgBox::OkOnly, kTitle);
}

void galgen::Bild1_Click() {
    task_.leave();
    app_.backToMain(*this);
}
