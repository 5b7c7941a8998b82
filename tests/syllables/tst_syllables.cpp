#include "app/startup.h"
#include "exercises/abc_laute.h"
#include "exercises/abc_wortsuche.h"
#include "exercises/woerterbuch.h"
#include "exercises/word_sets.h"
#include "fixture.h"
#include "print/worksheet_window.h"
#include "print/worksheets.h"
#include "syllables/reading_help.h"
#include "syllables/reading_help_switches.h"
#include "syllables/syllable_colours.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QByteArray kSyllablesOn = "SilbenFaerben=true\n";
const QByteArray kFontOn = "Leseschrift=true\n";
const QByteArray kLetterSoundsOn = "BuchstabenAlsLaute=true\n";

double luminance(const QColor& colour) {
    auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The syllable colours of the label as drawn, left to right, each stretch once.
QList<QColor> drawnColours(QLabel* label) {
    const QImage image = label->grab().toImage();
    QList<QColor> seen;
    for (int x = 0; x < image.width(); ++x) {
        int first = 0;
        int second = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QColor pixel = image.pixelColor(x, y);
            first += pixel == SyllableColours::kFirst;
            second += pixel == SyllableColours::kSecond;
        }
        if (first == second)
            continue;
        const QColor colour = first > second ? SyllableColours::kFirst : SyllableColours::kSecond;
        if (seen.isEmpty() || seen.last() != colour)
            seen.append(colour);
    }
    return seen;
}

// The colours the syllables of text should have, each stretch once.
QList<QColor> expectedColours(const Syllables& syllables, const QString& text) {
    QList<QColor> expected;
    for (const TextPiece& piece : syllables.pieces(text)) {
        if (piece.text.trimmed().isEmpty())
            continue;
        const QColor colour = SyllableColours::of(piece);
        if (expected.isEmpty() || expected.last() != colour)
            expected.append(colour);
    }
    return expected;
}

QLabel* openWordWindow(Fixture& fx, const QString& window) {
    if (window == u"Laute") {
        Fixture::click(fx.main().Bild17);
        return fx.window<Form10>().Bezeichnung1;
    }
    if (window == u"Wörterbuch") {
        Fixture::click(fx.main().Bild9);
        return fx.window<Form3>().Bezeichnung4;
    }
    Fixture::click(fx.main().Bild5);
    // One of the five words with more than one syllable.
    for (QLabel* word : fx.window<Form7>().words()) {
        if (fx.app().readingHelp().syllables().ofWord(word->text()).size() > 1)
            return word;
    }
    return nullptr;
}

ReadingHelpSwitches* switchesOf(Fixture& fx) {
    return fx.window<Form8>().findChild<ReadingHelpSwitches*>();
}

} // namespace

class SyllablesTest : public QObject {
    Q_OBJECT
private slots:
    void splits_data();
    void splits();
    void colouredWords_data();
    void colouredWords();
    void heardInSyllables_data();
    void heardInSyllables();
    void switches_data();
    void switches();
    void readingFont_data();
    void readingFont();
    void worksheetWords_data();
    void worksheetWords();
};

void SyllablesTest::splits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("patterns");
    auto row = [](const char* text, const char* expected, bool patterns = true) {
        QTest::addRow("%s%s", text, patterns ? "" : " without patterns")
            << QString::fromUtf8(text) << QString::fromUtf8(expected) << patterns;
    };
    row("Apfel", "Ap-fel");
    row("Abend", "A-bend");
    row("Igel", "I-gel");
    row("Banane", "Ba-na-ne");
    row("Elefant", "E-le-fant");
    row("Schmetterling", "Schmet-ter-ling");
    row("Lokomotive", "Lo-ko-mo-ti-ve");
    row("Mäuse", "Mäu-se");
    row("Ball", "Ball");
    row("Ufer", "U-fer");
    // The teacher's splits win, whatever the case of the word.
    row("Ameise", "A-mei-se");
    row("AMEISE", "A-MEI-SE");
    row("Radio", "Ra-di-o");
    // A line of the file that is no split is passed over.
    row("Zebra", "Ze-bra");
    row("X-Beine machen", "X-Bei-ne ma-chen");
    row("Bank, die", "Bank, die");
    row("Banane", "Banane", false);
    row("Ameise", "A-mei-se", false);
}

