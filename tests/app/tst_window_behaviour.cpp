#include "app/moxlabel.h"
#include "app/startup.h"
#include "editor/word_list_editor.h"
#include "exercises/abc_bilder.h"
#include "exercises/abc_fehlersuche.h"
#include "exercises/abc_folgen.h"
#include "exercises/abc_laute.h"
#include "exercises/abc_luecken.h"
#include "exercises/abc_reihe.h"
#include "exercises/abc_wortsuche.h"
#include "exercises/buchstabensuche.h"
#include "exercises/letter_panel.h"
#include "exercises/woerterbuch.h"
#include "fixture.h"
#include "games/galgen.h"
#include "platform/canvas.h"
#include "platform/twips.h"
#include "print/worksheet_window.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include <functional>

// What every window shares: how a screen reader hears it, where the keyboard starts and how
// Escape leaves, and the one scale that sizes texts and message boxes.
namespace {

using Opener = std::function<MoxWindow&(Fixture&)>;

template <class W> Opener openedBy(PictureButton* Form0::*entry) {
    return [entry](Fixture& fx) -> MoxWindow& {
        Fixture::click(fx.main().*entry);
        return fx.window<W>();
    };
}

// A teacher's window, behind the password.
template <class W> Opener openedByTeacher(PictureButton* Form0::*entry) {
    return [entry](Fixture& fx) -> MoxWindow& {
        fx.dialogs.expectInput(QStringLiteral("Erst das Passwort eingeben:"),
                               QStringLiteral("Passwort"), QString(), fx.points());
        return openedBy<W>(entry)(fx);
    };
}

// The windows that open from the main window, by their entries.
QList<QPair<const char*, Opener>> exerciseWindows() {
    return {{"ABC-Folgen", openedBy<Form2>(&Form0::Bild6)},
            {"ABC-Lücken", openedBy<Form4>(&Form0::Bild8)},
            {"ABC-Reihe", openedBy<Form5>(&Form0::Bild10)},
            {"Buchstabensuche", openedBy<Form6>(&Form0::Bild11)},
            {"Wörterbuch", openedBy<Form3>(&Form0::Bild9)},
            {"ABC-Wortsuche", openedBy<Form7>(&Form0::Bild5)},
            {"ABC-Bilder", openedBy<Form1>(&Form0::Bild7)},
            {"ABC-Fehlersuche", openedBy<Form9>(&Form0::Bild15)},
            {"ABC-Laute", openedBy<Form10>(&Form0::Bild17)},
            {"Galgenspiel", openedBy<galgen>(&Form0::Bild16)},
            {"Übung drucken", openedByTeacher<Form8>(&Form0::Bild12)},
            {"Wörterlisten", openedByTeacher<WordListEditor>(&Form0::Bild19)},
            {"Programm-Info", openedBy<MOXLABEL>(&Form0::Bild3)}};
}

void startWithWordList(Fixture& fx) {
    fx.writeFile(QStringLiteral("MOXABC.TXT"), "Apfel\r\n12\r\nBaum\r\n15\r\n");
    fx.start();
}

// Every object a screen reader can reach below the interface.
void collectTree(QAccessibleInterface* node, QList<QObject*>& objects) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || objects.contains(child->object()))
            continue;
        objects.append(child->object());
        collectTree(child, objects);
    }
}

QList<QObject*> accessibleTree(QWidget* window) {
    QList<QObject*> objects;
    collectTree(QAccessible::queryAccessibleInterface(window), objects);
    return objects;
}

QString accessibleName(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

} // namespace

class WindowBehaviourTest : public QObject {
    Q_OBJECT
private slots:
    void windowsAndPicturesAreWhatTheyLookLike_data();
    void windowsAndPicturesAreWhatTheyLookLike();
    void valuesAreNamesKeptCurrent();
    void hiddenStateIsOutOfTheTree();
    void escapeLeavesEveryWindow_data();
    void escapeLeavesEveryWindow();
    void focusNeverStartsOnLeaving_data();
    void focusNeverStartsOnLeaving();
    void mainWindowTabsOnlyThroughWhatIsShown();
    void mainWindowCannotBeMaximised();
    void teacherShortcutsAreNamed();
    void settingsMessageStandsOverMainWindow();
    void textsReadableOnSmallScreen_data();
    void textsReadableOnSmallScreen();
    void infoTitleAndNoticesFit();
};

void WindowBehaviourTest::windowsAndPicturesAreWhatTheyLookLike_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("M O X - A B C") << -1;
    const auto windows = exerciseWindows();
    for (int i = 0; i < windows.size(); ++i)
        QTest::newRow(windows.at(i).first) << i;
}

