#include "exercises/abc_luecken.h"
#include "exercises/abc_reihe.h"
#include "exercises/letter_panel.h"
#include "exercises/woerterbuch.h"
#include "fixture.h"

#include <QPushButton>
#include <QScrollBar>
#include <QStyleHints>

#include <functional>

namespace {
// A finger put down at from and lifted at to, both in the window's coordinates.
void touch(QWidget* window, QPoint from, QPoint to) {
    QTest::touchEvent(window, Fixture::touchScreen()).press(0, from);
    if (to != from)
        QTest::touchEvent(window, Fixture::touchScreen()).move(0, (from + to) / 2);
    QTest::touchEvent(window, Fixture::touchScreen()).release(0, to);
    Fixture::settle();
}

QPoint middle(QWidget* control, QPoint at = {-1, -1}) {
    return control->mapTo(control->window(), at.x() < 0 ? control->rect().center() : at);
}

void tap(QWidget* control, QPoint at = {-1, -1}) {
    touch(control->window(), middle(control, at), middle(control, at));
}

// Taps on a started program; true when they did what clicks do.
using Taps = std::function<bool(Fixture&)>;
} // namespace

Q_DECLARE_METATYPE(Taps)

// A finger on a touch screen does what the mouse does.
class TouchTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tapsActAsClicks_data();
    void tapsActAsClicks();
    void fingerDragsTilesIntoTheHole_data();
    void fingerDragsTilesIntoTheHole();
};

void TouchTest::initTestCase() {
    // Two taps on one spot in quick succession are a double click, and how quick is measured by
    // the clock: no tap here may depend on how fast the one before it ran.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
}

void TouchTest::tapsActAsClicks_data() {
    QTest::addColumn<Taps>("taps");
    QTest::newRow("picture, then letter panel") << Taps([](Fixture& fx) {
        tap(fx.main().Bild8);
        Form4& gaps = fx.window<Form4>();
        const QString missing = u' ' + gaps.Bezeichnung3->text().toUpper() + u' ';
        const QListWidgetItem* entry = gaps.Liste1->findItems(missing, Qt::MatchExactly).value(0);
        tap(gaps.Liste1->viewport(), gaps.Liste1->visualItemRect(entry).center());
        return !fx.main().isVisible() && gaps.Bezeichnung4->text() == u"1";
    });
    QTest::newRow("scroll bar and button") << Taps([](Fixture& fx) {
        tap(fx.main().Bild9);
        Form3& dictionary = fx.window<Form3>();
        QScrollBar* bar = dictionary.HBildlauf1;
        tap(bar, QPoint(bar->width() - bar->height() / 2, bar->height() / 2));
        fx.dialogs.expectMessage("Fehler, bitte neu einstellen!", "Wörterbuch", MsgBox::OkOnly);
        tap(dictionary.Befehl2);
        return bar->value() == 2 && dictionary.Befehl2->text() == u" 2";
    });
}

void TouchTest::tapsActAsClicks() {
    QFETCH(Taps, taps);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes({{"Apfel", 12}, {"Baum", 15}}));
    fx.start();
    QVERIFY(taps(fx));
    VERIFY_DIALOGS(fx);
}

void TouchTest::fingerDragsTilesIntoTheHole_data() {
    QTest::addColumn<QString>("collected");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("ontoHole"); // else onto the tile showing Q
    QTest::addColumn<QString>("hole");
    QTest::newRow("A into the empty hole") << QString() << QString("A") << true << "A";
    QTest::newRow("B onto another tile") << QString("A") << QString("B") << false << "A";
    QTest::newRow("Z completes the row")
        << QString("ABCDEFGHIJKLMNOPQRSTUVWXY") << QString("Z") << true << QString();
}

void TouchTest::fingerDragsTilesIntoTheHole() {
    QFETCH(QString, collected);
    QFETCH(QString, letter);
    QFETCH(bool, ontoHole);
    QFETCH(QString, hole);
    Fixture fx;
    fx.start();
    tap(fx.main().Bild10);
    Form5& form = fx.window<Form5>();
    const QList<LetterTile*> tiles = form.findChildren<LetterTile*>();
    auto tile = [&tiles](const QString& shown) {
        return *std::ranges::find(tiles, shown, &LetterTile::text);
    };
    form.abcfeld->setText(collected);
    LetterTile* dragged = tile(letter);
    const bool completes = collected.size() == 25;
    if (completes)
        fx.dialogs.expectMessage(
            "Prima, du hast es richtig gemacht!\rZur Belohnung gibt es zwei Punkte!", "ABC-Reihe",
            MsgBox::OkOnly);
    const qsizetype parts = form.children().size();
    touch(&form, middle(dragged),
          middle(ontoHole ? static_cast<QWidget*>(form.abcfeld) : tile(QStringLiteral("Q"))));
    VERIFY_DIALOGS(fx);
    QCOMPARE(form.abcfeld->text(), hole);
    QCOMPARE(dragged->text().isEmpty(), hole.endsWith(letter));
    QCOMPARE(fx.points(), completes ? QStringLiteral("2") : QStringLiteral("0"));
    QCOMPARE(form.children().size(), parts); // the tile's picture under the finger is gone
}

QTEST_MAIN(TouchTest)
#include "tst_touch.moc"
