#include "exercises/woerterbuch.h"

#include "app/mox_app.h"
#include "klasse/exercise_names.h"
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
#include <QScrollBar>
#include <QTimer>

namespace {
const QString kTitle = QStringLiteral("Wörterbuch");
constexpr QChar kDealt = u'+';
// Long enough for a child's next step on the slider, short enough to feel like an answer.
constexpr int kPageSettleMilliseconds = 600;
constexpr QChar kUndealt = u'-';
} // namespace

Form3::Form3(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::woerterbuch()) {
    setWindowTitle(kTitle);
    setBackgroundColor(QColor(255, 250, 235));
    setClientSize(7830, 2805);

    place(new Shape(Shape::Kind::RoundedRectangle, Colors::LightGrey, {}, this), 120, 120, 975,
          2565);
    place(new Shape(Shape::Kind::RoundedRectangle, Colors::LightCyan, QColor(0, 128, 128), this),
          1200, 1200, 6495, 1455);

    Bezeichnung1 = new QLabel(kTitle, this);
    Bezeichnung1->setFont(Twips::font(QStringLiteral("Comic Sans MS"), 15.75, true));
    Bezeichnung1->setStyleSheet(QStringLiteral("color: rgb(0,0,128);"));
    place(Bezeichnung1, 1320, 60, 6255, 495);

    Bezeichnung6 = new QLabel(
        QStringLiteral("Schlage erst das Wort im Wörterbuch nach, stelle dann die Seitenzahl "
                       "mit dem Schieber ein und klicke auf den Knopf!"),
        this);
    Bezeichnung6->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9));
    Bezeichnung6->setWordWrap(true);
    place(Bezeichnung6, 1320, 520, 6255, 640);

    auto* pageCaption = new QLabel(QStringLiteral("Seite"), this);
    pageCaption->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9, true));
    pageCaption->setAlignment(Qt::AlignCenter);
    place(pageCaption, 180, 1800, 855, 255);

    Bezeichnung4 = new QLabel(this);
    Bezeichnung4->setFont(Twips::font(QStringLiteral("Comic Sans MS"), 19.5, true));
    Bezeichnung4->setAlignment(Qt::AlignCenter);
    app_.readingHelp().colourSyllables(Bezeichnung4);
    place(Bezeichnung4, 1320, 1320, 6255, 615);

    HBildlauf1 = new QScrollBar(Qt::Horizontal, this);
    HBildlauf1->setRange(1, 100);
    HBildlauf1->setPageStep(10);
    HBildlauf1->setAccessibleName(QStringLiteral("Seitenzahl"));
    makeKeyboardSlider(HBildlauf1);
    place(HBildlauf1, 1320, 2160, 6255, 255);
    connect(HBildlauf1, &QScrollBar::valueChanged, this, &Form3::HBildlauf1_Change);
    // Only the page the child settles on is said, not every page passed on the way; pages the
    // program sets (a new list, a new task) are not the child's and stay unsaid.
    pageSettle = new QTimer(this);
    pageSettle->setSingleShot(true);
    pageSettle->setInterval(kPageSettleMilliseconds);
    connect(HBildlauf1, &QScrollBar::actionTriggered, pageSettle, qOverload<>(&QTimer::start));
    connect(pageSettle, &QTimer::timeout, this, [this] {
        app_.speech().say(QStringLiteral("Seite ") + QString::number(HBildlauf1->value()));
    });

    Befehl2 = new QPushButton(QStringLiteral("1"), this);
    Befehl2->setFont(Twips::font(QStringLiteral("Comic Sans MS"), 13.5, true));
    Befehl2->setAccessibleDescription(QStringLiteral("Seite prüfen"));
    place(Befehl2, 240, 2040, 735, 495);
    connect(Befehl2, &QPushButton::clicked, this, &Form3::Befehl2_Click);

    Picture1 = new PictureButton(QStringLiteral(":/icons/zurueck.svg"), QStringLiteral("Zurück"),
                                 Colors::LightGrey, this);
    place(Picture1, 360, 240, 495, 495);
    connect(Picture1, &PictureButton::clicked, this, &Form3::Picture1_Click);

    Datei1 = new FileList(this);
    Datei1->hide();
    connect(Datei1, &FileList::clicked, this, &Form3::Datei1_Click);
    // A list the teacher has just made is one to choose from; the words themselves are read
    // afresh each time the window opens.
    connect(&app_, &MoxApp::wordListSaved, Datei1, &FileList::rescan);

    auto hiddenLabel = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->hide();
        return label;
    };
    Bezeichnung2 = hiddenLabel({});
    Bezeichnung3 = hiddenLabel({});
    Bezeichnung5 = hiddenLabel({});
    Label1 = hiddenLabel(QStringLiteral("0"));
    offerHearAgain(app_.speech(),
                   QStringLiteral("Suche das Wort im Wörterbuch und stelle die Seite ein."));
}

