#include "exercises/abc_folgen.h"
#include "fixture.h"
#include "platform/controls.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <array>

namespace {

const QString kTitle = QStringLiteral("A B C - Folgen");
const QString kPraiseTitle = QStringLiteral("ABC-Folgen");

QString praise(int points) {
    return QStringLiteral("Prima, du hast es geschafft!\rGutgeschriebene Punkte: %1").arg(points);
}

// The kind buttons top to bottom; the code of a kind is its place, counted from 1.
const std::array<QPushButton * Form2::*, 8> kKindButtons{
    &Form2::Befehl2, &Form2::Befehl3, &Form2::Befehl6,  &Form2::Befehl7,
    &Form2::Befehl8, &Form2::Befehl9, &Form2::Befehl10, &Form2::Befehl11};

QStringList words(const char* commaSeparated) {
    return QString::fromUtf8(commaSeparated).split(u',');
}

QStringList letters() {
    return words("A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P,Q,R,S,T,U,V,W,X,Y,Z");
}

// Every kind's word groups, each in ABC order.
QList<QStringList> groupsInAbcOrder(int kind) {
    switch (kind) {
    case 1:
        return {letters()};
    case 2:
        return {words("Auto,Bett,Clown,Dorf,Eimer,Fenster,Gans,Himmel,Indianer,Jojo,Koffer,Lampe,"
                      "Mensch,Natur,Onkel,Pistole,Quark,Rakete,Sofa,Telefon,Ufer,Vater,Wasser,"
                      "Xylophon,Yen,Zebra")};
    case 3:
        return {words("arbeiten,beten,campen,dröhnen,entern,feiern,glauben,hören,irren,jodeln,"
                      "kippen,lesen,mögen,niesen,ordnen,pfeifen,qualmen,rechnen,schreiben,tanzen,"
                      "umdrehen,verlaufen,wählen,X-Beine machen,Yoga machen,zaubern")};
    case 4:
        return {words("alt,braun,clever,doof,echt,frei,glücklich,hohl,irre,jung,kurz,lang,mager,"
                      "neu,oval,privat,quer,reich,sanft,teuer,ulkig,voll,wichtig,x-beliebig,"
                      "y-förmig,zart")};
    case 5:
        return {words("Dackel,dämlich,Deich,Dienstag,Doktor,dösen,Drachen,Dschungel,Durst,düsen"),
                words("Fahrrad,fällig,Felsen,Finger,Flagge,Folie,Förster,Frisör,Fuchs,Füße"),
                words("Baby,Bär,Benzin,Biene,Blitz,Bohne,böse,Bremse,Buch,bügeln")};
    case 6:
        return {words("Kabine,Kaffee,Kahn,Kaktus,Kalender,Kamin,Kandidat,Kapelle,Kater,Kauz"),
                words("Mechaniker,Medizin,Meer,Mehl,Meister,Melodie,Menge,Messer,Metzger,"
                      "Meuterei"),
                words("Hobel,Hochzeit,Hofhund,Hoheit,Hokuspokus,Holzfäller,Honig,Horoskop,"
                      "Hospital,Hotel")};
    case 7:
        return {words("Reibeisen,Reich,Reifen,Reigen,Reiher,Reim,Reinfall,Reise,Reiter,Reiz"),
                words("Triangel,Tribüne,Trichter,Trieb,Trikot,Trillerpfeife,Trinkgeld,Trip,"
                      "Trittbrett,Triumpf"),
                words("Probe,Professor,Programm,Projektor,Prominenz,Propeller,Prospekt,Protest,"
                      "Proviant,Prozent")};
    default:
        return {words("Stradivari,Strafe,Strahl,Stralsund,Strampelanzug,Strand,Strapaze,Straße,"
                      "Strategie,Strauch"),
                words("Versand,Verschlag,Verse,Versetzung,Versicherung,Versklavung,Versorgung,"
                      "Versprechen,Verstand,Versuch"),
                words("Schicht,Schiene,Schiff,Schikane,Schild,Schimpanse,Schinken,Schippe,Schirm,"
                      "Schistock")};
    }
}

QStringList texts(const QListWidget& list) {
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result.append(list.item(i)->text());
    return result;
}

int selectedRow(const Form2& form) {
    const QList<QListWidgetItem*> selected = form.Liste1->selectedItems();
    return selected.size() == 1 ? form.Liste1->row(selected.first()) : -1;
}

QStringList numbersUpTo(int n) {
    QStringList numbers;
    for (int number = 1; number <= n; ++number)
        numbers.append(number < 10 ? QStringLiteral("  %1.").arg(number)
                                   : QStringLiteral("%1.").arg(number));
    return numbers;
}

Form2& openFolgen(Fixture& fx) {
    Fixture::click(fx.main().Bild6);
    return fx.window<Form2>();
}

void clickLine(Form2& form, int row) {
    QListWidgetItem* line = form.Liste1->item(row);
    form.Liste1->scrollToItem(line);
    QTest::mouseClick(form.Liste1->viewport(), Qt::LeftButton, Qt::NoModifier,
                      form.Liste1->visualItemRect(line).center());
}

// Puts the lines of the current deal into the given order and selects one of them.
void arrangeLines(Form2& form, const QStringList& lines, int selected) {
    QCOMPARE(lines.size(), form.Liste2->count());
    form.Liste1->clear();
    form.Liste1->addItems(lines);
    form.Liste1->setCurrentRow(selected);
}

// The ABC order of the current deal with its first two lines swapped: one move from done.
QStringList oneMoveFromDone(const Form2& form) {
    QStringList lines = texts(*form.Liste2);
    lines.swapItemsAt(0, 1);
    return lines;
}

} // namespace

