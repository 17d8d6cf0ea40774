// The clock window on the offscreen platform: shape, menu, dragging, timers, the dialog's
// outcome and the position kept at exit.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QBackingStore>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "Unit1.h"
#include "Unit2.h"
#include "almanac.h"
#include "almanac_report.h"
#include "test_time.h"

TEST(Window, ShapeMenuAndTexts) {
    std::filesystem::remove(kSettingsFile);
    TForm1 form(kSettingsFile);
    form.FormShow();
    ASSERT_NE(form.windowHandle(), nullptr);
    const QRegion shape = form.windowHandle()->mask();
    EXPECT_TRUE(shape.contains(QPoint(60, 60)));
    EXPECT_TRUE(shape.contains(QPoint(60, 1)));
    EXPECT_TRUE(shape.contains(QPoint(120, 60)));
    EXPECT_FALSE(shape.contains(QPoint(2, 2)));
    EXPECT_FALSE(shape.contains(QPoint(118, 118)));
    EXPECT_EQ(form.width(), 120);
    EXPECT_EQ(form.height(), 120);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.Clock12h->text(), "1&2h");
    EXPECT_EQ(form.Clock24h->text(), "2&4h");
    EXPECT_EQ(form.K2->text(), "&Info...");
    EXPECT_EQ(form.K1->text(), "E&xit");
    EXPECT_TRUE(form.Clock12h->isChecked());
    EXPECT_EQ(form.Timer1.interval(), 60000);
    EXPECT_TRUE(form.tick.Timer2.isSingleShot());
    EXPECT_LE(form.tick.Timer2.interval(), 1000 + SecondTick::kWakeMs);
    EXPECT_EQ(form.texts.age_text.rfind("Age=", 0), 0u);
    EXPECT_EQ(form.texts.illum_text.rfind("k=", 0), 0u);
    EXPECT_EQ(form.settings->tz_hours, 9.0);
    // A screen reader reads an image whose name is the time and whose description is the
    // almanac of the tooltip.
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&form);
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->role(), QAccessible::Graphic);
    const QString am_pm = form.hour < 12 ? "am" : "pm";
    EXPECT_EQ(spoken->text(QAccessible::Name), QString("%1:%2 %3").arg((form.hour + 11) % 12 + 1).arg(form.minute, 2, 10, QChar('0')).arg(am_pm));
    EXPECT_EQ(spoken->text(QAccessible::Description), form.toolTip());
    EXPECT_TRUE(form.toolTip().contains("Sunrise") || form.toolTip().contains("Sun "));
    // Ctrl+Q is Exit's own shortcut, kept out of the menu's captions.
    EXPECT_EQ(form.K1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(form.actions().contains(form.K1));

    const QImage before = form.face_bitmap.toImage();
    form.Clock24hClick();
    EXPECT_FALSE(form.Clock12h->isChecked());
    EXPECT_TRUE(form.Clock24h->isChecked());
    EXPECT_NE(form.face_bitmap.toImage(), before);
    EXPECT_EQ(spoken->text(QAccessible::Name), QString("%1:%2").arg(form.hour, 2, 10, QChar('0')).arg(form.minute, 2, 10, QChar('0')));
}

// Where the user has kept no dial, the locale's: 24 hours in German, 12 in English and C; a
// dial kept is kept whatever the locale. The face's date is in the locale's order.
TEST(Window, UnchosenDialAndTheDateFollowTheLocale) {
    std::filesystem::remove(kSettingsFile);
    std::filesystem::remove(kCompanionFile);
    for (const auto& [locale, twenty_four, date] : {std::tuple{"de_DE", true, "09.12.26"}, {"en_US", false, "12/09/26"},
                                                    {"C", false, "26/12/09"}, {"ja_JP", true, "26/12/09"}}) {
        QLocale::setDefault(QLocale(locale));
        TForm1 form(kSettingsFile);
        EXPECT_EQ(form.Clock24h->isChecked(), twenty_four) << locale;
        EXPECT_EQ(std::string(face::date_text(2026, 12, 9, form.date_style).data(), 8), date) << locale;
    }
    {
        TForm1 form(kSettingsFile);
        form.Clock12hClick();
    }
    QLocale::setDefault(QLocale("de_DE"));
    TForm1 kept(kSettingsFile);
    EXPECT_TRUE(kept.Clock12h->isChecked());
    QLocale::setDefault(QLocale::c());
    std::filesystem::remove(kCompanionFile);
}

TEST(Window, DragMovesByTheMouseOffset) {
    TForm1 form(kSettingsFile);
    form.move(100, 100);
    form.FormMouseDown(Qt::LeftButton, 30, 40);
    form.FormMouseMove(50, 45);
    EXPECT_EQ(form.pos(), QPoint(120, 105));
    form.FormMouseUp(Qt::LeftButton, 50, 45);
    form.FormMouseMove(90, 90);
    EXPECT_EQ(form.pos(), QPoint(120, 105));
}

