// "Use my location" against a stand-in GeoClue2 service on a private bus: it answers (the
// dialog takes the position to the minute, the computer's zone and the nearest place's
// name), refuses, or stays silent (a line in the dialog; nothing changed).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QProcess>

#include "Unit2.h"
#include "test_time.h"

namespace {

constexpr const char* kClientPath = "/org/freedesktop/GeoClue2/Client/1";
constexpr const char* kLocationPath = "/org/freedesktop/GeoClue2/Location/1";

class Manager : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.GeoClue2.Manager")

public:
    bool refuse = false;

public slots:
    QDBusObjectPath GetClient() {
        if (refuse) sendErrorReply(QDBusError::AccessDenied, QStringLiteral("Geolocation disabled for this app"));
        return QDBusObjectPath(QLatin1String(kClientPath));
    }
};

class Client : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.GeoClue2.Client")
    Q_PROPERTY(QString DesktopId MEMBER desktop_id)
    Q_PROPERTY(uint RequestedAccuracyLevel MEMBER accuracy)

public:
    bool silent = false;
    QString desktop_id;
    uint accuracy = 0;
    int stops = 0;

public slots:
    void Start() {
        if (!silent) emit LocationUpdated(QDBusObjectPath(QStringLiteral("/")), QDBusObjectPath(QLatin1String(kLocationPath)));
    }
    void Stop() { ++stops; }

signals:
    void LocationUpdated(const QDBusObjectPath& old_location, const QDBusObjectPath& new_location);
};

class Location : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.GeoClue2.Location")
    Q_PROPERTY(double Latitude MEMBER latitude)
    Q_PROPERTY(double Longitude MEMBER longitude)

public:
    double latitude = 47.37689, longitude = 8.54169;  // in Zürich
};

void spin_until(const std::function<bool()>& done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

CInit a_record() {
    CInit s{};
    default_settings(s);
    derive_angles(s);
    return s;
}

}  // namespace

TEST(Locator, AnswersRefusalsAndSilence) {
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                  QStringLiteral("--print-address")});
    if (!daemon.waitForReadyRead(5000)) GTEST_SKIP() << "no dbus-daemon";
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    QDBusConnection server = QDBusConnection::connectToBus(address, QStringLiteral("geoclue"));
    Manager manager;
    Client client;
    Location location;
    constexpr auto kExport = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                             QDBusConnection::ExportAllProperties;
    ASSERT_TRUE(server.registerObject(QStringLiteral("/org/freedesktop/GeoClue2/Manager"), &manager, kExport));
    ASSERT_TRUE(server.registerObject(QLatin1String(kClientPath), &client, kExport));
    ASSERT_TRUE(server.registerObject(QLatin1String(kLocationPath), &location, kExport));
    ASSERT_TRUE(server.registerService(QStringLiteral("org.freedesktop.GeoClue2")));
    const QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("dialog"));
    constexpr int kAllowedMs = 600;
    ZoneScope zone("Europe/Zurich");

    {
        TForm2 d(a_record(), {QStringLiteral("memo")});
        d.set_memo_source([](const CInit& r, const std::optional<PlaceChoice>&) { return QStringList{QString::number(r.lat_deg)}; });
        d.locator.use_bus(bus, kAllowedMs);
        d.LocateButton.click();
        spin_until([&] { return d.chosen_place().has_value(); }, 3000);
        const CInit e = d.edited();
        EXPECT_EQ(std::tuple(e.south, e.lat_deg, e.lat_min, e.west, e.lon_deg, e.lon_min), std::tuple(0, 47, 23, 0, 8, 33))
            << d.LocateNote.text().toStdString();
        EXPECT_EQ(e.tz_hours, 1.0);  // the computer's zone, its standard offset
        ASSERT_TRUE(d.chosen_place().has_value());
        EXPECT_EQ(d.chosen_place()->name, "Zürich, Switzerland");
        EXPECT_EQ(d.chosen_place()->zone, "Europe/Zurich");
        EXPECT_EQ(d.Memo1.toPlainText(), QStringLiteral("47"));
        EXPECT_EQ(client.desktop_id, QStringLiteral("io.github.orbalis.Orbalis"));
        spin_until([&] { return client.stops >= 1; }, 2000);  // told without waiting for its answer
        EXPECT_GE(client.stops, 1);  // the service is told to stop locating
    }
    for (const bool refuse : {true, false}) {
        manager.refuse = refuse;
        client.silent = !refuse;
        TForm2 d(a_record(), {QStringLiteral("memo")});
        d.locator.use_bus(bus, kAllowedMs);
        d.LocateButton.click();
        const QString said = refuse ? QStringLiteral("refused") : QStringLiteral("did not answer");
        spin_until([&] { return d.LocateNote.text().contains(said); }, 3000);
        EXPECT_TRUE(d.LocateNote.text().contains(said)) << d.LocateNote.text().toStdString();
        EXPECT_EQ(d.edited().lat_deg, a_record().lat_deg);  // nothing changed
        EXPECT_FALSE(d.chosen_place().has_value());
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("dialog"));
    QDBusConnection::disconnectFromBus(QStringLiteral("geoclue"));
    daemon.kill();
    daemon.waitForFinished();
}

#include "locator_test.moc"
