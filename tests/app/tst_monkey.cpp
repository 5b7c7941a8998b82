// A child at the controls: seeded random clicks, double clicks, drags and keys on every window,
// one after another and then through the main window, with every box answered at random.
// After each event the program must still hold together. MOXABC_MONKEY_EVENTS sets the number
// of events of the whole run, MOXABC_MONKEY_SEED the seed.
#include "fixture.h"
#include "games/fang.h"
#include "games/memo.h"
#include "platform/window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>

#include <deque>
#include <functional>
#include <random>

namespace {

// Answers every box as a child would, at random, and notes what does not hold while it shows.
class MonkeyDialogs final : public Dialogs {
public:
    std::mt19937_64 random;
    std::function<QString()> problem; // what does not hold, or the empty text
    std::function<void()> whileShowing;
    QString failure;      // the first thing that did not hold while a box showed
    QStringList typeNext; // answers of the next input boxes, before random ones
    int leaving = 0;      // when not 0, the answer to every question, to leave a window

    int msgBox(const QString& prompt, int buttons, const QString& title) override {
        note(title + QStringLiteral(": ") + QString(prompt).replace(u'\r', u' ').left(40));
        if (buttons == MsgBox::OkOnly)
            return MsgBox::Ok;
        if (leaving != 0)
            return leaving;
        const int answer = pick(buttons == MsgBox::YesNoCancelQuestion ? 3 : 2);
        return answer == 0 ? MsgBox::Yes : answer == 1 ? MsgBox::No : MsgBox::Cancel;
    }
    QString inputBox(const QString&, const QString& title, const QString&) override {
        note(title);
        if (!typeNext.isEmpty())
            return typeNext.takeFirst();
        // Never a whole number for the password: the points total is one.
        static const QStringList passwords{"", "", "abc", "1 2", "Passwort", "0x"};
        static const QStringList typed{"", "0", "5", "10", "30", "100", "150", "abc", " 42", "1e9"};
        const QStringList& answers = title == QStringLiteral("Passwort") ? passwords : typed;
        return answers.at(pick(static_cast<int>(answers.size())));
    }
    void beep() override {}

    int pick(int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); }

    // A box shows now.
    void note(const QString& box) {
        if (failure.isEmpty() && problem) {
            if (const QString wrong = problem(); !wrong.isEmpty())
                failure = QStringLiteral("while the box \"%1\" shows: %2").arg(box, wrong);
        }
        if (whileShowing)
            whileShowing();
    }
};

QPointer<QTimer> g_ticking;
QtMessageHandler g_testLog = nullptr;

// The offscreen platform cannot raise or size a window; a line for each would bury a failure.
void quietLog(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        g_testLog(type, context, message);
}

// The program's timers tick when the monkey says so, not when the clock does, so that a seed
// repeats its run.
class TimerHold : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::Timer && watched != g_ticking &&
               qobject_cast<QTimer*>(watched) && qobject_cast<MoxWindow*>(watched->parent());
    }
};

struct Entry {
    QString title;
    std::function<void(Fixture&, MonkeyDialogs&)> open;
};

std::function<void(Fixture&, MonkeyDialogs&)> picture(PictureButton* Form0::*entry) {
    return [entry](Fixture& fx, MonkeyDialogs&) { Fixture::click(fx.main().*entry); };
}

// A teacher's entry, with the password typed right.
std::function<void(Fixture&, MonkeyDialogs&)> teacher(PictureButton* Form0::*entry) {
    return [entry](Fixture& fx, MonkeyDialogs& dialogs) {
        dialogs.typeNext = {fx.points()};
        Fixture::click(fx.main().*entry);
    };
}

template <class W> std::function<void(Fixture&, MonkeyDialogs&)> direct() {
    return [](Fixture& fx, MonkeyDialogs&) {
        fx.app().open(fx.window<W>());
        Fixture::settle();
    };
}

