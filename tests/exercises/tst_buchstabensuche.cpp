#include "exercises/buchstabensuche.h"
#include "fixture.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/palette.h"
#include "platform/twips.h"

#include <QApplication>
#include <QScrollBar>
#include <QSet>
#include <QTest>

#include <algorithm>

namespace {

const QString kRight = QStringLiteral("Gut, du bekommst 1 Punkt dazu!\r");
const QString kRightTitle = QStringLiteral("L ö s u n g");
const QString kWrong = QStringLiteral("Pech, versuch's nochmal ... !\r");
const QString kWrongTitle = QStringLiteral("F e h l e r");

Form6& openSuche(Fixture& fx) {
    Fixture::click(fx.main().Bild11);
    return fx.window<Form6>();
}

// What the child sees printed: letter, place and colour of each.
QStringList printout(const Form6& form) {
    QStringList lines;
    for (const Canvas::PrintedText& printed : form.surface->printedTexts()) {
        lines.append(QStringLiteral("%1 %2,%3 %4")
                         .arg(printed.text)
                         .arg(printed.position.x())
                         .arg(printed.position.y())
                         .arg(printed.color.name()));
    }
    return lines;
}

QString printedLettersAndHidden(const Form6& form) {
    QString letters = form.Bezeichnung1->text();
    for (const Canvas::PrintedText& printed : form.surface->printedTexts())
        letters += printed.text;
    std::sort(letters.begin(), letters.end());
    return letters;
}

bool isOneWholeAlphabet(const QString& sortedLetters) {
    return sortedLetters == QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ") ||
           sortedLetters == QStringLiteral("abcdefghijklmnopqrstuvwxyz");
}

bool isPaletteColourUpTo13(const QColor& colour) {
    for (int index = 0; index <= 13; ++index) {
        if (paletteColor(index) == colour)
            return true;
    }
    return false;
}

// True when the window, painted afresh, shows the colour of every printed letter inside the
// letter's own grid cell.
bool lettersVisible(Form6& form) {
    const QImage shown = form.grab().toImage();
    for (const Canvas::PrintedText& printed : form.surface->printedTexts()) {
        const QRect cell(Twips::toPixels(printed.position.x()),
                         Twips::toPixels(printed.position.y()), Twips::toPixels(480),
                         Twips::toPixels(560));
        bool found = false;
        for (int y = cell.top(); y <= cell.bottom() && !found; ++y) {
            for (int x = cell.left(); x <= cell.right() && !found; ++x)
                found = shown.valid(x, y) && shown.pixelColor(x, y).rgb() == printed.color.rgb();
        }
        if (!found)
            return false;
    }
    return true;
}

} // namespace

class BuchstabensucheTest : public QObject {
    Q_OBJECT
private slots:
    void openingDealsTwentyFiveOfOneAlphabet();
    void pictureButtonsAreNamed_data();
    void pictureButtonsAreNamed();
    void lettersShareNoRowOrColumn();
    void answers_data();
    void answers();
    void wrongAnswerChangesNothing();
    void rightAnswerAddsOneAndDealsAnew();
    void messagesLeaveLettersInView();
    void backAwardsNothingAndReopeningDeals_data();
    void backAwardsNothingAndReopeningDeals();
    void keyboardFindsTheMissingLetter();
    void lettersStandOutAndNeverTouch();
};

void BuchstabensucheTest::openingDealsTwentyFiveOfOneAlphabet() {
    Fixture fx;
    fx.start();
    Form6& form = openSuche(fx);
    QVERIFY(form.isVisible());
    QVERIFY(!fx.main().isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("Buchstabensuche"));
    QCOMPARE(form.surface->printedTexts().size(), 25);
    QCOMPARE(form.Bezeichnung1->text().size(), 1);
    QVERIFY(!form.Bezeichnung1->isVisible());
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral("Aa"));
    QVERIFY2(isOneWholeAlphabet(printedLettersAndHidden(form)),
             qPrintable(printedLettersAndHidden(form)));
    VERIFY_DIALOGS(fx);
}

void BuchstabensucheTest::pictureButtonsAreNamed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("icon");
    QTest::newRow("Bild1") << "Zurück" << 1 << ":/icons/zurueck.svg";
    QTest::newRow("Bild2") << "Neu" << 2 << ":/icons/neu.svg";
    QTest::newRow("Bild3") << "ABC" << 3 << ":/icons/abc.svg";
    QTest::newRow("Bild4") << "Hilfe" << 4 << ":/icons/hilfe.svg";
}

void BuchstabensucheTest::pictureButtonsAreNamed() {
    QFETCH(QString, name);
    QFETCH(int, picture);
    QFETCH(QString, icon);
    Fixture fx;
    fx.start();
    Form6& form = openSuche(fx);
    const QList<PictureButton*> buttons{form.Bild1, form.Bild2, form.Bild3, form.Bild4};
    const PictureButton* button = buttons.at(picture - 1);
    QCOMPARE(button->accessibleName(), name);
    QCOMPARE(button->toolTip(), name);
    QCOMPARE(button->iconPath(), icon);
}

