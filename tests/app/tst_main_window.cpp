#include "app/moxlabel.h"
#include "exercises/woerterbuch.h"
#include "fixture.h"
#include "platform/controls.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
const QString kTitle = QStringLiteral("M O X - A B C");
const QString kEndQuestion = QStringLiteral("Dieses Programm jetzt beenden?\r");
const QString kPrintPrompt = QStringLiteral("Erst das Passwort eingeben:");
const QString kThresholdPassword = QStringLiteral("Erst Passwort eingeben:");
const QString kNoWordList = QStringLiteral("Erst ein Wörterbuch auswählen!\r");
const QString kGamesTitle = QStringLiteral("B e l o h n u n g s s p i e l e");
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithZeroPointsCentred();
    void picturesCarryTheirNames();
    void pointsConvention();
    void printPasswordIsPointsCaptionExactly_data();
    void printPasswordIsPointsCaptionExactly();
    void printAfterDictionaryNeedsLeadingBlank();
    void helpAndEditMessages();
    void endAnsweredNoChangesNothing();
    void endAnsweredYesEndsProgram();
    void closingMainWindowAsksFirst();
    void gamesRefuseBelowThreshold();
    void dictionaryWithoutFileRefuses();
    void dictionaryWithoutUsableListRefuses_data();
    void dictionaryWithoutUsableListRefuses();
    void wordEntriesRefuseTooLargeList_data();
    void wordEntriesRefuseTooLargeList();
    void infoOpensAndReturns();
    void closingAnotherWindowReturnsToMain();
    void teacherPicturesHiddenButReachable();
    void teacherShortcutsAskForPassword();
};

void MainWindowTest::startsWithZeroPointsCentred() {
    Fixture fx;
    fx.start();
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), QStringLiteral("0"));
    QCOMPARE(fx.main().windowTitle(), kTitle);
    QVERIFY(fx.main().isVisible());
    QCOMPARE(fx.main().Bezeichnung2->text(), QStringLiteral("P u n k t e"));
    QVERIFY(!fx.main().Bezeichnung3->isVisible());
    const QRect screen = fx.main().screen()->availableGeometry();
    const QRect frame = fx.main().frameGeometry();
    QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 2);
}

void MainWindowTest::picturesCarryTheirNames() {
    Fixture fx;
    fx.start();
    Form0& main = fx.main();
    const QList<QPair<PictureButton*, QString>> names = {{main.Bild2, "Ende"},
                                                         {main.Bild3, "Info"},
                                                         {main.Bild4, "Hilfe"},
                                                         {main.Bild18, "Edit"},
                                                         {main.Bild13, "Spiele"},
                                                         {main.Bild12, "Druck"},
                                                         {main.Bild14, "Punkte"},
                                                         {main.Bild19, "Wörter"},
                                                         {main.Bild5, "ABC-Wortsuche"},
                                                         {main.Bild6, "ABC-Folgen"},
                                                         {main.Bild7, "ABC-Bilder"},
                                                         {main.Bild8, "ABC-Lücken"},
                                                         {main.Bild9, "Wörterbuch"},
                                                         {main.Bild10, "ABC-Reihe"},
                                                         {main.Bild11, "Buchstabensuche"},
                                                         {main.Bild15, "ABC-Fehlersuche"},
                                                         {main.Bild16, "Galgenspiel"},
                                                         {main.Bild17, "ABC-Laute"}};
    QSet<QString> icons;
    for (const auto& [picture, name] : names) {
        QCOMPARE(picture->accessibleName(), name);
        QVERIFY2(picture->toolTip().startsWith(name), qPrintable(picture->toolTip()));
        QVERIFY2(QFile::exists(picture->iconPath()), qPrintable(picture->iconPath()));
        icons.insert(picture->iconPath());
    }
    QCOMPARE(icons.size(), names.size());
    QVERIFY(QFile::exists(QStringLiteral(":/title.svg")));
}