// Every window of the program and how the monkey opens it.
const QList<Entry> kWindows = {
    {"A B C - Bilder", picture(&Form0::Bild7)},
    {"A B C - Folgen", picture(&Form0::Bild6)},
    {"A B C - Lücken", picture(&Form0::Bild8)},
    {"A B C - Wortsuche", picture(&Form0::Bild5)},
    {"A B C - Fehlersuche", picture(&Form0::Bild15)},
    {"A B C - Reihe", picture(&Form0::Bild10)},
    {"Buchstabensuche", picture(&Form0::Bild11)},
    {"A B C - Laute", picture(&Form0::Bild17)},
    {"Galgenspiel", picture(&Form0::Bild16)},
    {"Wörterbuch", picture(&Form0::Bild9)},
    {"Programm-Info", picture(&Form0::Bild3)},
    {"A B C - Übung drucken . . .", teacher(&Form0::Bild12)},
    {"Wörterlisten", teacher(&Form0::Bild19)},
    {"Memory", direct<memo>()},
    {"A B C - Fange", direct<fang>()},
};

// The program's windows that show; a box is no window of its own.
QList<QWidget*> shownWindows() {
    QList<QWidget*> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<MoxWindow*>(window))
            shown.append(window);
    }
    return shown;
}

int shownBoxes() {
    int boxes = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        boxes += window->isVisible() && window->inherits("QDialog");
    return boxes;
}

QString describe(const QWidget* widget) {
    if (!widget)
        return QStringLiteral("nothing");
    QString name = widget->accessibleName();
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && name.isEmpty())
        name = label->text().left(20);
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(widget->metaObject()->className()), name);
}

class Monkey {
public:
    Monkey(Fixture& fx, MonkeyDialogs& dialogs, std::uint64_t seed, bool kiosk)
        : fx_(fx)
        , dialogs_(dialogs)
        , seed_(seed)
        , kiosk_(kiosk) {
        dialogs_.problem = [this] { return problem(); };
        // The clock goes on while a box waits for an answer.
        dialogs_.whileShowing = [this] {
            if (QWidget* window = shownWindows().value(0); window && pick(3) == 0)
                tick(window);
        };
        // A menu or a dialog of the toolkit would wait for a choice in a loop of its own: a
        // context menu is a fault (noted) unless a text field's, a list that drops down is
        // closed as a click beside it would, a dialog is a box over the window, checked and
        // closed.
        QObject::connect(&popupWatch_, &QTimer::timeout, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                if (popup_.isEmpty() && qobject_cast<QMenu*>(popup) &&
                    !qobject_cast<QLineEdit*>(popup->parentWidget()))
                    popup_ = describe(popup);
                popup->close();
            }
            if (QWidget* box = QApplication::activeModalWidget()) {
                dialogs_.note(box->windowTitle());
                box->close();
            }
        });
        popupWatch_.start(0);
    }

    // One random event on the window that shows, then the checks; false when something broke.
    bool step() {
        ++events_;
        QWidget* window = shownWindows().value(0);
        if (!window)
            return fail(QStringLiteral("no window shows"));
        const QString event = act(window);
        recent_.push_back(
            QStringLiteral("#%1 %2 in \"%3\"").arg(events_).arg(event, window->windowTitle()));
        if (recent_.size() > 6)
            recent_.pop_front();
        Fixture::settle();
        if (fx_.app().hasEnded()) {
            if (kiosk_)
                return fail(QStringLiteral("a child ended the program in kiosk use"));
            if (!shownWindows().isEmpty())
                return fail(QStringLiteral("a window stays open after the end"));
            fx_.start();
        }
        if (!popup_.isEmpty())
            return fail(QStringLiteral("a menu opened: ") + popup_);
        const QString wrong = dialogs_.failure.isEmpty() ? problem() : dialogs_.failure;
        return wrong.isEmpty() || fail(wrong);
    }

    // Leaves the window that shows as the window manager's close button would, answering
    // its questions one way, else the other.
    bool leave() {
        QWidget* window = shownWindows().value(0);
        if (!window || window == &fx_.main())
            return true;
        // Yes to "Leave the game?", No to "Save the changes?" when they cannot be saved.
        for (const int answer : {MsgBox::Yes, MsgBox::No}) {
            dialogs_.leaving = answer;
            window->close();
            Fixture::settle();
            dialogs_.leaving = 0;
            if (fx_.main().isVisible() && !window->isVisible())
                return true;
        }
        return fail(QStringLiteral("\"%1\" cannot be left").arg(window->windowTitle()));
    }

    QString report() const { return report_; }
    int events() const { return events_; }