namespace {
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};
}  // namespace

// The tick policy with a stepped clock: one wake-up a second, a paint in it when it falls
// early in a second not yet painted, the next wake-up 120 ms into the next second: a wake-up
// on time leaves a timer of a second running, any other aims a single shot. Rows: where in
// the second a wake-up comes, in time order.
TEST(SecondTick, OneWakeUpASecondPaintsEarlyInIt) {
    timespec now{1800000000, 0};
    int paints = 0, jumps = 0;
    SecondTick tick([&now] { return now; }, [&paints] { ++paints; }, [&jumps] { ++jumps; });
    const struct {
        std::time_t second;
        int ms;
        bool paints, running;
        int next_ms;
    } rows[] = {
        {0, 120, true, true, 1000},    // on time: from now on a timer of a second
        {1, 118, true, true, 1000},    // a little early: still paints, and the timer runs on
        {1, 150, false, true, 1000},   // a second wake-up in the same second does not paint again
        {1, 995, false, false, 125},   // woke at the end of a second: only re-aimed
        {2, 199, true, false, 921},    // late in the window: paints
        {3, 260, false, false, 860},   // past the window (a busy machine): this second is skipped
        {4, 30, true, false, 1090},    // early in the window
        {5, 121, true, true, 1000},    // on time again
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.ms);
        now = {1800000000 + r.second, r.ms * 1000000L};
        const int before = paints;
        tick.Timer2Timer();
        EXPECT_EQ(paints - before, r.paints ? 1 : 0);
        EXPECT_EQ(tick.Timer2.isSingleShot(), !r.running);
        EXPECT_TRUE(tick.Timer2.isActive());
        EXPECT_EQ(tick.Timer2.interval(), r.next_ms);
    }
    EXPECT_EQ(jumps, 0);
    // The wall clock set an hour on, then two hours back: each jump is followed in the
    // wake-up that sees it, in place of the paint.
    for (const std::time_t second : {1800003604, 1799996404}) {
        now = {second, 120'000'000};
        const int before = paints, jumps_before = jumps;
        tick.Timer2Timer();
        EXPECT_EQ(paints, before) << second;
        EXPECT_EQ(jumps, jumps_before + 1) << second;
    }
    now = {1800000010, 50'000'000};
    tick.start();
    EXPECT_EQ(tick.Timer2.interval(), 70);  // the first wake-up: 120 ms into this second
    tick.stop();
    EXPECT_FALSE(tick.Timer2.isActive());
}

// Left to its own timers, the shown clock draws its face once per second, not twice
// (a resume early in the window would leave room for a second paint after the clearing tick).
TEST(Window, RunningClockPaintsOncePerSecond) {
    TForm1 form(kSettingsFile);
    form.show();
    PaintCounter counter;
    QElapsedTimer settle;
    for (settle.start(); settle.elapsed() < 1500;) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    form.installEventFilter(&counter);
    QElapsedTimer run;
    for (run.start(); run.elapsed() < 4000;) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    form.removeEventFilter(&counter);
    EXPECT_GE(counter.paints, 3);
    EXPECT_LE(counter.paints, 5);
}

// What a second's repaint leaves in the window's image (written there without a painter
// once the glyph masks are checked) is what a full paint draws, at a size of 150 % and
// across a minute's change.
TEST(Window, ASecondsRepaintShowsWhatAFullPaintDraws) {
    std::filesystem::remove(kCompanionFile);
    timespec now{utc(2027, 3, 1, 11, 59) + 57, 120'000'000};
    TForm1 form(kSettingsFile, [&now] { return now; });
    form.SizeChoice[1]->trigger();
    form.show();
    QCoreApplication::processEvents();
    form.tick.stop();
    const auto shown = [&form] {
        const QPaintDevice* device = form.backingStore()->paintDevice();
        EXPECT_EQ(device->devType(), QInternal::Image);
        return static_cast<const QImage*>(device)->convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    for (int step = 0; step < 5; ++step) {
        ++now.tv_sec;
        form.tick.Timer2Timer();
        const QImage second = shown();
        EXPECT_EQ(second, form.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied)) << step;
    }
    std::filesystem::remove(kCompanionFile);
}

