#include "exercises/abc_bilder.h"
#include "exercises/dot_canvas.h"
#include "fixture.h"
#include "platform/twips.h"

#include <QScrollBar>

namespace {

using Line = DotCanvas::Line;

const QString kPoint = QStringLiteral("Du bekommst einen Punkt dazu!\r");
const QString kTitle = QStringLiteral("A B C - Bilder");

Form1& openBilder(Fixture& fx) {
    Fixture::click(fx.main().Bild7);
    return fx.window<Form1>();
}

// A mouse click on the canvas at a pixel; at design size a pixel is 15 canvas units.
void clickAt(Form1& form, int x, int y) {
    QTest::mouseClick(form.Bild1, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

QPoint units(int x, int y) {
    return {15 * x, 15 * y};
}

QStringList state(const Form1& form) {
    return {form.Bezeichnung1->text(), form.Bezeichnung2->text(), form.Bezeichnung3->text(),
            form.Bezeichnung4->text()};
}

QImage shown(Form1& form) {
    return form.Bild1->grab().toImage();
}

// The pixel of the shown canvas at a point in canvas units.
QColor colourAt(const QImage& image, QPointF at) {
    return image.pixelColor(int(at.x() * image.width() / DotCanvas::Units.width()),
                            int(at.y() * image.height() / DotCanvas::Units.height()));
}

} // namespace

class AbcBilderTest : public QObject {
    Q_OBJECT
private slots:
    void openingShowsTheFirstPicture();
    void picturesHaveTwentySixDots_data();
    void picturesHaveTwentySixDots();
    void firstClickDrawsOnlyADot_data();
    void firstClickDrawsOnlyADot();
    void previousClickAtZero_data();
    void previousClickAtZero();
    void pointEveryTwentySixClicks();
    void undoTakesTheLastLineOff();
    void undoLeavesThePictureIntact();
    void linesMeetTheirDotsAtAnyScale();
    void letterKeysJoinTheDots();
};

void AbcBilderTest::openingShowsTheFirstPicture() {
    Fixture fx;
    fx.start();
    Form1& form = openBilder(fx);
    QVERIFY(form.isVisible());
    QVERIFY(!fx.main().isVisible());
    QCOMPARE(form.windowTitle(), kTitle);
    QCOMPARE(form.Bild1->picturePath(), QStringLiteral(":/pictures/bild1.svg"));
    QCOMPARE(form.HBildlauf1->minimum(), 1);
    QCOMPARE(form.HBildlauf1->maximum(), 3);
    QCOMPARE(form.HBildlauf1->value(), 1);
    QCOMPARE(form.focusWidget(), form.Bild1);
    QCOMPARE(state(form), QStringList(4));
    QVERIFY(form.Bezeichnung6->isHidden());
    const QList<QPair<QWidget*, QString>> names{{form.Bild2, "Zurück"},
                                                {form.Bild5, "Neu"},
                                                {form.Bild3, "Info"},
                                                {form.Bild4, "Undo"},
                                                {form.HBildlauf1, "Bilder"}};
    for (const auto& [control, name] : names) {
        QCOMPARE(control->accessibleName(), name);
        QCOMPARE(control->toolTip(), name);
    }
    fx.dialogs.expectMessage(QStringLiteral("Verbinde die Buchstaben nach dem ABC, indem\r"
                                            "du sie mit der Maus der Reihe nach anklickst!"),
                             QStringLiteral("H i l f e"), MsgBox::OkOnly);
    Fixture::click(form.Bild3);
    VERIFY_DIALOGS(fx);
}

void AbcBilderTest::picturesHaveTwentySixDots_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QColor>("background");
    QTest::newRow("1") << 1 << QColor(255, 255, 191);
    QTest::newRow("2") << 2 << QColor(230, 230, 230);
    QTest::newRow("3") << 3 << QColor(255, 255, 128);
}

// Each picture fills the canvas with its colour and has a red dot for every letter, each at a
// place of its own.
void AbcBilderTest::picturesHaveTwentySixDots() {
    QFETCH(int, choice);
    QFETCH(QColor, background);
    Fixture fx;
    fx.start();
    Form1& form = openBilder(fx);
    form.HBildlauf1->setValue(choice);
    QCOMPARE(form.Bild1->picturePath(), Form1::picturePath(choice));
    const QImage image = shown(form);
    QCOMPARE(image.pixelColor(1, 1), background);
    QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2), background);
    QSet<QPair<int, int>> places;
    for (QChar letter = u'a'; letter <= u'z'; letter = QChar(letter.unicode() + 1)) {
        const std::optional<QPoint> dot = form.Bild1->dotOf(letter);
        QVERIFY2(dot, qPrintable(QString(letter)));
        QCOMPARE(colourAt(image, *dot), QColor(Qt::red));
        places.insert({dot->x() / 150, dot->y() / 150});
    }
    QCOMPARE(places.size(), 26);
}