private:
    int pick(int count) { return dialogs_.pick(count); }
    QPoint anywhere(const QWidget* window) {
        return {pick(window->width()), pick(window->height())};
    }
    // The middle of a control that shows, in window coordinates.
    QPoint someControl(QWidget* window) {
        QList<QWidget*> controls;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            const QRect area(child->mapTo(window, QPoint(0, 0)), child->size());
            if (child->isVisible() && !child->testAttribute(Qt::WA_TransparentForMouseEvents) &&
                window->rect().contains(area.center()))
                controls.append(child);
        }
        if (controls.isEmpty())
            return anywhere(window);
        QWidget* control = controls.at(pick(static_cast<int>(controls.size())));
        return control->mapTo(window, control->rect().center());
    }

    QString act(QWidget* window) {
        QWindow* handle = window->windowHandle();
        const int kind = pick(100);
        if (kind < 30) {
            const QPoint at = anywhere(window);
            const Qt::MouseButton button = pick(6) == 0 ? Qt::RightButton : Qt::LeftButton;
            const QString target = describe(window->childAt(at));
            if (kind < 18) {
                QTest::mouseClick(handle, button, {}, at);
                return QStringLiteral("click on ") + target;
            }
            // The second press goes to whatever shows there by then, as on a real screen.
            const QPoint global = handle->mapToGlobal(at);
            QTest::mouseClick(handle, button, {}, at);
            QWidget* now = shownWindows().value(0);
            if (now && now->rect().contains(now->mapFromGlobal(global))) {
                QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
                QTest::mouseClick(now->windowHandle(), button, {}, now->mapFromGlobal(global));
            }
            return QStringLiteral("double click on ") + target;
        }
        if (kind < 38) {
            const QPoint from = someControl(window);
            const QPoint to = someControl(window);
            const QString what = describe(window->childAt(from)) + QStringLiteral(" onto ") +
                                 describe(window->childAt(to));
            QTest::mousePress(handle, Qt::LeftButton, {}, from);
            QTest::mouseMove(handle, (from + to) / 2);
            QTest::mouseMove(handle, to);
            QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
            return QStringLiteral("drag ") + what;
        }
        if (kind < 41 && tick(window))
            return QStringLiteral("timer tick");
        static const QStringList special =
            QStringLiteral("Left Right Up Down Tab Shift+Backtab Return Enter Space Space Esc "
                           "PgUp End F5 Ctrl+Up Ctrl+Shift+D Ctrl+Shift+P Ctrl+Shift+W")
                .split(u' ');
        QKeyCombination key = QKeySequence(special.at(pick(static_cast<int>(special.size()))))[0];
        if (kind < 70) {
            static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜß123");
            const QChar letter = letters.at(pick(static_cast<int>(letters.size())));
            key = QKeyCombination(pick(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier,
                                  Qt::Key(letter.unicode()));
        }
        QTest::keyClick(handle, key.key(), key.keyboardModifiers());
        return QStringLiteral("key %1 on %2")
            .arg(QKeySequence(key).toString(), describe(window->focusWidget()));
    }
    // One tick of the first timer that runs in the window.
    static bool tick(QWidget* window) {
        for (QTimer* timer : window->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
            if (!timer->isActive())
                continue;
            g_ticking = timer;
            QTimerEvent tick(timer->timerId());
            QCoreApplication::sendEvent(timer, &tick);
            g_ticking = nullptr;
            return true;
        }
        return false;
    }

    QString problem() {
        if (fx_.app().hasEnded())
            return {};
        const QList<QWidget*> shown = shownWindows();
        if (shown.size() != 1 || shownBoxes() > 1) {
            QStringList titles;
            for (const QWidget* window : shown)
                titles.append(window->windowTitle());
            return QStringLiteral("%1 windows and %2 boxes show: %3")
                .arg(shown.size())
                .arg(shownBoxes())
                .arg(titles.join(", "));
        }
        static const QRegularExpression wholeNumber(QStringLiteral("^ ?\\d+$"));
        if (!wholeNumber.match(fx_.points()).hasMatch())
            return QStringLiteral("the points total reads \"%1\"").arg(fx_.points());
        if (!shown.first()->isEnabled())
            return QStringLiteral("\"%1\" takes no input").arg(shown.first()->windowTitle());
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!qobject_cast<MoxWindow*>(window) || window->isVisible())
                continue;
            for (const QTimer* timer : window->findChildren<QTimer*>()) {
                if (timer->isActive())
                    return QStringLiteral("a timer runs in the hidden \"%1\"")
                        .arg(window->windowTitle());
            }
        }
        return {};
    }

    bool fail(const QString& what) {
        report_ = QStringLiteral("MOXABC_MONKEY_SEED=%1, event %2: %3\nthe last events:\n  %4")
                      .arg(seed_)
                      .arg(events_)
                      .arg(what, QStringList(recent_.begin(), recent_.end()).join("\n  "));
        return false;
    }

    Fixture& fx_;
    MonkeyDialogs& dialogs_;
    std::uint64_t seed_;
    bool kiosk_;
    int events_ = 0;
    std::deque<QString> recent_;
    QString report_;
    QTimer popupWatch_;
    QString popup_;
};

