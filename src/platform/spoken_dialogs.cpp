#include "platform/spoken_dialogs.h"

#include "platform/speech.h"

SpokenDialogs::SpokenDialogs(Dialogs& shown, Speech& speech)
    : shown_(shown)
    , speech_(&speech) {}

int SpokenDialogs::msgBox(const QString& prompt, int buttons, const QString& title) {
    speech_->say(prompt);
    const int answer = shown_.msgBox(prompt, buttons, title);
    speech_->stop();
    return answer;
}

QString SpokenDialogs::inputBox(const QString& prompt, const QString& title,
                                const QString& defaultText) {
    speech_->say(prompt);
    const QString typed = shown_.inputBox(prompt, title, defaultText);
    speech_->stop();
    return typed;
}

QString SpokenDialogs::passwordBox(const QString& prompt, const QString& title) {
    speech_->say(prompt);
    const QString typed = shown_.passwordBox(prompt, title);
    speech_->stop();
    return typed;
}

void SpokenDialogs::beep() {
    shown_.beep();
}
