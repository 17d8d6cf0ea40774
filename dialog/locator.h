// "Use my location": the desktop's location service (GeoClue2 on the system bus) asked once
// for where the computer is. Never waited on: the answer, a refusal or silence past the
// time allowed each end in one signal.
#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QTimer>

class Locator : public QObject {
    Q_OBJECT

public:
    static constexpr int kAllowedMs = 10000;  // a service silent longer than this is given up
    explicit Locator(QDBusConnection bus = QDBusConnection::systemBus(), int allowed_ms = kAllowedMs);
    ~Locator() override;

    void ask();  // once per press of the button
    // Another bus and time allowed (a test's stand-in service).
    void use_bus(const QDBusConnection& other, int allowed_ms) {
        bus = other;
        waiting.setInterval(allowed_ms);
    }
    bool asking() const { return !client_path.isEmpty() || waiting.isActive(); }

signals:
    void found(double latitude, double longitude);
    void failed(const QString& why);

private slots:
    void client_given(const QDBusMessage& reply);
    void refused(const QDBusError& error);
    void location_updated(const QDBusObjectPath& old_location, const QDBusObjectPath& new_location);
    void started(const QDBusMessage& reply);
    void location_read(const QDBusMessage& reply);

private:
    void finish();
    void give_up();

    QDBusConnection bus;
    QString client_path;
    QTimer waiting;
};
