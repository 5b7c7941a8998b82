#include "exercises/abc_wortsuche.h"

#include "app/mox_app.h"
#include "exercises/word_sets.h"
#include "klasse/exercise_names.h"
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
#include <QListWidget>

#include <algorithm>

namespace {

const QString kFont = QStringLiteral("Comic Sans MS");
constexpr int kWordTop = 240;
constexpr int kWordPitch = 720;

bool isChooseKey(const QKeyEvent& event) {
    const int key = event.key();
    return !event.isAutoRepeat() &&
           (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

} // namespace

Form7::Form7(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::abcWortsuche()) {
    setWindowTitle(QStringLiteral("A B C - Wortsuche"));
    setBackgroundColor(Qt::white);
    setClientSize(6735, 4725);

    place(new Shape(Shape::Kind::RoundedRectangle, Colors::LightGrey, {}, this), 120, 240, 975,
          3495);
    createPictures();
    createWords();

    Bezeichnung7 = new QLabel(this);
    Bezeichnung7->setFont(Twips::font(kFont, 13.5, true));
    Bezeichnung7->setAlignment(Qt::AlignCenter);
    Bezeichnung7->setStyleSheet(
        QStringLiteral("color: rgb(0,0,128); background: %1;").arg(Colors::LightYellow.name()));
    place(Bezeichnung7, 120, 3960, 6495, 495);

    Bezeichnung6 = new QLabel(this);
    Bezeichnung6->hide();
    Liste1 = new QListWidget(this);
    Liste1->setSelectionMode(QAbstractItemView::MultiSelection);
    Liste1->hide();
    Liste2 = new AbcListBox(this);
    Liste2->hide();
    offerHearAgain(app_.speech(), QStringLiteral("Denke dir die Wörter nach dem ABC geordnet."));
}

QString Form7::spokenTask() const {
    QStringList shown;
    for (const ClickLabel* word : words())
        shown.append(word->text());
    return Bezeichnung7->text() + u'\n' + shown.join(QStringLiteral(", "));
}

bool Form7::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const auto shown = words();
        const auto word = std::find(shown.begin(), shown.end(), watched);
        if (word != shown.end() &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            app_.speech().say(app_.readingHelp().spokenWord((*word)->text()));
    }
    return MoxWindow::eventFilter(watched, event);
}

void Form7::createPictures() {
    Bild2 = addCaptionedPicture(this, QStringLiteral("zurueck"), QStringLiteral("Zurück"),
                                QStringLiteral("Zurück"), 480);
    Bild1 = addCaptionedPicture(this, QStringLiteral("neu"), QStringLiteral("Neu"),
                                QStringLiteral("N e u"), 1560);
    Bild3 = addCaptionedPicture(this, QStringLiteral("hilfe"), QStringLiteral("Hilfe"),
                                QStringLiteral("Hilfe"), 2640);
    connect(Bild1, &PictureButton::clicked, this, &Form7::Bild1_Click);
    connect(Bild2, &PictureButton::clicked, this, &Form7::Bild2_Click);
    connect(Bild3, &PictureButton::clicked, this, &Form7::Bild3_Click);
}

void Form7::createWords() {
    const QFont wordFont = Twips::font(kFont, 24, true);
    const QString look = QStringLiteral("color: rgb(0,0,128); background: %1; border-radius: %2px;")
                             .arg(Colors::LightCyan.name())
                             .arg(Twips::toPixels(120));
    std::array<ClickLabel**, WordCount> members{&Bezeichnung1, &Bezeichnung2, &Bezeichnung3,
                                                &Bezeichnung4, &Bezeichnung5};
    for (int i = 0; i < WordCount; ++i) {
        auto* word = new ClickLabel(QString(), this);
        word->setFont(wordFont);
        word->setAlignment(Qt::AlignCenter);
        word->setStyleSheet(look);
        word->setCursor(Qt::PointingHandCursor);
        word->setFocusPolicy(Qt::StrongFocus);
        word->setAccessibleDescription(QStringLiteral("Wort %1").arg(i + 1));
        place(word, 1320, kWordTop + kWordPitch * i, 5295, 615);
        connect(word, &ClickLabel::clicked, this, [this, word] { Bezeichnung_Click(word); });
        word->installEventFilter(this);
        app_.readingHelp().colourSyllables(word);
        *members[static_cast<size_t>(i)] = word;
    }
    // Tab walks the words top to bottom before it reaches the pictures.
    setTabOrder(Bezeichnung5, Bild2);
    setTabOrder(Bild2, Bild1);
    setTabOrder(Bild1, Bild3);
}

std::array<ClickLabel*, Form7::WordCount> Form7::words() const {
    return {Bezeichnung1, Bezeichnung2, Bezeichnung3, Bezeichnung4, Bezeichnung5};
}

void Form7::Form_Load() {
    placeOnScreen(Placement::Centred);
}

void Form7::Form_Activate() {
    newWordTask();
}

void Form7::showEvent(QShowEvent* event) {
    MoxWindow::showEvent(event);
    Bezeichnung1->setFocus();
}

void Form7::keyPressEvent(QKeyEvent* event) {
    const auto shown = words();
    const auto focused = std::find(shown.begin(), shown.end(), focusWidget());
    if (focused != shown.end()) {
        if (isChooseKey(*event)) {
            Bezeichnung_Click(*focused);
            return;
        }
        if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Left) {
            moveFocusBy(-1);
            return;
        }
        if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Right) {
            moveFocusBy(1);
            return;
        }
    }
    MoxWindow::keyPressEvent(event);
}

