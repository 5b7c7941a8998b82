// A child at the controls: seeded random clicks, double clicks, drags and keys on every window,
// one after another and then through the main window, with every box answered at random.
// After each event the program must still hold together. MOXABC_MONKEY_EVENTS sets the number
// of events of the whole run, MOXABC_MONKEY_SEED the seed.
#include "fixture.h"
#include "games/fang.h"
#include "games/memo.h"
#include "platform/window.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>

#include <random>

namespace {

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

// One tick of the first timer that runs in the window.
bool tick(QWidget* window) {
    const QList<QTimer*> timers = window->findChildren<QTimer*>(Qt::FindDirectChildrenOnly);
    const auto running = std::ranges::find_if(timers, &QTimer::isActive);
    if (running == timers.end())
        return false;
    g_ticking = *running;
    QTimerEvent tick((*running)->timerId());
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

QString describe(const QWidget* widget) {
    if (!widget)
        return QStringLiteral("nothing");
    QString name = widget->accessibleName();
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && name.isEmpty())
        name = label->text().left(20);
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(widget->metaObject()->className()), name);
}

// Every window of the program and how the monkey opens it: by its picture in the main window (a
// teacher's with the password typed right), else directly.
struct Entry {
    QString title;
    PictureButton* Form0::*picture = nullptr;
    bool password = false;
    MoxWindow& (*direct)(Fixture&) = nullptr;
};

template <class W> MoxWindow& direct(Fixture& fx) {
    return fx.window<W>();
}

const QList<Entry> kWindows = {
    {"A B C - Bilder", &Form0::Bild7},
    {"A B C - Folgen", &Form0::Bild6},
    {"A B C - Lücken", &Form0::Bild8},
    {"A B C - Wortsuche", &Form0::Bild5},
    {"A B C - Fehlersuche", &Form0::Bild15},
    {"A B C - Reihe", &Form0::Bild10},
    {"Buchstabensuche", &Form0::Bild11},
    {"A B C - Laute", &Form0::Bild17},
    {"Galgenspiel", &Form0::Bild16},
    {"Wörterbuch", &Form0::Bild9},
    {"Programm-Info", &Form0::Bild3},
    {"A B C - Übung drucken . . .", &Form0::Bild12, true},
    {"Wörterlisten", &Form0::Bild19, true},
    {"Memory", nullptr, false, direct<memo>},
    {"A B C - Fange", nullptr, false, direct<fang>},
};

