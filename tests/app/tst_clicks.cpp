#include "exercises/abc_bilder.h"
#include "exercises/dot_canvas.h"
#include "fixture.h"
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

namespace {

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

} // namespace

class ClicksTest : public QObject {
    Q_OBJECT
private slots:
    void doubleClickCountsOnce();
    void secondPressOfADoubleClickInTheOpenedWindow();
    void keyRepeatsStayInTheirWindow();
    void scrollBarsOpenNoMenu();
    void doubleClickKeptWhereAllowed_data();
    void doubleClickKeptWhereAllowed();
};

// A picture and the drawing take a double click for one click.
void ClicksTest::doubleClickCountsOnce() {
    Fixture fx;
    fx.start();
    fx.dialogs.expectMessage(QStringLiteral("Mit diesem Programm kannst du\r"
                                            "das ABC trainieren. Wähle dazu\r"
                                            "Übungen aus dem rechten Menü.\r"),
                             QStringLiteral("H i l f e"), MsgBox::OkOnly);
    doubleClick(fx.main().Bild4, fx.main().Bild4->rect().center());
    QCOMPARE(fx.dialogs.calls.size(), 1);
    VERIFY_DIALOGS(fx);
    Fixture::click(fx.main().Bild7);
    DotCanvas* canvas = fx.window<Form1>().Bild1;
    doubleClick(canvas, {60, 80});
    QCOMPARE(canvas->lines().size(), 1);
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
    QTest::newRow("a list allowed") << true;
    QTest::newRow("a list by default") << false;
}

void ClicksTest::doubleClickKeptWhereAllowed() {
    QFETCH(bool, allowed);
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
    QCOMPARE(spy.size(), allowed ? 1 : 0);
    // A text field always selects the word under a double click.
    doubleClick(field, {10, 20});
    QCOMPARE(field->selectedText(), QStringLiteral("Hallo"));
}

QTEST_MAIN(ClicksTest)
#include "tst_clicks.moc"