void AbcBilderTest::firstClickDrawsOnlyADot_data() {
    QTest::addColumn<QString>("before");
    QTest::newRow("opening") << "";
    QTest::newRow("wipe") << "wipe";
    QTest::newRow("back and open again") << "back";
}

// The first click of a drawing draws a dot; each further click a line from the click before.
void AbcBilderTest::firstClickDrawsOnlyADot() {
    QFETCH(QString, before);
    Fixture fx;
    fx.start();
    Form1& form = openBilder(fx);
    if (!before.isEmpty()) {
        clickAt(form, 100, 120);
        clickAt(form, 200, 220);
        Fixture::click(before == "wipe" ? form.Bild5 : form.Bild2);
        QVERIFY(form.Bild1->lines().isEmpty());
        QCOMPARE(state(form), QStringList(4));
        if (before == "back") {
            QVERIFY(fx.main().isVisible());
            openBilder(fx);
        }
    }
    clickAt(form, 40, 50);
    QCOMPARE(form.Bild1->lines(), (QList<Line>{{units(40, 50), units(40, 50)}}));
    clickAt(form, 300, 70);
    QCOMPARE(form.Bild1->lines().last(), (Line{units(40, 50), units(300, 70)}));
    QCOMPARE(state(form), (QStringList{"600", "750", "4500", "1050"}));
    QCOMPARE(form.Bezeichnung6->text(),
             before.isEmpty() ? QStringLiteral("2") : QStringLiteral("4"));
    VERIFY_DIALOGS(fx);
}

void AbcBilderTest::previousClickAtZero_data() {
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("lineStart");
    QTest::newRow("X = 0") << QPoint(0, 20) << units(30, 20);
    QTest::newRow("Y = 0") << QPoint(20, 0) << units(20, 40);
}

// A stored 0 counts as no click, so the next line starts at the new click's own X (or Y).
void AbcBilderTest::previousClickAtZero() {
    QFETCH(QPoint, first);
    QFETCH(QPoint, lineStart);
    Fixture fx;
    fx.start();
    Form1& form = openBilder(fx);
    clickAt(form, first.x(), first.y());
    clickAt(form, 30, 40);
    QCOMPARE(form.Bild1->lines().last(), (Line{lineStart, units(30, 40)}));
}

// Any 26 clicks earn a point, counted across a wipe and a change of picture.
void AbcBilderTest::pointEveryTwentySixClicks() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("3"));
    Form1& form = openBilder(fx);
    for (int click = 0; click < 10; ++click)
        clickAt(form, 10 + click, 10);
    Fixture::click(form.Bild5);
    for (int click = 0; click < 10; ++click)
        clickAt(form, 10, 10 + click);
    Fixture::key(form.HBildlauf1, Qt::Key_Right);
    QCOMPARE(form.Bild1->picturePath(), QStringLiteral(":/pictures/bild2.svg"));
    QVERIFY(form.Bild1->lines().isEmpty());
    for (int click = 0; click < 5; ++click)
        clickAt(form, 50, 50 + click);
    QCOMPARE(form.Bezeichnung6->text(), QStringLiteral("25"));
    QCOMPARE(fx.points(), QStringLiteral("3"));
    VERIFY_DIALOGS(fx);

    fx.dialogs.expectMessage(kPoint, kTitle, MsgBox::OkOnly);
    clickAt(form, 200, 300);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), QStringLiteral("4"));
    QCOMPARE(form.Bezeichnung6->text(), QStringLiteral("0"));
    clickAt(form, 210, 310);
    QCOMPARE(form.Bild1->lines().last(), (Line{units(200, 300), units(210, 310)}));
    QCOMPARE(form.Bezeichnung6->text(), QStringLiteral("1"));
}

