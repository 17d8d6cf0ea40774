// Desktop notifications: the freedesktop Notifications service on the session bus. A call
// never waits for its answer; one that fails (no bus, no service) is said once.
#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QObject>
#include <QString>

class Notifier : public QObject {
    Q_OBJECT

public:
    explicit Notifier(QDBusConnection bus = QDBusConnection::sessionBus());
    // Another bus (a test's own).
    void use_bus(const QDBusConnection& other) { bus = other; }

    void notify(const QString& summary, const QString& body);
    bool failure_said() const { return said; }

private slots:
    void delivered();
    void refused(const QDBusError& error);

private:
    void say_once(const QString& why);

    QDBusConnection bus;
    bool said = false;
};
