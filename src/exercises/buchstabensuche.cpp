#include "exercises/buchstabensuche.h"

#include "app/mox_app.h"
#include "klasse/exercise_names.h"
#include "klasse/letter_boxes.h"
#include "klasse/practice.h"
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
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

const QString kTitle = QStringLiteral("Buchstabensuche");
// Scroll position v shows the three characters from index 3v - 1: "A a" for 1, "Z z" for 26.
const QString kLetterPairs = QStringLiteral(
    "  A aB bC cD dE eF fG gH hI iJ jK kL lM mN nO oP pQ qR rS sT tU uV vW wX xY yZ z");
constexpr QChar kPrinted = u' ';
constexpr int kColumnWidth = 320;
constexpr int kRowHeight = 160;
// Light yellow and white would hardly show on the white window.
constexpr int kColourCount = 14;
// Below this contrast to the white window a letter gets a dark edge.
constexpr double kLeastContrast = 3.0;
constexpr int kOutlineDarkness = 300;

const QString kHelp = QStringLiteral("Ein Buchstabe des ABC's fehlt.\r"
                                     "Stelle ihn mit dem Schieber ein\r"
                                     "und klicke ihn mit der Maus an!");

} // namespace

Form6::Form6(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::buchstabensuche()) {
    setWindowTitle(kTitle);
    setBackgroundColor(Qt::white);
    setClientSize(8415, 5745);

    surface = new Canvas(this);
    place(surface, 0, 0, 8415, 5745);
    place(new Shape(Shape::Kind::RoundedRectangle, Colors::LightGrey, {}, this), 120, 4920, 8175,
          735);

    auto picture = [this](const QString& icon, const QString& name, int left) {
        auto* button = new PictureButton(QStringLiteral(":/icons/%1.svg").arg(icon), name,
                                         Colors::LightCyan, this);
        place(button, left, 5040, 495, 495);
        return button;
    };
    Bild1 = picture(QStringLiteral("zurueck"), QStringLiteral("Zurück"), 240);
    Bild2 = picture(QStringLiteral("neu"), QStringLiteral("Neu"), 1080);
    Bild4 = picture(QStringLiteral("hilfe"), QStringLiteral("Hilfe"), 1920);
    Bild3 = picture(QStringLiteral("abc"), QStringLiteral("ABC"), 2640);
    connect(Bild1, &PictureButton::clicked, this, &Form6::Bild1_Click);
    connect(Bild2, &PictureButton::clicked, this, &Form6::Bild2_Click);
    connect(Bild3, &PictureButton::clicked, this, &Form6::Bild3_Click);
    connect(Bild4, &PictureButton::clicked, this, &Form6::Bild4_Click);

    HBildlauf1 = new QScrollBar(Qt::Horizontal, this);
    HBildlauf1->setRange(1, 26);
    HBildlauf1->setPageStep(1);
    HBildlauf1->setAccessibleName(QStringLiteral("Schieber"));
    makeKeyboardSlider(HBildlauf1);
    place(HBildlauf1, 3480, 5160, 3375, 255);
    // With tracking on, the value changes while the thumb is dragged, so the answer field
    // follows the thumb.
    connect(HBildlauf1, &QScrollBar::valueChanged, this, &Form6::HBildlauf1_Change);

    Bezeichnung2 = new ClickLabel(QStringLiteral("Aa"), this);
    Bezeichnung2->setFont(Twips::font(QStringLiteral("Comic Sans MS"), 17.25, true));
    Bezeichnung2->setAlignment(Qt::AlignCenter);
    Bezeichnung2->setCursor(Qt::PointingHandCursor);
    Bezeichnung2->setAccessibleDescription(QStringLiteral("Antwort"));
    Bezeichnung2->setFocusPolicy(Qt::StrongFocus);
    Bezeichnung2->setStyleSheet(QStringLiteral("color: rgb(0,0,128); background: rgb(255,255,224);"
                                               "border: 1px solid rgb(200,170,80);"
                                               "border-radius: 5px;"));
    place(Bezeichnung2, 7200, 5040, 975, 495);
    connect(Bezeichnung2, &ClickLabel::clicked, this, &Form6::Bezeichnung2_Click);

    Bezeichnung1 = new QLabel(this);
    Bezeichnung1->hide();
    offerHearAgain(app_.speech(), {});
}

void Form6::Form_Load() {
    placeOnScreen(Placement::Centred);
}

void Form6::showEvent(QShowEvent* event) {
    MoxWindow::showEvent(event);
    HBildlauf1->setFocus(Qt::OtherFocusReason);
}

void Form6::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            Bezeichnung2_Click();
        return;
    default:
        MoxWindow::keyPressEvent(event);
    }
}

void Form6::Form_Activate() {
    scatterLetters();
}

void Form6::Bild1_Click() {
    task_.leave();
    app_.backToMain(*this);
}

void Form6::Bild2_Click() {
    scatterLetters();
}

void Form6::Bild3_Click() {
    app_.dialogs().msgBox(QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z\r"),
                          MsgBox::OkOnly, QStringLiteral("ABC-Reihe"));
}

void Form6::Bild4_Click() {
    app_.dialogs().msgBox(kHelp, MsgBox::OkOnly, kTitle);
}

QString Form6::spokenTask() const {
    return kHelp;
}

