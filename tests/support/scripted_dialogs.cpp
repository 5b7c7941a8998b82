#include "scripted_dialogs.h"

namespace {
QString describe(const ScriptedDialogs::Call& call) {
    QString prompt = call.prompt;
    prompt.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QStringLiteral("%1 \"%2\" title \"%3\" buttons %4 default \"%5\"")
        .arg(call.isInput ? QStringLiteral("input") : QStringLiteral("message"), prompt, call.title)
        .arg(call.buttons)
        .arg(call.defaultText);
}

bool same(const ScriptedDialogs::Call& a, const ScriptedDialogs::Call& b) {
    return a.isInput == b.isInput && a.prompt == b.prompt && a.title == b.title &&
           a.buttons == b.buttons && a.defaultText == b.defaultText;
}
} // namespace

void ScriptedDialogs::expectMessage(const QString& prompt, const QString& title, int buttons,
                                    int answer) {
    script_.append({{false, prompt, title, buttons, {}}, answer, {}});
}

void ScriptedDialogs::expectInput(const QString& prompt, const QString& title,
                                  const QString& defaultText, const QString& answer) {
    script_.append({{true, prompt, title, 0, defaultText}, MsgBox::Ok, answer});
}

void ScriptedDialogs::expectSaveFile(const QString& title, const QString& suggestedPath,
                                     const QString& chosen) {
    script_.append(
        {{true, QStringLiteral("Datei wählen"), title, 0, suggestedPath}, MsgBox::Ok, chosen});
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString& suggestedPath,
                                      const QString&) {
    const auto expected = next({true, QStringLiteral("Datei wählen"), title, 0, suggestedPath});
    return expected ? expected->typed : QString();
}

std::optional<ScriptedDialogs::Expected> ScriptedDialogs::next(const Call& call) {
    calls.append(call);
    if (onCall)
        onCall(call);
    if (script_.isEmpty()) {
        failures.append(QStringLiteral("unexpected ") + describe(call));
        return std::nullopt;
    }
    if (!same(script_.first().call, call)) {
        failures.append(QStringLiteral("expected ") + describe(script_.first().call) +
                        QStringLiteral("\n        got ") + describe(call));
    }
    return script_.takeFirst();
}

int ScriptedDialogs::msgBox(const QString& prompt, int buttons, const QString& title) {
    const auto expected = next({false, prompt, title, buttons, {}});
    if (!expected) {
        if (buttons == MsgBox::YesNoCancelQuestion)
            return MsgBox::Cancel;
        return buttons == MsgBox::OkOnly ? MsgBox::Ok : MsgBox::No;
    }
    return expected->answer;
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    const auto expected = next({true, prompt, title, 0, defaultText});
    return expected ? expected->typed : QString();
}

QString ScriptedDialogs::report() const {
    QStringList lines = failures;
    for (const Expected& missing : script_)
        lines.append(QStringLiteral("never shown: ") + describe(missing.call));
    return lines.join(QLatin1Char('\n'));
}

void ScriptedDialogs::reset() {
    script_.clear();
    calls.clear();
    failures.clear();
    beeps = 0;
}