void Form7::moveFocusBy(int offset) {
    const auto shown = words();
    const auto at = std::find(shown.begin(), shown.end(), focusWidget()) - shown.begin();
    const auto next = (at + offset + WordCount) % WordCount;
    shown[static_cast<size_t>(next)]->setFocus(Qt::TabFocusReason);
}

void Form7::Bild1_Click() {
    newWordTask();
}

void Form7::Bild2_Click() {
    task_.leave();
    Liste1->clear();
    Liste2->clear();
    app_.backToMain(*this);
}

void Form7::Bild3_Click() {
    app_.dialogs().msgBox(QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z\r"),
                          MsgBox::OkOnly, QStringLiteral("ABC-Reihe"));
}

void Form7::Bezeichnung_Click(ClickLabel* word) {
    const int k = static_cast<int>(textToNumber(Bezeichnung6->text()));
    const QListWidgetItem* asked = Liste2->item(k);
    if (asked && word->text() == asked->text()) {
        task_.finish(word->text(), true, 1);
        rightWord();
    } else {
        task_.attempt(word->text(), false, textToNumber(app_.pointsCaption()) > 0 ? -1 : 0);
        wrongWord();
    }
}

void Form7::fillWordPool() {
    Liste1->addItems(WordSets::nouns());
    Liste1->addItems(WordSets::verbs());
    Liste1->addItems(WordSets::adjectives());
}

void Form7::newWordTask() {
    Liste1->clear();
    fillWordPool();
    const int n = Liste1->count();
    RandomSource& random = app_.random();
    QStringList drawn;
    for (int i = 0; i < WordCount; ++i) {
        int r = random.uniform(0, n);
        while (Liste1->item(r)->isSelected())
            r = random.uniform(0, n);
        Liste1->item(r)->setSelected(true);
        drawn.append(Liste1->item(r)->text());
    }
    showTask(drawn, random.uniform(0, WordCount));
}

void Form7::showTask(const QStringList& drawn, int k) {
    Liste2->clear();
    const auto shown = words();
    for (int i = 0; i < WordCount; ++i) {
        Liste2->addSorted(drawn.at(i));
        shown[static_cast<size_t>(i)]->setText(drawn.at(i));
    }
    Liste2->setCurrentRow(k);
    Bezeichnung6->setText(numberText(k));
    task_.deal(drawn.join(u' '), Liste2->item(k)->text());
    Bezeichnung7->setText(QStringLiteral("Klicke auf das") + numberText(k + 1) +
                          QStringLiteral(". Wort nach der ABC-Folge!"));
    hearAgain();
}

void Form7::rightWord() {
    app_.addPoints(1);
    app_.dialogs().msgBox(QStringLiteral("Prima, du bekommst 1 Punkt dazu!\r"), MsgBox::OkOnly,
                          QStringLiteral("L ö s u n g"));
    newWordTask();
}

void Form7::wrongWord() {
    if (textToNumber(app_.pointsCaption()) > 0)
        app_.addPoints(-1);
    app_.dialogs().msgBox(QStringLiteral("Fehler, das gibt 1 Punkt Abzug!\r"), MsgBox::OkOnly,
                          QStringLiteral("F e h l e r"));
}
