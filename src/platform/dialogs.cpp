#include "platform/dialogs.h"

#include "platform/twips.h"

#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// A classic dialog button is 75 × 23 pixels at design size.
constexpr int kButtonWidth = 1125;
constexpr int kButtonHeight = 345;
constexpr int kIconSize = 480;
constexpr int kSpacing = 180;

// The window the box stands over: the active one, or else the program's window on screen
// (at start-up the main window may not have been activated yet).
QWidget* dialogParent() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !qobject_cast<QDialog*>(window))
            return window;
    }
    return nullptr;
}

QPushButton* dialogButton(const QString& text, QWidget* dialog) {
    auto* button = new QPushButton(text, dialog);
    button->setAutoDefault(true);
    button->setMinimumSize(Twips::toPixels(kButtonWidth), Twips::toPixels(kButtonHeight));
    return button;
}

// The frame every box of the program shares: the message part above a centred row of buttons.
void layOutBox(QDialog* box, QLayout* message, const QList<QPushButton*>& buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(box);
    const int spacing = Twips::toPixels(kSpacing);
    layout->setContentsMargins(spacing, spacing, spacing, spacing);
    layout->setSpacing(spacing);
    layout->addLayout(message);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
} // namespace

QString QtDialogs::displayText(const QString& prompt) {
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

MessageDialog::MessageDialog(const QString& prompt, int buttons, const QString& title,
                             QWidget* parent)
    : QDialog(parent)
    , answer_(buttons == MsgBox::OkOnly                ? MsgBox::Ok
              : buttons == MsgBox::YesNoCancelQuestion ? MsgBox::Cancel
                                                       : MsgBox::No) {
    setWindowTitle(title);
    setFont(QApplication::font());

    text_ = new QLabel(QtDialogs::displayText(prompt), this);
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(false);
    text_->setTextInteractionFlags(Qt::NoTextInteraction);

    auto* message = new QHBoxLayout;
    message->setSpacing(Twips::toPixels(kSpacing));
    if (buttons != MsgBox::OkOnly) {
        icon_ = buttons == MsgBox::YesNoStop ? Icon::Stop : Icon::Question;
        auto* picture = new QLabel(this);
        const int side = Twips::toPixels(kIconSize);
        const QStyle::StandardPixmap kind =
            icon_ == Icon::Stop ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxQuestion;
        picture->setPixmap(style()->standardIcon(kind, nullptr, this).pixmap(side, side));
        picture->setAlignment(Qt::AlignTop);
        message->addWidget(picture);
    }
    message->addWidget(text_, 1);

    if (buttons == MsgBox::OkOnly) {
        addButton(QStringLiteral("OK"), MsgBox::Ok)->setDefault(true);
    } else {
        QPushButton* yes = addButton(QStringLiteral("Ja"), MsgBox::Yes);
        QPushButton* no = addButton(QStringLiteral("Nein"), MsgBox::No);
        if (buttons == MsgBox::YesNoCancelQuestion)
            addButton(QStringLiteral("Abbrechen"), MsgBox::Cancel);
        (buttons == MsgBox::YesNoQuestion ? no : yes)->setDefault(true);
    }
    layOutBox(this, message, buttons_);
}

QPushButton* MessageDialog::addButton(const QString& text, int answer) {
    QPushButton* button = dialogButton(text, this);
    connect(button, &QPushButton::clicked, this, [this, answer] {
        answer_ = answer;
        accept();
    });
    buttons_.append(button);
    return button;
}

QString MessageDialog::text() const {
    return text_->text();
}

QPushButton* MessageDialog::defaultButton() const {
    for (QPushButton* button : buttons_) {
        if (button->isDefault())
            return button;
    }
    return nullptr;
}

int QtDialogs::msgBox(const QString& prompt, int buttons, const QString& title) {
    MessageDialog box(prompt, buttons, title, dialogParent());
    box.exec();
    return box.answer();
}

InputDialog::InputDialog(const QString& prompt, const QString& title, const QString& defaultText,
                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setFont(QApplication::font());
    auto* text = new QLabel(QtDialogs::displayText(prompt), this);
    text->setTextFormat(Qt::PlainText);
    field_ = new QLineEdit(defaultText, this);
    field_->selectAll();
    text->setBuddy(field_);
    auto* message = new QVBoxLayout;
    message->addWidget(text);
    message->addWidget(field_);
    QPushButton* ok = dialogButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    QPushButton* cancel = dialogButton(QStringLiteral("Abbrechen"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layOutBox(this, message, {ok, cancel});
    field_->setFocus();
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    InputDialog dialog(prompt, title, defaultText, dialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.field()->text();
}

QString QtDialogs::passwordBox(const QString& prompt, const QString& title) {
    InputDialog dialog(prompt, title, QString(), dialogParent());
    dialog.field()->setEchoMode(QLineEdit::Password);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.field()->text();
}

QString QtDialogs::saveFileName(const QString& title, const QString& suggestedPath,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(dialogParent(), title, suggestedPath, filter);
}

void QtDialogs::beep() {
    QApplication::beep();
}