class AbcFolgenTest : public QObject {
    Q_OBJECT
private slots:
    void firstShowingDealsFiveLetters();
    void pictureButtonsAreNamed_data();
    void pictureButtonsAreNamed();
    void dealsFollowTheAbcOrder_data();
    void dealsFollowTheAbcOrder();
    void scrollBarSetsLinesAndDealsAgain();
    void sortedListScores_data();
    void sortedListScores();
    void childSortsDealtListWithArrows_data();
    void childSortsDealtListWithArrows();
    void arrowsThatCannotMoveDoNothing_data();
    void arrowsThatCannotMoveDoNothing();
    void dealtOrderCountsOnlyAfterMove();
    void keysMoveSelectionAndLines();
    void messagesLeaveListAlone_data();
    void messagesLeaveListAlone();
    void leavingAwardsNothingAndReopeningDeals_data();
    void leavingAwardsNothingAndReopeningDeals();
};

void AbcFolgenTest::firstShowingDealsFiveLetters() {
    Fixture fx;
    fx.start();
    Form2& form = openFolgen(fx);
    QVERIFY(form.isVisible());
    QVERIFY(!fx.main().isVisible());
    QCOMPARE(form.windowTitle(), kTitle);
    QCOMPARE(form.Bezeichnung1->text(), QStringLiteral("5"));
    QCOMPARE(texts(*form.Liste3), QStringList({"  1.", "  2.", "  3.", "  4.", "  5."}));
    const QStringList lines = texts(*form.Liste1);
    QCOMPARE(lines.size(), 5);
    QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), 5);
    for (const QString& line : lines)
        QVERIFY2(letters().contains(line), qPrintable(line));
    QCOMPARE(selectedRow(form), 0);
    QCOMPARE(fx.app().shared().letterRow, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    VERIFY_DIALOGS(fx);
}

void AbcFolgenTest::pictureButtonsAreNamed_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("icon");
    QTest::newRow("Bild1") << 1 << "Zurück"
                           << ":/icons/zurueck.svg";
    QTest::newRow("Bild2") << 2 << "Pfeil hoch"
                           << ":/icons/pfeil_hoch.svg";
    QTest::newRow("Bild3") << 3 << "Pfeil runter"
                           << ":/icons/pfeil_runter.svg";
    QTest::newRow("Bild4") << 4 << "Hilfe"
                           << ":/icons/hilfe.svg";
    QTest::newRow("Bild5") << 5 << "ABC"
                           << ":/icons/abc.svg";
}

void AbcFolgenTest::pictureButtonsAreNamed() {
    QFETCH(int, picture);
    QFETCH(QString, name);
    QFETCH(QString, icon);
    Fixture fx;
    fx.start();
    Form2& form = openFolgen(fx);
    const std::array<PictureButton*, 5> pictures{form.Bild1, form.Bild2, form.Bild3, form.Bild4,
                                                 form.Bild5};
    const PictureButton* button = pictures.at(picture - 1);
    QCOMPARE(button->accessibleName(), name);
    QCOMPARE(button->toolTip(), name);
    QCOMPARE(button->iconPath(), icon);
}