void MainWindowTest::pointsConvention() {
    Fixture fx;
    fx.start();
    fx.app().addPoints(5);
    QCOMPARE(fx.points(), QStringLiteral("5"));
    fx.setPoints(QStringLiteral(" 12"));
    fx.app().addPoints(1);
    QCOMPARE(fx.points(), QStringLiteral("13"));
    fx.app().addPoints(-14);
    QCOMPARE(fx.points(), QStringLiteral("-1"));
    fx.app().addPoints(3, PointsForm::LeadingBlank);
    QCOMPARE(fx.points(), QStringLiteral(" 2"));
    fx.setPoints(QStringLiteral("2.5"));
    fx.app().addPoints(1);
    QCOMPARE(fx.points(), QStringLiteral("3.5"));
}

void MainWindowTest::printPasswordIsPointsCaptionExactly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("points as shown") << "12" << true;
    QTest::newRow("leading blank") << " 12" << false;
    QTest::newRow("leading zero") << "012" << false;
    QTest::newRow("cancel") << "" << false;
}

void MainWindowTest::printPasswordIsPointsCaptionExactly() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    Fixture fx; // no word list, so a right password leads to the word-list message
    fx.start();
    fx.setPoints(QStringLiteral("12"));
    fx.dialogs.expectInput(kPrintPrompt, QStringLiteral("Passwort"), QString(), typed);
    if (accepted)
        fx.dialogs.expectMessage(kNoWordList, QStringLiteral("ABC drucken ..."), MsgBox::OkOnly);
    Fixture::click(fx.main().Bild12);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), QStringLiteral("12"));
}

void MainWindowTest::printAfterDictionaryNeedsLeadingBlank() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral(" 12"));
    fx.dialogs.expectInput(kPrintPrompt, QStringLiteral("Passwort"), QString(),
                           QStringLiteral("12"));
    fx.dialogs.expectInput(kPrintPrompt, QStringLiteral("Passwort"), QString(),
                           QStringLiteral(" 12"));
    fx.dialogs.expectMessage(kNoWordList, QStringLiteral("ABC drucken ..."), MsgBox::OkOnly);
    Fixture::click(fx.main().Bild12);
    Fixture::click(fx.main().Bild12);
    VERIFY_DIALOGS(fx);
}

void MainWindowTest::helpAndEditMessages() {
    Fixture fx;
    fx.start();
    const QString help = QStringLiteral("Mit diesem Programm kannst du\rdas ABC trainieren. Wähle "
                                        "dazu\rÜbungen aus dem rechten Menü.\r");
    const QString edit =
        QStringLiteral("Die Wörterbuchliste hat den Dateinamen MOXABC.TXT\r\n"
                       "und zeigt paarweise das Suchwort und die Seitenzahl\r\n"
                       "aus dem verwendeten Wörterbuch. Die Datei muss im\r\n"
                       "Programmordner stehen, sonst wird sie nicht erfasst.\r\n"
                       "Als Beispiel finden Sie eine MOXABC.TXT im Ordner.\r\n"
                       "Die Datei lässt sich einfach editieren und neu sichern.\r\n");
    fx.dialogs.expectMessage(help, QStringLiteral("H i l f e"), MsgBox::OkOnly);
    fx.dialogs.expectMessage(help, QStringLiteral("H i l f e"), MsgBox::OkOnly);
    fx.dialogs.expectMessage(edit, QStringLiteral("Wörterbuch editieren"), MsgBox::OkOnly);
    fx.dialogs.expectMessage(edit, QStringLiteral("Wörterbuch editieren"), MsgBox::OkOnly);
    Fixture::click(fx.main().Bild4);
    Fixture::click(fx.main().Bezeichnung5);
    Fixture::click(fx.main().Bild18);
    Fixture::click(fx.main().Bezeichnung10);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.main().Bezeichnung5->text(), QStringLiteral(" Hilfe"));
    QCOMPARE(fx.main().Bezeichnung10->text(), QStringLiteral("Edit"));
}

void MainWindowTest::endAnsweredNoChangesNothing() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("7"));
    fx.dialogs.expectMessage(kEndQuestion, kTitle, MsgBox::YesNoQuestion, MsgBox::No);
    fx.dialogs.expectMessage(kEndQuestion, kTitle, MsgBox::YesNoQuestion, MsgBox::No);
    Fixture::click(fx.main().Bild2);
    Fixture::click(fx.main().Bezeichnung4);
    VERIFY_DIALOGS(fx);
    QVERIFY(!fx.app().hasEnded());
    QVERIFY(fx.main().isVisible());
    QCOMPARE(fx.points(), QStringLiteral("7"));
}