QString Form3::spokenTask() const {
    return app_.readingHelp().spokenWord(Bezeichnung4->text());
}

void Form3::Form_Load() {
    placeOnScreen(Placement::Centred);
}

void Form3::showEvent(QShowEvent* event) {
    MoxWindow::showEvent(event);
    HBildlauf1->setFocus(Qt::OtherFocusReason);
}

void Form3::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        Befehl2_Click();
        return;
    }
    MoxWindow::keyPressEvent(event);
}

void Form3::Form_Activate() {
    HBildlauf1->setValue(1);
    Befehl2->setText(QStringLiteral("1"));
    hearAgain();
}

void Form3::Datei1_Click() {
    if (Datei1->listIndex() < 0)
        return;
    wordList_ = readWordList(Datei1->selectedPath()).value_or(WordList{});
    const auto count = static_cast<int>(wordList_.entries.size());
    const int maxPage = wordList_.maxPage();
    Bezeichnung2->setText(numberText(count));
    Bezeichnung5->setText(QString(count, kUndealt));
    Bezeichnung3->setText(numberText(maxPage));
    HBildlauf1->setMaximum(std::max(maxPage, 1));
    Befehl2->setText(QStringLiteral("1"));
    Label1->setText(QStringLiteral("0"));
    newLookupTask();
}

void Form3::newLookupTask() {
    QString marks = Bezeichnung5->text();
    const int count = static_cast<int>(textToNumber(Bezeichnung2->text()));
    if (count <= 0 || count > wordList_.entries.size()) {
        Bezeichnung4->clear();
        return;
    }
    if (marks == QString(count, kDealt)) {
        marks = QString(count, kUndealt);
        Bezeichnung5->setText(marks);
        app_.dialogs().msgBox(QStringLiteral("Es wurden alle Aufgaben gelöst!"), MsgBox::OkOnly,
                              kTitle);
    }
    const int k = drawUndealtEntry(marks);
    marks[k - 1] = kDealt;
    Bezeichnung5->setText(marks);
    const WordEntry& entry = wordList_.entries[k - 1];
    Bezeichnung3->setText(numberText(entry.page));
    Bezeichnung4->setText(entry.word);
    if (!isVisible())
        task_.forget();
    task_.deal(entry.word, entry.word);
    // The main window deals the first task before the window is shown; that one is said as
    // the window opens.
    if (isVisible())
        hearAgain();
}

// Draws entries until one is not dealt yet. Late in a cycle of a long list nearly every draw
// hits a dealt entry, so after a fair number of tries the choice falls among the undealt
// ones directly, which is just as uniform.
int Form3::drawUndealtEntry(const QString& marks) {
    const auto count = static_cast<int>(marks.size());
    RandomSource& random = app_.random();
    for (int attempt = 0; attempt < 64; ++attempt) {
        random.randomize();
        const int k = random.uniform(1, count);
        if (marks[k - 1] != kDealt)
            return k;
    }
    QList<int> undealt;
    for (int i = 0; i < count; ++i) {
        if (marks[i] != kDealt)
            undealt.append(i + 1);
    }
    return undealt[random.uniform(0, static_cast<int>(undealt.size()))];
}

void Form3::HBildlauf1_Change() {
    Befehl2->setText(numberText(HBildlauf1->value()));
}

void Form3::Befehl2_Click() {
    pageSettle->stop();
    const QString page = QString::number(HBildlauf1->value());
    if (HBildlauf1->value() == textToNumber(Bezeichnung3->text())) {
        app_.speech().sayFirst(QStringLiteral("Richtig!"));
        task_.finish(page, true, 1);
        Label1->setText(numberText(textToNumber(Label1->text()) + 1));
        newLookupTask();
        return;
    }
    task_.attempt(page, false, 0);
    app_.dialogs().msgBox(QStringLiteral("Fehler, bitte neu einstellen!"), MsgBox::OkOnly, kTitle);
}

void Form3::Picture1_Click() {
    task_.leave();
    // A page the child left is no longer worth saying.
    pageSettle->stop();
    const double rightAnswers = textToNumber(Label1->text());
    Label1->setText(QStringLiteral("0"));
    app_.addPoints(rightAnswers, PointsForm::LeadingBlank);
    app_.backToMain(*this);
}
