#include "platform/screen_reader.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QFileInfo>

namespace {
// Without a session bus to find, connecting would try to launch one, which can take seconds.
bool sessionBusExpected() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists();
}
} // namespace

void AccessibilityBusStatus::ask(QObject* context, std::function<void(bool)> answer) {
    if (!sessionBusExpected())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [watcher, answer = std::move(answer)] {
                         const QDBusPendingReply<QDBusVariant> reply = *watcher;
                         watcher->deleteLater();
                         if (reply.isValid())
                             answer(reply.value().variant().toBool());
                     });
}