// Plays the child on a program of its own and answers every box as a child would, at random;
// notes the first thing that does not hold, after an event or while a box shows.
class Monkey final : public Dialogs {
public:
    Monkey(std::uint64_t seed, std::uint64_t row, bool kiosk)
        : seed_(seed)
        , kiosk_(kiosk)
        , random_(seed + row)
        , fx(seed + row) {
        fx.useDialogs(*this);
        fx.writeFile(
            QStringLiteral("MOXABC.TXT"),
            wordListBytes({{"Apfel", 3}, {"Zebra", 40}, {"Öl", 22}, {"Maus", 20}, {"Ball", 5}}));
        if (kiosk)
            fx.writeProgramSettings(QStringLiteral("system"), "[Klasse]\nKiosk=true\n");
        fx.start();
        // A menu or a dialog of the toolkit would wait in a loop of its own: a context menu is a
        // fault unless a text field's, a list that drops down is closed as a click beside it
        // would, a dialog is a box over the window, checked and closed.
        QObject::connect(&popupWatch_, &QTimer::timeout, [this] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                if (popup_.isEmpty() && qobject_cast<QMenu*>(popup) &&
                    !qobject_cast<QLineEdit*>(popup->parentWidget()))
                    popup_ = describe(popup);
                popup->close();
            }
            if (QWidget* box = QApplication::activeModalWidget()) {
                note(box->windowTitle());
                box->close();
            }
        });
        popupWatch_.start(0);
    }

    int msgBox(const QString& prompt, int buttons, const QString& title) override {
        note(title + QStringLiteral(": ") + QString(prompt).replace(u'\r', u' ').left(40));
        if (buttons == MsgBox::OkOnly)
            return MsgBox::Ok;
        if (leaving_ != 0)
            return leaving_;
        static constexpr int kAnswers[] = {MsgBox::Yes, MsgBox::No, MsgBox::Cancel};
        return kAnswers[pick(buttons == MsgBox::YesNoCancelQuestion ? 3 : 2)];
    }
    QString inputBox(const QString&, const QString& title, const QString&) override {
        note(title);
        if (!password.isEmpty())
            return std::exchange(password, QString());
        // Never a whole number for the password: the points total is one.
        static const QStringList passwords{"", "", "abc", "1 2", "Passwort", "0x"};
        static const QStringList typed{"", "0", "5", "10", "30", "100", "150", "abc", " 42", "1e9"};
        const QStringList& answers = title == QStringLiteral("Passwort") ? passwords : typed;
        return answers.at(pick(static_cast<int>(answers.size())));
    }
    void beep() override {}

    // One random event on the window that shows, then the checks; false when something broke.
    bool step() {
        ++events_;
        QWidget* window = shownWindows().value(0);
        if (!window)
            return fail(QStringLiteral("no window shows"));
        const QString event = act(window);
        recent_.append(
            QStringLiteral("#%1 %2 in \"%3\"").arg(events_).arg(event, window->windowTitle()));
        if (recent_.size() > 6)
            recent_.removeFirst();
        Fixture::settle();
        if (fx.app().hasEnded()) {
            if (kiosk_)
                return fail(QStringLiteral("a child ended the program in kiosk use"));
            if (!shownWindows().isEmpty())
                return fail(QStringLiteral("a window stays open after the end"));
            fx.start();
        }
        if (!popup_.isEmpty())
            return fail(QStringLiteral("a menu opened: ") + popup_);
        const QString wrong = failure_.isEmpty() ? problem() : failure_;
        return wrong.isEmpty() || fail(wrong);
    }

    // Leaves the window that shows as the window manager's close button would: Yes to "Leave
    // the game?", else No to "Save the changes?" when they cannot be saved.
    bool leave() {
        QWidget* window = shownWindows().value(0);
        if (!window || window == &fx.main())
            return true;
        for (const int answer : {MsgBox::Yes, MsgBox::No}) {
            leaving_ = answer;
            window->close();
            Fixture::settle();
            leaving_ = 0;
            if (fx.main().isVisible() && !window->isVisible())
                return true;
        }
        return fail(QStringLiteral("\"%1\" cannot be left").arg(window->windowTitle()));
    }

    QString report;
    QString password; // the answer of the next input box, before random ones

