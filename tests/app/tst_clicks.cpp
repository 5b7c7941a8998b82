#include "exercises/abc_bilder.h"
#include "exercises/dot_canvas.h"
#include "fixture.h"
#include "platform/click_guard.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {
// A click on the window shown at a point of the screen; a double click if soon after the last.
void clickOnScreen(QWidget* window, QPoint global, bool soonAfterLast) {
    if (soonAfterLast)
        QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, window->mapFromGlobal(global));
    Fixture::settle();
}

void doubleClick(QWidget* control, QPoint at) {
    QTest::mouseDClick(control->window()->windowHandle(), Qt::LeftButton, {},
                       control->mapTo(control->window(), at));
    Fixture::settle();
}
} // namespace

class ClicksTest : public QObject {
    Q_OBJECT
private slots:
    // The second press of a double click does nothing, also in the window the first one opened.
    void doubleClickCountsOnce() {
        Fixture fx;
        fx.start();
        fx.dialogs.expectMessage("Mit diesem Programm kannst du\rdas ABC trainieren. Wähle dazu\r"
                                 "Übungen aus dem rechten Menü.\r",
                                 "H i l f e", MsgBox::OkOnly);
        doubleClick(fx.main().Bild4, fx.main().Bild4->rect().center());
        VERIFY_DIALOGS(fx);
        const QPoint global = fx.main().Bild7->mapToGlobal(fx.main().Bild7->rect().center());
        clickOnScreen(&fx.main(), global, false);
        Form1& bilder = fx.window<Form1>();
        QVERIFY(bilder.isVisible());
        QVERIFY(bilder.Bild1->geometry().contains(bilder.mapFromGlobal(global)));
        clickOnScreen(&bilder, global, true);
        QCOMPARE(bilder.Bild1->lines().size(), 0);
        QCOMPARE(bilder.Bezeichnung6->text(), QString());
        clickOnScreen(&bilder, global, false);
        QCOMPARE(bilder.Bild1->lines().size(), 1);
        doubleClick(bilder.Bild1, {60, 80});
        QCOMPARE(bilder.Bild1->lines().size(), 2);
    }

    void keyRepeatsStayInTheirWindow() {
        ClickGuard::install();
        auto send = [](QWidget* to, QEvent::Type type, bool repeat) {
            QKeyEvent enter(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), repeat);
            QApplication::sendEvent(to, &enter);
        };
        QWidget exercise;
        exercise.show();
        MessageDialog box("Fehler!\r", MsgBox::OkOnly, "F e h l e r", nullptr);
        box.show();
        // Enter held in the exercise opened the box: its repeats do not close it unread.
        send(&exercise, QEvent::KeyPress, false);
        send(box.defaultButton(), QEvent::KeyPress, true);
        QVERIFY(box.isVisible());
        send(box.defaultButton(), QEvent::KeyRelease, false);
        send(box.defaultButton(), QEvent::KeyPress, false);
        QVERIFY(!box.isVisible());
    }

    // Text fields, and widgets that ask for it, keep their double click.
    void doubleClickKeptWhereAllowed() {
        ClickGuard::install();
        QWidget window;
        auto* field = new QLineEdit(QStringLiteral("Hallo Welt"), &window);
        field->setGeometry(0, 0, 400, 40);
        auto* list = new QListWidget(&window);
        list->addItem(QStringLiteral("Apfel"));
        list->setGeometry(0, 50, 400, 150);
        window.show();
        QSignalSpy spy(list, &QListWidget::itemDoubleClicked);
        const QPoint apfel = list->visualItemRect(list->item(0)).center();
        doubleClick(list->viewport(), apfel);
        QCOMPARE(spy.size(), 0);
        ClickGuard::allowDoubleClick(list);
        doubleClick(list->viewport(), apfel);
        QCOMPARE(spy.size(), 1);
        doubleClick(field, {10, 20});
        QCOMPARE(field->selectedText(), QStringLiteral("Hallo"));
    }
};

QTEST_MAIN(ClicksTest)
#include "tst_clicks.moc"