void AbcFolgenTest::dealsFollowTheAbcOrder_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("lines");
    QTest::newRow("Buchstaben 5") << 1 << "Buchstaben" << 5;
    QTest::newRow("Buchstaben 10") << 1 << "Buchstaben" << 10;
    QTest::newRow("Namen 10") << 2 << "N a m e n" << 10;
    QTest::newRow("Tunwörter 10") << 3 << "Tunwörter" << 10;
    QTest::newRow("Tunwörter 6") << 3 << "Tunwörter" << 6;
    QTest::newRow("Wiewörter 10") << 4 << "Wiewörter" << 10;
    QTest::newRow("2.Buchstabe 10") << 5 << "2.Buchstabe" << 10;
    QTest::newRow("3.Buchstabe 5") << 6 << "3.Buchstabe" << 5;
    QTest::newRow("3.Buchstabe 10") << 6 << "3.Buchstabe" << 10;
    QTest::newRow("4.Buchstabe 8") << 7 << "4.Buchstabe" << 8;
    QTest::newRow("5.Buchstabe 10") << 8 << "5.Buchstabe" << 10;
    QTest::newRow("5.Buchstabe 7") << 8 << "5.Buchstabe" << 7;
}

// Every deal: n different lines from one group of the kind, the first selected, numbered, and
// the reference list holding them in the group's ABC order. Over many deals every group and
// every word turns up. A kind button pressed one move before the end awards nothing.
void AbcFolgenTest::dealsFollowTheAbcOrder() {
    QFETCH(int, kind);
    QFETCH(QString, caption);
    QFETCH(int, lines);
    Fixture fx;
    fx.start();
    Form2& form = openFolgen(fx);
    form.HBildlauf1->setValue(lines);
    QPushButton* button = form.*kKindButtons.at(kind - 1);
    QCOMPARE(button->text(), caption);
    const QList<QStringList> groups = groupsInAbcOrder(kind);
    QSet<int> groupsDealt;
    QSet<QString> wordsDealt;
    for (int deal = 0; deal < 60; ++deal) {
        arrangeLines(form, oneMoveFromDone(form), 1);
        Fixture::click(button);
        QCOMPARE(form.Bezeichnung2->text(), QString::number(kind));
        QCOMPARE(form.Bezeichnung1->text(), QString::number(lines));
        QCOMPARE(texts(*form.Liste3), numbersUpTo(lines));
        QCOMPARE(selectedRow(form), 0);
        const QStringList dealt = texts(*form.Liste1);
        QCOMPARE(dealt.size(), lines);
        QCOMPARE(QSet<QString>(dealt.begin(), dealt.end()).size(), lines);
        const auto group = std::find_if(groups.begin(), groups.end(), [&](const QStringList& g) {
            return g.contains(dealt.first());
        });
        QVERIFY(group != groups.end());
        QStringList expectedOrder;
        for (const QString& word : *group) {
            if (dealt.contains(word))
                expectedOrder.append(word);
        }
        QCOMPARE(texts(*form.Liste2), expectedOrder);
        groupsDealt.insert(static_cast<int>(group - groups.begin()));
        wordsDealt.unite(QSet<QString>(dealt.begin(), dealt.end()));
    }
    QCOMPARE(groupsDealt.size(), groups.size());
    for (const QStringList& group : groups) {
        for (const QString& word : group)
            QVERIFY2(wordsDealt.contains(word), qPrintable(word));
    }
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void AbcFolgenTest::scrollBarSetsLinesAndDealsAgain() {
    Fixture fx;
    fx.start();
    Form2& form = openFolgen(fx);
    Fixture::click(form.Befehl6);
    QCOMPARE(form.Liste1->count(), 5);
    form.HBildlauf1->setValue(10);
    QCOMPARE(form.Bezeichnung1->text(), QStringLiteral("10"));
    QCOMPARE(texts(*form.Liste3), numbersUpTo(10));
    QCOMPARE(form.Liste3->item(9)->text(), QStringLiteral("10."));
    QCOMPARE(form.Liste1->count(), 10);
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral("3"));
    for (const QString& line : texts(*form.Liste1))
        QVERIFY2(groupsInAbcOrder(3).first().contains(line), qPrintable(line));
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void AbcFolgenTest::sortedListScores_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("points");
    QTest::newRow("5 lines, arrow up") << 5 << false << false << praise(1) << "1";
    QTest::newRow("5 lines, arrow down") << 5 << true << false << praise(1) << "1";
    QTest::newRow("7 lines, Ctrl+Up") << 7 << false << true << praise(3) << "3";
    QTest::newRow("8 lines, Ctrl+Down") << 8 << true << true << praise(4) << "4";
    QTest::newRow("10 lines, arrow up") << 10 << false << false << praise(6) << "6";
}

