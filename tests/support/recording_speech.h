#pragma once

#include "platform/screen_reader.h"
#include "platform/speech.h"

#include <QStringList>

// Stands in for the voice: records in order what would have been said, and each stop as "(stop)".
class RecordingSpeech final : public Speech {
public:
    QStringList said;

protected:
    void speak(const QString& text) override { said.append(text); }
    void silence() override { said.append(QStringLiteral("(stop)")); }
};

// A desktop whose screen reader runs or not, as the test says; it answers at once.
class FixedScreenReader final : public ScreenReaderStatus {
public:
    void ask(QObject*, std::function<void(bool)> answer) override { answer(running); }

    bool running = false;
};
