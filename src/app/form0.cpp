#include "app/form0.h"

#include "app/child_band.h"
#include "app/mox_app.h"
#include "app/moxlabel.h"
#include "app/picture_names_spoken.h"
#include "app/program_end.h"
#include "app/selected_word_list.h"
#include "app/settings.h"
#include "app/speech_switch.h"
#include "app/teacher_entries.h"
#include "exercises/abc_bilder.h"
#include "exercises/abc_fehlersuche.h"
#include "exercises/abc_folgen.h"
#include "exercises/abc_laute.h"
#include "exercises/abc_luecken.h"
#include "exercises/abc_reihe.h"
#include "exercises/abc_wortsuche.h"
#include "exercises/buchstabensuche.h"
#include "exercises/woerterbuch.h"
#include "games/fang.h"
#include "games/galgen.h"
#include "games/memo.h"
#include "klasse/exercise_names.h"
#include "klasse/practice.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/palette.h"
#include "platform/random.h"
#include "platform/twips.h"

#include <QKeyEvent>
#include <QListWidget>

namespace {

constexpr int kClientWidth = Form0::ClientWidth;
constexpr int kClientHeight = Form0::ClientHeight;
// Tall enough to show the teacher's pictures "Druck" and "Punkte" with their captions.
constexpr int kTeacherHeight = 8280;

const QString kTitle = QStringLiteral("M O X - A B C");
const QString kWordListPattern = QStringLiteral("MOXABC*.TXT");

QString icon(const char* name) {
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
}

} // namespace

Form0::Form0(MoxApp& app)
    : app_(app) {
    setWindowTitle(kTitle);
    setBackgroundColor(Qt::white);
    const int width = Twips::toPixels(kClientWidth);
    resize(width, Twips::toPixels(kClientHeight));
    setMinimumSize(width, Twips::toPixels(kClientHeight));
    setMaximumSize(width, Twips::toPixels(kTeacherHeight));
    // The width is fixed and only the teacher makes the window taller, so there is nothing to
    // maximise; a maximised menu would show the teacher's pictures to the child.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    createControls();
    teacher_ = new TeacherEntries(app_, this, Bezeichnung1, Bezeichnung3);
    end_ = new ProgramEnd(app_, *teacher_, this, app_.settings().kiosk());
    speech_ = new SpeechSwitch(app_, this, 2640, 120);
    band_ = new ChildBand(app_, this, *speech_);
    new PictureNamesSpoken(app_, this);
    wireEntries();
    orderTabs();
}

void Form0::orderTabs() {
    // The exercises first, top to bottom as they stand in the menu, then the rest; "Ende" is
    // last of what the child sees, so a stray Enter never starts by asking to quit.
    const QList<QWidget*> order = {Bild7,  Bild6,  Bild8,  Bild5, Bild15, Bild10,
                                   Bild11, Bild17, Bild16, Bild9, Bild13, speech_->button(),
                                   Bild4,  Bild3,  Bild18, Bild2, Bild12, Bild14,
                                   Bild19};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    tabOrder_ = order;
}