void MainWindowTest::endAnsweredYesEndsProgram() {
    Fixture fx;
    fx.start();
    fx.dialogs.expectMessage(kEndQuestion, kTitle, MsgBox::YesNoQuestion, MsgBox::Yes);
    Fixture::click(fx.main().Bezeichnung4);
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.app().hasEnded());
    QVERIFY(!fx.main().isVisible());
}

void MainWindowTest::closingMainWindowAsksFirst() {
    Fixture fx;
    fx.start();
    fx.dialogs.expectMessage(kEndQuestion, kTitle, MsgBox::YesNoQuestion, MsgBox::No);
    QVERIFY(!fx.main().close());
    QVERIFY(fx.main().isVisible());
    fx.dialogs.expectMessage(kEndQuestion, kTitle, MsgBox::YesNoQuestion, MsgBox::Yes);
    fx.main().close();
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.app().hasEnded());
    QVERIFY(!fx.main().isVisible());
}

void MainWindowTest::gamesRefuseBelowThreshold() {
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.INI"), " 10 \r\n");
    fx.start();
    // After start-up the threshold caption keeps its leading blank: two blanks in the text.
    fx.dialogs.expectMessage(QStringLiteral("Du brauchst mindestens  10 Punkte!\r"), kGamesTitle,
                             MsgBox::OkOnly);
    Fixture::click(fx.main().Bild13);
    fx.setPoints(QStringLiteral("9"));
    fx.dialogs.expectMessage(QStringLiteral("Du brauchst mindestens  10 Punkte!\r"), kGamesTitle,
                             MsgBox::OkOnly);
    Fixture::click(fx.main().Bild13);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), QStringLiteral("9"));
}

void MainWindowTest::dictionaryWithoutFileRefuses() {
    Fixture fx;
    fx.start();
    fx.dialogs.expectMessage(QStringLiteral("Es ist keine Datei vorhanden!"),
                             QStringLiteral("Datei fehlt ..."), MsgBox::OkOnly);
    Fixture::click(fx.main().Bild9);
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.main().isVisible());
    QVERIFY(!fx.window<Form3>().isVisible());
}

void MainWindowTest::dictionaryWithoutUsableListRefuses_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("message");
    const QString tooLarge = QStringLiteral("Die Wörterliste ist zu groß und wird nicht gelesen!\r"
                                            "Erlaubt sind höchstens 100.000 Wörter mit Seitenzahl\r"
                                            "in einer Datei von höchstens 16 MB.\r");
    QTest::newRow("no pairs") << QByteArray("Apfel\r\nBirne\r\n\r\n")
                              << QStringLiteral("In der Wörterliste stehen keine Wörter mit "
                                                "Seitenzahlen!\r");
    QByteArray tooMany;
    for (int i = 0; i <= 100000; ++i)
        tooMany += "Wort\r\n1\r\n";
    QTest::newRow("more than 100 000 pairs") << tooMany << tooLarge;
    QTest::newRow("more than 16 MB")
        << "Apfel\r\n12\r\n" + QByteArray(16 * 1024 * 1024, '\n') << tooLarge;
}

void MainWindowTest::dictionaryWithoutUsableListRefuses() {
    QFETCH(QByteArray, list);
    QFETCH(QString, message);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"), list);
    fx.start();
    fx.dialogs.expectMessage(message, QStringLiteral("Wörterbuch"), MsgBox::OkOnly);
    Fixture::click(fx.main().Bild9);
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.main().isVisible());
    QVERIFY(!fx.window<Form3>().isVisible());
}

