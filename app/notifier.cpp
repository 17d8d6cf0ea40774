#include "notifier.h"

#include <QDBusMessage>
#include <QCoreApplication>
#include <QStringList>
#include <QVariantMap>
#include <cstdio>

namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr int kServerTimeout = -1;  // the notification lasts as long as the server decides

}  // namespace

// Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout)
// (freedesktop.org Desktop Notifications, version 1.2).
void Notifier::notify(const QString& summary, const QString& body) {
    if (!bus) bus = QDBusConnection::sessionBus();
    if (!bus->isConnected()) {
        say_once(QStringLiteral("no session bus"));
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                                       QLatin1String(kService), QStringLiteral("Notify"));
    call << QStringLiteral("Orbalis") << 0u << QStringLiteral("orbalis") << summary << body << QStringList()
         << QVariantMap() << kServerTimeout;
    if (!bus->callWithCallback(call, this, SLOT(delivered()), SLOT(refused(QDBusError))))
        say_once(bus->lastError().message());
}

void Notifier::delivered() {}

void Notifier::refused(const QDBusError& error) { say_once(error.message()); }

void Notifier::say_once(const QString& why) {
    if (said) return;
    said = true;
    const QString said_why = QCoreApplication::translate(
        "Reminder", "orbalis: reminders cannot be shown: no desktop notification service (%1)");
    std::fprintf(stderr, "%s\n", said_why.arg(why).toLocal8Bit().constData());
}
