// Reminders: which are due, and the window sending each once through a notification service
// of the test's own on a private session bus, under a stepped clock and across a restart.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QProcess>
#include <QVariantMap>
#include <filesystem>
#include <fstream>

#include "Unit1.h"
#include "reminders.h"
#include "settings.h"

namespace {

// Stands in for the desktop's notification server: keeps what it is asked to show.
class Notifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList shown;

public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString&, const QStringList&,
                const QVariantMap&, int) {
        shown << summary;
        return static_cast<uint>(shown.size());
    }
};

// A session bus of the test's own, ended with it.
struct PrivateBus {
    PrivateBus() {
        daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                      QStringLiteral("--print-address")});
        if (daemon.waitForReadyRead(5000)) address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    ~PrivateBus() {
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        QDBusConnection::disconnectFromBus(QStringLiteral("server"));
        daemon.kill();
        daemon.waitForFinished();
    }
    QProcess daemon;
    QString address;
};

// Runs the event loop until `done`, or for `ms` (what does not come by then is taken as
// not coming: a D-Bus call on a private bus is answered within milliseconds).
void spin_until(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

constexpr int kNothingComesMs = 400;

}  // namespace

TEST(Reminders, DueOnceWithinTheLeadAndBeforeTheEvent) {
    const std::time_t event = 1'800'000'000;
    const std::vector<Remindable> coming = {{"sunset", event}, {"full_moon", event + 3600}, {"sunset", event}};
    const std::vector<std::string> kinds = {"sunset"};
    const struct {
        std::time_t now;
        int lead;
        std::size_t due;
    } rows[] = {{event - 16 * 60, 15, 0}, {event - 16 * 60 + 1, 15, 1}, {event - 1, 15, 1},
                {event, 15, 0},  // the event has come: too late
                {event - 59, 0, 1}, {event - 60, 0, 0}, {event - 86459, 1440, 1}, {event - 86460, 1440, 0}};
    for (const auto& r : rows) EXPECT_EQ(due_reminders(coming, kinds, r.lead, r.now, {}).size(), r.due) << r.now;
    EXPECT_TRUE(due_reminders(coming, kinds, 15, event - 60, {reminder_key({"sunset", event + 30})}).empty());
    EXPECT_EQ(keys_to_keep({"sunset@100", "x@200000", "bad", "y@", "z@12ab"}, 100000), (std::vector<std::string>{"x@200000"}));
    EXPECT_EQ(split_words(",a,,b,", ','), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(join_words({"a", "b"}, ' '), "a b");
}

TEST(Reminders, EachComesOnceAtItsTimeAndNotAgainAfterARestart) {
    PrivateBus bus;
    if (bus.address.isEmpty()) GTEST_SKIP() << "no dbus-daemon";
    QDBusConnection server = QDBusConnection::connectToBus(bus.address, QStringLiteral("server"));
    Notifications service;
    ASSERT_TRUE(server.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                      QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(server.registerService(QStringLiteral("org.freedesktop.Notifications")));
    const QDBusConnection client = QDBusConnection::connectToBus(bus.address, QStringLiteral("client"));
    ASSERT_TRUE(client.isConnected());

    std::filesystem::remove(kSettingsFile);
    std::ofstream(kCompanionFile, std::ios::trunc) << "[remind]\nevents=sunset\nbefore=15\n";
    timespec now{1796817600, 0};  // 2026-12-09 12:00 UTC
    std::time_t sunset = 0;
    {
        TForm1 form(kSettingsFile, [&now] { return now; });
        for (const Remindable& r : form.almanac.remindable())
            if (r.kind == "sunset") sunset = r.at;
        ASSERT_GT(sunset, now.tv_sec);
        form.notifier.use_bus(client);
        now.tv_sec = sunset - 16 * 60 - 30;
        form.Timer1Timer();
        spin_until([] { return false; }, kNothingComesMs);
        EXPECT_TRUE(service.shown.isEmpty());
        now.tv_sec = sunset - 15 * 60 + 30;  // within a quarter of an hour: the reminder
        form.Timer1Timer();
        spin_until([&] { return !service.shown.isEmpty(); });
        ASSERT_EQ(service.shown.size(), 1);
        EXPECT_TRUE(service.shown[0].startsWith(QStringLiteral("Sunset at "))) << service.shown[0].toStdString();
        now.tv_sec = sunset - 5 * 60;
        form.Timer1Timer();
    }
    TForm1 again(kSettingsFile, [&now] { return now; });  // a restart before the sunset
    again.notifier.use_bus(client);
    again.Timer1Timer();
    spin_until([] { return false; }, kNothingComesMs);
    EXPECT_EQ(service.shown.size(), 1);
    std::filesystem::remove(kCompanionFile);
}

// No notification service on the bus: said once, and the clock goes on.
TEST(Reminders, NoServiceIsSaidOnce) {
    PrivateBus bus;
    if (bus.address.isEmpty()) GTEST_SKIP() << "no dbus-daemon";
    Notifier notifier(QDBusConnection::connectToBus(bus.address, QStringLiteral("client")));
    testing::internal::CaptureStderr();
    notifier.notify(QStringLiteral("one"), {});
    notifier.notify(QStringLiteral("two"), {});
    spin_until([&] { return notifier.failure_said(); }, 3000);
    spin_until([] { return false; }, kNothingComesMs);  // the second refusal too
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("reminders cannot be shown"), std::string::npos) << said;
    EXPECT_EQ(said.find("reminders cannot be shown", said.find("reminders cannot be shown") + 1), std::string::npos);
}

#include "reminders_test.moc"