void SyllablesTest::splits() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(bool, patterns);
    Fixture fx;
    fx.writeFile(ReadingHelp::kCorrectionsFile, "A-mei-se\r\nRa-di-o\r\nZeb ra\r\n-Ze-bra\r\n");
    ProgramSettings settings;
    ReadingHelp help(settings, QDir(fx.path()),
                     patterns ? Syllables::defaultPatternFile()
                              : fx.path() + QStringLiteral("/keine.dic"));
    if (patterns)
        QVERIFY2(help.syllables().hasPatterns(), "hyphen-de is not installed");
    QCOMPARE(help.syllables().hyphenated(text), expected);
}

void SyllablesTest::colouredWords_data() {
    QTest::addColumn<QString>("window");
    for (const char* window : {"Laute", "Wörterbuch", "Wortsuche"})
        QTest::newRow(window) << QString::fromUtf8(window);
}

void SyllablesTest::colouredWords() {
    QFETCH(QString, window);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({QStringLiteral("Schmetterling")}));
    fx.start();
    QLabel* word = openWordWindow(fx, window);
    QVERIFY(word);
    const QImage before = word->grab().toImage();
    QVERIFY(drawnColours(word).isEmpty());

    fx.app().readingHelp().setSyllablesOn(true);
    const QList<QColor> drawn = drawnColours(word);
    QCOMPARE(drawn, expectedColours(fx.app().readingHelp().syllables(), word->text()));
    QVERIFY(drawn.size() >= 2);
    const QColor background = word->grab().toImage().pixelColor(1, 1);
    for (const QColor& colour : {SyllableColours::kFirst, SyllableColours::kSecond})
        QVERIFY2(contrast(colour, background) >= 4.5, qPrintable(background.name()));

    fx.app().readingHelp().setSyllablesOn(false);
    QCOMPARE(word->grab().toImage(), before);
}

void SyllablesTest::heardInSyllables_data() {
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("heard");
    QTest::newRow("on") << true << QStringLiteral("Banane. Ba, na, ne.");
    QTest::newRow("off") << false << QStringLiteral("Banane");
}

void SyllablesTest::heardInSyllables() {
    QFETCH(bool, on);
    QFETCH(QString, heard);
    Fixture fx;
    if (on)
        fx.writeProgramSettings(QStringLiteral("system"), kSyllablesOn);
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({QStringLiteral("Banane")}));
    fx.start();
    Fixture::click(fx.main().Bild17);
    Form10& form = fx.window<Form10>();
    fx.speech.said.clear();
    Fixture::click(form.hearAgainButton());
    QCOMPARE(fx.speech.said.last(), heard);
}

void SyllablesTest::switches_data() {
    QTest::addColumn<QByteArray>("system");
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<bool>("syllables");
    QTest::addColumn<bool>("font");
    QTest::addColumn<bool>("letterSounds");
    QTest::newRow("off by default") << QByteArray() << QByteArray() << false << false << false;
    QTest::newRow("the class's") << kSyllablesOn + kFontOn + kLetterSoundsOn << QByteArray() << true
                                 << true << true;
    QTest::newRow("the teacher's wins")
        << kSyllablesOn + kLetterSoundsOn
        << QByteArray("SilbenFaerben=false\nLeseschrift=ja\nBuchstabenAlsLaute=nein\n") << false
        << true << false;
}

void SyllablesTest::switches() {
    QFETCH(QByteArray, system);
    QFETCH(QByteArray, user);
    QFETCH(bool, syllables);
    QFETCH(bool, font);
    QFETCH(bool, letterSounds);
    Fixture fx;
    fx.writeProgramSettings(QStringLiteral("system"), system);
    fx.writeProgramSettings(QStringLiteral("user"), user);
    fx.start();
    ReadingHelpSwitches* shown = switchesOf(fx);
    QCOMPARE(shown->syllables()->isChecked(), syllables);
    QCOMPARE(shown->font()->isChecked(), font);
    QCOMPARE(shown->letterSounds()->isChecked(), letterSounds);
    QVERIFY(shown->letterSounds()->geometry().right() < fx.window<Form8>().width());

    fx.window<Form8>().show();
    Fixture::click(shown->syllables());
    Fixture::click(shown->font());
    Fixture::click(shown->letterSounds());
    QCOMPARE(fx.app().readingHelp().syllablesOn(), !syllables);
    const ProgramSettings reread;
    QVERIFY(reread.problems().isEmpty());
    QCOMPARE(reread.readingHelpOn(ProgramSettings::ReadingHelp::Syllables), !syllables);
    QCOMPARE(reread.readingHelpOn(ProgramSettings::ReadingHelp::Font), !font);
    QCOMPARE(reread.readingHelpChoice(ProgramSettings::ReadingHelp::LetterSounds), !letterSounds);
}