TEST(Window, ExitWritesPositionAndOffScreenIsBroughtBack) {
    std::filesystem::remove(kSettingsFile);
    {
        CInit s{};
        default_settings(s);
        s.left = 30000;
        s.top = 30000;
        ASSERT_TRUE(save_settings(s, kSettingsFile));
    }
    {
        TForm1 form(kSettingsFile);
        EXPECT_LT(form.x(), 5000);
        EXPECT_LT(form.y(), 5000);
        form.move(40, 50);
        form.FormDestroy();
    }
    CInit s{};
    load_settings(s, kSettingsFile);
    EXPECT_EQ(s.left, 40);
    EXPECT_EQ(s.top, 50);
}

// A moved clock's position is in the file once it has rested, before any exit: a session
// that ends without closing the clock loses nothing.
TEST(Window, AMovedClockIsSavedOnceItRests) {
    std::filesystem::remove(kSettingsFile);
    TForm1 form(kSettingsFile);
    form.show();
    form.move(123, 77);
    // The window system may report the move late: the file is looked at until it holds the
    // position, or for five rests.
    CInit s{};
    QElapsedTimer rest;
    for (rest.start(); rest.elapsed() < 5 * TForm1::kPositionRestMs;) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (load_settings(s, kSettingsFile).empty() && s.left == 123 && s.top == 77) break;
    }
    EXPECT_GE(rest.elapsed(), TForm1::kPositionRestMs);  // written once it rested, not at once
    EXPECT_EQ(std::pair(s.left, s.top), std::pair(123, 77));
}

// Where a saved position puts the clock on the offscreen platform's one 800 x 600 screen:
// the middle of the face must be on it, and no position may overflow on the way.
TEST(Window, SavedPositionsOffTheScreenAreBroughtBack) {
    const struct {
        int left, top, want_x, want_y;
    } cases[] = {{700, 500, 700, 500},  // the face's middle at (760, 560) is on screen
                 {-100, -100, 0, 0},    // a corner outside the round face only
                 {-5, 760, 0, 0},
                 {std::numeric_limits<int>::max() - 5, std::numeric_limits<int>::max() - 5, 0, 0},
                 {std::numeric_limits<int>::min(), 10, 0, 0}};
    for (const auto& c : cases) {
        CInit s{};
        default_settings(s);
        s.left = c.left;
        s.top = c.top;
        ASSERT_TRUE(save_settings(s, kSettingsFile));
        TForm1 form(kSettingsFile);
        EXPECT_EQ(form.pos(), QPoint(c.want_x, c.want_y)) << c.left << "," << c.top;
    }
}