void BuchstabensucheTest::lettersShareNoRowOrColumn() {
    Fixture fx;
    fx.start();
    Form6& form = openSuche(fx);
    QSet<QChar> casesSeen;
    for (int deal = 0; deal < 30; ++deal) {
        Fixture::click(form.Bild2);
        QSet<int> columns;
        QSet<int> rows;
        for (const Canvas::PrintedText& printed : form.surface->printedTexts()) {
            const QPoint at = printed.position;
            QVERIFY2(at.x() % 320 == 0 && at.x() >= 320 && at.x() <= 8000,
                     qPrintable(QString::number(at.x())));
            QVERIFY2(at.y() % 160 == 0 && at.y() >= 0 && at.y() <= 3840,
                     qPrintable(QString::number(at.y())));
            columns.insert(at.x());
            rows.insert(at.y());
            QVERIFY2(isPaletteColourUpTo13(printed.color), qPrintable(printed.color.name()));
        }
        QCOMPARE(columns.size(), 25);
        QCOMPARE(rows.size(), 25);
        const QString letters = printedLettersAndHidden(form);
        QVERIFY2(isOneWholeAlphabet(letters), qPrintable(letters));
        casesSeen.insert(letters.front());
    }
    QCOMPARE(casesSeen.size(), 2);
    VERIFY_DIALOGS(fx);
}

void BuchstabensucheTest::answers_data() {
    QTest::addColumn<QString>("missing");
    QTest::addColumn<int>("scrollValue"); // 0: the scroll bar is not moved
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("right");
    QTest::newRow("m with M m") << "m" << 13 << "M m" << true;
    QTest::newRow("m with N n") << "m" << 14 << "N n" << false;
    QTest::newRow("m with L l") << "m" << 12 << "L l" << false;
    QTest::newRow("M with M m") << "M" << 13 << "M m" << true;
    QTest::newRow("z with Z z") << "z" << 26 << "Z z" << true;
    QTest::newRow("Y with Z z") << "Y" << 26 << "Z z" << false;
    QTest::newRow("a with A a") << "a" << 1 << "A a" << true;
    QTest::newRow("b with A a") << "b" << 1 << "A a" << false;
    QTest::newRow("A with Aa") << "A" << 0 << "Aa" << true;
    QTest::newRow("a with Aa") << "a" << 0 << "Aa" << true;
    QTest::newRow("b with Aa") << "b" << 0 << "Aa" << false;
}

void BuchstabensucheTest::answers() {
    QFETCH(QString, missing);
    QFETCH(int, scrollValue);
    QFETCH(QString, shown);
    QFETCH(bool, right);
    Fixture fx;
    fx.start();
    Form6& form = openSuche(fx);
    form.Bezeichnung1->setText(missing);
    if (scrollValue > 0) {
        form.HBildlauf1->setValue(scrollValue == 1 ? 2 : 1);
        form.HBildlauf1->setValue(scrollValue);
    }
    QCOMPARE(form.Bezeichnung2->text(), shown);
    if (right)
        fx.dialogs.expectMessage(kRight, kRightTitle, MsgBox::OkOnly);
    else
        fx.dialogs.expectMessage(kWrong, kWrongTitle, MsgBox::OkOnly);

    Fixture::click(form.Bezeichnung2);

    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), right ? QStringLiteral("1") : QStringLiteral("0"));
}

void BuchstabensucheTest::wrongAnswerChangesNothing() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("4"));
    Form6& form = openSuche(fx);
    const QStringList printedBefore = printout(form);
    const QString missing = form.Bezeichnung1->text();
    form.HBildlauf1->setValue(missing.toLower() == "b" ? 3 : 2);
    const QString pair = form.Bezeichnung2->text();
    fx.dialogs.expectMessage(kWrong, kWrongTitle, MsgBox::OkOnly);
    fx.dialogs.expectMessage(kWrong, kWrongTitle, MsgBox::OkOnly);

    Fixture::click(form.Bezeichnung2);
    Fixture::click(form.Bezeichnung2);

    VERIFY_DIALOGS(fx);
    QCOMPARE(printout(form), printedBefore);
    QCOMPARE(form.Bezeichnung1->text(), missing);
    QCOMPARE(form.Bezeichnung2->text(), pair);
    QCOMPARE(fx.points(), QStringLiteral("4"));
}

