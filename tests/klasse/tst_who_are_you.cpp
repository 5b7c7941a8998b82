#include "app/child_band.h"
#include "app/speech_switch.h"
#include "fixture.h"
#include "klasse/class_room.h"
#include "klasse/klasse_window.h"
#include "klasse/pictures.h"
#include "klasse/who_are_you_window.h"

#include <QCheckBox>

namespace {
// The class, each child with the first picture still free; the teacher's password "Eule 7".
QByteArray classBytes(const QStringList& names) {
    ClassList list;
    for (const QString& name : names)
        list.add(name);
    list.setPasswordHash(Password::hash("Eule 7"));
    return list.toBytes();
}

// The class list is in ABC order, so the n-th picture is the n-th name.
void choose(Fixture& fx, int child) {
    Fixture::click(fx.window<WhoAreYouWindow>().pictures.value(child));
}
} // namespace

// Every child finds themself by their picture, keeps their points and hands over to the next.
class WhoAreYouTest : public QObject {
    Q_OBJECT
private slots:
    void childChoosesThemself_data();
    void childChoosesThemself();
    void pointsKeptPerChild();
    void classUseIsTheTeachers_data();
    void classUseIsTheTeachers();
};

void WhoAreYouTest::childChoosesThemself_data() {
    QTest::addColumn<QString>("steps"); // keys, or the number of a picture clicked
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QString>("chosen");
    // Ten children (Ali … Jan) in two rows of five, in the class list's order.
    QTest::newRow("click") << "2" << QStringList{"Cem"} << "Cem";
    QTest::newRow("keys") << "Right Down Left Space" << QStringList{"Ben", "Gül", "Finn"} << "Finn";
    QTest::newRow("Tab, Return") << "Tab Tab Return" << QStringList{"Ben", "Cem"} << "Cem";
    QTest::newRow("edges stop") << "Up Right Right Down Down Right Right Right Return"
                                << QStringList{"Ben", "Cem", "Hanna", "Ida", "Jan"} << "Jan";
}

void WhoAreYouTest::childChoosesThemself() {
    QFETCH(QString, steps);
    QFETCH(QStringList, said);
    QFETCH(QString, chosen);
    Fixture fx;
    const QStringList children{"Ali",  "Ben", "Cem",   "Dora", "Ela",
                               "Finn", "Gül", "Hanna", "Ida",  "Jan"};
    fx.writeFile("KLASSE.TXT", classBytes(children));
    fx.start();
    WhoAreYouWindow& who = fx.window<WhoAreYouWindow>();
    QVERIFY(who.isVisible() && !fx.main().isVisible());
    QCOMPARE(who.windowTitle(), "Wer bist du?");
    QCOMPARE(who.columns(), 5);
    for (qsizetype i = 0; i < children.size(); ++i)
        QCOMPARE(who.pictures[i]->accessibleName() + who.names[i]->text() +
                     who.pictures[i]->iconPath(),
                 children[i] + children[i] + ":/kinder/" + childPictures()[i].key + ".svg");
    for (const QString& step : steps.split(' ')) {
        bool number = false;
        if (const int picture = step.toInt(&number); number)
            Fixture::click(who.pictures.value(picture));
        else
            Fixture::key(who.focusWidget(), QKeySequence(step)[0].key());
    }
    QCOMPARE(fx.speech.said, QStringList{"Wer bist du?"} + said);
    QVERIFY(!who.isVisible() && fx.main().isVisible());
    const ChildBand& band = *fx.main().childBand();
    QCOMPARE(band.name()->text() + band.name()->accessibleName() +
                 band.handOverButton()->accessibleName(),
             chosen + chosen + "Anderes Kind");
    QVERIFY(!band.picture()->pixmap().isNull() && band.handOverButton()->isVisible());
    VERIFY_DIALOGS(fx);
}