std::uint64_t seedOfRun() {
    bool given = false;
    const auto seed = qEnvironmentVariable("MOXABC_MONKEY_SEED").toULongLong(&given);
    return given ? seed : 20261208;
}

// The events of the whole run: each window gets a share, the main window two at home and two
// in kiosk use.
int eventsPerShare() {
    const int total = qEnvironmentVariableIntValue("MOXABC_MONKEY_EVENTS");
    return (total > 0 ? total : 36000) / (static_cast<int>(kWindows.size()) + 4);
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void eachWindow_data();
    void eachWindow();
    void throughTheMainWindow_data();
    void throughTheMainWindow();
    void cleanupTestCase();

private:
    // Runs events on a started program; opens again the window of the entry when the child
    // left it.
    void run(int events, const Entry* entry, bool kiosk = false);

    TimerHold timerHold_;
    std::uint64_t seed_ = seedOfRun();
    int events_ = 0;
    QElapsedTimer clock_;
};

void MonkeyTest::initTestCase() {
    QApplication::instance()->installEventFilter(&timerHold_);
    g_testLog = qInstallMessageHandler(quietLog);
    clock_.start();
}

void MonkeyTest::eachWindow_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < kWindows.size(); ++i)
        QTest::newRow(qPrintable(kWindows.at(i).title)) << i;
}

void MonkeyTest::eachWindow() {
    QFETCH(int, index);
    run(eventsPerShare(), &kWindows.at(index));
}

void MonkeyTest::throughTheMainWindow_data() {
    QTest::addColumn<bool>("kiosk");
    QTest::newRow("at home") << false;
    QTest::newRow("kiosk use") << true;
}

void MonkeyTest::throughTheMainWindow() {
    QFETCH(bool, kiosk);
    run(2 * eventsPerShare(), nullptr, kiosk);
}

void MonkeyTest::run(int events, const Entry* entry, bool kiosk) {
    // Each run a seed of its own, so that a failure repeats in its own run.
    const auto row = entry ? entry - kWindows.data() + 1 : kiosk ? kWindows.size() + 1 : 0;
    const std::uint64_t seed = seed_ + static_cast<std::uint64_t>(row);
    MonkeyDialogs dialogs;
    dialogs.random.seed(seed);
    Fixture fx(seed);
    fx.useDialogs(dialogs);
    fx.writeFile(
        QStringLiteral("MOXABC.TXT"),
        wordListBytes({{"Apfel", 3}, {"Zebra", 40}, {"Öl", 22}, {"Maus", 20}, {"Ball", 5}}));
    if (kiosk)
        fx.writeProgramSettings(QStringLiteral("system"), "[Klasse]\nKiosk=true\n");
    fx.start();
    Monkey monkey(fx, dialogs, seed_, kiosk);
    for (int i = 0; i < events; ++i) {
        if (entry && fx.main().isVisible()) {
            entry->open(fx, dialogs);
            QCOMPARE(shownWindows().value(0)->windowTitle(), entry->title);
        }
        QVERIFY2(monkey.step(), qPrintable(monkey.report()));
        if (i % 250 == 249)
            QVERIFY2(monkey.leave(), qPrintable(monkey.report()));
    }
    QVERIFY2(monkey.leave(), qPrintable(monkey.report()));
    events_ += monkey.events();
}

void MonkeyTest::cleanupTestCase() {
    const double seconds = clock_.elapsed() / 1000.0;
    qInfo("%d events in %.1f s, %.0f a second, seed %llu", events_, seconds, events_ / seconds,
          static_cast<unsigned long long>(seed_));
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
