#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// The teacher's password, kept only as a salted, slow hash (Argon2id), so that neither the class
// file nor the administrator's file gives it away.
namespace Password {
// The hash in the one-line form that names its method, salt and cost; empty when memory is
// short.
QString hash(const QString& password);
// Compared in constant time; false for anything that is no such hash.
bool matches(const QString& hash, const QString& typed);
} // namespace Password

// Five wrong tries in a row, and the next try waits a minute: long enough to stop a child trying
// names, short enough for a teacher who mistyped.
class PasswordGate {
public:
    using Clock = std::function<QDateTime()>;
    static constexpr int kTries = 5;
    static constexpr int kWaitSeconds = 60;

    explicit PasswordGate(Clock clock);

    enum class Result { Right, Wrong, Waiting };
    Result check(const QString& hash, const QString& typed);
    // While Waiting: the seconds still to wait, at least 1.
    int secondsToWait() const;

private:
    Clock clock_;
    int wrongInARow_ = 0;
    QDateTime waitUntil_;
};
