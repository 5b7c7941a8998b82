#include "exercises/abc_folgen.h"

#include "app/mox_app.h"
#include "exercises/word_sets.h"
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
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <array>

namespace {

const QString kTitle = QStringLiteral("A B C - Folgen");
const QString kFont = QStringLiteral("MS Sans Serif");
const QColor kPaleCyan(224, 255, 255);
constexpr int kFewestLines = 5;
constexpr int kMostLines = 10;
// A sorted list earns one point for every line beyond this many.
constexpr int kLinesWithoutPoints = 4;

// The buttons that choose the kind of list, top to bottom; a kind's code is its place here,
// counted from 1.
struct KindButton {
    QPushButton* Form2::*button;
    const char* caption;
    void (Form2::*deal)();
    int top;
};
const std::array<KindButton, 8> kKindButtons{{
    {&Form2::Befehl2, "Buchstaben", &Form2::Befehl2_Click, 480},
    {&Form2::Befehl3, "N a m e n", &Form2::Befehl3_Click, 960},
    {&Form2::Befehl6, "Tunwörter", &Form2::Befehl6_Click, 1440},
    {&Form2::Befehl7, "Wiewörter", &Form2::Befehl7_Click, 1920},
    {&Form2::Befehl8, "2.Buchstabe", &Form2::Befehl8_Click, 2400},
    {&Form2::Befehl9, "3.Buchstabe", &Form2::Befehl9_Click, 2880},
    {&Form2::Befehl10, "4.Buchstabe", &Form2::Befehl10_Click, 3360},
    {&Form2::Befehl11, "5.Buchstabe", &Form2::Befehl11_Click, 3840},
}};

QString lineNumber(int number) {
    return (number < 10 ? QStringLiteral("  ") : QString()) + QString::number(number) + u'.';
}

QStringList lineTexts(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.item(i)->text());
    return texts;
}

// n different entries of the candidates, in the order in which they were drawn.
QStringList drawDifferent(RandomSource& random, const QStringList& candidates, int n) {
    QStringList lines;
    while (lines.size() < n) {
        const QString& candidate =
            candidates.at(random.uniform(0, static_cast<int>(candidates.size())));
        if (!lines.contains(candidate))
            lines.append(candidate);
    }
    return lines;
}

} // namespace

Form2::Form2(MoxApp& app)
    : app_(app)
    , task_(app, ExerciseName::abcFolgen()) {
    setWindowTitle(kTitle);
    setBackgroundColor(Qt::white);
    setClientSize(7605, 4680);

    place(new Shape(Shape::Kind::Rectangle, Colors::LightCyan, {}, this), 0, 0, 735, 4815);
    place(new Shape(Shape::Kind::Oval, Colors::LightGrey, {}, this), 3120, 120, 3975, 4380);
    createPictures();
    createLists();
    createKindButtons();
    offerHearAgain(app_.speech(), QStringLiteral("Bringe die Zeilen in die Reihenfolge des ABC."));
    // Tab goes down the left column as it looks: the line count sits between alphabet and arrows.
    setTabOrder(Bild5, HBildlauf1);
}

void Form2::createPictures() {
    auto picture = [this](const char* icon, const char* name, int top, void (Form2::*click)()) {
        auto* button = new PictureButton(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)),
                                         QString::fromUtf8(name), Colors::LightGrey, this);
        place(button, 120, top, 495, 495);
        connect(button, &PictureButton::clicked, this, click);
        return button;
    };
    Bild1 = picture("zurueck", "Zurück", 240, &Form2::Bild1_Click);
    Bild4 = picture("hilfe", "Hilfe", 960, &Form2::Bild4_Click);
    Bild5 = picture("abc", "ABC", 1680, &Form2::Bild5_Click);
    Bild2 = picture("pfeil_hoch", "Pfeil hoch", 3360, &Form2::Bild2_Click);
    Bild3 = picture("pfeil_runter", "Pfeil runter", 4080, &Form2::Bild3_Click);

    Bezeichnung1 = new QLabel(bareText(kFewestLines), this);
    Bezeichnung1->setFont(Twips::font(kFont, 18, true));
    Bezeichnung1->setAlignment(Qt::AlignCenter);
    Bezeichnung1->setStyleSheet(
        QStringLiteral("color: rgb(0,0,128); background: %1;").arg(kPaleCyan.name()));
    place(Bezeichnung1, 45, 2400, 615, 495);

    HBildlauf1 = new QScrollBar(Qt::Horizontal, this);
    HBildlauf1->setRange(kFewestLines, kMostLines);
    HBildlauf1->setSingleStep(1);
    HBildlauf1->setPageStep(1);
    HBildlauf1->setValue(kFewestLines);
    makeKeyboardSlider(HBildlauf1);
    HBildlauf1->setAccessibleName(QStringLiteral("Anzahl der Zeilen"));
    HBildlauf1->setToolTip(HBildlauf1->accessibleName());
    place(HBildlauf1, 45, 2880, 615, 255);
    // The value also changes while the thumb is dragged, so dragging deals just like a click.
    connect(HBildlauf1, &QScrollBar::valueChanged, this, &Form2::HBildlauf1_Change);
}