void SyllablesTest::readingFont_data() {
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1280x800") << QSize(1280, 800);
    QTest::newRow("4K") << QSize(3840, 2160);
}

void SyllablesTest::readingFont() {
    QFETCH(QSize, screen);
    Fixture fx;
    applyScreenScale(screen);
    fx.writeProgramSettings(QStringLiteral("system"), kFontOn);
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({QStringLiteral("Igel")}));
    fx.start();
    Fixture::click(fx.main().Bild5);
    Form7& form = fx.window<Form7>();
    QCOMPARE(QFontInfo(form.Bezeichnung1->font()).family(), ReadingFont::kFamily);
    QCOMPARE(QFontInfo(form.Bezeichnung7->font()).family(), ReadingFont::kFamily);
    QCOMPARE(QFontInfo(QApplication::font()).family(), ReadingFont::kFamily);
    const double designSize = form.Bezeichnung1->font().pointSizeF();
    // Every word of the pool fits its label, and the instruction its line.
    const QFontMetrics words(form.Bezeichnung1->font());
    for (const QStringList* set :
         {&WordSets::nouns(), &WordSets::verbs(), &WordSets::adjectives()}) {
        for (const QString& word : *set)
            QVERIFY2(words.horizontalAdvance(word) <= form.Bezeichnung1->contentsRect().width(),
                     qPrintable(word));
    }
    const QLabel* instruction = form.Bezeichnung7;
    QVERIFY(QFontMetrics(instruction->font()).horizontalAdvance(instruction->text()) <=
            instruction->contentsRect().width());

    fx.window<Form8>().show();
    Fixture::click(switchesOf(fx)->font());
    QCOMPARE(form.Bezeichnung1->font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(form.Bezeichnung1->font().pointSizeF(), designSize);
    QVERIFY(QFontInfo(QApplication::font()).family() != ReadingFont::kFamily);
    applyScreenScale(QSize(1280, 800));
}

void SyllablesTest::worksheetWords_data() {
    QTest::addColumn<bool>("solution");
    QTest::newRow("worksheet") << false;
    QTest::newRow("solution") << true;
}

void SyllablesTest::worksheetWords() {
    QFETCH(bool, solution);
    Fixture fx;
    ProgramSettings settings;
    ReadingHelp help(settings, QDir(fx.path()));
    const QList<WordEntry> entries{{QStringLiteral("Banane"), 3}};
    const Worksheets::Look look{true, &help.syllables()};
    const PrintJob sheet = solution
                               ? Worksheets::solutionSheet(QStringLiteral("Bedeutung"), entries,
                                                           Worksheets::abcOrder(entries), look)
                               : Worksheets::worksheet(QStringLiteral("Bedeutung"), entries, look);
    QCOMPARE(sheet.font().family(), ReadingFont::kFamily);
    const auto word = std::ranges::find_if(
        sheet.steps(), [](const PrintJob::Step& step) { return step.text.contains(u"Banane"); });
    QVERIFY(word != sheet.steps().end());

    // Drawn as the printer draws it: black up to the word, then its syllables.
    QImage page(800, 80, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setFont(sheet.font());
    const PlacedText placed{0, QPointF(0, 0), word->text, word->colours};
    drawPlacedText(painter, placed, QFontMetricsF(sheet.font(), &page));
    painter.end();
    QList<QColor> seen;
    for (int x = 0; x < page.width(); ++x) {
        for (int y = 0; y < page.height(); ++y) {
            const QColor pixel = page.pixelColor(x, y);
            const bool syllable =
                pixel == SyllableColours::kFirst || pixel == SyllableColours::kSecond;
            if ((syllable || pixel == Qt::black) && (seen.isEmpty() || seen.last() != pixel))
                seen.append(pixel);
        }
    }
    QList<QColor> expected = solution ? QList<QColor>() : QList<QColor>{Qt::black};
    expected << SyllableColours::kFirst << SyllableColours::kSecond << SyllableColours::kFirst;
    QCOMPARE(seen, expected);
}

QTEST_MAIN(SyllablesTest)
#include "tst_syllables.moc"