void Form6::HBildlauf1_Change() {
    Bezeichnung2->setText(kLetterPairs.mid(3 * HBildlauf1->value() - 1, 3));
    // Both cases of the letter sound the same: it is said once.
    app_.speech().say(
        Spoken::letter(Bezeichnung2->text().trimmed().left(1), app_.readingHelp().letters()));
}

void Form6::Bezeichnung2_Click() {
    const QString chosen = Bezeichnung2->text().trimmed().left(1).toUpper();
    if (!Bezeichnung2->text().contains(Bezeichnung1->text())) {
        task_.attempt(chosen, false, 0);
        app_.dialogs().msgBox(QStringLiteral("Pech, versuch's nochmal ... !\r"), MsgBox::OkOnly,
                              QStringLiteral("F e h l e r"));
        return;
    }
    app_.dialogs().msgBox(QStringLiteral("Gut, du bekommst 1 Punkt dazu!\r"), MsgBox::OkOnly,
                          QStringLiteral("L ö s u n g"));
    app_.addPoints(1);
    task_.finish(chosen, true, 1);
    scatterLetters();
}

void Form6::scatterLetters() {
    RandomSource& random = app_.random();
    QString& letterRow = app_.shared().letterRow;
    const QString letters = random.uniform(0, 2) == 1 ? kCapitals : kSmallLetters;
    random.randomize();
    // Following the child's record, the missing letter is drawn first and kept off the field.
    const LetterBoxes* boxes = practiceBoxes(app_);
    const QString last = Bezeichnung1->text();
    const QChar missing =
        boxes ? boxes->drawLetter(random, letters, last.isEmpty() ? QChar() : last.at(0)) : QChar();
    const QFont font = Twips::font(QStringLiteral("Comic Sans MS"), 24, true);
    const LetterSpacing spacing = spacingFor(letters, font);
    QList<Placed> placed;
    // A deal can run into a corner where no free row keeps clear of the neighbours; about two
    // deals in three come through, so starting over is quick.
    do {
        letterRow = letters;
        if (boxes)
            letterRow[letters.indexOf(missing)] = kPrinted;
        placed.clear();
    } while (!placeLetters(letterRow, spacing, placed));
    if (boxes)
        letterRow[letters.indexOf(missing)] = missing;

    surface->clear();
    for (const Placed& letter : std::as_const(placed)) {
        const QColor colour = paletteColor(letter.colour);
        // Light colours get a dark edge, so every letter stands out from the white window.
        const QColor outline = contrastRatio(colour, Qt::white) < kLeastContrast
                                   ? colour.darker(kOutlineDarkness)
                                   : QColor();
        surface->printText(letter.letter,
                           {kColumnWidth * (letter.column + 1), kRowHeight * letter.row}, colour,
                           font, outline);
    }
    Bezeichnung1->setText(QString(letterRow).remove(kPrinted));
    task_.deal(QString(letters).replace(Bezeichnung1->text(), QStringLiteral("_")),
               Bezeichnung1->text().toUpper());
}

// How many grid lines apart two letters must stand, across or down, so that they never touch:
// the room the widest and tallest letter of the set takes, with a small gap.
Form6::LetterSpacing Form6::spacingFor(const QString& letters, const QFont& font) {
    const QFontMetrics metrics(font);
    QRect ink;
    for (const QChar letter : letters)
        ink |= metrics.tightBoundingRect(letter);
    const double twipsPerPixel = 15.0 / Twips::scale();
    const double gap = 2 * 15.0;
    auto linesApart = [](double extent, int lineDistance) {
        return static_cast<int>(std::ceil(extent / lineDistance));
    };
    return {linesApart(ink.width() * twipsPerPixel + gap, kColumnWidth),
            linesApart(ink.height() * twipsPerPixel + gap, kRowHeight)};
}

// One letter in each row and each column, as before; a row that would bring the letter too
// close to one already placed is not taken. False when a letter finds no row left.
bool Form6::placeLetters(QString& letterRow, const LetterSpacing& spacing, QList<Placed>& placed) {
    RandomSource& random = app_.random();
    std::array<bool, GridSize> takenColumns{};
    std::array<bool, GridSize> takenRows{};
    for (int printed = 0; printed < GridSize; ++printed) {
        const int colour = random.uniform(0, kColourCount);
        const int column = takeFreeLine(takenColumns);
        QList<int> rows;
        for (int row = 0; row < GridSize; ++row) {
            const bool clear = std::ranges::none_of(placed, [&](const Placed& other) {
                return std::abs(other.column - column) < spacing.columns &&
                       std::abs(other.row - row) < spacing.rows;
            });
            if (!takenRows[static_cast<size_t>(row)] && clear)
                rows.append(row);
        }
        if (rows.isEmpty())
            return false;
        const int row = rows.at(random.uniform(0, static_cast<int>(rows.size())));
        takenRows[static_cast<size_t>(row)] = true;
        int g = random.uniform(0, static_cast<int>(letterRow.size()));
        while (letterRow.at(g) == kPrinted)
            g = random.uniform(0, static_cast<int>(letterRow.size()));
        placed.append({letterRow.at(g), column, row, colour});
        letterRow[g] = kPrinted;
    }
    return true;
}

int Form6::takeFreeLine(std::array<bool, GridSize>& taken) {
    RandomSource& random = app_.random();
    int line = random.uniform(0, GridSize);
    while (taken[static_cast<size_t>(line)])
        line = random.uniform(0, GridSize);
    taken[static_cast<size_t>(line)] = true;
    return line;
}