void BuchstabensucheTest::rightAnswerAddsOneAndDealsAnew() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("4"));
    Form6& form = openSuche(fx);
    for (int answer = 1; answer <= 3; ++answer) {
        const QStringList printedBefore = printout(form);
        const int position = form.Bezeichnung1->text().toUpper().at(0).unicode() - 'A' + 1;
        form.HBildlauf1->setValue(position);
        const QString pair = form.Bezeichnung2->text();
        fx.dialogs.expectMessage(kRight, kRightTitle, MsgBox::OkOnly);

        Fixture::click(form.Bezeichnung2);

        VERIFY_DIALOGS(fx);
        QCOMPARE(fx.points(), QString::number(4 + answer));
        QVERIFY(printout(form) != printedBefore);
        QCOMPARE(form.surface->printedTexts().size(), 25);
        QVERIFY(isOneWholeAlphabet(printedLettersAndHidden(form)));
        QCOMPARE(form.HBildlauf1->value(), position);
        QCOMPARE(form.Bezeichnung2->text(), pair);
    }
}

void BuchstabensucheTest::messagesLeaveLettersInView() {
    Fixture fx;
    fx.start();
    Form6& form = openSuche(fx);
    const QStringList printedBefore = printout(form);
    QVERIFY(lettersVisible(form));
    fx.dialogs.expectMessage(QStringLiteral("Ein Buchstabe des ABC's fehlt.\r"
                                            "Stelle ihn mit dem Schieber ein\r"
                                            "und klicke ihn mit der Maus an!"),
                             QStringLiteral("Buchstabensuche"), MsgBox::OkOnly);
    fx.dialogs.expectMessage(
        QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z\r"),
        QStringLiteral("ABC-Reihe"), MsgBox::OkOnly);

    Fixture::click(form.Bild4);
    Fixture::click(form.Bild3);

    VERIFY_DIALOGS(fx);
    QCOMPARE(printout(form), printedBefore);
    QVERIFY(lettersVisible(form));
    QCOMPARE(fx.points(), QStringLiteral("0"));
}

void BuchstabensucheTest::backAwardsNothingAndReopeningDeals_data() {
    QTest::addColumn<bool>("byCloseButton");
    QTest::newRow("back picture") << false;
    QTest::newRow("title bar close button") << true;
}

void BuchstabensucheTest::backAwardsNothingAndReopeningDeals() {
    QFETCH(bool, byCloseButton);
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("2"));
    Form6& form = openSuche(fx);
    const QStringList printedBefore = printout(form);

    if (byCloseButton)
        form.close();
    else
        Fixture::click(form.Bild1);
    QVERIFY(!form.isVisible());
    QVERIFY(fx.main().isVisible());
    QCOMPARE(fx.points(), QStringLiteral("2"));
    QCOMPARE(printout(form), printedBefore);

    Fixture::click(fx.main().Bild11);
    QVERIFY(form.isVisible());
    QVERIFY(printout(form) != printedBefore);
    QVERIFY(isOneWholeAlphabet(printedLettersAndHidden(form)));
    VERIFY_DIALOGS(fx);
}

QTEST_MAIN(BuchstabensucheTest)
#include "tst_buchstabensuche.moc"

void BuchstabensucheTest::keyboardFindsTheMissingLetter() {
    Fixture fx;
    fx.start();
    Form6& form = openSuche(fx);
    QCOMPARE(QApplication::focusWidget(), form.HBildlauf1);
    const int missing = form.Bezeichnung1->text().toUpper().at(0).unicode() - u'A' + 1;
    const int wrong = missing == 1 ? 2 : 1;
    for (int step = 1; step < wrong; ++step)
        Fixture::key(form.HBildlauf1, Qt::Key_Right);
    fx.dialogs.expectMessage(kWrong, kWrongTitle, MsgBox::OkOnly);
    Fixture::key(form.HBildlauf1, Qt::Key_Space);
    VERIFY_DIALOGS(fx);
    form.HBildlauf1->setValue(1);
    for (int step = 1; step < missing; ++step)
        Fixture::key(form.HBildlauf1, Qt::Key_Right);
    fx.dialogs.expectMessage(kRight, kRightTitle, MsgBox::OkOnly);
    Fixture::key(form.HBildlauf1, Qt::Key_Return);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), QStringLiteral("1"));
}

// Light colours get a dark edge, and the ink of two letters never meets, deal after deal.
void BuchstabensucheTest::lettersStandOutAndNeverTouch() {
    const QFont font = Twips::font(QStringLiteral("Comic Sans MS"), 24, true);
    const QFontMetrics metrics(font);
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        Fixture fx(seed);
        fx.start();
        Form6& form = openSuche(fx);
        QList<QRect> inks;
        for (const Canvas::PrintedText& printed : form.surface->printedTexts()) {
            const double edge =
                printed.outline.isValid() ? contrastRatio(printed.outline, Qt::white) : 0.0;
            QVERIFY(std::max(contrastRatio(printed.color, Qt::white), edge) >= 3.0);
            const QPoint origin(Twips::toPixels(printed.position.x()),
                                Twips::toPixels(printed.position.y()) + metrics.ascent());
            const QRect ink = metrics.tightBoundingRect(printed.text).translated(origin);
            for (const QRect& other : std::as_const(inks))
                QVERIFY2(!ink.adjusted(-1, -1, 1, 1).intersects(other), qPrintable(printed.text));
            inks.append(ink);
        }
    }
}
