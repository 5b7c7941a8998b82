#include "exercises/abc_bilder.h"
#include "exercises/dot_canvas.h"
#include "exercises/letter_panel.h"
#include "fixture.h"
#include "games/galgen.h"
#include "platform/click_guard.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {

const QString kHelp = QStringLiteral("Mit diesem Programm kannst du\r"
                                     "das ABC trainieren. Wähle dazu\r"
                                     "Übungen aus dem rechten Menü.\r");

QPoint inWindow(const QWidget* control, QPoint at) {
    return control->mapTo(control->window(), at);
}

// A double click as the window system delivers it: press, release, press, release.
void doubleClick(QWidget* control, QPoint at) {
    QTest::mouseDClick(control->window()->windowHandle(), Qt::LeftButton, {},
                       inWindow(control, at));
    Fixture::settle();
}

// A click at a point of the screen, delivered to whichever window shows there; soon after the
// last click when asked, so that the window system takes the two for a double click.
void clickOnScreen(QWidget* window, QPoint global, bool soonAfterLast) {
    if (soonAfterLast)
        QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
    QWindow* handle = window->windowHandle();
    QTest::mouseClick(handle, Qt::LeftButton, {}, handle->mapFromGlobal(global));
    Fixture::settle();
}

// What a double click on the target may count: dots drawn, wrong letters, help messages.
struct Target {
    QWidget* control;
    QPoint at;
    std::function<int()> count;
};

enum class Place { Canvas, LetterPanel, MainPicture };

Target openTarget(Fixture& fx, Place place) {
    switch (place) {
    case Place::Canvas: {
        Fixture::click(fx.main().Bild7);
        Form1& bilder = fx.window<Form1>();
        return {bilder.Bild1, {60, 80}, [&bilder] { return int(bilder.Bild1->lines().size()); }};
    }
    case Place::LetterPanel: {
        Fixture::click(fx.main().Bild16);
        LetterPanel* panel = fx.window<galgen>().Liste1;
        const QListWidgetItem* z = panel->findItems(QStringLiteral(" Z "), Qt::MatchExactly).at(0);
        return {panel->viewport(), panel->visualItemRect(z).center(),
                [&fx] { return fx.app().shared().wrongGuesses; }};
    }
    case Place::MainPicture:
        fx.dialogs.expectMessage(kHelp, QStringLiteral("H i l f e"), MsgBox::OkOnly);
        return {fx.main().Bild4, fx.main().Bild4->rect().center(),
                [&fx] { return int(fx.dialogs.calls.size()); }};
    }
    return {};
}

} // namespace

class ClicksTest : public QObject {
    Q_OBJECT
private slots:
    void doubleClickCountsOnce_data();
    void doubleClickCountsOnce();
    void secondPressOfADoubleClickInTheOpenedWindow();
    void keyRepeatsStayInTheirWindow();
    void aTapStillClicks();
    void scrollBarsOpenNoMenu();
    void doubleClickKeptWhereAllowed_data();
    void doubleClickKeptWhereAllowed();
};

void ClicksTest::doubleClickCountsOnce_data() {
    QTest::addColumn<Place>("place");
    QTest::newRow("ABC-Bilder canvas") << Place::Canvas;
    QTest::newRow("Galgenspiel letter panel") << Place::LetterPanel;
    QTest::newRow("main-window picture") << Place::MainPicture;
}

void ClicksTest::doubleClickCountsOnce() {
    QFETCH(Place, place);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), wordListBytes(QStringList{"Apfel"}));
    fx.start();
    const Target target = openTarget(fx, place);
    doubleClick(target.control, target.at);
    QCOMPARE(target.count(), 1);
    VERIFY_DIALOGS(fx);
}

