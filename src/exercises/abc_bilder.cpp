#include "exercises/abc_bilder.h"

#include "app/mox_app.h"
#include "app/shared_texts.h"
#include "exercises/dot_canvas.h"
#include "klasse/exercise_names.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/palette.h"
#include "platform/speech.h"
#include "platform/twips.h"
#include "syllables/reading_help.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

#include <optional>

namespace {

const QString kTitle = QStringLiteral("A B C - Bilder");
constexpr int kPictureCount = 3;
const QString kHelp = QStringLiteral("Verbinde die Buchstaben nach dem ABC, indem\r"
                                     "du sie mit der Maus der Reihe nach anklickst!");

double numberIn(const QLabel* label) {
    return textToNumber(label->text());
}

} // namespace

Form1::Form1(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::abcBilder()) {
    setWindowTitle(kTitle);
    setBackgroundColor(Qt::white);
    setClientSize(7920, 7980);
    createControls();
}

void Form1::createControls() {
    place(new Shape(Shape::Kind::RoundedRectangle, Colors::LightGrey, {}, this), 120, 120, 975,
          4815);
    auto picture = [this](const char* icon, const char* name, const char* caption, int top,
                          void (Form1::*click)()) {
        PictureButton* button = addCaptionedPicture(
            this, QLatin1String(icon), QString::fromUtf8(name), QString::fromUtf8(caption), top);
        connect(button, &PictureButton::clicked, this, click);
        return button;
    };
    Bild2 = picture("zurueck", "Zurück", "Zurück", 240, &Form1::Bild2_Click);
    Bild5 = picture("neu", "Neu", "N e u", 1200, &Form1::Bild5_Click);
    Bild3 = picture("info", "Info", "I n f o", 2160, &Form1::Bild3_Click);
    Bild4 = picture("undo", "Undo", "Undo", 4080, &Form1::Bild4_Click);

    HBildlauf1 = new QScrollBar(Qt::Horizontal, this);
    HBildlauf1->setRange(1, kPictureCount);
    HBildlauf1->setPageStep(1);
    makeKeyboardSlider(HBildlauf1);
    HBildlauf1->setAccessibleName(QStringLiteral("Bilder"));
    HBildlauf1->setToolTip(HBildlauf1->accessibleName());
    place(HBildlauf1, 240, 3240, 735, 255);
    addColumnCaption(this, QStringLiteral("Bilder"), 3525);
    connect(HBildlauf1, &QScrollBar::valueChanged, this, &Form1::HBildlauf1_Change);

    Bild1 = new DotCanvas(this);
    Bild1->setAccessibleName(QStringLiteral("Punktebild"));
    Bild1->setAccessibleDescription(QStringLiteral("Buchstabentasten verbinden die Punkte"));
    place(Bild1, 1200, 120, DotCanvas::Units.width(), DotCanvas::Units.height());
    connect(Bild1, &DotCanvas::mouseDown, this,
            [this](QPoint at) { Bild1_MouseDown(at.x(), at.y()); });

    for (QLabel** state :
         {&Bezeichnung1, &Bezeichnung2, &Bezeichnung3, &Bezeichnung4, &Bezeichnung6}) {
        *state = new QLabel(this);
        (*state)->hide();
    }

    setTabOrder(Bild1, Bild2);
    setTabOrder(Bild2, Bild5);
    setTabOrder(Bild5, Bild3);
    setTabOrder(Bild3, HBildlauf1);
    setTabOrder(HBildlauf1, Bild4);
    offerHearAgain(app_.speech(), {});
}

QString Form1::picturePath(int choice) {
    return QStringLiteral(":/pictures/bild%1.svg").arg(choice);
}

void Form1::Form_Load() {
    placeOnScreen(Placement::Centred);
    Bild1->showPicture(picturePath(1));
}

void Form1::showEvent(QShowEvent* event) {
    MoxWindow::showEvent(event);
    Bild1->setFocus();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<QChar> letter = typedLetter(*event)) {
        if (const std::optional<QPoint> dot = Bild1->dotOf(*letter)) {
            Bild1_MouseDown(dot->x(), dot->y());
            return;
        }
    }
    MoxWindow::keyPressEvent(event);
}

void Form1::Bild1_MouseDown(int x, int y) {
    if (!task_.inPlay())
        task_.deal(QStringLiteral("Bild %1").arg(HBildlauf1->value()));
    if (const std::optional<QChar> letter = Bild1->letterAt(QPoint(x, y))) {
        app_.speech().say(Spoken::letter(*letter, app_.readingHelp().letters()));
        checkOrder(*letter);
    }
    // A stored 0 stands for no click yet, so the first click draws only a dot.
    double lastX = numberIn(Bezeichnung3);
    if (lastX == 0)
        lastX = x;
    double lastY = numberIn(Bezeichnung4);
    if (lastY == 0)
        lastY = y;
    Bild1->addLine(QPoint(static_cast<int>(lastX), static_cast<int>(lastY)), QPoint(x, y));
    lineToUndo_ = true;
    Bezeichnung1->setText(bareText(lastX));
    Bezeichnung2->setText(bareText(lastY));
    Bezeichnung3->setText(bareText(x));
    Bezeichnung4->setText(bareText(y));
    Bezeichnung6->setText(bareText(numberIn(Bezeichnung6) + 1));
    checkClicks();
}

// A dot other than the next one in the ABC goes into the record as a wrong step, with the dot
// that was due; the picture itself never says so, the line drawn shows it. Clicking the same dot
// again is no step.
void Form1::checkOrder(QChar letter) {
    const QString& clicked = task_.steps();
    qsizetype inOrder = 0;
    for (const QChar dot : clicked) {
        if (inOrder < kCapitals.size() && dot == kCapitals.at(inOrder))
            ++inOrder;
    }
    if (inOrder < kCapitals.size() && letter != kCapitals.at(inOrder) && !clicked.endsWith(letter))
        task_.attempt(letter, false, 0, QString(kCapitals.at(inOrder)));
    task_.addStep(letter);
}

void Form1::checkClicks() {
    if (numberIn(Bezeichnung6) < ClicksForPoint)
        return;
    app_.addPoints(1);
    task_.finish(task_.steps(), true, 1);
    app_.dialogs().msgBox(QStringLiteral("Du bekommst einen Punkt dazu!\r"), MsgBox::OkOnly,
                          kTitle);
    Bezeichnung6->setText(QStringLiteral("0"));
}

void Form1::Bild4_Click() {
    // Taking the line off the drawing shows again the dots, letters and lines under it.
    if (lineToUndo_)
        Bild1->removeLastLine();
    lineToUndo_ = false;
    Bezeichnung3->setText(bareText(numberIn(Bezeichnung1)));
    Bezeichnung4->setText(bareText(numberIn(Bezeichnung2)));
}

void Form1::Bild5_Click() {
    task_.leave();
    Bild1->clearLines();
    lineToUndo_ = false;
    for (QLabel* state : {Bezeichnung1, Bezeichnung2, Bezeichnung3, Bezeichnung4})
        state->clear();
}

void Form1::Bild2_Click() {
    Bild5_Click();
    app_.backToMain(*this);
}

void Form1::Bild3_Click() {
    app_.dialogs().msgBox(kHelp, MsgBox::OkOnly, QStringLiteral("H i l f e"));
}

QString Form1::spokenTask() const {
    return kHelp;
}

void Form1::HBildlauf1_Change() {
    task_.leave();
    Bild1->showPicture(picturePath(HBildlauf1->value()));
    Bild1->clearLines();
    lineToUndo_ = false;
}
