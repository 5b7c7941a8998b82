#include "exercises/abc_luecken.h"
#include "fixture.h"
#include "platform/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

namespace {

const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kWrong = QStringLiteral("Fehler, bitte neu eingeben!\r");
const QString kWrongTitle = QStringLiteral("A B C - Lücke");
const QString kReward = QStringLiteral("Prima, du bekommst drei Punkte dazu!\r");
const QString kRewardTitle = QStringLiteral("Belohnung");

Form4& openLuecken(Fixture& fx) {
    Fixture::click(fx.main().Bild8);
    return fx.window<Form4>();
}

// The five characters of the row as the child reads them.
QString rowCharacters(const Form4& form) {
    QString row;
    const QString text = form.Bezeichnung1->text();
    for (int place = 0; place < 5; ++place)
        row += text.at(2 + 3 * place);
    return row;
}

// The letter that belongs in the gap, worked out from its neighbours as a child would.
QChar missingLetter(const Form4& form) {
    const QString row = rowCharacters(form);
    const auto gap = row.indexOf(u'_');
    return gap > 0 ? QChar(row.at(gap - 1).unicode() + 1) : QChar(row.at(1).unicode() - 1);
}

Qt::Key keyFor(QChar letter) {
    return Qt::Key(Qt::Key_A + (letter.unicode() - u'A'));
}

void answerRight(Form4& form, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Fixture::key(&form, keyFor(missingLetter(form)), modifiers);
}

Qt::Key wrongKey(const Form4& form) {
    return keyFor(missingLetter(form) == u'A' ? QChar(u'Z') : QChar(u'A'));
}

} // namespace

class AbcLueckenTest : public QObject {
    Q_OBJECT
private slots:
    void openingDealsRowAndStartsCount();
    void rowsStayWithinTheAlphabet();
    void rightLetterCounts_data();
    void rightLetterCounts();
    void rewardFromTwentiethAnswer();
    void wrongLetterKeepsEverything_data();
    void wrongLetterKeepsEverything();
    void otherKeysAreIgnored_data();
    void otherKeysAreIgnored();
    void leavingAndReopeningStartsCountAgain_data();
    void leavingAndReopeningStartsCountAgain();
};

void AbcLueckenTest::openingDealsRowAndStartsCount() {
    Fixture fx;
    fx.start();
    Form4& form = openLuecken(fx);
    QVERIFY(form.isVisible());
    QVERIFY(!fx.main().isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("A B C - Lücken"));
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("0"));
    QCOMPARE(form.Bezeichnung1->text(), fx.app().shared().letterRow);
    QCOMPARE(form.Bezeichnung3->text(), QString(missingLetter(form)));
    QCOMPARE(form.Picture1->accessibleName(), QStringLiteral("Zurück"));
    QCOMPARE(form.Picture1->toolTip(), QStringLiteral("Zurück"));
    QCOMPARE(form.Picture1->iconPath(), QStringLiteral(":/icons/zurueck.svg"));
    // The window frame is only known once the window is shown; it may shift it a little.
    const QRect screen = form.screen()->availableGeometry();
    const QRect frame = form.frameGeometry();
    QVERIFY(qAbs(frame.left() - screen.left() - (screen.width() - frame.width()) / 2) <= 4);
    QVERIFY(qAbs(frame.top() - screen.top() - (screen.height() - frame.height()) / 4) <= 4);
    VERIFY_DIALOGS(fx);
}

// Every row: 17 characters, blanks between, one gap whose letter completes five consecutive
// letters; over many rows every start from A to V and every place of the gap occurs.
void AbcLueckenTest::rowsStayWithinTheAlphabet() {
    Fixture fx;
    fx.start();
    QSet<QChar> firstLetters;
    QSet<qsizetype> gaps;
    for (int opening = 0; opening < 15; ++opening) {
        Form4& form = openLuecken(fx);
        for (int answer = 0; answer < 19; ++answer) {
            const QString text = form.Bezeichnung1->text();
            QCOMPARE(text.size(), 17);
            QCOMPARE(text.count(u'_'), 1);
            QCOMPARE(QString(text).remove(QRegularExpression(QStringLiteral("[A-Z_]"))),
                     QString(12, u' '));
            QString row = rowCharacters(form);
            gaps.insert(row.indexOf(u'_'));
            row.replace(u'_', form.Bezeichnung3->text());
            const auto first = kAlphabet.indexOf(row.at(0));
            QVERIFY2(first >= 0 && kAlphabet.mid(first, 5) == row, qPrintable(text));
            firstLetters.insert(row.at(0));
            answerRight(form);
        }
        Fixture::click(form.Picture1);
    }
    QCOMPARE(firstLetters.size(), 22);
    QVERIFY(firstLetters.contains(u'A'));
    QVERIFY(firstLetters.contains(u'V'));
    QCOMPARE(gaps, (QSet<qsizetype>{0, 1, 2, 3, 4}));
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void AbcLueckenTest::rightLetterCounts_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("toBackPicture");
    QTest::newRow("small letter") << Qt::KeyboardModifiers() << false;
    QTest::newRow("with Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    QTest::newRow("sent to the back picture") << Qt::KeyboardModifiers() << true;
}

void AbcLueckenTest::rightLetterCounts() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, toBackPicture);
    Fixture fx;
    fx.start();
    Form4& form = openLuecken(fx);
    QWidget* receiver = toBackPicture ? static_cast<QWidget*>(form.Picture1) : &form;
    for (int answer = 1; answer <= 3; ++answer) {
        Fixture::key(receiver, keyFor(missingLetter(form)), modifiers);
        QCOMPARE(form.Bezeichnung4->text(), QString::number(answer));
        QCOMPARE(form.Bezeichnung1->text(), fx.app().shared().letterRow);
        QCOMPARE(form.Bezeichnung3->text(), QString(missingLetter(form)));
    }
    QVERIFY(form.isVisible());
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void AbcLueckenTest::rewardFromTwentiethAnswer() {
    Fixture fx;
    fx.start();
    fx.setPoints(QStringLiteral("5"));
    Form4& form = openLuecken(fx);
    for (int answer = 0; answer < 19; ++answer)
        answerRight(form);
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("19"));
    QCOMPARE(fx.points(), QStringLiteral("5"));
    VERIFY_DIALOGS(fx);

    fx.dialogs.expectMessage(kReward, kRewardTitle, MsgBox::OkOnly);
    answerRight(form);
    VERIFY_DIALOGS(fx);
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("20"));
    QCOMPARE(fx.points(), QStringLiteral("8"));

    fx.dialogs.expectMessage(kReward, kRewardTitle, MsgBox::OkOnly);
    answerRight(form, Qt::ShiftModifier);
    VERIFY_DIALOGS(fx);
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("21"));
    QCOMPARE(fx.points(), QStringLiteral("11"));
}

