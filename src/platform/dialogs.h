#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// Button sets and answers of the program's message boxes; the numbers are the ones the
// windows pass around and compare against.
namespace MsgBox {
constexpr int OkOnly = 0;
constexpr int YesNoStop = 20;
constexpr int YesNoQuestion = 292;
// Yes, No and Cancel, question icon, Yes the default; closing the box answers Cancel.
constexpr int YesNoCancelQuestion = 35;

constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MsgBox

// The modal dialogs and the warning sound: everything a window needs from a person.
// Tests replace it with a scripted fake.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows prompt (character 13 starts a new line) and returns MsgBox::Ok, Yes, No or Cancel.
    virtual int msgBox(const QString& prompt, int buttons, const QString& title) = 0;
    // Returns the typed text, or the empty text on Cancel.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText = {}) = 0;
    // As inputBox, but what is typed is not shown.
    virtual QString passwordBox(const QString& prompt, const QString& title) {
        return inputBox(prompt, title);
    }
    virtual void beep() = 0;
    // The file to write, chosen by the teacher starting from suggestedPath; empty on Cancel.
    // filter names the kind of file: "CSV-Dateien (*.csv)".
    virtual QString saveFileName(const QString& title, const QString& suggestedPath,
                                 const QString& filter) = 0;
};

// The real dialogs: QMessageBox and QInputDialog with German buttons.
class QtDialogs final : public Dialogs {
public:
    int msgBox(const QString& prompt, int buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText = {}) override;
    QString passwordBox(const QString& prompt, const QString& title) override;
    void beep() override;
    QString saveFileName(const QString& title, const QString& suggestedPath,
                         const QString& filter) override;

    // Message texts use CR (and CR LF) as line breaks; Qt wants LF.
    static QString displayText(const QString& prompt);
};

// The program's message box. Its text keeps exactly the line breaks it was given, in the
// program's scaled font, however large the scale: the box grows to its longest line instead
// of breaking lines again. Buttons grow with the font and keep their proportions.
class MessageDialog : public QDialog {
    Q_OBJECT
public:
    enum class Icon { None, Question, Stop };

    MessageDialog(const QString& prompt, int buttons, const QString& title, QWidget* parent);

    // MsgBox::Ok, Yes, No or Cancel; when the box was closed without a choice, Cancel if it
    // offered it, else No.
    int answer() const { return answer_; }
    Icon icon() const { return icon_; }
    QString text() const;
    QLabel* textLabel() const { return text_; }
    QList<QPushButton*> buttons() const { return buttons_; }
    QPushButton* defaultButton() const;

private:
    QPushButton* addButton(const QString& text, int answer);

    QLabel* text_;
    Icon icon_ = Icon::None;
    QList<QPushButton*> buttons_;
    int answer_;
};

// The program's input box: the prompt, one line to type in, OK and Abbrechen, laid out like the
// message box and growing with the program's scale.
class InputDialog : public QDialog {
    Q_OBJECT
public:
    InputDialog(const QString& prompt, const QString& title, const QString& defaultText,
                QWidget* parent);

    QLineEdit* field() const { return field_; }

private:
    QLineEdit* field_;
};