// Undo takes the last line off; the next click goes on from where that line began, and a
// second undo in a row takes nothing more. The click count stays.
void AbcBilderTest::undoTakesTheLastLineOff() {
    Fixture fx;
    fx.start();
    Form1& form = openBilder(fx);
    clickAt(form, 40, 50);
    Fixture::click(form.Bild4);
    QVERIFY(form.Bild1->lines().isEmpty());
    QCOMPARE(state(form), (QStringList{"600", "750", "600", "750"}));
    clickAt(form, 100, 110);
    clickAt(form, 200, 210);
    clickAt(form, 300, 310);
    Fixture::click(form.Bild4);
    Fixture::click(form.Bild4);
    QCOMPARE(form.Bild1->lines(),
             (QList<Line>{{units(40, 50), units(100, 110)}, {units(100, 110), units(200, 210)}}));
    clickAt(form, 250, 150);
    QCOMPARE(form.Bild1->lines().last(), (Line{units(200, 210), units(250, 150)}));
    QCOMPARE(form.Bezeichnung6->text(), QStringLiteral("5"));
}

// What lay under the undone line (a dot and the lines before) shows again unchanged.
void AbcBilderTest::undoLeavesThePictureIntact() {
    Fixture fx;
    fx.start();
    Form1& form = openBilder(fx);
    const QPoint b = *form.Bild1->dotOf(u'b');
    const QPoint across(300, 100);
    form.Bild1_MouseDown(b.x() - across.x(), b.y() - across.y());
    const QImage before = shown(form);
    QCOMPARE(colourAt(before, b), QColor(Qt::red));
    form.Bild1_MouseDown(b.x() + across.x(), b.y() + across.y());
    QCOMPARE(colourAt(shown(form), b), QColor(Qt::black));
    Fixture::click(form.Bild4);
    QCOMPARE(shown(form), before);
}

void AbcBilderTest::linesMeetTheirDotsAtAnyScale() {
    Fixture fx;
    fx.start();
    Twips::setScale(2.0);
    Form1& form = openBilder(fx);
    const double pixelsPerUnit = form.Bild1->width() / double(DotCanvas::Units.width());
    QVERIFY(qAbs(pixelsPerUnit - 2.0 / 15) < 0.001);
    const QPoint b = *form.Bild1->dotOf(u'b');
    const QPoint c = *form.Bild1->dotOf(u'c');
    for (const QPoint& dot : {b, c})
        clickAt(form, qRound(dot.x() * pixelsPerUnit), qRound(dot.y() * pixelsPerUnit));
    const Line drawn = form.Bild1->lines().last();
    QVERIFY((drawn.from - b).manhattanLength() <= 8 && (drawn.to - c).manhattanLength() <= 8);
    for (const QSize size : {form.Bild1->size(), QSize(650, 770), QSize(1300, 1540)}) {
        form.Bild1->resize(size);
        const QImage image = shown(form);
        for (const double along : {0.0, 0.5, 1.0})
            QCOMPARE(colourAt(image, QPointF(drawn.from) + along * QPointF(drawn.to - drawn.from)),
                     QColor(Qt::black));
    }
}

// A letter key clicks the dot of its letter, in either case; Escape leaves and wipes.
void AbcBilderTest::letterKeysJoinTheDots() {
    Fixture fx;
    fx.start();
    Form1& form = openBilder(fx);
    form.HBildlauf1->setValue(3);
    fx.dialogs.expectMessage(kPoint, kTitle, MsgBox::OkOnly);
    for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key)
        Fixture::key(form.focusWidget(), Qt::Key(key));
    VERIFY_DIALOGS(fx);
    const QList<Line>& lines = form.Bild1->lines();
    QCOMPARE(lines.size(), 26);
    QCOMPARE(lines.first().to, *form.Bild1->dotOf(u'A'));
    for (int letter = 1; letter < 26; ++letter) {
        QCOMPARE(lines.at(letter).from, *form.Bild1->dotOf(QChar(u'a' + letter - 1)));
        QCOMPARE(lines.at(letter).to, *form.Bild1->dotOf(QChar(u'a' + letter)));
    }
    QCOMPARE(fx.points(), QStringLiteral("1"));
    Fixture::key(&form, Qt::Key_Escape);
    QVERIFY(fx.main().isVisible());
    QVERIFY(form.Bild1->lines().isEmpty());
}

QTEST_MAIN(AbcBilderTest)
#include "tst_abc_bilder.moc"