void MainWindowTest::infoOpensAndReturns() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("4"));
    Fixture::click(fx.main().Bild3);
    MOXLABEL& info = fx.window<MOXLABEL>();
    QVERIFY(info.isVisible());
    QVERIFY(!fx.main().isVisible());
    QCOMPARE(info.windowTitle(), QStringLiteral("Programm-Info"));
    QCOMPARE(info.Bezeichnung2->text() + info.Bezeichnung3->text() + info.Bezeichnung4->text() +
                 info.Bezeichnung5->text(),
             QStringLiteral("MOX  -  A  B  C"));
    QVERIFY(!info.Bezeichnung6->text().isEmpty());
    QVERIFY(info.Bezeichnung7->text().contains(QLatin1Char('\n')));
    const QPoint firstPlace = info.pos();

    Fixture::click(info.Befehl1);
    QVERIFY(!info.isVisible());
    QVERIFY(fx.main().isVisible());
    Fixture::click(fx.main().Bezeichnung6);
    QVERIFY(info.isVisible());
    QCOMPARE(info.pos(), firstPlace);
    Fixture::click(info.Befehl1);
    QCOMPARE(fx.points(), QStringLiteral("4"));
    VERIFY_DIALOGS(fx);
}

void MainWindowTest::closingAnotherWindowReturnsToMain() {
    Fixture fx;
    fx.start();
    Fixture::click(fx.main().Bild3);
    QVERIFY(!fx.window<MOXLABEL>().close());
    QVERIFY(!fx.window<MOXLABEL>().isVisible());
    QVERIFY(fx.main().isVisible());
    VERIFY_DIALOGS(fx);
}

void MainWindowTest::teacherPicturesHiddenButReachable() {
    Fixture fx;
    fx.start();
    Form0& main = fx.main();
    const int designHeight = Twips::toPixels(6555);
    QCOMPARE(main.height(), designHeight);
    for (QWidget* teacherOnly :
         {static_cast<QWidget*>(main.Bild12), static_cast<QWidget*>(main.Bild14),
          static_cast<QWidget*>(main.Bild19), static_cast<QWidget*>(main.Bezeichnung7),
          static_cast<QWidget*>(main.Bezeichnung8), static_cast<QWidget*>(main.Bezeichnung11)}) {
        QVERIFY(teacherOnly->geometry().top() >= designHeight);
        QVERIFY(teacherOnly->geometry().bottom() < main.maximumHeight());
    }
    QCOMPARE(main.Bezeichnung8->text(), QStringLiteral("Druck"));
    QCOMPARE(main.Bezeichnung7->text(), QStringLiteral("Punkte"));
    QCOMPARE(main.Bezeichnung11->text(), QStringLiteral("Wörter"));
}

void MainWindowTest::teacherShortcutsAskForPassword() {
    Fixture fx;
    fx.start();
    fx.main().activateWindow();
    fx.dialogs.expectInput(kPrintPrompt, QStringLiteral("Passwort"), QString(), QString());
    fx.dialogs.expectInput(kThresholdPassword, QStringLiteral("Passwort"), QString(), QString());
    fx.dialogs.expectInput(kPrintPrompt, QStringLiteral("Passwort"), QString(), QString());
    Fixture::key(&fx.main(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    Fixture::key(&fx.main(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    Fixture::key(&fx.main(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    Fixture::key(&fx.main(), Qt::Key_D);
    VERIFY_DIALOGS(fx);
}

void MainWindowTest::wordEntriesRefuseTooLargeList_data() {
    QTest::addColumn<PictureButton * Form0::*>("entry");
    QTest::addColumn<QString>("title");
    QTest::newRow("Galgenspiel") << &Form0::Bild16 << QStringLiteral("Galgenspiel");
    QTest::newRow("ABC-Laute") << &Form0::Bild17 << QStringLiteral("ABC-Laute");
    QTest::newRow("Druck") << &Form0::Bild12 << QStringLiteral("ABC drucken ...");
}

// A list over the limit is refused whole, with the limits named, by every entry that reads it.
void MainWindowTest::wordEntriesRefuseTooLargeList() {
    QFETCH(PictureButton * Form0::*, entry);
    QFETCH(QString, title);
    Fixture fx;
    fx.writeFile(QStringLiteral("MOXABC.TXT"),
                 "Apfel\r\n12\r\n" + QByteArray(16 * 1024 * 1024, '\n'));
    fx.start();
    if (entry == &Form0::Bild12)
        fx.dialogs.expectInput(kPrintPrompt, QStringLiteral("Passwort"), QString(),
                               QStringLiteral("0"));
    fx.dialogs.expectMessage(wordListTooLargeText(), title, MsgBox::OkOnly);
    Fixture::click(fx.main().*entry);
    VERIFY_DIALOGS(fx);
    QVERIFY(fx.main().isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
