#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Stands in for the dialogs: every message and input box must be expected beforehand, in
// order, with its exact text, title and buttons; it is answered from the script. Anything
// else is recorded as a failure, which the test then reports.
class ScriptedDialogs final : public Dialogs {
public:
    struct Call {
        bool isInput = false;
        QString prompt;
        QString title;
        int buttons = 0;
        QString defaultText;
    };

    void expectMessage(const QString& prompt, const QString& title, int buttons,
                       int answer = MsgBox::Ok);
    void expectInput(const QString& prompt, const QString& title, const QString& defaultText,
                     const QString& answer);

    int msgBox(const QString& prompt, int buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText = {}) override;
    void beep() override { ++beeps; }
    // The file chooser: the title and suggested file as the prompt, the file chosen as typed.
    void expectSaveFile(const QString& title, const QString& suggestedPath, const QString& chosen);
    QString saveFileName(const QString& title, const QString& suggestedPath,
                         const QString& filter) override;

    // True when every expected dialog came, as expected, and nothing else did.
    bool ok() const { return failures.isEmpty() && script_.isEmpty(); }
    QString report() const;
    void reset();

    // Runs as each dialog opens, for tests that check what is on screen at that moment.
    std::function<void(const Call&)> onCall;

    QList<Call> calls;
    QStringList failures;
    int beeps = 0;

private:
    struct Expected {
        Call call;
        int answer = MsgBox::Ok;
        QString typed;
    };
    std::optional<Expected> next(const Call& call);

    QList<Expected> script_;
};