// A window is announced as a window with its title; each picture is a button with a press
// action and its German name (a picture that stays pressed in, a switch, is a check box with its
// state); decoration says nothing.
void WindowBehaviourTest::windowsAndPicturesAreWhatTheyLookLike() {
    QFETCH(int, index);
    Fixture fx;
    startWithWordList(fx);
    MoxWindow& window = index < 0 ? fx.main() : exerciseWindows().at(index).second(fx);
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(&window);
    QCOMPARE(self->role(), QAccessible::Window);
    QCOMPARE(self->text(QAccessible::Name), window.windowTitle());

    const QList<QObject*> tree = accessibleTree(&window);
    for (QAbstractButton* picture : window.findChildren<QAbstractButton*>()) {
        // A table's corner button is a part of the table to a screen reader.
        if (qobject_cast<QAbstractItemView*>(picture->parentWidget()))
            continue;
        QVERIFY(tree.contains(picture));
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(picture);
        QCOMPARE(button->role(),
                 picture->isCheckable() ? QAccessible::CheckBox : QAccessible::Button);
        QCOMPARE(button->state().checked, picture->isChecked());
        QVERIFY(!button->text(QAccessible::Name).isEmpty());
        // A switched-off picture offers nothing to press.
        const QString action = picture->isCheckable() ? QAccessibleActionInterface::toggleAction()
                                                      : QAccessibleActionInterface::pressAction();
        QCOMPARE(button->actionInterface()->actionNames().contains(action), picture->isEnabled());
    }
    for (QObject* object : tree) {
        if (auto* widget = qobject_cast<QWidget*>(object))
            QVERIFY2(!widget->inherits("Shape") && !widget->inherits("SvgPicture"),
                     widget->metaObject()->className());
    }
}

void WindowBehaviourTest::valuesAreNamesKeptCurrent() {
    Fixture fx;
    startWithWordList(fx);
    QLabel* points = fx.main().Bezeichnung1;
    QCOMPARE(accessibleName(points), QStringLiteral("0"));
    QCOMPARE(QAccessible::queryAccessibleInterface(points)->text(QAccessible::Description),
             QStringLiteral("Punkte"));
    fx.app().addPoints(5);
    QCOMPARE(accessibleName(points), QStringLiteral("5"));

    auto& luecken = static_cast<Form4&>(openedBy<Form4>(&Form0::Bild8)(fx));
    QCOMPARE(accessibleName(luecken.Bezeichnung1), luecken.Bezeichnung1->text());
    Fixture::click(luecken.Picture1);

    auto& reihe = static_cast<Form5&>(openedBy<Form5>(&Form0::Bild10)(fx));
    QTest::keyClick(&reihe, Qt::Key_A);
    QTest::keyClick(&reihe, Qt::Key_B);
    QCOMPARE(accessibleName(reihe.abcfeld), QStringLiteral("AB"));
    Fixture::click(reihe.Bild2);

    auto& suche = static_cast<Form6&>(openedBy<Form6>(&Form0::Bild11)(fx));
    suche.HBildlauf1->setValue(3);
    QCOMPARE(accessibleName(suche.Bezeichnung2), QStringLiteral("C c"));
    QCOMPARE(accessibleName(suche.surface).remove(u' ').size(), 25);
    Fixture::click(suche.Bild1);

    auto& dictionary = static_cast<Form3&>(openedBy<Form3>(&Form0::Bild9)(fx));
    dictionary.HBildlauf1->setValue(12);
    QCOMPARE(accessibleName(dictionary.Befehl2), QStringLiteral(" 12"));
    QCOMPARE(accessibleName(dictionary.Bezeichnung4), dictionary.Bezeichnung4->text());
    Fixture::key(&dictionary, Qt::Key_Escape);

    auto& laute = static_cast<Form10&>(openedBy<Form10>(&Form0::Bild17)(fx));
    QTest::keyClick(laute.Liste1, Qt::Key_A);
    QCOMPARE(accessibleName(laute.Bezeichnung1), fx.app().shared().wordText);
    QCOMPARE(accessibleName(laute.Bezeichnung2), fx.app().shared().wordMask);
    QVERIFY(fx.app().shared().wordMask.contains(u'A', Qt::CaseInsensitive));
    Fixture::click(laute.Bild1);

    auto& game = static_cast<galgen&>(openedBy<galgen>(&Form0::Bild16)(fx));
    QTest::keyClick(game.Liste1, Qt::Key_A);
    QCOMPARE(accessibleName(game.Bezeichnung1), fx.app().shared().wordMask);
    QVERIFY(fx.app().shared().wordMask.contains(u'A', Qt::CaseInsensitive));
}

