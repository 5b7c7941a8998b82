// A child at the controls: seeded random clicks, drags and keys on every window, boxes answered at
// random, checks after each event; MOXABC_MONKEY_EVENTS, MOXABC_MONKEY_SEED set length and seed.
#include "fixture.h"
#include "games/fang.h"
#include "games/memo.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>

#include <random>

namespace {
QPointer<QTimer> g_ticking;

// One tick of the first timer that runs in the window.
bool tick(QWidget* window) {
    const QList<QTimer*> timers = window->findChildren<QTimer*>(Qt::FindDirectChildrenOnly);
    const auto running = std::ranges::find_if(timers, &QTimer::isActive);
    if (running == timers.end())
        return false;
    QTimerEvent tick((g_ticking = *running)->timerId());
    QCoreApplication::sendEvent(g_ticking, &tick);
    g_ticking = nullptr;
    return true;
}

// The program's windows that show; a box is no window of its own.
QList<QWidget*> shownWindows() {
    QList<QWidget*> shown = QApplication::topLevelWidgets();
    shown.removeIf(
        [](const QWidget* w) { return !w->isVisible() || !qobject_cast<const MoxWindow*>(w); });
    return shown;
}

QString describe(const QWidget* w) {
    return w ? w->metaObject()->className() + (" \"" + w->accessibleName() + '"') : "nothing";
}

// How the child opens a window: by its picture in the main window, else as the program does.
using Opener = void (*)(Fixture&);
template <PictureButton* Form0::*picture> void byPicture(Fixture& fx) {
    Fixture::click(fx.main().*picture);
}
template <class W> void direct(Fixture& fx) {
    fx.app().open(fx.window<W>());
}

// Plays the child on a program of its own and answers every box as a child would, at random;
// notes the first thing that does not hold, after an event or while a box shows.
struct Monkey final : Dialogs {
    Monkey(std::uint64_t seed, std::uint64_t row, bool kiosk)
        : seed(seed)
        , kiosk(kiosk)
        , random(seed + row)
        , fx(seed + row) {
        fx.useDialogs(*this);
        fx.writeFile(
            "MOXABC.TXT",
            wordListBytes({{"Apfel", 3}, {"Zebra", 40}, {"Öl", 22}, {"Maus", 20}, {"Ball", 5}}));
        if (kiosk)
            fx.writeProgramSettings("system", "[Klasse]\nKiosk=true\n");
        fx.start();
        // A menu or a dialog of the toolkit waits in a loop of its own: a context menu is a fault
        // unless a text field's, a list that drops down is closed, a dialog is a box, checked.
        QObject::connect(&popupWatch, &QTimer::timeout, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                if (failure.isEmpty() && qobject_cast<QMenu*>(popup) &&
                    !qobject_cast<QLineEdit*>(popup->parentWidget()))
                    failure = "a menu opened: " + describe(popup);
                popup->close();
            }
            if (QWidget* box = QApplication::activeModalWidget()) {
                note(box->windowTitle());
                box->close();
            }
        });
        popupWatch.start(0);
    }
    int msgBox(const QString& prompt, int buttons, const QString& title) override {
        note(title + ": " + QString(prompt).replace(u'\r', u' ').left(40));
        static constexpr int kAnswers[] = {MsgBox::Yes, MsgBox::No, MsgBox::Cancel};
        if (buttons == MsgBox::OkOnly)
            return MsgBox::Ok;
        return leaving ? leaving : kAnswers[pick(buttons == MsgBox::YesNoCancelQuestion ? 3 : 2)];
    }
    QString inputBox(const QString&, const QString& title, const QString&) override {
        note(title);
        // Never a whole number for the password: the points total is one.
        static const QStringList passwords{"", "", "abc", "1 2", "Passwort", "0x"};
        static const QStringList typed{"", "0", "5", "10", "30", "100", "150", "abc", " 42", "1e9"};
        const QStringList& answers = title == "Passwort" ? passwords : typed;
        return password.isEmpty() ? answers.at(pick(answers.size())) : std::exchange(password, {});
    }
    void beep() override {}
    QString saveFileName(const QString& title, const QString&, const QString&) override {
        note(title);
        return {};
    }
    // One random event on the window that shows, then the checks; false when something broke.
    bool step() {
        ++events;
        QWidget* window = shownWindows().value(0);
        if (!window)
            return fail("no window shows");
        recent.append(QStringLiteral("#%1 %2 in \"%3\"")
                          .arg(QString::number(events), act(window), window->windowTitle()));
        recent = recent.mid(std::max<qsizetype>(0, recent.size() - 6));
        Fixture::settle();
        if (fx.app().hasEnded() && (kiosk || !shownWindows().isEmpty()))
            return fail(kiosk ? "the program ended in kiosk use" : "a window shows after the end");
        if (fx.app().hasEnded())
            fx.start();
        const QString wrong = failure.isEmpty() ? problem() : failure;
        return wrong.isEmpty() || fail(wrong);
    }
    // Closes the window that shows, and the one it goes back to, until the main window shows:
    // Yes to "Leave the game?", else No to "Save the changes?". A page of a window (the letters'
    // recordings of "Wörterlisten") goes back to its window first.
    bool leave() {
        for (int depth = 0; depth < 2; ++depth) {
            QWidget* window = shownWindows().value(0);
            if (!window || window == &fx.main())
                return true;
            for (const int answer : {MsgBox::Yes, MsgBox::No}) {
                leaving = answer;
                window->close();
                Fixture::settle();
                leaving = 0;
                if (!window->isVisible())
                    break;
            }
            if (window->isVisible())
                return fail(QStringLiteral("\"%1\" cannot be left").arg(window->windowTitle()));
        }
        return fx.main().isVisible() || fail(QStringLiteral("the main window does not come back"));
    }
    int pick(qsizetype count) { return static_cast<int>(random() % static_cast<quint64>(count)); }
    QPoint anywhere(const QWidget* w) { return {pick(w->width()), pick(w->height())}; }
    // A box shows now: the checks, and the clock goes on while it waits for an answer.
    void note(const QString& box) {
        if (const QString wrong = failure.isEmpty() ? problem() : QString(); !wrong.isEmpty())
            failure = QStringLiteral("while the box \"%1\" shows: %2").arg(box, wrong);
        if (QWidget* window = shownWindows().value(0); window && pick(3) == 0)
            tick(window);
    }
    // The middle of a control that shows, in window coordinates.
    QPoint someControl(QWidget* window) {
        QList<QPoint> middles;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            const QPoint middle = child->mapTo(window, child->rect().center());
            if (child->isVisible() && !child->testAttribute(Qt::WA_TransparentForMouseEvents) &&
                window->rect().contains(middle))
                middles.append(middle);
        }
        return middles.isEmpty() ? anywhere(window) : middles.at(pick(middles.size()));
    }
    QString act(QWidget* window) {
        QWindow* handle = window->windowHandle();
        const int kind = pick(100);
        if (kind < 30) {
            const QPoint at = anywhere(window);
            const Qt::MouseButton button = pick(6) == 0 ? Qt::RightButton : Qt::LeftButton;
            const QString what =
                (kind < 18 ? "click on " : "double click on ") + describe(window->childAt(at));
            const QPoint global = handle->mapToGlobal(at);
            QTest::mouseClick(handle, button, {}, at);
            // The second press goes to whatever shows there by then, as on a real screen.
            QWidget* now = shownWindows().value(0);
            if (kind >= 18 && now && now->rect().contains(now->mapFromGlobal(global))) {
                QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
                QTest::mouseClick(now->windowHandle(), button, {}, now->mapFromGlobal(global));
            }
            return what;
        }
        if (kind < 38) {
            const QPoint from = someControl(window), to = someControl(window);
            const QString what =
                describe(window->childAt(from)) + " onto " + describe(window->childAt(to));
            QTest::mousePress(handle, Qt::LeftButton, {}, from);
            QTest::mouseMove(handle, (from + to) / 2);
            QTest::mouseMove(handle, to);
            QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
            return "drag " + what;
        }
        if (kind < 41 && tick(window))
            return "timer tick";
        // Letters (a quarter of them with Shift) as often as the other keys.
        static const QStringList special =
            QStringLiteral("Left Right Up Down Tab Shift+Backtab Return Enter Space Space Esc "
                           "PgUp End F5 Ctrl+Up Ctrl+Shift+D Ctrl+Shift+P Ctrl+Shift+W")
                .split(u' ');
        static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜß123");
        const QKeyCombination key =
            kind < 70 ? QKeyCombination(pick(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier,
                                        Qt::Key(letters.at(pick(letters.size())).unicode()))
                      : QKeySequence(special.at(pick(special.size())))[0];
        QTest::keyClick(handle, key.key(), key.keyboardModifiers());
        return "key " + QKeySequence(key).toString() + " on " + describe(window->focusWidget());
    }
    QString problem() {
        if (fx.app().hasEnded())
            return {};
        QStringList titles;
        int boxes = 0;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                titles.append(window->windowTitle());
                boxes += window->inherits("QDialog");
            } else if (qobject_cast<const MoxWindow*>(window) &&
                       std::ranges::any_of(window->findChildren<QTimer*>(), &QTimer::isActive)) {
                return "a timer runs in the hidden window " + window->windowTitle();
            }
        }
        const QList<QWidget*> shown = shownWindows();
        if (shown.size() != 1 || boxes > 1)
            return "not one window and at most one box show: " + titles.join(", ");
        static const QRegularExpression wholeNumber(QStringLiteral("^ ?\\d+$"));
        if (!wholeNumber.match(fx.points()).hasMatch())
            return QStringLiteral("the points total reads \"%1\"").arg(fx.points());
        if (!shown.first()->isEnabled())
            return QStringLiteral("\"%1\" takes no input").arg(shown.first()->windowTitle());
        return {};
    }
    bool fail(const QString& what) {
        report = QStringLiteral("MOXABC_MONKEY_SEED=%1, event %2: ").arg(seed).arg(events) + what +
                 "\nthe last events:\n  " + recent.join("\n  ");
        return false;
    }
    const std::uint64_t seed;
    const bool kiosk;
    std::mt19937_64 random;
    int events = 0;
    int leaving = 0;  // when not 0, the answer to every question, to leave a window
    QString failure;  // the first thing that did not hold while a box or a menu showed
    QString report;   // what broke, the seed and the last events
    QString password; // the answer of the next input box, before random ones
    QStringList recent;
    QTimer popupWatch;
    // Last, so that the program ends while the monkey can still answer its boxes.
    Fixture fx;
};
} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
protected:
    // The program's timers tick only when the monkey says so: a seed repeats its run.
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::Timer && watched != g_ticking &&
               qobject_cast<QTimer*>(watched) && qobject_cast<MoxWindow*>(watched->parent());
    }

