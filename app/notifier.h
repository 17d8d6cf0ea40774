// Desktop notifications: the freedesktop Notifications service on the session bus, joined at
// the first notification (a clock with no reminder keeps no bus connection, nor its thread).
// A call never waits for its answer; one that fails (no bus, no service) is said once.
#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QObject>
#include <QString>
#include <optional>

class Notifier : public QObject {
    Q_OBJECT

public:
    Notifier() = default;
    explicit Notifier(const QDBusConnection& bus) : bus(bus) {}
    // Another bus (a test's own).
    void use_bus(const QDBusConnection& other) { bus = other; }

    void notify(const QString& summary, const QString& body);
    bool failure_said() const { return said; }

private slots:
    void delivered();
    void refused(const QDBusError& error);

private:
    void say_once(const QString& why);

    std::optional<QDBusConnection> bus;
    bool said = false;
};