void AbcFolgenTest::sortedListScores() {
    QFETCH(int, lines);
    QFETCH(bool, down);
    QFETCH(bool, keyboard);
    QFETCH(QString, message);
    QFETCH(QString, points);
    Fixture fx;
    fx.start();
    Form2& form = openFolgen(fx);
    Fixture::click(form.Befehl7);
    form.HBildlauf1->setValue(lines);
    arrangeLines(form, oneMoveFromDone(form), down ? 0 : 1);
    fx.dialogs.expectMessage(message, kPraiseTitle, MsgBox::OkOnly);
    if (keyboard)
        Fixture::key(form.Liste1, down ? Qt::Key_Down : Qt::Key_Up, Qt::ControlModifier);
    else
        Fixture::click(down ? form.Bild3 : form.Bild2);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), points);
    // The next list of the same kind and length follows at once.
    QCOMPARE(form.Liste1->count(), lines);
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral("4"));
    QCOMPARE(selectedRow(form), 0);
    const QStringList dealt = texts(*form.Liste1);
    const QStringList reference = form.Liste2->texts();
    QCOMPARE(QSet<QString>(dealt.begin(), dealt.end()),
             QSet<QString>(reference.begin(), reference.end()));
}

void AbcFolgenTest::childSortsDealtListWithArrows_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lines");
    QTest::newRow("Buchstaben 5") << 1 << 5;
    QTest::newRow("Tunwörter 10") << 3 << 10;
    QTest::newRow("2.Buchstabe 9") << 5 << 9;
    QTest::newRow("5.Buchstabe 10") << 8 << 10;
}

// Clicks each line and carries it up to its place, as a child would, until the praise comes.
void AbcFolgenTest::childSortsDealtListWithArrows() {
    QFETCH(int, kind);
    QFETCH(int, lines);
    Fixture fx;
    fx.start();
    Form2& form = openFolgen(fx);
    form.HBildlauf1->setValue(lines);
    Fixture::click(form.*kKindButtons.at(kind - 1));
    const QStringList goal = texts(*form.Liste2);
    QVERIFY2(texts(*form.Liste1) != goal, "the deal is in order already");
    fx.dialogs.expectMessage(praise(lines - 4), kPraiseTitle, MsgBox::OkOnly);
    int moves = 0;
    for (int place = 0; place < lines && fx.points() == QStringLiteral("0"); ++place) {
        int row = static_cast<int>(texts(*form.Liste1).indexOf(goal.at(place)));
        if (row == place)
            continue;
        clickLine(form, row);
        QCOMPARE(selectedRow(form), row);
        for (; row > place && fx.points() == QStringLiteral("0"); --row) {
            Fixture::click(form.Bild2);
            ++moves;
        }
    }
    VERIFY_DIALOGS(fx);
    QVERIFY(moves > 0);
    QCOMPARE(fx.points(), QString::number(lines - 4));
    QCOMPARE(form.Liste1->count(), lines);
}

void AbcFolgenTest::arrowsThatCannotMoveDoNothing_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("up on the top line") << 0 << false << false;
    QTest::newRow("down on the bottom line") << 4 << true << false;
    QTest::newRow("Ctrl+Up on the top line") << 0 << false << true;
    QTest::newRow("Ctrl+Down on the bottom line") << 4 << true << true;
    QTest::newRow("up with no line selected") << -1 << false << false;
    QTest::newRow("down with no line selected") << -1 << true << false;
}

void AbcFolgenTest::arrowsThatCannotMoveDoNothing() {
    QFETCH(int, selected);
    QFETCH(bool, down);
    QFETCH(bool, keyboard);
    Fixture fx;
    fx.start();
    Form2& form = openFolgen(fx);
    // Lines 0 and 1 are swapped: any move of line 0 down or line 1 up would finish the list.
    const QStringList lines = oneMoveFromDone(form);
    arrangeLines(form, lines, selected < 0 ? (down ? 0 : 1) : selected);
    if (selected < 0)
        form.Liste1->clearSelection();
    if (keyboard)
        Fixture::key(form.Liste1, down ? Qt::Key_Down : Qt::Key_Up, Qt::ControlModifier);
    else
        Fixture::click(down ? form.Bild3 : form.Bild2);
    QCOMPARE(texts(*form.Liste1), lines);
    QCOMPARE(selectedRow(form), selected);
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void AbcFolgenTest::dealtOrderCountsOnlyAfterMove() {
    Fixture fx;
    fx.start();
    Form2& form = openFolgen(fx);
    const QStringList sorted = texts(*form.Liste2);
    arrangeLines(form, sorted, 1);
    VERIFY_DIALOGS(fx);
    Fixture::click(form.Bild3);
    QCOMPARE(selectedRow(form), 2);
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
    fx.dialogs.expectMessage(praise(1), kPraiseTitle, MsgBox::OkOnly);
    Fixture::click(form.Bild2);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), QStringLiteral("1"));
}