private slots:
    void initTestCase() {
        QApplication::instance()->installEventFilter(this);
        // The offscreen platform cannot raise or size a window: a line for each would bury a fault.
        static const QtMessageHandler testLog = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](auto type, const auto& at, const QString& text) {
            if (!text.startsWith(QLatin1String("This plugin does not support")))
                testLog(type, at, text);
        });
    }
    // Each window by its title, then the main window at home (row 0) and in kiosk use, with two
    // shares of the events each; each row a seed of its own, so that its failure repeats alone.
    void eachWindow_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<Opener>("open");
        QTest::newRow("A B C - Bilder") << 1 << &byPicture<&Form0::Bild7>;
        QTest::newRow("A B C - Folgen") << 2 << &byPicture<&Form0::Bild6>;
        QTest::newRow("A B C - Lücken") << 3 << &byPicture<&Form0::Bild8>;
        QTest::newRow("A B C - Wortsuche") << 4 << &byPicture<&Form0::Bild5>;
        QTest::newRow("A B C - Fehlersuche") << 5 << &byPicture<&Form0::Bild15>;
        QTest::newRow("A B C - Reihe") << 6 << &byPicture<&Form0::Bild10>;
        QTest::newRow("Buchstabensuche") << 7 << &byPicture<&Form0::Bild11>;
        QTest::newRow("A B C - Laute") << 8 << &byPicture<&Form0::Bild17>;
        QTest::newRow("Galgenspiel") << 9 << &byPicture<&Form0::Bild16>;
        QTest::newRow("Wörterbuch") << 10 << &byPicture<&Form0::Bild9>;
        QTest::newRow("Programm-Info") << 11 << &byPicture<&Form0::Bild3>;
        QTest::newRow("A B C - Übung drucken . . .") << 12 << &byPicture<&Form0::Bild12>;
        QTest::newRow("Wörterlisten") << 13 << &byPicture<&Form0::Bild19>;
        QTest::newRow("Memory") << 14 << &direct<memo>;
        QTest::newRow("A B C - Fange") << 15 << &direct<fang>;
        QTest::newRow("main window at home") << 0 << Opener();
        QTest::newRow("main window in kiosk use") << 16 << Opener();
    }
    void eachWindow() {
        QFETCH(int, row);
        QFETCH(Opener, open);
        const int events =
            qEnvironmentVariable("MOXABC_MONKEY_EVENTS", "36000").toInt() / 19 * (open ? 1 : 2);
        Monkey monkey(qEnvironmentVariable("MOXABC_MONKEY_SEED", "20261208").toULongLong(), row,
                      !open && row > 0);
        for (int i = 0; i < events; ++i) {
            // The child left the window: it opens again, a teacher's with the password typed right.
            if (open && monkey.fx.main().isVisible()) {
                monkey.password = monkey.fx.points();
                open(monkey.fx);
                Fixture::settle();
                monkey.password.clear();
                QCOMPARE(shownWindows().value(0, &monkey.fx.main())->windowTitle(),
                         QTest::currentDataTag());
            }
            const bool leave = i % 250 == 249 || i == events - 1;
            QVERIFY2(monkey.step() && (!leave || monkey.leave()), qPrintable(monkey.report));
        }
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