// Points go with the child, also to the next start of the program; a reward taken stays taken.
void WhoAreYouTest::pointsKeptPerChild() {
    Fixture fx;
    fx.writeFile("KLASSE.TXT", classBytes({"Ali", "Ben"}));
    fx.start();
    // As a window does when a task ends: the points on the total, the task in the record.
    const auto finishTask = [&fx](double points) {
        TaskRecord task;
        task.points = points;
        fx.app().recordTask(task);
        fx.app().addPoints(points);
    };
    for (const auto& [name, before, points] :
         {std::tuple("Ali", "0", 4), std::tuple("Ben", "0", 2), std::tuple("Ali", "4", 4)}) {
        choose(fx, name == QString("Ben"));
        QCOMPARE(fx.main().childBand()->name()->text() + fx.points(), name + QString(before));
        finishTask(points);
        Fixture::click(fx.main().childBand()->handOverButton());
        QVERIFY(fx.window<WhoAreYouWindow>().isVisible() && fx.points() == "0");
    }
    choose(fx, 0);
    finishTask(3);
    Fixture::click(fx.main().Bild13);
    QCOMPARE(fx.points(), "1");
    const TaskRecord reward = fx.app().classRoom().records().read(1).tasks.last();
    QCOMPARE(reward.exercise + QString::number(reward.points), "Belohnung-10");
    for (const auto& [child, points] : {std::pair(0, "1"), std::pair(1, "2")}) {
        fx.start();
        choose(fx, child);
        QCOMPARE(fx.points(), points);
    }
    VERIFY_DIALOGS(fx);
}

void WhoAreYouTest::classUseIsTheTeachers_data() {
    QTest::addColumn<QByteArray>("system");
    QTest::addColumn<bool>("on");
    QTest::newRow("the teacher's") << QByteArray() << true;
    QTest::newRow("the administrator's") << QByteArray("Vorlesen=nein\n") << false;
}

// In class use reading aloud is the teacher's, not a child's; in kiosk use handing over is a
// child's only way out, and ending needs the teacher's password.
void WhoAreYouTest::classUseIsTheTeachers() {
    QFETCH(QByteArray, system);
    QFETCH(bool, on);
    Fixture fx;
    fx.writeProgramSettings("user", "Vorlesen=false\n");
    fx.writeProgramSettings("system", "[Klasse]\nKiosk=true\n" + system);
    fx.writeFile("KLASSE.TXT", classBytes({"Ali"}));
    fx.start();
    QCOMPARE(fx.speech.isOn(), on);
    const auto password = [&fx](const QString& typed) {
        fx.dialogs.expectInput("Erst das Passwort eingeben:", "Passwort", QString(), typed);
    };
    password("0");
    fx.window<WhoAreYouWindow>().close();
    QVERIFY(fx.window<WhoAreYouWindow>().isVisible());
    choose(fx, 0);
    QVERIFY(!fx.main().speechSwitch()->button()->isVisible());
    password("Eule 7");
    Fixture::key(&fx.main(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    QCheckBox* box = fx.window<KlasseWindow>().speechBox;
    QVERIFY(box->isChecked() == on && box->isEnabled() == on);
    Fixture::key(box, Qt::Key_Space);
    const bool written = readClassList(fx.path() + "/KLASSE.TXT").list.speechOn();
    QVERIFY(!fx.speech.isOn() && written != on);
    Fixture::key(&fx.window<KlasseWindow>(), Qt::Key_Escape);
    password("0");
    Fixture::click(fx.main().Bild2);
    QVERIFY(fx.main().isVisible() && !fx.app().hasEnded());
    password("Eule 7");
    fx.dialogs.expectMessage("Dieses Programm jetzt beenden?\r", "M O X - A B C",
                             MsgBox::YesNoQuestion, MsgBox::Yes);
    Fixture::click(fx.main().Bild2);
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.app().hasEnded());
}

QTEST_MAIN(WhoAreYouTest)
#include "tst_who_are_you.moc"
