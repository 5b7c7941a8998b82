#include "platform/dialogs.h"

#include "platform/twips.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
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
} // namespace

QString QtDialogs::displayText(const QString& prompt) {
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void scaleDialogButtons(QWidget* dialog) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        button->setMinimumSize(Twips::toPixels(kButtonWidth), Twips::toPixels(kButtonHeight));
}

MessageDialog::MessageDialog(const QString& prompt, int buttons, const QString& title,
                             QWidget* parent)
    : QDialog(parent)
    , answer_(buttons == MsgBox::OkOnly ? MsgBox::Ok : MsgBox::No) {
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

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    if (buttons == MsgBox::OkOnly) {
        addButton(QStringLiteral("OK"), MsgBox::Ok)->setDefault(true);
    } else {
        QPushButton* yes = addButton(QStringLiteral("Ja"), MsgBox::Yes);
        QPushButton* no = addButton(QStringLiteral("Nein"), MsgBox::No);
        (buttons == MsgBox::YesNoQuestion ? no : yes)->setDefault(true);
    }
    for (QPushButton* button : std::as_const(buttons_))
        row->addWidget(button);
    row->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips::toPixels(kSpacing), Twips::toPixels(kSpacing),
                               Twips::toPixels(kSpacing), Twips::toPixels(kSpacing));
    layout->setSpacing(Twips::toPixels(kSpacing));
    layout->addLayout(message);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    scaleDialogButtons(this);
}

QPushButton* MessageDialog::addButton(const QString& text, int answer) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(true);
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

QString QtDialogs::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    QInputDialog dialog(dialogParent());
    dialog.setFont(QApplication::font());
    dialog.setWindowTitle(title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    scaleDialogButtons(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

void QtDialogs::beep() {
    QApplication::beep();
}
