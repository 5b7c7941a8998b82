#include "klasse/password.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <sodium.h>

namespace {
bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}
} // namespace

namespace Password {

QString hash(const QString& password) {
    if (!sodiumReady())
        return {};
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return {};
    return QString::fromLatin1(out);
}

bool matches(const QString& hash, const QString& typed) {
    const QByteArray stored = hash.toLatin1();
    if (!sodiumReady() || stored.isEmpty() || stored.size() >= crypto_pwhash_STRBYTES)
        return false;
    const QByteArray bytes = typed.toUtf8();
    return crypto_pwhash_str_verify(stored.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

} // namespace Password

PasswordGate::PasswordGate(Clock clock)
    : clock_(std::move(clock)) {}

PasswordGate::Result PasswordGate::check(const QString& hash, const QString& typed) {
    if (secondsToWait() > 0)
        return Result::Waiting;
    if (Password::matches(hash, typed)) {
        wrongInARow_ = 0;
        return Result::Right;
    }
    if (++wrongInARow_ >= kTries) {
        wrongInARow_ = 0;
        waitUntil_ = clock_().addSecs(kWaitSeconds);
    }
    return Result::Wrong;
}

int PasswordGate::secondsToWait() const {
    if (!waitUntil_.isValid())
        return 0;
    const qint64 ms = clock_().msecsTo(waitUntil_);
    return ms <= 0 ? 0 : static_cast<int>(std::ceil(ms / 1000.0));
}
