#include "locator.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QVariant>
#include <cmath>

namespace {

// The GeoClue2 D-Bus interface (GeoClue 2.x, "org.freedesktop.GeoClue2").
constexpr const char* kService = "org.freedesktop.GeoClue2";
constexpr const char* kManagerPath = "/org/freedesktop/GeoClue2/Manager";
constexpr const char* kManager = "org.freedesktop.GeoClue2.Manager";
constexpr const char* kClient = "org.freedesktop.GeoClue2.Client";
constexpr const char* kLocation = "org.freedesktop.GeoClue2.Location";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";
constexpr const char* kDesktopId = "io.github.orbalis.Orbalis";  // the desktop entry the user grants
constexpr uint kCityAccuracy = 4;  // GClueAccuracyLevel: a place to the minute needs no more

QDBusMessage call(const QString& path, const char* interface, const char* method) {
    return QDBusMessage::createMethodCall(QLatin1String(kService), path, QLatin1String(interface),
                                          QLatin1String(method));
}

QDBusMessage set_property(const QString& path, const char* name, const QVariant& value) {
    QDBusMessage m = call(path, kProperties, "Set");
    m << QLatin1String(kClient) << QLatin1String(name) << QVariant::fromValue(QDBusVariant(value));
    return m;
}

}  // namespace

Locator::Locator(QDBusConnection system, int allowed_ms) : bus(std::move(system)) {
    waiting.setSingleShot(true);
    waiting.setInterval(allowed_ms);
    connect(&waiting, &QTimer::timeout, this, &Locator::give_up);
}

Locator::~Locator() { finish(); }

void Locator::ask() {
    if (asking()) return;
    if (!bus.isConnected()) {
        emit failed(tr("No location service: the system bus cannot be reached."));
        return;
    }
    waiting.start();
    if (!bus.callWithCallback(call(QLatin1String(kManagerPath), kManager, "GetClient"), this,
                              SLOT(client_given(QDBusMessage)), SLOT(refused(QDBusError))))
        refused(bus.lastError());
}

// The client is told who asks and how closely, then started; the location comes as a signal.
void Locator::client_given(const QDBusMessage& reply) {
    if (!waiting.isActive()) return;
    client_path = reply.arguments().value(0).value<QDBusObjectPath>().path();
    bus.connect(QLatin1String(kService), client_path, QLatin1String(kClient), QStringLiteral("LocationUpdated"), this,
                SLOT(location_updated(QDBusObjectPath, QDBusObjectPath)));
    bus.call(set_property(client_path, "DesktopId", QLatin1String(kDesktopId)), QDBus::NoBlock);
    bus.call(set_property(client_path, "RequestedAccuracyLevel", kCityAccuracy), QDBus::NoBlock);
    bus.callWithCallback(call(client_path, kClient, "Start"), this, SLOT(started(QDBusMessage)), SLOT(refused(QDBusError)));
}

void Locator::started(const QDBusMessage&) {}

// The new location's properties are read, again without waiting.
void Locator::location_updated(const QDBusObjectPath&, const QDBusObjectPath& new_location) {
    if (!waiting.isActive()) return;
    QDBusMessage m = call(new_location.path(), kProperties, "GetAll");
    m << QLatin1String(kLocation);
    bus.callWithCallback(m, this, SLOT(location_read(QDBusMessage)), SLOT(refused(QDBusError)));
}

void Locator::location_read(const QDBusMessage& reply) {
    if (!waiting.isActive()) return;
    const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    finish();
    bool ok_lat = false, ok_lon = false;
    const double lat = properties.value(QStringLiteral("Latitude")).toDouble(&ok_lat);
    const double lon = properties.value(QStringLiteral("Longitude")).toDouble(&ok_lon);
    if (!ok_lat || !ok_lon || !(std::abs(lat) <= 90) || !(std::abs(lon) <= 180)) {
        emit failed(tr("The location service gave no usable position."));
        return;
    }
    emit found(lat, lon);
}

void Locator::refused(const QDBusError& error) {
    if (!waiting.isActive()) return;
    finish();
    emit failed(tr("The location service refused: %1").arg(error.message()));
}

void Locator::give_up() {
    finish();
    emit failed(tr("The location service did not answer within %1 s.").arg(waiting.interval() / 1000));
}

// The client is stopped (the service then stops locating) and forgotten.
void Locator::finish() {
    waiting.stop();
    if (client_path.isEmpty()) return;
    bus.disconnect(QLatin1String(kService), client_path, QLatin1String(kClient), QStringLiteral("LocationUpdated"), this,
                   SLOT(location_updated(QDBusObjectPath, QDBusObjectPath)));
    bus.call(call(client_path, kClient, "Stop"), QDBus::NoBlock);
    client_path.clear();
}
