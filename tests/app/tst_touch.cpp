#include "exercises/abc_luecken.h"
#include "exercises/abc_reihe.h"
#include "exercises/letter_panel.h"
#include "fixture.h"

namespace {
// A finger put down on from and lifted on to, at the point given or in the middle.
void touch(QWidget* from, QWidget* to, QPoint at = {-1, -1}) {
    const auto spot = [at](QWidget* control) {
        return control->mapTo(control->window(), at.x() < 0 ? control->rect().center() : at);
    };
    QWidget* window = from->window();
    QTest::touchEvent(window, Fixture::touchScreen()).press(0, spot(from));
    QTest::touchEvent(window, Fixture::touchScreen()).move(0, (spot(from) + spot(to)) / 2);
    QTest::touchEvent(window, Fixture::touchScreen()).release(0, spot(to));
    Fixture::settle();
}
} // namespace

// A finger on a touch screen does what the mouse does.
class TouchTest : public QObject {
    Q_OBJECT
private slots:
    void fingerTapsAndDrags();
};

void TouchTest::fingerTapsAndDrags() {
    Fixture fx;
    fx.start();
    touch(fx.main().Bild8, fx.main().Bild8);
    QVERIFY(!fx.main().isVisible());
    Form4& gaps = fx.window<Form4>();
    const QString missing = u' ' + gaps.Bezeichnung3->text().toUpper() + u' ';
    const QListWidgetItem* entry = gaps.Liste1->findItems(missing, Qt::MatchExactly).value(0);
    const QPoint at = gaps.Liste1->visualItemRect(entry).center();
    touch(gaps.Liste1->viewport(), gaps.Liste1->viewport(), at);
    QCOMPARE(gaps.Bezeichnung4->text(), QStringLiteral("1"));
    Fixture::key(&gaps, Qt::Key_Escape);

    // A tile dropped into the hole fills it; lifted onto another tile, it stays where it was.
    touch(fx.main().Bild10, fx.main().Bild10);
    Form5& form = fx.window<Form5>();
    const QList<LetterTile*> tiles = form.findChildren<LetterTile*>();
    const auto tile = [&tiles](const char* shown) {
        return *std::ranges::find(tiles, QString::fromLatin1(shown), &LetterTile::text);
    };
    LetterTile* const a = tile("A");
    LetterTile* const b = tile("B");
    const qsizetype parts = form.children().size();
    touch(a, form.abcfeld);
    QCOMPARE(form.abcfeld->text(), QStringLiteral("A"));
    QVERIFY(a->text().isEmpty());
    touch(b, tile("Q"));
    QCOMPARE(form.abcfeld->text(), QStringLiteral("A"));
    QCOMPARE(b->text(), QStringLiteral("B"));
    QCOMPARE(form.children().size(), parts); // the tile's picture under the finger is gone
    VERIFY_DIALOGS(fx);
}

QTEST_MAIN(TouchTest)
#include "tst_touch.moc"
