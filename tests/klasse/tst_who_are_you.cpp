#include "app/child_band.h"
#include "app/speech_switch.h"
#include "fixture.h"
#include "klasse/class_room.h"
#include "klasse/class_session.h"
#include "klasse/klasse_window.h"
#include "klasse/pictures.h"
#include "klasse/who_are_you_window.h"

#include <QCheckBox>

namespace {
// The class, each child with the first picture still free; the teacher's password "Eule 7".
QByteArray classBytes(const QStringList& names, bool speech = true) {
    ClassList list;
    for (const QString& name : names)
        list.add(name);
    list.setPasswordHash(Password::hash("Eule 7"));
    list.setSpeechOn(speech);
    return list.toBytes();
}

void choose(Fixture& fx, const QString& name) {
    for (PictureButton* picture : fx.window<WhoAreYouWindow>().pictures) {
        if (picture->accessibleName() == name)
            return Fixture::click(picture);
    }
    QFAIL(qPrintable(name));
}

// As a window does when a task ends: the points on the total, the task in the record.
void finishTask(Fixture& fx, double points) {
    TaskRecord task;
    task.exercise = "ABC-Reihe";
    task.points = points;
    fx.app().recordTask(task);
    fx.app().addPoints(points);
}
} // namespace

// Every child finds themself by their picture, keeps their points and hands over to the next.
class WhoAreYouTest : public QObject {
    Q_OBJECT
private slots:
    void childChoosesThemself_data();
    void childChoosesThemself();
    void pointsKeptPerChild();
    void speechIsTheTeachers_data();
    void speechIsTheTeachers();
    void onlyTheTeacherEnds_data();
    void onlyTheTeacherEnds();
};

void WhoAreYouTest::childChoosesThemself_data() {
    QTest::addColumn<QStringList>("steps"); // keys, "click N" or "touch N"
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("said");
    // Ten children (Ali … Jan) in two rows of five, in the class list's order.
    QTest::newRow("click") << QStringList{"click 2"} << "Cem" << QStringList{"Cem"};
    QTest::newRow("touch") << QStringList{"touch 7"} << "Hanna" << QStringList{"Hanna"};
    QTest::newRow("arrows, Return") << QStringList{"Right", "Down", "Left", "Return"} << "Finn"
                                    << QStringList{"Ben", "Gül", "Finn"};
    QTest::newRow("Tab, Space") << QStringList{"Tab", "Tab", "Space"} << "Cem"
                                << QStringList{"Ben", "Cem"};
    QTest::newRow("no row above or below") << QStringList{"Up", "Down", "Down", "Right", "Return"}
                                           << "Gül" << QStringList{"Finn", "Gül"};
    QTest::newRow("a short last row")
        << QStringList{"Right", "Right", "Down", "Down", "Right", "Right", "Right", "Return"}
        << "Jan" << QStringList{"Ben", "Cem", "Hanna", "Ida", "Jan"};
}

void WhoAreYouTest::childChoosesThemself() {
    QFETCH(QStringList, steps);
    QFETCH(QString, chosen);
    QFETCH(QStringList, said);
    Fixture fx;
    const QStringList children{"Ali",  "Ben", "Cem",   "Dora", "Ela",
                               "Finn", "Gül", "Hanna", "Ida",  "Jan"};
    fx.writeFile("KLASSE.TXT", classBytes(children));
    fx.start();
    WhoAreYouWindow& who = fx.window<WhoAreYouWindow>();
    QVERIFY(who.isVisible() && !fx.main().isVisible());
    QCOMPARE(who.windowTitle(), "Wer bist du?");
    QCOMPARE(who.columns(), 5);
    for (qsizetype i = 0; i < children.size(); ++i) {
        QCOMPARE(who.pictures[i]->accessibleName() + who.names[i]->text(),
                 children[i] + children[i]);
        QCOMPARE(who.pictures[i]->iconPath(), ":/kinder/" + childPictures()[i].key + ".svg");
    }
    QCOMPARE(fx.speech.said.join(" | "), "Wer bist du?");
    fx.speech.said.clear();
    for (const QString& step : steps) {
        QWidget* picture = who.pictures.value(step.section(' ', 1).toInt());
        const QPoint spot = picture->mapTo(&who, picture->rect().center());
        if (step.startsWith("click "))
            Fixture::click(picture);
        else if (step.startsWith("touch ")) {
            QTest::touchEvent(&who, Fixture::touchScreen()).press(0, spot);
            QTest::touchEvent(&who, Fixture::touchScreen()).release(0, spot);
        } else
            QTest::keyClick(who.focusWidget(), QKeySequence(step)[0].key());
        Fixture::settle();
    }
    QCOMPARE(fx.speech.said.join(" | "), said.join(" | "));
    QVERIFY(!who.isVisible() && fx.main().isVisible());
    const ChildBand& band = *fx.main().childBand();
    QCOMPARE(band.name()->text() + band.name()->accessibleName(), chosen + chosen);
    QVERIFY(!band.picture()->pixmap().isNull() && band.handOverButton()->isVisible());
    QCOMPARE(band.handOverButton()->accessibleName(), "Anderes Kind");
    VERIFY_DIALOGS(fx);
}