// The answers a window keeps out of sight must not be read out either.
void WindowBehaviourTest::hiddenStateIsOutOfTheTree() {
    Fixture fx;
    startWithWordList(fx);
    QVERIFY(!accessibleTree(&fx.main()).contains(fx.main().Bezeichnung3));
    auto& folgen = static_cast<Form2&>(openedBy<Form2>(&Form0::Bild6)(fx));
    QVERIFY(!accessibleTree(&folgen).contains(folgen.Liste2));
    Fixture::click(folgen.Bild1);
    auto& luecken = static_cast<Form4&>(openedBy<Form4>(&Form0::Bild8)(fx));
    QVERIFY(!accessibleTree(&luecken).contains(luecken.Bezeichnung3));
    Fixture::click(luecken.Picture1);
    auto& suche = static_cast<Form6&>(openedBy<Form6>(&Form0::Bild11)(fx));
    QVERIFY(!accessibleTree(&suche).contains(suche.Bezeichnung1));
    Fixture::click(suche.Bild1);
    auto& dictionary = static_cast<Form3&>(openedBy<Form3>(&Form0::Bild9)(fx));
    const QList<QObject*> tree = accessibleTree(&dictionary);
    for (QObject* hidden :
         {static_cast<QObject*>(dictionary.Bezeichnung3),
          static_cast<QObject*>(dictionary.Bezeichnung5), static_cast<QObject*>(dictionary.Datei1)})
        QVERIFY(!tree.contains(hidden));
    QVERIFY(tree.contains(dictionary.Bezeichnung4));
    Fixture::key(&dictionary, Qt::Key_Escape);

    auto& laute = static_cast<Form10&>(openedBy<Form10>(&Form0::Bild17)(fx));
    QVERIFY(!accessibleTree(&laute).contains(laute.Liste2));
    QVERIFY(!accessibleTree(&laute).contains(laute.Bezeichnung3));
    Fixture::click(laute.Bild1);
    auto& game = static_cast<galgen&>(openedBy<galgen>(&Form0::Bild16)(fx));
    QVERIFY(!accessibleTree(&game).contains(game.Liste2));
    QVERIFY(!accessibleTree(&game).contains(game.Bezeichnung2));
}

void WindowBehaviourTest::escapeLeavesEveryWindow_data() {
    QTest::addColumn<int>("index");
    const auto windows = exerciseWindows();
    for (int i = 0; i < windows.size(); ++i)
        QTest::newRow(windows.at(i).first) << i;
}

