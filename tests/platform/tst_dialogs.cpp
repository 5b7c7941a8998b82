#include "platform/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
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
    void okMessageShowsLines();
    void questionDefaultsToNo();
    void stopQuestionAnswersYes();
    void inputBoxReturnsTyped();
    void inputBoxCancelGivesEmpty();
};

void DialogsTest::okMessageShowsLines() {
    QtDialogs dialogs;
    QString shownText;
    QStringList buttons;
    whenDialogOpens([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        shownText = box->text();
        for (QAbstractButton* button : box->buttons())
            buttons.append(button->text());
        QCOMPARE(box->windowTitle(), QStringLiteral("H i l f e"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        buttonNamed(dialog, QStringLiteral("OK"))->click();
    });
    QCOMPARE(dialogs.msgBox(QStringLiteral("eins\rzwei\r\ndrei\r"), MsgBox::OkOnly,
                            QStringLiteral("H i l f e")),
             MsgBox::Ok);
    QCOMPARE(shownText, QStringLiteral("eins\nzwei\ndrei\n"));
    QCOMPARE(buttons, QStringList{"OK"});
}

void DialogsTest::questionDefaultsToNo() {
    QtDialogs dialogs;
    whenDialogOpens([](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QCOMPARE(box->icon(), QMessageBox::Question);
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
        QCOMPARE(qobject_cast<QMessageBox*>(dialog)->icon(), QMessageBox::Critical);
        buttonNamed(dialog, QStringLiteral("Ja"))->click();
    });
    QCOMPARE(dialogs.msgBox(QStringLiteral("Richtig?"), MsgBox::YesNoStop, QStringLiteral("T")),
             MsgBox::Yes);
}

void DialogsTest::inputBoxReturnsTyped() {
    QtDialogs dialogs;
    whenDialogOpens([](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        QCOMPARE(input->windowTitle(), QStringLiteral("Belohnung"));
        QCOMPARE(input->textValue(), QStringLiteral("30"));
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

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