// Points go with the child, also to the next start of the program; a reward taken stays taken.
void WhoAreYouTest::pointsKeptPerChild() {
    Fixture fx;
    fx.writeFile("KLASSE.TXT", classBytes({"Ali", "Ben"}));
    fx.start();
    choose(fx, "Ali");
    for (const double points : {4.0, 4.0, 4.0, -1.0})
        finishTask(fx, points);
    const ChildBand& band = *fx.main().childBand();
    Fixture::click(band.handOverButton());
    QVERIFY(fx.window<WhoAreYouWindow>().isVisible() && !fx.main().isVisible());
    QCOMPARE(fx.points(), "0");
    choose(fx, "Ben");
    QCOMPARE(fx.points(), "0");
    QCOMPARE(band.name()->text(), "Ben");
    finishTask(fx, 2);
    Fixture::click(band.handOverButton());
    choose(fx, "Ali");
    QCOMPARE(fx.points(), "11");
    Fixture::click(fx.main().Bild13);
    QCOMPARE(fx.points(), "1");
    const TaskRecord reward = fx.app().classRoom().records().read(1).tasks.last();
    QCOMPARE(reward.exercise, "Belohnung");
    QCOMPARE(reward.points, -10.0);
    QVERIFY(reward.task == "Memory" || reward.task == "Fangspiel");
    for (const auto& [name, points] : {std::pair("Ali", "1"), std::pair("Ben", "2")}) {
        fx.start();
        choose(fx, name);
        QCOMPARE(fx.points(), points);
    }
    VERIFY_DIALOGS(fx);
}

void WhoAreYouTest::speechIsTheTeachers_data() {
    QTest::addColumn<QByteArray>("classFile");
    QTest::addColumn<QByteArray>("system");
    QTest::addColumn<bool>("on");
    QTest::addColumn<bool>("teacherMay");
    QTest::newRow("no class: the child's switch") << QByteArray() << QByteArray() << false << true;
    QTest::newRow("class: not the child's choice")
        << classBytes({"Ali"}) << QByteArray() << true << true;
    QTest::newRow("class: the teacher's choice")
        << classBytes({"Ali"}, false) << QByteArray() << false << true;
    QTest::newRow("class: the administrator's choice")
        << classBytes({"Ali"}) << QByteArray("[Klasse]\nVorlesen=nein\n") << false << false;
}

void WhoAreYouTest::speechIsTheTeachers() {
    QFETCH(QByteArray, classFile);
    QFETCH(QByteArray, system);
    QFETCH(bool, on);
    QFETCH(bool, teacherMay);
    Fixture fx;
    fx.writeProgramSettings("user", "Vorlesen=false\n");
    fx.writeProgramSettings("system", system);
    if (!classFile.isEmpty())
        fx.writeFile("KLASSE.TXT", classFile);
    fx.start();
    QCOMPARE(fx.speech.isOn(), on);
    if (!classFile.isEmpty())
        choose(fx, "Ali");
    QCOMPARE(fx.main().speechSwitch()->button()->isVisible(), classFile.isEmpty());
    const PictureButton* handOver = fx.main().childBand()->handOverButton();
    QCOMPARE(handOver && handOver->isVisible(), !classFile.isEmpty());
    if (classFile.isEmpty())
        return;
    fx.dialogs.expectInput("Erst das Passwort eingeben:", "Passwort", QString(), "Eule 7");
    Fixture::key(&fx.main(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    QCheckBox* box = fx.window<KlasseWindow>().speechBox;
    QCOMPARE(box->text(), "Vorlesen");
    QCOMPARE(box->isChecked(), on);
    QCOMPARE(box->isEnabled(), teacherMay);
    Fixture::key(box, Qt::Key_Space);
    QCOMPARE(fx.speech.isOn(), on != teacherMay);
    QCOMPARE(readClassList(fx.path() + "/KLASSE.TXT").list.speechOn(), !teacherMay || !on);
    VERIFY_DIALOGS(fx);
}

void WhoAreYouTest::onlyTheTeacherEnds_data() {
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<bool>("fromWho"); // closing "Wer bist du?", else "Ende"
    QTest::addColumn<QString>("typed");
    QTest::newRow("kiosk: the points") << true << false << "0";
    QTest::newRow("kiosk: the teacher") << true << false << "Eule 7";
    QTest::newRow("kiosk: closing, a child") << true << true << "0";
    QTest::newRow("no kiosk: closing") << false << true << QString();
}

// In kiosk use handing over is a child's only way out; ending needs the teacher's password.
void WhoAreYouTest::onlyTheTeacherEnds() {
    QFETCH(bool, kiosk);
    QFETCH(bool, fromWho);
    QFETCH(QString, typed);
    const bool ends = typed != "0";
    Fixture fx;
    fx.writeProgramSettings("system", kiosk ? "[Klasse]\nKiosk=true\n" : "");
    fx.writeFile("KLASSE.TXT", classBytes({"Ali"}));
    fx.start();
    if (!fromWho)
        choose(fx, "Ali");
    if (kiosk)
        fx.dialogs.expectInput("Erst das Passwort eingeben:", "Passwort", QString(), typed);
    if (ends)
        fx.dialogs.expectMessage("Dieses Programm jetzt beenden?\r", "M O X - A B C",
                                 MsgBox::YesNoQuestion, MsgBox::Yes);
    fromWho ? void(fx.window<WhoAreYouWindow>().close()) : Fixture::click(fx.main().Bild2);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.app().hasEnded(), ends);
    QCOMPARE(fx.window<WhoAreYouWindow>().isVisible(), fromWho && !ends);
}

QTEST_MAIN(WhoAreYouTest)
#include "tst_who_are_you.moc"
