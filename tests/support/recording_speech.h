#pragma once

#include "platform/screen_reader.h"
#include "platform/speech.h"

#include <QStringList>

// Stands in for the voice: records what would have been said, in order.
class RecordingSpeech final : public Speech {
public:
    QString last() const { return said.value(said.size() - 1); }

    QStringList said;
    int stops = 0;

protected:
    void speak(const QString& text) override { said.append(text); }
    void silence() override { ++stops; }
};

// A desktop whose screen reader runs or not, as the test says; it answers at once.
class FixedScreenReader final : public ScreenReaderStatus {
public:
    void ask(QObject*, std::function<void(bool)> answer) override { answer(running); }

    bool running = false;
};