void AbcFolgenTest::keysMoveSelectionAndLines() {
    Fixture fx;
    fx.start();
    Form2& form = openFolgen(fx);
    const QStringList sorted = texts(*form.Liste2);
    const QStringList start{sorted[4], sorted[3], sorted[2], sorted[1], sorted[0]};
    arrangeLines(form, start, 0);
    Fixture::key(form.Liste1, Qt::Key_Down);
    QCOMPARE(selectedRow(form), 1);
    QCOMPARE(texts(*form.Liste1), start);
    Fixture::key(form.Liste1, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(selectedRow(form), 2);
    QCOMPARE(texts(*form.Liste1),
             QStringList({sorted[4], sorted[2], sorted[3], sorted[1], sorted[0]}));
    Fixture::key(form.Liste1, Qt::Key_Up);
    QCOMPARE(selectedRow(form), 1);
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void AbcFolgenTest::messagesLeaveListAlone_data() {
    QTest::addColumn<bool>("help");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::newRow("help") << true
                          << "Hier sollst du die angezeigten\rBuchstaben und Wörter nach\rdem ABC "
                             "sortieren. Klicke zu-\rerst eine Zeile an und bewege\rsie dann mit "
                             "den zwei Pfeilen\ran die gewünschte Stelle. Ok?"
                          << "A B C - Folgen";
    QTest::newRow("alphabet") << false << "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z\r"
                              << "ABC-Reihe";
}

void AbcFolgenTest::messagesLeaveListAlone() {
    QFETCH(bool, help);
    QFETCH(QString, message);
    QFETCH(QString, title);
    Fixture fx;
    fx.start();
    Form2& form = openFolgen(fx);
    Fixture::click(form.Befehl11);
    const QStringList lines = oneMoveFromDone(form);
    arrangeLines(form, lines, 3);
    const QStringList reference = form.Liste2->texts();
    fx.dialogs.expectMessage(message, title, MsgBox::OkOnly);
    Fixture::click(help ? form.Bild4 : form.Bild5);
    VERIFY_DIALOGS(fx);
    QCOMPARE(texts(*form.Liste1), lines);
    QCOMPARE(form.Liste2->texts(), reference);
    QCOMPARE(selectedRow(form), 3);
    QCOMPARE(fx.points(), QStringLiteral("0"));
}

void AbcFolgenTest::leavingAwardsNothingAndReopeningDeals_data() {
    QTest::addColumn<bool>("titleBar");
    QTest::newRow("back picture") << false;
    QTest::newRow("title bar's close button") << true;
}

// Leaving drops the list without points; the next opening deals the same kind and length.
void AbcFolgenTest::leavingAwardsNothingAndReopeningDeals() {
    QFETCH(bool, titleBar);
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("4"));
    Form2& form = openFolgen(fx);
    Fixture::click(form.Befehl6);
    form.HBildlauf1->setValue(7);
    arrangeLines(form, oneMoveFromDone(form), 1);
    if (titleBar)
        form.close();
    else
        Fixture::click(form.Bild1);
    QVERIFY(!form.isVisible());
    QVERIFY(fx.main().isVisible());
    QCOMPARE(fx.points(), QStringLiteral("4"));
    VERIFY_DIALOGS(fx);

    openFolgen(fx);
    QVERIFY(form.isVisible());
    QCOMPARE(form.Bezeichnung1->text(), QStringLiteral("7"));
    QCOMPARE(form.Bezeichnung2->text(), QStringLiteral("3"));
    QCOMPARE(texts(*form.Liste3), numbersUpTo(7));
    QCOMPARE(form.Liste1->count(), 7);
    for (const QString& line : texts(*form.Liste1))
        QVERIFY2(groupsInAbcOrder(3).first().contains(line), qPrintable(line));
    QCOMPARE(selectedRow(form), 0);
    QCOMPARE(fx.points(), QStringLiteral("4"));
    VERIFY_DIALOGS(fx);
}

QTEST_MAIN(AbcFolgenTest)
#include "tst_abc_folgen.moc"
