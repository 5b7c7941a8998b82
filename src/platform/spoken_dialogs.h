#pragma once

#include "platform/dialogs.h"

class Speech;

// Reads every message and input box aloud from the moment it appears and falls silent when it
// closes; the titles, often spaced out letter by letter, are left unsaid. Wraps the dialogs the
// program was given, so it works the same with the real boxes and with scripted ones.
class SpokenDialogs final : public Dialogs {
public:
    SpokenDialogs(Dialogs& shown, Speech& speech);

    void setSpeech(Speech& speech) { speech_ = &speech; }

    int msgBox(const QString& prompt, int buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText = {}) override;
    QString passwordBox(const QString& prompt, const QString& title) override;
    void beep() override;
    QString saveFileName(const QString& title, const QString& suggestedPath,
                         const QString& filter) override {
        return shown_.saveFileName(title, suggestedPath, filter);
    }

private:
    Dialogs& shown_;
    Speech* speech_;
};