void AbcLueckenTest::wrongLetterKeepsEverything_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("small letter") << Qt::KeyboardModifiers();
    QTest::newRow("with Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
}

void AbcLueckenTest::wrongLetterKeepsEverything() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Fixture fx;
    fx.start();
    Form4& form = openLuecken(fx);
    for (int answer = 0; answer < 3; ++answer)
        answerRight(form);
    fx.setPoints(QStringLiteral("2"));
    const QString row = form.Bezeichnung1->text();
    const QString missing = form.Bezeichnung3->text();

    fx.dialogs.expectMessage(kWrong, kWrongTitle, MsgBox::OkOnly);
    Fixture::key(&form, wrongKey(form), modifiers);
    VERIFY_DIALOGS(fx);
    QCOMPARE(form.Bezeichnung1->text(), row);
    QCOMPARE(form.Bezeichnung3->text(), missing);
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("3"));
    QCOMPARE(fx.points(), QStringLiteral("2"));

    answerRight(form, modifiers);
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("4"));
    QCOMPARE(fx.points(), QStringLiteral("2"));
    VERIFY_DIALOGS(fx);
}

void AbcLueckenTest::otherKeysAreIgnored_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("rightLetter");
    QTest::addColumn<bool>("autoRepeat");
    const Qt::KeyboardModifiers none;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                 << false << false;
    QTest::newRow("digit") << int(Qt::Key_1) << none << false << false;
    QTest::newRow("Space") << int(Qt::Key_Space) << none << false << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << false << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << false << false;
    QTest::newRow("cursor key") << int(Qt::Key_Left) << none << false << false;
    QTest::newRow("umlaut") << int(Qt::Key_Adiaeresis) << none << false << false;
    QTest::newRow("Ctrl and the right letter")
        << 0 << Qt::KeyboardModifiers(Qt::ControlModifier) << true << false;
    QTest::newRow("right letter held down") << 0 << none << true << true;
}

void AbcLueckenTest::otherKeysAreIgnored() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, rightLetter);
    QFETCH(bool, autoRepeat);
    Fixture fx;
    fx.start();
    Form4& form = openLuecken(fx);
    const QString row = form.Bezeichnung1->text();
    if (rightLetter)
        key = keyFor(missingLetter(form));
    if (autoRepeat) {
        QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(missingLetter(form)), true);
        QApplication::sendEvent(&form, &repeat);
    } else {
        Fixture::key(&form, Qt::Key(key), modifiers);
    }
    QVERIFY(form.isVisible());
    QCOMPARE(form.Bezeichnung1->text(), row);
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("0"));
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
}

void AbcLueckenTest::leavingAndReopeningStartsCountAgain_data() {
    QTest::addColumn<bool>("titleBar");
    QTest::newRow("back picture") << false;
    QTest::newRow("title bar's close button") << true;
}

// Leaving keeps row and count while hidden and awards nothing; the next opening counts from 0,
// so the reward comes with the 20th answer after it, not the 5th.
void AbcLueckenTest::leavingAndReopeningStartsCountAgain() {
    QFETCH(bool, titleBar);
    Fixture fx;
    fx.start();
    Form4& form = openLuecken(fx);
    for (int answer = 0; answer < 15; ++answer)
        answerRight(form);
    const QString row = form.Bezeichnung1->text();
    if (titleBar)
        form.close();
    else
        Fixture::click(form.Picture1);
    QVERIFY(!form.isVisible());
    QVERIFY(fx.main().isVisible());
    QCOMPARE(form.Bezeichnung1->text(), row);
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("15"));

    openLuecken(fx);
    QCOMPARE(form.Bezeichnung4->text(), QStringLiteral("0"));
    for (int answer = 0; answer < 19; ++answer)
        answerRight(form);
    QCOMPARE(fx.points(), QStringLiteral("0"));
    VERIFY_DIALOGS(fx);
    fx.dialogs.expectMessage(kReward, kRewardTitle, MsgBox::OkOnly);
    answerRight(form);
    VERIFY_DIALOGS(fx);
    QCOMPARE(fx.points(), QStringLiteral("3"));
}

QTEST_MAIN(AbcLueckenTest)
#include "tst_abc_luecken.moc"