void Form0::focusFirstEntry() {
    for (QWidget* entry : std::as_const(tabOrder_)) {
        if (entry->isEnabled() && entry->focusPolicy() != Qt::NoFocus) {
            entry->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void Form0::showEvent(QShowEvent* event) {
    MoxWindow::showEvent(event);
    if (!focusWidget() || !focusWidget()->isEnabled())
        focusFirstEntry();
}

void Form0::resizeEvent(QResizeEvent* event) {
    MoxWindow::resizeEvent(event);
    // A picture below the visible edge must not take the focus: the focus would vanish, and
    // Enter there would show a child the password prompt.
    for (QWidget* teacherOnly : {static_cast<QWidget*>(Bild12), static_cast<QWidget*>(Bild14),
                                 static_cast<QWidget*>(Bild19)}) {
        const bool visible = teacherOnly->geometry().bottom() < height();
        teacherOnly->setFocusPolicy(visible ? Qt::StrongFocus : Qt::NoFocus);
        if (!visible && teacherOnly->hasFocus())
            focusFirstEntry();
    }
}

void Form0::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
    MoxWindow::changeEvent(event);
}

void Form0::keyPressEvent(QKeyEvent* event) {
    // Escape leaves the other windows; the main window has nothing to go back to.
    QWidget::keyPressEvent(event);
}

void Form0::createControls() {
    const QColor band(205, 232, 255);
    const QColor column(232, 246, 255);
    place(new Shape(Shape::Kind::Rectangle, band, {}, this), 0, 0, kClientWidth, 735);
    place(new Shape(Shape::Kind::Rectangle, column, {}, this), 0, 735, 1335, kTeacherHeight);
    place(new Shape(Shape::Kind::RoundedRectangle, QColor(255, 248, 214), QColor(240, 200, 120),
                    this),
          5880, 1080, 2415, 5055);
    place(new Shape(Shape::Kind::RoundedRectangle, Colors::LightCyan, Colors::Blue, this), 60, 900,
          1215, 1215);
    place(new Shape(Shape::Kind::Oval, Qt::white, {}, this), 180, 990, 975, 690);

    Bild1 = new SvgPicture(QStringLiteral(":/title.svg"), this);
    place(Bild1, 1440, 840, 4320, 5580);

    auto picture = [this](const char* iconName, const char* name, const QColor& background,
                          int left, int top) {
        auto* button = new PictureButton(icon(iconName), QString::fromUtf8(name), background, this);
        place(button, left, top, 495, 495);
        return button;
    };
    Bild2 = picture("ende", "Ende", Colors::LightGrey, 120, 120);
    Bild4 = picture("hilfe", "Hilfe", Colors::LightGrey, 4440, 120);
    Bild3 = picture("info", "Info", Colors::LightGrey, 5880, 120);
    Bild18 = picture("edit", "Edit", Colors::LightGrey, 7080, 120);
    Bild7 = picture("bilder", "ABC-Bilder", Colors::LightCyan, 6000, 1200);
    Bild6 = picture("folgen", "ABC-Folgen", Colors::LightCyan, 6600, 1440);
    Bild8 = picture("luecken", "ABC-Lücken", Colors::LightCyan, 7080, 1920);
    Bild5 = picture("wortsuche", "ABC-Wortsuche", Colors::LightCyan, 7320, 2520);
    Bild15 = picture("fehlersuche", "ABC-Fehlersuche", Colors::LightCyan, 7560, 3120);
    Bild10 = picture("reihe", "ABC-Reihe", Colors::LightCyan, 7440, 3720);
    Bild11 = picture("buchstabensuche", "Buchstabensuche", Colors::LightCyan, 7320, 4320);
    Bild17 = picture("laute", "ABC-Laute", Colors::LightCyan, 7080, 4800);
    Bild16 = picture("galgen", "Galgenspiel", Colors::LightCyan, 6600, 5160);
    Bild9 = picture("woerterbuch", "Wörterbuch", Colors::LightCyan, 6000, 5520);
    Bild13 = picture("spiele", "Spiele", Colors::LightGrey, 120, 5640);
    Bild12 = picture("druck", "Druck", Colors::LightYellow, 120, 7320);
    Bild14 = picture("punkte", "Punkte", Colors::LightGrey, 1080, 7320);
    Bild12->setToolTip(QStringLiteral("Druck (Strg+Umschalt+D)"));
    Bild14->setToolTip(QStringLiteral("Punkte (Strg+Umschalt+P)"));
    Bild19 = picture("woerter", "Wörter", Colors::LightGrey, 2040, 7320);
    Bild19->setToolTip(QStringLiteral("Wörter (Strg+Umschalt+W)"));

    const QFont captionFont = Twips::font(QStringLiteral("MS Sans Serif"), 9.75, true);
    auto caption = [&](QLabel* label, int left, int top, int width) {
        label->setFont(captionFont);
        place(label, left, top, width, 255);
        return label;
    };
    auto clickCaption = [&](const QString& text, int left, int top, int width) {
        auto* label = new ClickLabel(text, this);
        label->setCursor(Qt::PointingHandCursor);
        caption(label, left, top, width);
        return label;
    };
    Bezeichnung4 = clickCaption(QStringLiteral(" Ende"), 660, 240, 900);
    Bezeichnung5 = clickCaption(QStringLiteral(" Hilfe"), 4980, 240, 855);
    Bezeichnung6 = clickCaption(QStringLiteral(" Info"), 6420, 240, 615);
    Bezeichnung10 = clickCaption(QStringLiteral("Edit"), 7620, 240, 675);

    auto centredCaption = [&](const QString& text, int left, int top, int width) {
        auto* label = caption(new QLabel(text, this), left, top, width);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    Bezeichnung9 = centredCaption(QStringLiteral("Spiele"), 0, 6150, 735);
    Bezeichnung8 = centredCaption(QStringLiteral("Druck"), 0, 7800, 735);
    Bezeichnung7 = centredCaption(QStringLiteral("Punkte"), 900, 7800, 855);
    Bezeichnung11 = centredCaption(QStringLiteral("Wörter"), 1860, 7800, 855);

    Bezeichnung1 = new QLabel(QStringLiteral("0"), this);
    Bezeichnung1->setFont(Twips::font(QStringLiteral("Comic Sans MS"), 29.25, true));
    Bezeichnung1->setAlignment(Qt::AlignCenter);
    Bezeichnung1->setStyleSheet(QStringLiteral("color: rgb(0,0,255); background: transparent;"));
    Bezeichnung1->setAccessibleDescription(QStringLiteral("Punkte"));
    place(Bezeichnung1, 120, 960, 1095, 735);
    Bezeichnung2 = centredCaption(QStringLiteral("P u n k t e"), 120, 1740, 1095);

    Bezeichnung3 = new QLabel(this);
    Bezeichnung3->hide();
}

template <class W, class Prepare> void Form0::openOnClick(PictureButton* picture, Prepare prepare) {
    connect(picture, &PictureButton::clicked, this, [this, prepare] {
        W& target = app_.window<W>();
        app_.open(target);
        prepare(target);
    });
}

template <class W> void Form0::openOnClick(PictureButton* picture) {
    openOnClick<W>(picture, [](W&) {});
}

void Form0::wireEntries() {
    connect(Bild2, &PictureButton::clicked, this, &Form0::Bild2_Click);
    connect(Bezeichnung4, &ClickLabel::clicked, this, &Form0::Bild2_Click);
    connect(Bild4, &PictureButton::clicked, this, &Form0::Bild4_Click);
    connect(Bezeichnung5, &ClickLabel::clicked, this, &Form0::Bild4_Click);
    connect(Bild18, &PictureButton::clicked, this, &Form0::Bild18_Click);
    connect(Bezeichnung10, &ClickLabel::clicked, this, &Form0::Bild18_Click);
    openOnClick<MOXLABEL>(Bild3);
    connect(Bezeichnung6, &ClickLabel::clicked, Bild3, &PictureButton::click);
    connect(Bild9, &PictureButton::clicked, this, &Form0::Bild9_Click);
    connect(Bild12, &PictureButton::clicked, this, &Form0::Bild12_Click);
    connect(Bild13, &PictureButton::clicked, this, &Form0::Bild13_Click);
    connect(Bild14, &PictureButton::clicked, this, &Form0::Bild14_Click);
    connect(Bild19, &PictureButton::clicked, this, &Form0::Bild19_Click);
    connect(Bild16, &PictureButton::clicked, this, &Form0::Bild16_Click);
    connect(Bild17, &PictureButton::clicked, this, &Form0::Bild17_Click);

    // The exercise entries: one line each.
    openOnClick<Form2>(Bild6, [](Form2& folgen) { folgen.Liste1->clear(); });
    openOnClick<Form4>(Bild8, [](Form4& luecken) { luecken.startFresh(); });
    openOnClick<Form5>(Bild10);
    openOnClick<Form6>(Bild11);
    openOnClick<Form7>(Bild5);
    openOnClick<Form1>(Bild7);
    openOnClick<Form9>(
        Bild15, [](Form9& fehlersuche) { fehlersuche.Bezeichnung5->setText(QStringLiteral("0")); });
}

void Form0::Form_Load() {
    placeOnScreen(Placement::Centred);
    FileList* wordLists = app_.window<Form3>().Datei1;
    wordLists->setPath(app_.workDir().path());
    wordLists->setPattern(kWordListPattern);
    selectListInUse(app_);
    app_.random().randomize();
    readSettings();
}

void Form0::readSettings() {
    if (const auto threshold = Settings::readThreshold(app_.workDir())) {
        Bezeichnung3->setText(numberText(*threshold));
        return;
    }
    Bezeichnung3->setText(QStringLiteral("10"));
    // Told once the main window is on screen, so the message stands over it rather than
    // greeting the child on an empty screen.
    QMetaObject::invokeMethod(
        this,
        [this] {
            app_.dialogs().msgBox(QStringLiteral("Datei 'MOXABC.INI' fehlt!\r"), MsgBox::OkOnly,
                                  QStringLiteral("M O X A B C"));
        },
        Qt::QueuedConnection);
}

void Form0::closeRequested() {
    Bild2_Click();
}

void Form0::Bild2_Click() {
    end_->ask();
}

void Form0::Bild4_Click() {
    app_.dialogs().msgBox(QStringLiteral("Mit diesem Programm kannst du\r"
                                         "das ABC trainieren. Wähle dazu\r"
                                         "Übungen aus dem rechten Menü.\r"),
                          MsgBox::OkOnly, QStringLiteral("H i l f e"));
}

void Form0::Bild18_Click() {
    app_.dialogs().msgBox(
        QStringLiteral("Die Wörterbuchliste hat den Dateinamen MOXABC.TXT\r\n"
                       "und zeigt paarweise das Suchwort und die Seitenzahl\r\n"
                       "aus dem verwendeten Wörterbuch. Die Datei muss im\r\n"
                       "Programmordner stehen, sonst wird sie nicht erfasst.\r\n"
                       "Als Beispiel finden Sie eine MOXABC.TXT im Ordner.\r\n"
                       "Die Datei lässt sich einfach editieren und neu sichern.\r\n"),
        MsgBox::OkOnly, QStringLiteral("Wörterbuch editieren"));
}

void Form0::Bild9_Click() {
    Form3& dictionary = app_.window<Form3>();
    if (dictionary.Datei1->count() == 0) {
        app_.dialogs().msgBox(QStringLiteral("Es ist keine Datei vorhanden!"), MsgBox::OkOnly,
                              QStringLiteral("Datei fehlt ..."));
        return;
    }
    selectListInUse(app_);
    if (dictionary.wordList().error == WordListError::TooLarge) {
        app_.dialogs().msgBox(wordListTooLargeText(), MsgBox::OkOnly, QStringLiteral("Wörterbuch"));
        return;
    }
    if (!dictionary.hasTasks()) {
        app_.dialogs().msgBox(QStringLiteral("In der Wörterliste stehen keine Wörter mit "
                                             "Seitenzahlen!\r"),
                              MsgBox::OkOnly, QStringLiteral("Wörterbuch"));
        return;
    }
    app_.open(dictionary);
}

void Form0::Bild12_Click() {
    teacher_->printWorksheets();
}

void Form0::Bild13_Click() {
    const double points = textToNumber(Bezeichnung1->text());
    const double threshold = textToNumber(Bezeichnung3->text());
    if (points < threshold) {
        app_.dialogs().msgBox(QStringLiteral("Du brauchst mindestens ") + Bezeichnung3->text() +
                                  QStringLiteral(" Punkte!\r"),
                              MsgBox::OkOnly, QStringLiteral("B e l o h n u n g s s p i e l e"));
        return;
    }
    // A game costs exactly the threshold; which of the two it is, is left to chance.
    app_.addPoints(-threshold);
    const bool memory = static_cast<int>(2 * app_.random().rnd()) == 0;
    // Kept in the child's record, so that their total next time is what it is now.
    TaskRecord reward;
    reward.exercise = ExerciseName::belohnung();
    reward.task = memory ? ExerciseName::memory() : ExerciseName::fangspiel();
    reward.right = true;
    reward.points = -threshold;
    app_.recordTask(reward);
    if (memory)
        app_.open(app_.window<memo>());
    else
        app_.open(app_.window<fang>());
}

void Form0::Bild14_Click() {
    teacher_->changeThreshold();
}

void Form0::Bild19_Click() {
    teacher_->editWordLists();
}

void Form0::Bild16_Click() {
    const QString noWords = QStringLiteral("Es sind keine Daten vorhanden!\r");
    if (!wordListSelected(app_)) {
        app_.dialogs().msgBox(noWords, MsgBox::OkOnly, QStringLiteral("Galgenspiel"));
        return;
    }
    galgen& game = app_.window<galgen>();
    if (game.Liste2->count() == 0) {
        const std::optional<WordList> wordList =
            readSelectedWordList(app_, QStringLiteral("Galgenspiel"));
        if (!wordList)
            return;
        game.Liste2->addItems(wordList->words());
    }
    // A list without a word leaves nothing to play.
    if (game.Liste2->count() == 0) {
        app_.dialogs().msgBox(noWords, MsgBox::OkOnly, QStringLiteral("Galgenspiel"));
        return;
    }
    const int index = drawWord(app_, *game.Liste2);
    QString& word = app_.shared().wordText;
    word = game.Liste2->item(index)->text();
    delete game.Liste2->takeItem(index);
    game.Bezeichnung2->setText(word);
    app_.open(game);
}

void Form0::Bild17_Click() {
    if (!wordListSelected(app_)) {
        app_.dialogs().msgBox(QStringLiteral("Es sind keine Daten vorhanden!\r"), MsgBox::OkOnly,
                              QStringLiteral("Wörterbuch fehlt"));
        return;
    }
    Form10& sounds = app_.window<Form10>();
    if (sounds.ensureWords())
        app_.open(sounds);
}
