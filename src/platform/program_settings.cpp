#include "platform/program_settings.h"

namespace {
const QString kSpeechKey = QStringLiteral("Vorlesen");
} // namespace

ProgramSettings::ProgramSettings()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("moxabc"),
                QStringLiteral("moxabc")) {}

bool ProgramSettings::speechOn() const {
    return settings_.value(kSpeechKey, true).toBool();
}

void ProgramSettings::setSpeechOn(bool on) {
    settings_.setValue(kSpeechKey, on);
    settings_.sync();
}
