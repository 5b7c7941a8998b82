#include "exercises/abc_laute.h"

#include "app/mox_app.h"
#include "exercises/letter_panel.h"
#include "exercises/letters.h"
#include "exercises/woerterbuch.h"
#include "exercises/word_list.h"
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

namespace {

const QString kWordFile = QStringLiteral("MOXABC.TXT");
const QColor kCyan(0, 255, 255);

} // namespace

Form10::Form10(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::abcLaute()) {
    setWindowTitle(QStringLiteral("A B C - Laute"));
    setBackgroundColor(Qt::white);
    setClientSize(8145, 3510);

    Bezeichnung1 =
        new FittingLabel(Twips::font(QStringLiteral("Arial"), 30), Colors::DarkBlue, kCyan, this);
    Bezeichnung1->setAccessibleDescription(QStringLiteral("Wort"));
    app_.readingHelp().colourSyllables(Bezeichnung1);
    place(Bezeichnung1, 240, 240, 7695, 735);

    Bezeichnung2 = new FittingLabel(Twips::font(QStringLiteral("Arial"), 27.75, true),
                                    Colors::DarkBlue, Colors::LightCyan, this);
    Bezeichnung2->setAccessibleDescription(QStringLiteral("gefundene Buchstaben"));
    place(Bezeichnung2, 240, 1320, 7695, 735);

    place(new Shape(Shape::Kind::Rectangle, Colors::LightGrey, {}, this), 240, 2400, 855, 750);
    place(new Shape(Shape::Kind::Rectangle, Colors::LightGrey, {}, this), 6960, 2400, 975, 750);

    Liste1 = new LetterPanel(LetterPanel::Marking::Toggle, this);
    Liste1->setFont(Twips::font(QStringLiteral("MS Sans Serif"), 13.5, true));
    QPalette colours = Liste1->palette();
    colours.setColor(QPalette::Base, kCyan);
    colours.setColor(QPalette::Text, Colors::DarkBlue);
    Liste1->setPalette(colours);
    place(Liste1, 1080, 2400, 5895, 750);
    connect(Liste1, &LetterPanel::letterChosen, this, &Form10::Liste1_Click);

    Bild1 = new PictureButton(QStringLiteral(":/icons/zurueck.svg"), QStringLiteral("Zurück"),
                              Colors::LightGrey, this);
    place(Bild1, 360, 2520, 495, 495);
    connect(Bild1, &PictureButton::clicked, this, &Form10::Bild1_Click);
    Bild2 = new PictureButton(QStringLiteral(":/icons/neu.svg"), QStringLiteral("Neu"),
                              Colors::LightGrey, this);
    place(Bild2, 7200, 2520, 495, 495);
    connect(Bild2, &PictureButton::clicked, this, &Form10::Bild2_Click);

    Liste2 = new QListWidget(this);
    Liste2->hide();
    // The words not drawn yet come afresh from a list the teacher has just saved.
    connect(&app_, &MoxApp::wordListSaved, Liste2, &QListWidget::clear);
    Bezeichnung3 = new QLabel(QStringLiteral("0"), this);
    Bezeichnung3->hide();
    setTabOrder(Liste1, Bild2);
    setTabOrder(Bild2, Bild1);
    offerHearAgain(app_.speech(), QStringLiteral("Welche Laute hörst du im Wort? Klicke sie an."));
}

// Hearing the word and finding its letters is the exercise.
QString Form10::spokenTask() const {
    return app_.readingHelp().spokenWord(Bezeichnung1->text());
}

void Form10::Form_Load() {
    placeOnScreen(Placement::UpperQuarter);
}

void Form10::Form_Activate() {
    newSoundWord();
    Liste1->setFocus();
}

void Form10::Bild1_Click() {
    task_.leave();
    app_.backToMain(*this);
}

void Form10::Bild2_Click() {
    newSoundWord();
}

// The words come from the word list in use, which the main window made sure exists; when that
// cannot be read or holds no word, from MOXABC.TXT.
bool Form10::ensureWords() {
    if (Liste2->count() > 0)
        return true;
    bool tooLarge = false;
    for (const QString& path :
         {app_.window<Form3>().Datei1->selectedPath(), app_.workDir().filePath(kWordFile)}) {
        const std::optional<WordList> list = path.isEmpty() ? std::nullopt : readWordList(path);
        if (!list)
            continue;
        tooLarge = tooLarge || list->error == WordListError::TooLarge;
        if (list->entries.isEmpty())
            continue;
        Liste2->addItems(list->words());
        return true;
    }
    app_.dialogs().msgBox(tooLarge ? wordListTooLargeText()
                                   : QStringLiteral("In der Wörterliste stehen keine Wörter!\r"),
                          MsgBox::OkOnly, QStringLiteral("ABC-Laute"));
    return false;
}

void Form10::newSoundWord() {
    Bezeichnung3->setText(QStringLiteral("0"));
    Liste1->refill();
    if (!ensureWords()) {
        app_.backToMain(*this);
        return;
    }
    const int index = drawWord(app_, *Liste2);
    QString& word = app_.shared().wordText;
    word = Liste2->item(index)->text();
    delete Liste2->takeItem(index);
    Bezeichnung1->setText(word);
    QString& mask = app_.shared().wordMask;
    mask = Letters::blankMask(word);
    Bezeichnung2->setText(mask);
    task_.deal(word, word);
    hearAgain();
}

void Form10::Liste1_Click() {
    const QString& word = app_.shared().wordText;
    QString& mask = app_.shared().wordMask;
    // The sounds are what this window is about: heard unless the teacher chose the names.
    app_.speech().say(Spoken::letter(Liste1->chosenLetter(), app_.readingHelp().letters(true)));
    task_.addStep(Liste1->chosenLetter());
    if (!Letters::reveal(word, mask, Liste1->chosenLetter())) {
        Bezeichnung3->setText(bareText(textToNumber(Bezeichnung3->text()) + 1));
        return;
    }
    Bezeichnung2->setText(mask);
    if (!Letters::isSolved(mask))
        return;
    const bool withoutFault = textToNumber(Bezeichnung3->text()) == 0;
    if (withoutFault) {
        app_.dialogs().msgBox(QStringLiteral("Ohne Fehler, das gibt 1 Punkt dazu!\r"),
                              MsgBox::OkOnly, QStringLiteral("ABC-Laute"));
        app_.addPoints(1);
    }
    task_.finish(task_.steps(), withoutFault, withoutFault ? 1 : 0);
    newSoundWord();
}