private:
    int pick(int count) { return static_cast<int>(random_() % static_cast<unsigned>(count)); }

    // A box shows now: the checks, and the clock goes on while it waits for an answer.
    void note(const QString& box) {
        if (const QString wrong = failure_.isEmpty() ? problem() : QString(); !wrong.isEmpty())
            failure_ = QStringLiteral("while the box \"%1\" shows: %2").arg(box, wrong);
        if (QWidget* window = shownWindows().value(0); window && pick(3) == 0)
            tick(window);
    }

    QPoint anywhere(const QWidget* window) {
        return {pick(window->width()), pick(window->height())};
    }
    // The middle of a control that shows, in window coordinates.
    QPoint someControl(QWidget* window) {
        QList<QWidget*> controls;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisible() && !child->testAttribute(Qt::WA_TransparentForMouseEvents) &&
                window->rect().contains(child->mapTo(window, child->rect().center())))
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
            const QPoint global = handle->mapToGlobal(at);
            QTest::mouseClick(handle, button, {}, at);
            if (kind < 18)
                return QStringLiteral("click on ") + target;
            // The second press goes to whatever shows there by then, as on a real screen.
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

    QString problem() {
        if (fx.app().hasEnded())
            return {};
        QStringList titles;
        int windows = 0;
        int boxes = 0;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            const bool ours = qobject_cast<const MoxWindow*>(window);
            if (window->isVisible()) {
                titles.append(window->windowTitle());
                windows += ours;
                boxes += window->inherits("QDialog");
            } else if (ours &&
                       std::ranges::any_of(window->findChildren<QTimer*>(), &QTimer::isActive)) {
                return QStringLiteral("a timer runs in the hidden \"%1\"")
                    .arg(window->windowTitle());
            }
        }
        if (windows != 1 || boxes > 1)
            return QStringLiteral("%1 windows and %2 boxes show: %3")
                .arg(windows)
                .arg(boxes)
                .arg(titles.join(", "));
        static const QRegularExpression wholeNumber(QStringLiteral("^ ?\\d+$"));
        if (!wholeNumber.match(fx.points()).hasMatch())
            return QStringLiteral("the points total reads \"%1\"").arg(fx.points());
        if (const QWidget* shown = shownWindows().first(); !shown->isEnabled())
            return QStringLiteral("\"%1\" takes no input").arg(shown->windowTitle());
        return {};
    }

    bool fail(const QString& what) {
        report = QStringLiteral("MOXABC_MONKEY_SEED=%1, event %2: %3\nthe last events:\n  %4")
                     .arg(seed_)
                     .arg(events_)
                     .arg(what, recent_.join("\n  "));
        return false;
    }

    const std::uint64_t seed_;
    const bool kiosk_;
    std::mt19937_64 random_;
    int events_ = 0;
    int leaving_ = 0; // when not 0, the answer to every question, to leave a window
    QString failure_; // the first thing that did not hold while a box showed
    QStringList recent_;
    QTimer popupWatch_;
    QString popup_;

public:
    // Last, so that the program ends while the monkey can still answer its boxes.
    Fixture fx;
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QApplication::instance()->installEventFilter(&timerHold_);
        g_testLog = qInstallMessageHandler(quietLog);
    }
    // Each window in turn, then the whole program through the main window; the events of the
    // run are shared out, two shares to each of the last two rows.
    void eachWindow_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("kiosk");
        for (int i = 0; i < kWindows.size(); ++i)
            QTest::newRow(qPrintable(kWindows.at(i).title)) << i << false;
        QTest::newRow("main window at home") << -1 << false;
        QTest::newRow("main window in kiosk use") << -1 << true;
    }
    void eachWindow() {
        QFETCH(int, index);
        QFETCH(bool, kiosk);
        const int total = qEnvironmentVariableIntValue("MOXABC_MONKEY_EVENTS");
        const int events = (total > 0 ? total : 36000) / (static_cast<int>(kWindows.size()) + 4) *
                           (index < 0 ? 2 : 1);
        bool given = false;
        const auto seed = qEnvironmentVariable("MOXABC_MONKEY_SEED").toULongLong(&given);
        // Each row a seed of its own, so that a failure repeats in its own row.
        const auto row = index >= 0 ? index + 1 : kiosk ? kWindows.size() + 1 : 0;
        Monkey monkey(given ? seed : 20261208, static_cast<std::uint64_t>(row), kiosk);
        const Entry* entry = index >= 0 ? &kWindows.at(index) : nullptr;
        for (int i = 0; i < events; ++i) {
            // The child left the window: it opens again.
            if (entry && monkey.fx.main().isVisible()) {
                monkey.password = entry->password ? monkey.fx.points() : QString();
                if (entry->picture)
                    Fixture::click(monkey.fx.main().*entry->picture);
                else
                    monkey.fx.app().open(entry->direct(monkey.fx));
                Fixture::settle();
                const QWidget* shown = shownWindows().value(0);
                QCOMPARE(shown ? shown->windowTitle() : QString(), entry->title);
            }
            const bool leave = i % 250 == 249 || i == events - 1;
            QVERIFY2(monkey.step() && (!leave || monkey.leave()), qPrintable(monkey.report));
        }
    }

private:
    TimerHold timerHold_;
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