namespace {

std::vector<char> file_bytes() {
    std::ifstream f(kSettingsFile, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// Opens the dialog from the menu command and acts on it once it is up.
void with_dialog(TForm1& form, const std::function<void(TForm2&)>& act) {
    QTimer::singleShot(0, &form, [&] {
        auto* d = qobject_cast<TForm2*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        act(*d);
    });
    form.K2Click();
}

}  // namespace

TEST(Window, DialogOkStoresPositionAndRecomputes) {
    std::filesystem::remove(kSettingsFile);
    TForm1 form(kSettingsFile);
    form.move(210, 140);  // dragged since the start
    const std::string sunrise_before = form.texts.sunrise_text;
    with_dialog(form, [](TForm2& d) {
        const QStringList memo = d.Memo1.toPlainText().split('\n');
        EXPECT_EQ(memo.size(), 10);
        EXPECT_EQ(memo.value(3), "Within 24h...");
        d.South.setChecked(true);
        d.UpDown1.setValue(35);
        d.UpDown2.setValue(30);
        d.BitBtn1.click();
    });
    EXPECT_DOUBLE_EQ(form.settings->latitude, -35.5);
    EXPECT_DOUBLE_EQ(form.almanac.context().latitude, -35.5);
    EXPECT_NE(form.texts.sunrise_text, sunrise_before);
    // Written at once, with where the clock stands now.
    CInit on_disk{};
    load_settings(on_disk, kSettingsFile);
    EXPECT_EQ(on_disk.south, 1);
    EXPECT_EQ(on_disk.lat_min, 30);
    EXPECT_EQ(on_disk.left, 210);
    EXPECT_EQ(on_disk.top, 140);
    EXPECT_EQ(on_disk.tz_hours, 9.0);
}

// OK whose save fails says so, with the path and the reason, and the place still applies.
TEST(Window, DialogOkThatCannotSaveSaysSo) {
    { std::ofstream in_the_way("not-a-folder"); }
    const std::string unwritable = (std::filesystem::current_path() / "not-a-folder" / kSettingsFile).string();
    TForm1 form(unwritable);
    QString said;
    with_dialog(form, [&said](TForm2& d) {
        d.UpDown1.setValue(12);
        QTimer::singleShot(0, [&said] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            said = box->text();
            box->accept();
        });
        d.BitBtn1.click();
    });
    EXPECT_TRUE(said.contains(QString::fromStdString(unwritable))) << said.toStdString();
    EXPECT_TRUE(said.contains("Not a directory")) << said.toStdString();
    EXPECT_DOUBLE_EQ(form.settings->latitude, 12.0);
    EXPECT_DOUBLE_EQ(form.almanac.context().latitude, 12.0);
}

// "12h" and "24h" are one exclusive choice, still drawn with check marks.
TEST(Window, DialIsOneChoiceWithCheckMarks) {
    TForm1 form(kSettingsFile);
    EXPECT_TRUE(form.DialGroup.isExclusive());
    for (QAction* a : {form.Clock24h, form.Clock24h, form.Clock12h, form.Clock12h}) {
        a->trigger();
        EXPECT_TRUE(a->isChecked());
        EXPECT_EQ(form.Clock12h->isChecked(), !form.Clock24h->isChecked());
    }
    QStyleOptionMenuItem item;
    item.initFrom(&form.PopupMenu1);
    item.rect = QRect(0, 0, 120, 24);
    item.text = "2&4h";
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.checked = true;
    item.maxIconWidth = 20;
    const auto drawn = [&item](const QStyle* style, QStyleOptionMenuItem::CheckType type) {
        QImage image(120, 24, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        item.checkType = type;
        style->drawControl(QStyle::CE_MenuItem, &item, &p, nullptr);
        return image;
    };
    const QImage check = drawn(QApplication::style(), QStyleOptionMenuItem::NonExclusive);
    EXPECT_NE(drawn(QApplication::style(), QStyleOptionMenuItem::Exclusive), check);  // a radio button
    EXPECT_EQ(drawn(form.PopupMenu1.style(), QStyleOptionMenuItem::Exclusive), check);
}

// "Moon as in the sky" is kept in the companion file and comes back at the next start.
TEST(Window, MoonInTheSkyIsKept) {
    std::filesystem::remove(kCompanionFile);
    {
        TForm1 form(kSettingsFile);
        EXPECT_EQ(form.MoonInTheSky->text(), "Moon as in the &sky");
        EXPECT_FALSE(form.MoonInTheSky->isChecked());
        EXPECT_EQ(form.PopupMenu1.actions().indexOf(form.MoonInTheSky), form.PopupMenu1.actions().indexOf(form.Clock24h) + 1);
        form.MoonInTheSky->trigger();
    }
    EXPECT_EQ(Choices(kSettingsFile).moon_in_the_sky(), true);
    TForm1 again(kSettingsFile);
    EXPECT_TRUE(again.MoonInTheSky->isChecked());
    again.MoonInTheSky->trigger();
    EXPECT_EQ(Choices(kSettingsFile).moon_in_the_sky(), false);
}

// The twilight is one choice of three, kept in the companion file; the events and the face
// follow it at once and after a restart.
TEST(Window, TwilightChoiceIsKept) {
    std::filesystem::remove(kCompanionFile);
    {
        TForm1 form(kSettingsFile);
        const auto kind = [&form] { return form.almanac.context().twilight_sine; };
        EXPECT_TRUE(form.TwilightKind[static_cast<int>(astro::Twilight::kAstronomical)]->isChecked());
        EXPECT_EQ(kind(), astro::kTwilightSine);
        const double astronomical_begin = form.almanac.context().twilight_begin;
        form.TwilightKind[static_cast<int>(astro::Twilight::kCivil)]->trigger();
        EXPECT_EQ(kind(), astro::twilight_sine(astro::Twilight::kCivil));
        EXPECT_NE(form.almanac.context().twilight_begin, astronomical_begin);
        EXPECT_TRUE(form.toolTip().contains("Civil twilight")) << form.toolTip().toStdString();
        EXPECT_FALSE(form.TwilightKind[static_cast<int>(astro::Twilight::kAstronomical)]->isChecked());
    }
    EXPECT_EQ(Choices(kSettingsFile).twilight(), "civil");
    TForm1 again(kSettingsFile);
    EXPECT_TRUE(again.TwilightKind[static_cast<int>(astro::Twilight::kCivil)]->isChecked());
    EXPECT_EQ(again.almanac.context().twilight_sine, astro::twilight_sine(astro::Twilight::kCivil));
    again.TwilightKind[static_cast<int>(astro::Twilight::kNautical)]->trigger();
    EXPECT_EQ(Choices(kSettingsFile).twilight(), "nautical");
    std::filesystem::remove(kCompanionFile);
}

// The size is one choice of four, kept in the companion file: the window, its shape and its
// face picture at that size, the same face in more pixels, and again after a restart.
TEST(Window, SizeChoiceIsKept) {
    std::filesystem::remove(kCompanionFile);
    {
        TForm1 form(kSettingsFile);
        EXPECT_EQ(form.size(), QSize(120, 120));
        EXPECT_TRUE(form.SizeChoice[0]->isChecked());
        form.SizeChoice[1]->trigger();  // 150 %
        EXPECT_EQ(form.size(), QSize(180, 180));
        EXPECT_EQ(form.face_bitmap.size(), QSize(180, 180));
        EXPECT_EQ(form.face_bitmap.deviceIndependentSize(), QSizeF(120, 120));
        const QImage shown = form.grab().toImage();
        // The outer ring, 2 units of grey, is 3 pixels at 150 %: drawn at the size, not stretched.
        EXPECT_EQ(QColor(shown.pixel(90, 1)), QColor(Qt::black));
        for (const int y : {2, 3, 4}) EXPECT_EQ(QColor(shown.pixel(90, y)), face::kGrey) << y;
        EXPECT_FALSE(form.SizeChoice[0]->isChecked());
    }
    EXPECT_EQ(Choices(kSettingsFile).size_percent(), 150);
    TForm1 again(kSettingsFile);
    EXPECT_EQ(again.size(), QSize(180, 180));
    EXPECT_TRUE(again.SizeChoice[1]->isChecked());
    again.SizeChoice[3]->trigger();
    EXPECT_EQ(again.size(), QSize(360, 360));
    std::filesystem::remove(kCompanionFile);
}

// Settings that cannot be kept are said at the start, naming the file and the reason.
TEST(Window, UnsaveableSettingsAreSaidAtTheStart) {
    { std::ofstream in_the_way("in-the-way"); }
    const std::string unwritable = (std::filesystem::current_path() / "in-the-way" / kSettingsFile).string();
    TForm1 form(unwritable);
    QCoreApplication::processEvents();
    ASSERT_NE(form.save_warning, nullptr);
    EXPECT_TRUE(form.save_warning->isVisible());
    EXPECT_TRUE(form.save_warning->text().contains(QString::fromStdString(unwritable)));
    EXPECT_TRUE(form.save_warning->text().contains("Not a directory"));
    std::filesystem::remove(kSettingsFile);
    EXPECT_EQ(TForm1(kSettingsFile).save_warning, nullptr);

    // A choice that cannot be written is shown too, once for its reason.
    std::filesystem::create_directory(kCompanionFile);
    TForm1 choosing(kSettingsFile);
    choosing.Clock24h->trigger();
    QCoreApplication::processEvents();
    ASSERT_NE(choosing.save_warning, nullptr);
    EXPECT_TRUE(choosing.save_warning->isVisible());
    EXPECT_TRUE(choosing.save_warning->text().contains(kCompanionFile)) << choosing.save_warning->text().toStdString();
    choosing.MoonInTheSky->trigger();
    EXPECT_EQ(choosing.save_warning->text().count(kCompanionFile), 1);
    std::filesystem::remove(kCompanionFile);
}

TEST(Window, DialogCancelChangesNothing) {
    std::filesystem::remove(kSettingsFile);
    TForm1 form(kSettingsFile);
    save_settings(*form.settings, kSettingsFile);
    const auto bytes = file_bytes();
    const CInit before = *form.settings;
    const double lat = form.almanac.context().latitude, sunrise = form.almanac.context().sunrise;
    const QImage face = form.face_bitmap.toImage();
    with_dialog(form, [](TForm2& d) {
        d.ComboBox1.setEditText("-3.5");
        d.UpDown1.setValue(10);
        d.BitBtn2.click();
    });
    EXPECT_EQ(std::memcmp(&before, form.settings.get(), sizeof before), 0);
    EXPECT_EQ(file_bytes(), bytes);
    EXPECT_EQ(form.almanac.context().latitude, lat);
    EXPECT_EQ(form.almanac.context().sunrise, sunrise);
    EXPECT_EQ(form.face_bitmap.toImage(), face);
}

// The menu's login start writes a valid autostart entry for this binary and removes it.
TEST(Window, StartAtLoginWritesAndRemovesTheEntry) {
    const std::string entry = std::string(std::getenv("XDG_CONFIG_HOME")) + "/autostart/orbalis.desktop";
    std::filesystem::remove(entry);
    TForm1 form(kSettingsFile);
    EXPECT_EQ(form.PopupMenu1.actions().indexOf(form.StartAtLogin), form.PopupMenu1.actions().indexOf(form.K2) + 1);
    EXPECT_TRUE(form.PopupMenu1.actions().value(form.PopupMenu1.actions().indexOf(form.K2) + 2)->isSeparator());
    EXPECT_EQ(form.StartAtLogin->text(), "Start at &login");
    EXPECT_FALSE(form.StartAtLogin->isChecked());
    form.StartAtLogin->trigger();
    ASSERT_TRUE(std::filesystem::exists(entry));
    EXPECT_TRUE(form.StartAtLogin->isChecked());
    EXPECT_EQ(std::system(("desktop-file-validate " + entry).c_str()), 0);
    std::ifstream f(entry);
    const std::string text{std::istreambuf_iterator<char>(f), {}};
    // The login starts the clock on the file in use.
    const std::string in_use = (std::filesystem::current_path() / kSettingsFile).string();
    EXPECT_NE(text.find("Exec=" + QCoreApplication::applicationFilePath().toStdString() + " --settings " + in_use +
                        "\n"),
              std::string::npos)
        << text;
    form.StartAtLogin->trigger();
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_FALSE(form.StartAtLogin->isChecked());
}

namespace {


constexpr double kUnixEpochJd = 2440587.5;

// "2027-07-15 14:05" for an instant, on the process's zone's clocks.
std::string local_minute(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M", &tm);
    return buf;
}

void write_place(double tz, bool south) {
    CInit s{};
    default_settings(s);
    s.tz_hours = tz;
    s.south = south;
    ASSERT_TRUE(save_settings(s, kSettingsFile));
}

}  // namespace

// A computer in Berlin in July, its place at Berlin's standard offset: the engine works on
// the true instant, and the coming phases are told on Berlin's summer clocks.
TEST(WindowTime, BerlinSummerInstantAndPhases) {
    ZoneScope zone("Europe/Berlin");
    write_place(1.0, false);
    timespec now{utc(2027, 7, 15, 10, 0), 0};
    TForm1 form(kSettingsFile, [&now] { return now; });
    form.Clock24hClick();
    for (int step = 0; step < 2; ++step) {
        const double jd_now = now.tv_sec / 86400.0 + kUnixEpochJd;
        EXPECT_NEAR(astro::ut_julian_day(form.almanac.context()), jd_now, 1e-7);
        const astro::NextPhases next = astro::next_principal_phases(jd_now, form.almanac.context().delta_t);
        const std::string tip = form.toolTip().toStdString();
        for (const int k : {astro::kNewMoon, astro::kFullMoon}) {
            const auto at = static_cast<std::time_t>((next.jd_ut[k] - kUnixEpochJd) * 86400.0);
            EXPECT_NE(tip.find(local_minute(at)), std::string::npos) << k << "\n" << tip;
        }
        // Three weeks on, past at least one phase: the phases are searched again.
        now.tv_sec += 21 * 86400;
        form.Timer1Timer();
    }
}

TEST(WindowTime, SouthernPlaceSeesTheMoonMirrored) {
    write_place(9.0, true);
    TForm1 form(kSettingsFile);
    EXPECT_TRUE(form.slow_layer_input().southern_view);
    write_place(9.0, false);
    TForm1 north(kSettingsFile);
    EXPECT_FALSE(north.slow_layer_input().southern_view);
}

namespace {

// "7h5m" for an instant on a clock: the computer's zone's, or a fixed offset in hours.
std::string clock_text(double instant, std::optional<double> fixed_zone) {
    const auto t = static_cast<std::time_t>(std::floor(instant));
    std::tm tm{};
    if (fixed_zone) {
        const std::time_t shifted = t + static_cast<std::time_t>(*fixed_zone * 3600);
        gmtime_r(&shifted, &tm);
    } else {
        localtime_r(&t, &tm);
    }
    return std::to_string(tm.tm_hour) + "h" + std::to_string(tm.tm_min) + "m";
}

}  // namespace

// Every memo text is its event's instant on the place's clock, converted by the C library
// with the zone's own rules: across both daylight-saving changes, in half-hour zones, and
// where the place's zone is not the computer's (then a fixed offset, and the tooltip says so).
TEST(WindowTime, EventsOnTheirOwnClockInManyZones) {
    const struct {
        const char* zone;
        std::time_t now;
        double place_tz;
        bool computers;  // the place's zone is the computer's
    } rows[] = {
        {"Europe/Berlin", utc(2027, 7, 15, 10, 0), 1, true},
        {"Europe/Berlin", utc(2027, 3, 27, 23, 30), 1, true},   // clocks go forward at 02:00
        {"Europe/Berlin", utc(2027, 10, 30, 22, 30), 1, true},  // and back at 03:00
        {"America/New_York", utc(2027, 3, 14, 4, 30), -5, true},
        {"Australia/Sydney", utc(2027, 4, 3, 13, 30), 10, true},
        {"Australia/Lord_Howe", utc(2027, 4, 3, 13, 0), 10.5, true},  // a half-hour shift
        {"America/St_Johns", utc(2027, 1, 15, 12, 0), -3.5, true},
        {"America/Chicago", utc(2027, 3, 14, 2, 0), -6, true},
        {"Europe/London", utc(2027, 1, 15, 12, 0), 9, false},
        {"Europe/Berlin", utc(2027, 7, 15, 10, 0), -5, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.zone << " " << r.now);
        ZoneScope zone(r.zone);
        write_place(r.place_tz, false);
        timespec now{r.now, 0};
        TForm1 form(kSettingsFile, [&now] { return now; });
        const std::optional<double> fixed = r.computers ? std::nullopt : std::optional<double>(r.place_tz);
        using astro::DayEvent;
        const std::pair<DayEvent, const std::string&> events[] = {
            {DayEvent::kSunrise, form.texts.sunrise_text},     {DayEvent::kSunset, form.texts.sunset_text},
            {DayEvent::kTwilightBegin, form.texts.twilight_begin_text},
            {DayEvent::kTwilightEnd, form.texts.twilight_end_text}, {DayEvent::kMoonrise, form.texts.moonrise_text},
            {DayEvent::kMoonset, form.texts.moonset_text}};
        for (const auto& [kind, shown] : events) {
            const astro::EventTime e = astro::day_event(form.almanac.context(), kind);
            EXPECT_EQ(shown, e.found ? clock_text(r.now + e.hours * 3600, fixed) : "--h--m") << e.hours;
        }
        // The Moon is the true instant's, whatever the zone field holds.
        astro::CalcContext at_utc;
        astro::CPlnt_Data planets;
        at_utc.tz_hours = 0;
        std::tm u{};
        gmtime_r(&r.now, &u);
        astro::start_at(at_utc, planets, {35, 135, 0},
                        {u.tm_year + 1900, u.tm_mon + 1, u.tm_mday, u.tm_hour, u.tm_min, u.tm_sec});
        EXPECT_EQ(form.almanac.planet_data().moon_age, planets.moon_age);
        const bool noted = form.toolTip().endsWith(QString::fromStdString("Times at " + utc_offset_name(r.place_tz)));
        EXPECT_EQ(noted, !r.computers) << form.toolTip().toStdString();
    }
}

// No settings file anywhere: the place and zone of the computer's zone, written at exit; the
// tooltip and the dialog's Place field say which place until the user chooses one.
TEST(WindowTime, FirstStartFitsTheComputer) {
    const struct {
        const char* zone;
        int lat_deg, lat_min;
        double tz;
        const char* name;
    } rows[] = {{"Europe/Berlin", 52, 31, 1.0, "Berlin, Germany"}, {"UTC", 35, 0, 9.0, nullptr}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.zone);
        ZoneScope scope(r.zone);
        std::filesystem::remove(kSettingsFile);
        std::filesystem::remove(kCompanionFile);
        {
            TForm1 form(kSettingsFile);
            EXPECT_EQ(form.settings->lat_deg, r.lat_deg);
            EXPECT_EQ(form.settings->lat_min, r.lat_min);
            EXPECT_EQ(double{form.settings->tz_hours}, r.tz);
            const std::string said = r.name ? std::string(r.name) + " \u2014 from your time zone; choose yours in Info\u2026\n" : "";
            EXPECT_EQ(form.toolTip().toStdString().rfind(said, 0), 0u) << form.toolTip().toStdString();
            if (!r.name) continue;
            // OK with the place as shown leaves it the time zone's; a place chosen by name is the user's.
            with_dialog(form, [&r](TForm2& d) {
                EXPECT_EQ(d.PlaceSearch.text().toStdString(), r.name);
                d.BitBtn1.click();
            });
            EXPECT_EQ(form.toolTip().toStdString().rfind(said, 0), 0u);
            with_dialog(form, [](TForm2& d) {
                d.choose_place(places::find_places("Hamburg", 1).at(0));
                d.BitBtn1.click();
            });
            EXPECT_EQ(form.toolTip().toStdString().find("from your time zone"), std::string::npos);
            EXPECT_EQ(Choices(kSettingsFile).place()->name, "Hamburg, Germany");
        }
        CInit s{};
        load_settings(s, kSettingsFile);
        EXPECT_EQ(s.lat_deg, r.name ? 53 : r.lat_deg);  // Hamburg's, or the defaults kept
    }
}

// A trip while running: the link TZ names is pointed at another zone, and the next minute
// pass shows the new local time. The dial choice survives a restart; an odd file gives 12 h.
// A computer in Berlin, the place New York chosen by name: OK keeps the place's zone, and
// the times follow New York's own clocks, summer and winter, not Berlin's.
TEST(WindowTime, PlaceChosenByNameKeepsItsOwnZone) {
    ZoneScope berlin("Europe/Berlin");
    write_place(1, false);
    std::filesystem::remove(kCompanionFile);
    for (const auto& [month, offset] : {std::pair{7, -4}, {1, -5}}) {
        timespec now{utc(2027, month, 15, 16, 0), 0};
        TForm1 form(kSettingsFile, [&now] { return now; });
        form.Clock24hClick();
        if (month == 7) {
            with_dialog(form, [](TForm2& d) {
                d.choose_place(places::find_places("New York", 1).at(0));
                d.BitBtn1.click();
            });
        }
        EXPECT_NE(Choices(kSettingsFile).place_zone(), "") << month;
        EXPECT_EQ(double{form.settings->tz_hours}, -5.0);
        const std::string tip = form.toolTip().toStdString();
        EXPECT_NE(tip.find("Times at America/New_York"), std::string::npos) << tip;
        // orbalis --print for the same moment on the place's clock says the same.
        char on_the_place_clock[32];
        std::snprintf(on_the_place_clock, sizeof on_the_place_clock, "2027-%02d-15 %02d:00", month, 16 + offset);
        std::FILE* out = std::tmpfile();
        ASSERT_EQ(print_almanac(kSettingsFile, false, std::string(on_the_place_clock), out, stderr), 0);
        std::rewind(out);
        std::string printed;
        for (int c; (c = std::fgetc(out)) != EOF;) printed += static_cast<char>(c);
        std::fclose(out);
        EXPECT_EQ(printed, tip + "\n");
        const double jd_now = now.tv_sec / 86400.0 + kUnixEpochJd;
        const astro::NextPhases next = astro::next_principal_phases(jd_now, form.almanac.context().delta_t);
        const auto at = static_cast<std::time_t>((next.jd_ut[astro::kFullMoon] - kUnixEpochJd) * 86400.0);
        ZoneScope new_york("America/New_York");
        EXPECT_NE(tip.find(local_minute(at)), std::string::npos) << month << "\n" << tip;
        std::tm there{};
        localtime_r(&at, &there);
        EXPECT_EQ(there.tm_gmtoff, offset * 3600) << month;  // the phase falls in the season tested
    }
    EXPECT_EQ(Choices(kSettingsFile).place_zone(), "America/New_York");
    EXPECT_EQ(Choices(kSettingsFile).place()->name, "New York City, United States");
}

// A jump of the computer's clock (a resume, the time set by hand) is followed at the next
// second's paint, not a minute later.
TEST(WindowTime, ClockJumpRerunsTheMinutePass) {
    ZoneScope zone("America/New_York");
    write_place(-5, false);
    timespec now{utc(2027, 3, 1, 12, 0), 50'000'000};
    TForm1 form(kSettingsFile, [&now] { return now; });
    const double moon_age = form.almanac.planet_data().moon_age;
    now.tv_sec += 86400;
    form.tick.Timer2Timer();
    EXPECT_NEAR(astro::ut_julian_day(form.almanac.context()), now.tv_sec / 86400.0 + kUnixEpochJd, 1e-7);
    EXPECT_NEAR(form.almanac.planet_data().moon_age - moon_age, 1.0, 0.01);
    EXPECT_EQ(form.day, 2);
}

TEST(WindowTime, FollowsAZoneChangeAndKeepsTheDial) {
    namespace fs = std::filesystem;
    const fs::path link = fs::current_path() / "localtime";
    fs::remove(link);
    fs::create_symlink("/usr/share/zoneinfo/Europe/Berlin", link);
    ZoneScope scope(link.c_str());
    write_place(1, false);
    fs::remove("orbalis.conf");  // no place chosen by name, with a zone of its own
    timespec now{utc(2027, 1, 15, 12, 0), 0};
    {
        TForm1 form(kSettingsFile, [&now] { return now; });
        EXPECT_EQ(form.hour, 13);
        EXPECT_TRUE(form.almanac.clock().zone.computers(now.tv_sec));  // +1 is Berlin's standard offset
        fs::remove(link);
        fs::create_symlink("/usr/share/zoneinfo/Asia/Tokyo", link);
        form.Timer1Timer();
        EXPECT_EQ(form.hour, 21);
        // The place's +1 is no longer the computer's: its times are its own again.
        EXPECT_FALSE(form.almanac.clock().zone.computers(now.tv_sec));
        form.Clock24hClick();
    }
    EXPECT_TRUE(TForm1(kSettingsFile).Clock24h->isChecked());
    std::ofstream("orbalis.conf", std::ios::trunc) << "[clock]\ndial=\x01\xfe\n";
    const TForm1 odd(kSettingsFile);
    EXPECT_TRUE(odd.Clock12h->isChecked());
    EXPECT_FALSE(odd.Clock24h->isChecked());
}