void ClicksTest::secondPressOfADoubleClickInTheOpenedWindow() {
    Fixture fx;
    fx.start();
    PictureButton* entry = fx.main().Bild7;
    const QPoint global = entry->mapToGlobal(entry->rect().center());
    clickOnScreen(&fx.main(), global, false);
    Form1& bilder = fx.window<Form1>();
    QVERIFY(bilder.isVisible());
    QVERIFY(bilder.Bild1->geometry().contains(bilder.mapFromGlobal(global)));
    clickOnScreen(&bilder, global, true);
    QCOMPARE(bilder.Bild1->lines().size(), 0);
    QCOMPARE(bilder.Bezeichnung6->text(), QString());
    clickOnScreen(&bilder, global, false);
    QCOMPARE(bilder.Bild1->lines().size(), 1);
}

void ClicksTest::keyRepeatsStayInTheirWindow() {
    ClickGuard::install();
    auto send = [](QWidget* to, QEvent::Type type, bool repeat) {
        QKeyEvent enter(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
        QApplication::sendEvent(to, &enter);
    };
    QWidget exercise;
    exercise.show();
    MessageDialog box(QStringLiteral("Fehler!\r"), MsgBox::OkOnly, QStringLiteral("F e h l e r"),
                      nullptr);
    box.show();
    // Enter held in the exercise opened the box: its repeats do not close it unread.
    send(&exercise, QEvent::KeyPress, false);
    send(box.defaultButton(), QEvent::KeyPress, true);
    QVERIFY(box.isVisible());
    send(box.defaultButton(), QEvent::KeyRelease, false);
    send(box.defaultButton(), QEvent::KeyPress, false);
    QVERIFY(!box.isVisible());
}

void ClicksTest::aTapStillClicks() {
    Fixture fx;
    fx.start();
    Fixture::click(fx.main().Bild7);
    Form1& bilder = fx.window<Form1>();
    QPointingDevice* finger = Fixture::touchScreen();
    const QPoint at = inWindow(bilder.Bild1, {60, 80});
    QTest::touchEvent(&bilder, finger).press(0, at);
    QTest::touchEvent(&bilder, finger).release(0, at);
    Fixture::settle();
    QCOMPARE(bilder.Bild1->lines().size(), 1);
}

void ClicksTest::scrollBarsOpenNoMenu() {
    Fixture fx;
    fx.start();
    Fixture::click(fx.main().Bild7);
    QScrollBar* bar = fx.window<Form1>().HBildlauf1;
    QString opened;
    // A menu waits in a loop of its own: closed at once, and named.
    QTimer::singleShot(0, [&opened] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            opened = QLatin1String(menu->metaObject()->className());
            menu->close();
        }
    });
    QTest::mouseClick(bar->window()->windowHandle(), Qt::RightButton, {},
                      inWindow(bar, bar->rect().center()));
    Fixture::settle();
    QCOMPARE(opened, QString());
    QCOMPARE(bar->value(), 1);
}

void ClicksTest::doubleClickKeptWhereAllowed_data() {
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<int>("doubleClicks");
    QTest::newRow("a list allowed") << true << 1;
    QTest::newRow("a list by default") << false << 0;
}

void ClicksTest::doubleClickKeptWhereAllowed() {
    QFETCH(bool, allowed);
    QFETCH(int, doubleClicks);
    ClickGuard::install();
    QWidget window;
    window.resize(400, 200);
    auto* field = new QLineEdit(QStringLiteral("Hallo Welt"), &window);
    field->setGeometry(0, 0, 400, 40);
    auto* list = new QListWidget(&window);
    list->addItem(QStringLiteral("Apfel"));
    list->setGeometry(0, 50, 400, 150);
    if (allowed)
        ClickGuard::allowDoubleClick(list);
    window.show();
    QSignalSpy spy(list, &QListWidget::itemDoubleClicked);
    doubleClick(list->viewport(), list->visualItemRect(list->item(0)).center());
    QCOMPARE(spy.size(), doubleClicks);
    // A text field always selects the word under a double click.
    doubleClick(field, {10, 20});
    QCOMPARE(field->selectedText(), QStringLiteral("Hallo"));
}

QTEST_MAIN(ClicksTest)
#include "tst_clicks.moc"
