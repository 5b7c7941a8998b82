#include "platform/dialogs.h"
#include "platform/twips.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs check on the modal dialog as soon as it is open.
void whenDialogOpens(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        check(dialog);
        // A failed check leaves the box open; close it so the test ends instead of hanging.
        if (auto* box = qobject_cast<QDialog*>(dialog); box && box->isVisible())
            box->reject();
    });
}

QPushButton* buttonNamed(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Twips::setScale(1.0); }
    void okMessageShowsLines();
    void longestLineNeverBreaks_data();
    void longestLineNeverBreaks();
    void questionDefaultsToNo();
    void stopQuestionAnswersYes();
    void threeWayQuestionClosedIsCancel();
    void inputBoxReturnsTyped();
    void inputBoxCancelGivesEmpty();
    void passwordBoxHidesTyped();
};

void DialogsTest::okMessageShowsLines() {
    QtDialogs dialogs;
    QString shownText;
    QStringList buttons;
    whenDialogOpens([&](QWidget* dialog) {
        auto* box = qobject_cast<MessageDialog*>(dialog);
        shownText = box->text();
        for (QPushButton* button : box->buttons())
            buttons.append(button->text());
        QCOMPARE(box->windowTitle(), QStringLiteral("H i l f e"));
        QCOMPARE(box->icon(), MessageDialog::Icon::None);
        buttonNamed(dialog, QStringLiteral("OK"))->click();
    });
    QCOMPARE(dialogs.msgBox(QStringLiteral("eins\rzwei\r\ndrei\r"), MsgBox::OkOnly,
                            QStringLiteral("H i l f e")),
             MsgBox::Ok);
    QCOMPARE(shownText, QStringLiteral("eins\nzwei\ndrei\n"));
    QCOMPARE(buttons, QStringList{"OK"});
}

void DialogsTest::longestLineNeverBreaks_data() {
    QTest::addColumn<double>("scale");
    QTest::newRow("design size") << 1.0;
    QTest::newRow("1920 x 1080") << 1.6;
    QTest::newRow("3840 x 2160") << 3.25;
}

// The box grows with the program's font and stays as wide as its longest given line, so
// no line is broken a second time; its buttons grow in proportion.
void DialogsTest::longestLineNeverBreaks() {
    QFETCH(double, scale);
    Twips::setScale(scale);
    const QFont previousFont = QApplication::font();
    QApplication::setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9));
    const QString longest =
        QStringLiteral("Die Datei lässt sich einfach editieren und neu sichern.");
    MessageDialog box(QStringLiteral("Die Wörterbuchliste hat den Dateinamen MOXABC.TXT\r\n") +
                          longest + QStringLiteral("\r\n"),
                      MsgBox::OkOnly, QStringLiteral("Wörterbuch editieren"), nullptr);
    box.show();
    const QFontMetrics metrics(box.textLabel()->font());
    QVERIFY(!box.textLabel()->wordWrap());
    QVERIFY(box.textLabel()->width() >= metrics.horizontalAdvance(longest));
    QCOMPARE(box.textLabel()->height(), box.textLabel()->sizeHint().height());
    QVERIFY(box.buttons().first()->width() >= Twips::toPixels(1125));
    QVERIFY(box.buttons().first()->height() >= Twips::toPixels(345));
    box.close();
    QApplication::setFont(previousFont);
}

void DialogsTest::questionDefaultsToNo() {
    QtDialogs dialogs;
    whenDialogOpens([](QWidget* dialog) {
        auto* box = qobject_cast<MessageDialog*>(dialog);
        QCOMPARE(box->icon(), MessageDialog::Icon::Question);
        QCOMPARE(box->defaultButton()->text(), QStringLiteral("Nein"));
        QVERIFY(buttonNamed(dialog, QStringLiteral("Ja")));
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    QCOMPARE(dialogs.msgBox(QStringLiteral("Beenden?"), MsgBox::YesNoQuestion, QStringLiteral("T")),
             MsgBox::No);
}

void DialogsTest::stopQuestionAnswersYes() {
    QtDialogs dialogs;
    whenDialogOpens([](QWidget* dialog) {
        auto* box = qobject_cast<MessageDialog*>(dialog);
        QCOMPARE(box->icon(), MessageDialog::Icon::Stop);
        QCOMPARE(box->defaultButton()->text(), QStringLiteral("Ja"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialogs.msgBox(QStringLiteral("Richtig?"), MsgBox::YesNoStop, QStringLiteral("T")),
             MsgBox::No);
    whenDialogOpens([](QWidget* dialog) { buttonNamed(dialog, QStringLiteral("Ja"))->click(); });
    QCOMPARE(dialogs.msgBox(QStringLiteral("Richtig?"), MsgBox::YesNoStop, QStringLiteral("T")),
             MsgBox::Yes);
}

void DialogsTest::threeWayQuestionClosedIsCancel() {
    QtDialogs dialogs;
    whenDialogOpens([](QWidget* dialog) {
        auto* box = qobject_cast<MessageDialog*>(dialog);
        QCOMPARE(box->icon(), MessageDialog::Icon::Question);
        QCOMPARE(box->buttons().size(), 3);
        QCOMPARE(box->defaultButton()->text(), QStringLiteral("Ja"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialogs.msgBox(QStringLiteral("Speichern?"), MsgBox::YesNoCancelQuestion,
                            QStringLiteral("T")),
             MsgBox::Cancel);
}

void DialogsTest::inputBoxReturnsTyped() {
    QtDialogs dialogs;
    whenDialogOpens([](QWidget* dialog) {
        auto* input = qobject_cast<InputDialog*>(dialog);
        QCOMPARE(input->windowTitle(), QStringLiteral("Belohnung"));
        QCOMPARE(input->field()->text(), QStringLiteral("30"));
        QCOMPARE(input->focusWidget(), input->field());
        QVERIFY(buttonNamed(dialog, QStringLiteral("OK"))->isDefault());
        QVERIFY(buttonNamed(dialog, QStringLiteral("Abbrechen")));
        QLineEdit* field = dialog->findChild<QLineEdit*>();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("45"));
        buttonNamed(dialog, QStringLiteral("OK"))->click();
    });
    QCOMPARE(dialogs.inputBox(QStringLiteral("Punkte:"), QStringLiteral("Belohnung"),
                              QStringLiteral("30")),
             QStringLiteral("45"));
}

void DialogsTest::inputBoxCancelGivesEmpty() {
    QtDialogs dialogs;
    whenDialogOpens([](QWidget* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>(), QStringLiteral("12"));
        buttonNamed(dialog, QStringLiteral("Abbrechen"))->click();
    });
    QCOMPARE(dialogs.inputBox(QStringLiteral("Passwort:"), QStringLiteral("Passwort")), QString());
}

void DialogsTest::passwordBoxHidesTyped() {
    QtDialogs dialogs;
    whenDialogOpens([](QWidget* dialog) {
        QLineEdit* field = dialog->findChild<QLineEdit*>();
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        QTest::keyClicks(field, QStringLiteral("Eule 7"));
        buttonNamed(dialog, QStringLiteral("OK"))->click();
    });
    QCOMPARE(dialogs.passwordBox(QStringLiteral("Passwort:"), QStringLiteral("Passwort")),
             QStringLiteral("Eule 7"));
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