void WindowBehaviourTest::escapeLeavesEveryWindow() {
    QFETCH(int, index);
    Fixture fx;
    startWithWordList(fx);
    MoxWindow& window = exerciseWindows().at(index).second(fx);
    QVERIFY(window.isVisible());
    Fixture::key(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QVERIFY(fx.main().isVisible());
    Fixture::key(&fx.main(), Qt::Key_Escape);
    QVERIFY(fx.main().isVisible());
    VERIFY_DIALOGS(fx);
}

void WindowBehaviourTest::focusNeverStartsOnLeaving_data() {
    QTest::addColumn<int>("index");
    const auto windows = exerciseWindows();
    // The info window has nothing to lose: its only control is the one that leaves.
    for (int i = 0; i < windows.size() - 1; ++i)
        QTest::newRow(windows.at(i).first) << i;
}

// Space or Enter at once must never leave the window or throw the task away: the pictures
// do just that, so the focus starts elsewhere.
void WindowBehaviourTest::focusNeverStartsOnLeaving() {
    QFETCH(int, index);
    Fixture fx;
    startWithWordList(fx);
    MoxWindow& window = exerciseWindows().at(index).second(fx);
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QCOMPARE(focused->window(), &window);
    QVERIFY2(!qobject_cast<PictureButton*>(focused), qPrintable(focused->accessibleName()));
}

void WindowBehaviourTest::mainWindowTabsOnlyThroughWhatIsShown() {
    Fixture fx;
    fx.start();
    Form0& main = fx.main();
    QVERIFY(main.focusWidget());
    QVERIFY(main.focusWidget() != main.Bild2);
    QSet<QWidget*> reached;
    QWidget* next = main.focusWidget();
    for (int step = 0; step < 40; ++step) {
        reached.insert(next);
        next = next->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || !next->isEnabled())
            next = next->nextInFocusChain();
    }
    QVERIFY(reached.contains(main.Bild13));
    QVERIFY(!reached.contains(main.Bild12));
    QVERIFY(!reached.contains(main.Bild14));

    main.resize(main.width(), main.maximumHeight());
    QCOMPARE(main.Bild12->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(main.Bild14->focusPolicy(), Qt::StrongFocus);
    main.resize(main.width(), Twips::toPixels(Form0::ClientHeight));
    QCOMPARE(main.Bild12->focusPolicy(), Qt::NoFocus);
}

void WindowBehaviourTest::mainWindowCannotBeMaximised() {
    Fixture fx;
    fx.start();
    QVERIFY(!(fx.main().windowFlags() & Qt::WindowMaximizeButtonHint));
    fx.main().setWindowState(Qt::WindowMaximized);
    Fixture::settle();
    QVERIFY(!(fx.main().windowState() & Qt::WindowMaximized));
}

void WindowBehaviourTest::teacherShortcutsAreNamed() {
    Fixture fx;
    fx.start();
    QCOMPARE(fx.main().Bild12->toolTip(), QStringLiteral("Druck (Strg+Umschalt+D)"));
    QCOMPARE(fx.main().Bild14->toolTip(), QStringLiteral("Punkte (Strg+Umschalt+P)"));
    QCOMPARE(fx.main().Bild19->toolTip(), QStringLiteral("Wörter (Strg+Umschalt+W)"));
    QCOMPARE(fx.main().Bild12->accessibleName(), QStringLiteral("Druck"));
    QVERIFY(MOXLABEL::kTeacherKeys.contains(QStringLiteral("Strg+Umschalt+D")));
    QVERIFY(MOXLABEL::kTeacherKeys.contains(QStringLiteral("Strg+Umschalt+P")));
    QVERIFY(MOXLABEL::kTeacherKeys.contains(QStringLiteral("Wörter: Strg+Umschalt+W")));
}

void WindowBehaviourTest::settingsMessageStandsOverMainWindow() {
    Fixture fx;
    bool mainWindowShown = false;
    fx.dialogs.onCall = [&](const ScriptedDialogs::Call&) {
        mainWindowShown = fx.app().mainWindow().isVisible();
    };
    fx.dialogs.expectMessage(QStringLiteral("Datei 'MOXABC.INI' fehlt!\r"),
                             QStringLiteral("M O X A B C"), MsgBox::OkOnly);
    fx.startWithoutSettings();
    VERIFY_DIALOGS(fx);
    QVERIFY(mainWindowShown);
}

void WindowBehaviourTest::textsReadableOnSmallScreen_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("M O X - A B C") << -1;
    const auto windows = exerciseWindows();
    for (int i = 0; i < windows.size(); ++i)
        QTest::newRow(windows.at(i).first) << i;
}

// At 1280 × 800 the main window takes about two thirds of the height and no text the child
// reads is under 14 pixels.
void WindowBehaviourTest::textsReadableOnSmallScreen() {
    QFETCH(int, index);
    const QFont previousFont = QApplication::font();
    Fixture fx;
    applyScreenScale(QSize(1280, 800));
    startWithWordList(fx);
    QVERIFY(qAbs(fx.main().height() - 800 * 2 / 3) < 20);
    MoxWindow& window = index < 0 ? fx.main() : exerciseWindows().at(index).second(fx);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const bool showsText = (label && !label->text().isEmpty()) ||
                               (button && !button->text().isEmpty()) ||
                               qobject_cast<QListWidget*>(control);
        if (showsText && control->isVisible())
            QVERIFY2(QFontInfo(control->font()).pixelSize() >= 14,
                     qPrintable(control->objectName() + control->metaObject()->className()));
    }
    QApplication::setFont(previousFont);
}

void WindowBehaviourTest::infoTitleAndNoticesFit() {
    Fixture fx;
    fx.start();
    auto& info = static_cast<MOXLABEL&>(openedBy<MOXLABEL>(&Form0::Bild3)(fx));
    QLabel* title = info.Bezeichnung5;
    QVERIFY(QFontMetrics(title->font()).horizontalAdvance(title->text()) <=
            title->contentsRect().width());
    const QPainterPath panel = info.Figur1->outline().translated(info.Figur1->pos());
    for (QLabel* notice : {info.Bezeichnung6, info.Bezeichnung7}) {
        const QRectF area = notice->geometry();
        for (const QPointF corner :
             {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
            QVERIFY(panel.contains(corner));
    }
}

QTEST_MAIN(WindowBehaviourTest)
#include "tst_window_behaviour.moc"