void Form2::createLists() {
    const QFont listFont = Twips::font(kFont, 18, true);
    auto list = [&](const QColor& text, const QColor& background) {
        auto* box = new QListWidget(this);
        box->setFont(listFont);
        box->setUniformItemSizes(true);
        QPalette colours = box->palette();
        colours.setColor(QPalette::Text, text);
        colours.setColor(QPalette::Base, background);
        box->setPalette(colours);
        return box;
    };
    Liste3 = list(Colors::DarkBlue, Colors::LightGrey);
    Liste3->setSelectionMode(QAbstractItemView::NoSelection);
    Liste3->setFocusPolicy(Qt::NoFocus);
    Liste3->setAttribute(Qt::WA_TransparentForMouseEvents);
    Liste3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Liste3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Liste3->setStyleSheet(
        QStringLiteral("QListWidget::item { padding-right: %1px; }").arg(Twips::toPixels(60)));
    // Wide enough for "10." in the substitute font, which runs wider than the original one.
    place(Liste3, 750, 120, 825, 4380);

    Liste1 = list(Qt::black, kPaleCyan);
    Liste1->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste1->setAccessibleName(QStringLiteral("Zeilen zum Ordnen"));
    Liste1->installEventFilter(this);
    Liste1->setStyleSheet(
        QStringLiteral("QListWidget { padding-left: %1px; }").arg(Twips::toPixels(90)));
    place(Liste1, 1560, 120, 3855, 4380);
    // Should the lines ever need scrolling, their numbers go along with them.
    connect(Liste1->verticalScrollBar(), &QScrollBar::valueChanged, Liste3->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(Liste1, &QListWidget::currentItemChanged, this, &Form2::sayLine);

    Liste2 = new AbcListBox(this);
    Liste2->hide();
    Bezeichnung2 = new QLabel(QStringLiteral("1"), this);
    Bezeichnung2->hide();
}

void Form2::createKindButtons() {
    const QFont buttonFont = Twips::font(kFont, 12, true);
    for (const KindButton& kind : kKindButtons) {
        auto* button = new QPushButton(QString::fromUtf8(kind.caption), this);
        button->setFont(buttonFont);
        place(button, 5520, kind.top, 1815, 375);
        connect(button, &QPushButton::clicked, this, kind.deal);
        this->*kind.button = button;
    }
}

void Form2::Form_Load() {
    placeOnScreen(Placement::Centred);
}

void Form2::Form_Activate() {
    HBildlauf1_Change();
    Liste1->setFocus();
}

void Form2::HBildlauf1_Change() {
    const int n = HBildlauf1->value();
    Bezeichnung1->setText(bareText(n));
    Liste3->clear();
    for (int number = 1; number <= n; ++number) {
        auto* line = new QListWidgetItem(lineNumber(number), Liste3);
        line->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    const QString code = Bezeichnung2->text();
    for (std::size_t kind = 0; kind < kKindButtons.size(); ++kind) {
        if (code == QString::number(kind + 1)) {
            (this->*kKindButtons[kind].deal)();
            return;
        }
    }
}

void Form2::Befehl2_Click() {
    Bezeichnung2->setText(QStringLiteral("1"));
    QString& letters = app_.shared().letterRow;
    letters = kCapitals;
    Liste1->clear();
    Liste2->clear();
    RandomSource& random = app_.random();
    random.randomize();
    QStringList candidates;
    for (const QChar letter : letters)
        candidates.append(letter);
    for (const QString& letter : drawDifferent(random, candidates, HBildlauf1->value())) {
        Liste1->addItem(letter);
        Liste2->addSorted(letter);
    }
    {
        // The first line is only where the child starts; the whole list is said at once.
        const QSignalBlocker quiet(Liste1);
        Liste1->setCurrentRow(0);
    }
    task_.deal(lineTexts(*Liste1).join(u' '));
    hearAgain();
}

void Form2::Befehl3_Click() {
    dealWords(QStringLiteral("2"), WordSets::nouns());
}
void Form2::Befehl6_Click() {
    dealWords(QStringLiteral("3"), WordSets::verbs());
}
void Form2::Befehl7_Click() {
    dealWords(QStringLiteral("4"), WordSets::adjectives());
}

void Form2::Befehl8_Click() {
    dealWords(QStringLiteral("5"), WordSets::sameStart(2, drawGroup()));
}

void Form2::Befehl9_Click() {
    dealWords(QStringLiteral("6"), WordSets::sameStart(3, drawGroup()));
}

void Form2::Befehl10_Click() {
    dealWords(QStringLiteral("7"), WordSets::sameStart(4, drawGroup()));
}

void Form2::Befehl11_Click() {
    dealWords(QStringLiteral("8"), WordSets::sameStart(5, drawGroup()));
}

int Form2::drawGroup() {
    return app_.random().uniform(0, WordSets::kGroupCount);
}

void Form2::dealWords(const QString& code, const QStringList& pool) {
    Bezeichnung2->setText(code);
    Liste1->clear();
    Liste2->clear();
    for (const QString& word : pool)
        Liste2->addSorted(word);
    RandomSource& random = app_.random();
    random.randomize();
    const QStringList lines = drawDifferent(random, Liste2->texts(), HBildlauf1->value());
    Liste1->addItems(lines);
    Liste2->clear();
    for (const QString& line : lines)
        Liste2->addSorted(line);
    {
        // The first line is only where the child starts; the whole list is said at once.
        const QSignalBlocker quiet(Liste1);
        Liste1->setCurrentRow(0);
    }
    task_.deal(lineTexts(*Liste1).join(u' '));
    hearAgain();
}

QString Form2::spokenTask() const {
    QStringList spoken;
    for (const QString& line : lineTexts(*Liste1))
        spoken.append(Spoken::letter(line, app_.readingHelp().letters()));
    return spoken.join(QStringLiteral(", "));
}

void Form2::sayLine(const QListWidgetItem* line) {
    if (line)
        app_.speech().say(Spoken::letter(line->text(), app_.readingHelp().letters()));
}

void Form2::Bild1_Click() {
    task_.leave();
    app_.backToMain(*this);
}

void Form2::Bild2_Click() {
    moveSelectedLine(-1);
}

void Form2::Bild3_Click() {
    moveSelectedLine(+1);
}

void Form2::Bild4_Click() {
    app_.dialogs().msgBox(QStringLiteral("Hier sollst du die angezeigten\r"
                                         "Buchstaben und Wörter nach\r"
                                         "dem ABC sortieren. Klicke zu-\r"
                                         "erst eine Zeile an und bewege\r"
                                         "sie dann mit den zwei Pfeilen\r"
                                         "an die gewünschte Stelle. Ok?"),
                          MsgBox::OkOnly, kTitle);
}

void Form2::Bild5_Click() {
    app_.dialogs().msgBox(QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z\r"),
                          MsgBox::OkOnly, QStringLiteral("ABC-Reihe"));
}

// A click below the last line or a Ctrl+click can take the selection away while a line stays
// current; the arrows only move a line that the child sees selected.
int Form2::selectedLine() const {
    const QListWidgetItem* current = Liste1->currentItem();
    return current && current->isSelected() ? Liste1->row(current) : -1;
}

void Form2::moveSelectedLine(int offset) {
    const int from = selectedLine();
    const int to = from + offset;
    if (from < 0 || to < 0 || to >= Liste1->count())
        return;
    QListWidgetItem* line = Liste1->takeItem(from);
    Liste1->insertItem(to, line);
    Liste1->setCurrentItem(line);
    checkOrder();
}

void Form2::checkOrder() {
    if (lineTexts(*Liste1) != Liste2->texts())
        return;
    const int points = HBildlauf1->value() - kLinesWithoutPoints;
    app_.dialogs().msgBox(QStringLiteral("Prima, du hast es geschafft!\rGutgeschriebene Punkte:") +
                              numberText(points),
                          MsgBox::OkOnly, QStringLiteral("ABC-Folgen"));
    app_.addPoints(points);
    task_.finish(lineTexts(*Liste1).join(u' '), true, points);
    HBildlauf1_Change();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Liste1 && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            sayLine(Liste1->currentItem());
    }
    if (watched == Liste1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool control = (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
        if (control && key->key() == Qt::Key_Up) {
            Bild2_Click();
            return true;
        }
        if (control && key->key() == Qt::Key_Down) {
            Bild3_Click();
            return true;
        }
    }
    return MoxWindow::eventFilter(watched, event);
}
