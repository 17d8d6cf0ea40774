#include "Unit1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QSaveFile>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <utility>

#include "Unit2.h"
#include "almanac.h"
#include "desktop.h"
#include "observer.h"

namespace {

constexpr int kMinuteMs = 60000;
constexpr int kTickMs = 50;
constexpr int kPaintWindowMs = 200;  // the fast layer is drawn early in each second
constexpr int kFarPosition = 1000000;  // a saved position beyond this lies on no screen
constexpr int kMiddleRegion = 40;      // the middle of the face that must be on a screen, px

// The middle of a face whose window's top left is `p`; nothing for a position so far off
// that no screen can hold it (and whose arithmetic could overflow).
std::optional<QRect> face_middle(QPoint p, QPoint centre) {
    if (std::abs(std::int64_t{p.x()}) > kFarPosition || std::abs(std::int64_t{p.y()}) > kFarPosition) return std::nullopt;
    return QRect(p + centre - QPoint(kMiddleRegion / 2, kMiddleRegion / 2), QSize(kMiddleRegion, kMiddleRegion));
}

bool on_a_screen(const QRect& r) {
    for (const QScreen* s : QGuiApplication::screens())
        if (s->geometry().intersects(r)) return true;
    return false;
}

// The screen nearest to a point, measured in 64 bits.
const QScreen* nearest_screen(QPoint p) {
    const QScreen* best = QGuiApplication::primaryScreen();
    std::int64_t best_d = std::numeric_limits<std::int64_t>::max();
    for (const QScreen* s : QGuiApplication::screens()) {
        const QPoint c = s->geometry().center();
        const std::int64_t dx = std::int64_t{c.x()} - p.x(), dy = std::int64_t{c.y()} - p.y();
        if (dx * dx + dy * dy < best_d) {
            best_d = dx * dx + dy * dy;
            best = s;
        }
    }
    return best;
}

}  // namespace

TForm1::TForm1(std::string settings_file, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      PopupMenu1(this),
      settings_path(std::move(settings_file)) {
    Q_INIT_RESOURCE(icons);
    setWindowTitle(QStringLiteral("Orbalis"));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(11);
    setFont(font);

    make_face_bitmap();
    setFixedSize(2 * face_radius, 2 * face_radius);
    if (round_by_mask) {
        // Every paint covers the whole window with the face picture: no background fill first.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    } else {
        // No window shapes (Wayland): a translucent window with the face painted round.
        setAttribute(Qt::WA_TranslucentBackground);
    }
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Orbalis"));
    // A desktop clock is rarely the active window; its tooltip shows all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    build_menu();

    settings = std::make_unique<CInit>();
    load_settings(*settings, settings_path);
    ctx = std::make_unique<astro::CalcContext>();
    planets = std::make_unique<astro::CPlnt_Data>();
    place_window();
    watch_screens();

    read_clock();
    set_zone_for_now();
    astro::set_time_from_clock(*ctx, clock_second);
    astro::observe_from(*ctx, settings->latitude, settings->longitude, settings->height);
    update_face();

    Timer1.setInterval(kMinuteMs);
    Timer2.setInterval(kTickMs);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    Timer2Rearm.setSingleShot(true);
    Timer2Rearm.setTimerType(Qt::PreciseTimer);
    connect(&Timer2Rearm, &QTimer::timeout, this, &TForm1::Timer2Resume);
    Timer1.start();
    Timer2.start();
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::build_menu() {
    PopupMenu1.setObjectName(QStringLiteral("PopupMenu1"));
    Clock12h = PopupMenu1.addAction(QStringLiteral("1&2h"));
    Clock24h = PopupMenu1.addAction(QStringLiteral("2&4h"));
    N1 = PopupMenu1.addSeparator();
    K2 = PopupMenu1.addAction(QStringLiteral("&Info..."));
    StartAtLogin = PopupMenu1.addAction(QStringLiteral("Start at &login"));
    N2 = PopupMenu1.addSeparator();
    K1 = PopupMenu1.addAction(QStringLiteral("E&xit"));
    Clock12h->setObjectName(QStringLiteral("Clock12h"));
    Clock24h->setObjectName(QStringLiteral("Clock24h"));
    K2->setObjectName(QStringLiteral("K2"));
    K1->setObjectName(QStringLiteral("K1"));
    StartAtLogin->setObjectName(QStringLiteral("StartAtLogin"));
    StartAtLogin->setCheckable(true);
    StartAtLogin->setChecked(autostart_entry_exists());
    Clock12h->setCheckable(true);
    Clock24h->setCheckable(true);
    Clock12h->setChecked(true);
    connect(Clock12h, &QAction::triggered, this, &TForm1::Clock12hClick);
    connect(Clock24h, &QAction::triggered, this, &TForm1::Clock24hClick);
    // The dialog runs its own modal loop: open it once the menu has closed.
    connect(K2, &QAction::triggered, this, &TForm1::K2Click, Qt::QueuedConnection);
    connect(K1, &QAction::triggered, this, &TForm1::K1Click);
    connect(StartAtLogin, &QAction::triggered, this, &TForm1::StartAtLoginClick);
    // The entry may have been added or removed elsewhere: the mark shows what is there.
    connect(&PopupMenu1, &QMenu::aboutToShow, this, [this] {
        StartAtLogin->setChecked(autostart_entry_exists());
    });
    // The release after a right press goes to the menu: never leave a drag behind.
    connect(&PopupMenu1, &QMenu::aboutToHide, this, [this] { dragging = false; });
}

// The saved position, unless the middle of the face would lie on no screen (a monitor
// unplugged, a file from another machine).
void TForm1::place_window() {
    move(settings->left, settings->top);
    keep_on_screen();
}

// A face whose middle is on no screen goes to the top left of the available area of the
// nearest screen.
void TForm1::keep_on_screen() {
    const QPoint centre(centre_x, centre_y);
    const std::optional<QRect> middle = face_middle(pos(), centre);
    if (middle && on_a_screen(*middle)) return;
    const QScreen* s = nearest_screen(middle ? middle->center() : QPoint(0, 0));
    move(s != nullptr ? s->availableGeometry().topLeft() : QPoint(0, 0));
}

// Monitors come and go and change their layout: the clock stays on one of them.
void TForm1::watch_screens() {
    const auto watch = [this](QScreen* s) {
        connect(s, &QScreen::geometryChanged, this, &TForm1::keep_on_screen, Qt::QueuedConnection);
    };
    for (QScreen* s : QGuiApplication::screens()) watch(s);
    connect(qApp, &QGuiApplication::screenAdded, this, [this, watch](QScreen* s) {
        watch(s);
        keep_on_screen();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, &TForm1::keep_on_screen, Qt::QueuedConnection);
}

// The stored zone is standard time; the system's daylight-saving shift is added for the
// moment the calendar fields were read, so that both come from one reading.
void TForm1::set_zone_for_now() {
    ctx->tz_hours = settings->tz_hours + astro::dst_shift_hours(clock_second);
}

double TForm1::pixels_per_inch() const { return logicalDpiY() * devicePixelRatioF(); }

void TForm1::showEvent(QShowEvent*) { FormShow(); }
void TForm1::paintEvent(QPaintEvent*) { FormPaint(); }

void TForm1::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    FormMouseDown(e->button(), p.x(), p.y());
    if (e->button() == Qt::RightButton) PopupMenu1.popup(e->globalPosition().toPoint());
}

void TForm1::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() == Qt::NoButton) dragging = false;
    const QPoint p = e->position().toPoint();
    FormMouseMove(p.x(), p.y());
}

// The menu key and Shift+F10 open the menu at the clock; Ctrl+Q exits as Exit does.
void TForm1::keyPressEvent(QKeyEvent* e) {
    const bool menu_key = e->key() == Qt::Key_Menu || (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier);
    if (menu_key) {
        PopupMenu1.popup(mapToGlobal(QPoint(centre_x, centre_y)));
    } else if (e->key() == Qt::Key_Q && e->modifiers() == Qt::ControlModifier) {
        K1Click();
    } else {
        QWidget::keyPressEvent(e);
    }
}

void TForm1::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    FormMouseUp(e->button(), p.x(), p.y());
}

// The round shape is given to the native window alone: a widget mask would also clip every
// paint to the ellipse, which the raster engine then blends in bands on its thread pool.
void TForm1::FormShow() {
    winId();  // makes the native window, if it is not there yet
    if (round_by_mask) windowHandle()->setMask(face_shape());
    desktop::mark_as_gadget(*windowHandle());
    if (!watching_screen) {
        watching_screen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &TForm1::match_pixel_ratio);
    }
    match_pixel_ratio();
}

QRegion TForm1::face_shape() const {
    return QRegion(0, 0, 2 * face_radius + 1, 2 * face_radius + 1, QRegion::Ellipse);
}

void TForm1::make_face_bitmap() {
    const double dpr = devicePixelRatioF();
    face_bitmap = QPixmap(static_cast<int>(2 * face_radius * dpr), static_cast<int>(2 * face_radius * dpr));
    face_bitmap.setDevicePixelRatio(dpr);
}

// On a monitor of another scale the face is drawn anew at its pixel ratio, the round
// shape is given again (the platform scales it only when it is set) and the text tools
// are rebuilt for the new pixel density.
void TForm1::match_pixel_ratio() {
    if (destroyed || face_bitmap.devicePixelRatio() == devicePixelRatioF()) return;
    make_face_bitmap();
    draw_face_bitmap();
    fast_tools.reset();
    if (round_by_mask && windowHandle() != nullptr) windowHandle()->setMask(face_shape());
    update();
}

void TForm1::FormPaint() {
    if (destroyed) return;
    if (!fast_tools) fast_tools.emplace(pixels_per_inch());
    QPainter p(this);
    p.drawPixmap(0, 0, face_bitmap);
    face::draw_fast_layer(p, fast_layer_input(), *fast_tools);
}

void TForm1::FormDestroy() {
    if (destroyed) return;
    destroyed = true;
    Timer1.stop();
    Timer2.stop();
    Timer2Rearm.stop();
    store_position();
    face_bitmap = QPixmap();
    ctx.reset();
    save_settings(*settings, settings_path);  // a failure is said on standard error
    settings.reset();
    planets.reset();
}

// The window system moves the window where it can (the window manager's move on X11, the
// compositor's on Wayland, which a client cannot do itself); only where it refuses (no
// window manager) does the clock follow the mouse itself. The right button keeps the
// clock's own drag: its press opens the menu.
void TForm1::FormMouseDown(Qt::MouseButton button, int x, int y) {
    dragging = true;
    drag_x = x;
    drag_y = y;
    if (button != Qt::RightButton && windowHandle() != nullptr && windowHandle()->startSystemMove())
        dragging = false;
}

void TForm1::FormMouseMove(int x, int y) {
    if (!dragging) return;
    move(pos().x(), pos().y() + y - drag_y);
    move(pos().x() + x - drag_x, pos().y());
}

void TForm1::FormMouseUp(Qt::MouseButton, int, int) { dragging = false; }

void TForm1::Clock12hClick() {
    Clock12h->setChecked(true);
    Clock24h->setChecked(false);
    update_face();
    update();
}

void TForm1::Clock24hClick() {
    Clock12h->setChecked(false);
    Clock24h->setChecked(true);
    update_face();
    update();
}

void TForm1::K2Click() {
    QStringList lines;
    for (const std::string& line : info_memo_lines(display_texts())) lines << QString::fromStdString(line);
    TForm2 dialog(*settings, lines, this);
    if (const std::optional<CInit> edited = dialog.run()) accept_settings(*edited);
}

// A failed save is shown: the user would otherwise believe the place was kept. The new
// settings still apply for this run.
void TForm1::accept_settings(const CInit& edited) {
    *settings = edited;
    store_position();
    const SaveOutcome saved = save_settings(*settings, settings_path);
    apply_settings_to_engine();
    if (!saved)
        QMessageBox::warning(this, QStringLiteral("Orbalis"),
                             QStringLiteral("The settings could not be saved to %1 (%2). They apply until "
                                            "the clock is closed.")
                                 .arg(QString::fromStdString(settings_path), QString::fromStdString(saved.error)));
}

// Where the window system has the window; left as it was where it cannot say (Wayland).
void TForm1::store_position() {
    const std::optional<QPoint> at =
        windowHandle() != nullptr ? desktop::reported_position(*windowHandle()) : std::optional<QPoint>(pos());
    if (!at) return;
    settings->left = at->x();
    settings->top = at->y();
}

void TForm1::K1Click() { close(); }

std::string TForm1::autostart_entry_path() const {
    return config_home(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")) + "/autostart/orbalis.desktop";
}

bool TForm1::autostart_entry_exists() const {
    return QFileInfo::exists(QString::fromStdString(autostart_entry_path()));
}

void TForm1::StartAtLoginClick() {
    const QString path = QString::fromStdString(autostart_entry_path());
    const bool wanted = !autostart_entry_exists();
    QString error;
    if (wanted) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile entry(path);
        if (!entry.open(QIODevice::WriteOnly) ||
            entry.write(autostart_entry(QCoreApplication::applicationFilePath().toStdString()).c_str()) < 0 ||
            !entry.commit())
            error = entry.errorString();
    } else if (!QFile::remove(path)) {
        error = QStringLiteral("it could not be removed");
    }
    StartAtLogin->setChecked(autostart_entry_exists());
    if (!error.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Orbalis"),
                             QStringLiteral("The login start entry %1 was not changed: %2").arg(path, error));
}

void TForm1::Timer1Timer() {
    update_face();
    update();
}

void TForm1::Timer2Timer() {
    read_clock();
    if (millisecond >= kPaintWindowMs || painted_flag) {
        painted_flag = 0;
    } else {
        update();
        painted_flag = 1;
    }
    // The tick that could paint next: the one after next if the flag is set, else the next.
    const int next_paint_ms = millisecond + (painted_flag ? 2 : 1) * kTickMs;
    if (next_paint_ms >= kPaintWindowMs) rest_until_next_second();
}

// The clock wakes the machine once a second, not twenty times. When no tick left in this
// second could paint, Timer2 stops and the flag is cleared now (the tick that would clear
// it has nothing else to do). A tick of its own 120 ms into the next second resumes it:
// that tick paints, and the next paint could only come 100 ms later, past the window, even
// when the coarse 50 ms timer fires a little early; a wake-up up to 80 ms late still paints.
void TForm1::rest_until_next_second() {
    constexpr int kResumeMs = 120;
    painted_flag = 0;
    Timer2.stop();
    Timer2Rearm.start(1000 - millisecond + kResumeMs);
}

void TForm1::Timer2Resume() {
    Timer2.start();
    Timer2Timer();
}

// Called on every tick of the second timer: the calendar fields are rebuilt only when the
// second turns.
void TForm1::read_clock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    millisecond = static_cast<int>(now.tv_nsec / 1000000);
    if (now.tv_sec == clock_second) return;
    clock_second = now.tv_sec;
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    year = local.tm_year + 1900;
    month = local.tm_mon + 1;
    day = local.tm_mday;
    hour = local.tm_hour;
    minute = local.tm_min;
    second = local.tm_sec;
}

void TForm1::run_calculations() { astro::minute_pass(*ctx, *planets, {year, month, day, hour, minute, second}); }

void TForm1::update_face() {
    read_clock();
    set_zone_for_now();
    run_calculations();
    draw_face_bitmap();
    rebuild_texts();
    rebuild_glance();
}

void TForm1::apply_settings_to_engine() {
    set_zone_for_now();
    astro::observe_from(*ctx, settings->latitude, settings->longitude, settings->height);
    update_face();
    update();
}

void TForm1::draw_face_bitmap() {
    QPainter p(&face_bitmap);
    face::draw_slow_layer(p, slow_layer_input());
    if (round_by_mask) return;
    // Without a window shape the corners are cleared to transparent.
    QPainterPath outside;
    outside.addRect(0, 0, 2 * face_radius, 2 * face_radius);
    QPainterPath disc;
    disc.addRegion(face_shape());
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(outside.subtracted(disc), Qt::transparent);
}

void TForm1::rebuild_texts() {
    DisplayTexts t = build_display_texts(*ctx, *planets, hour, minute, second);
    age_text = std::move(t.age_text);
    illum_text = std::move(t.illum_text);
    moonrise_text = std::move(t.moonrise_text);
    moonset_text = std::move(t.moonset_text);
    sunrise_text = std::move(t.sunrise_text);
    sunset_text = std::move(t.sunset_text);
    twilight_begin_text = std::move(t.twilight_begin_text);
    twilight_end_text = std::move(t.twilight_end_text);
    QStringList said;
    for (const std::string& line : info_memo_lines(display_texts())) said << QString::fromStdString(line).trimmed();
    said.removeAll(QString());
    setAccessibleDescription(said.join(QStringLiteral("; ")));
}

void TForm1::rebuild_glance() {
    const double now = astro::ut_julian_day(*ctx);
    const auto passed = [now](const astro::NextPhases& p) {
        return !(*std::min_element(std::begin(p.jd_ut), std::end(p.jd_ut)) > now);  // NaN counts as passed
    };
    if (!next_phases || passed(*next_phases)) next_phases = astro::next_principal_phases(now, ctx->delta_t);
    PhasesAhead ahead{};
    for (int k = 0; k < astro::kPrincipalPhaseCount; ++k) {
        const double jd = next_phases->jd_ut[k];
        const std::optional<std::time_t> at = astro::unix_time_of(jd);
        ahead.when[k] = at ? local_time_of(jd, settings->tz_hours + astro::dst_shift_hours(*at)) : std::nullopt;
        ahead.days[k] = jd - now;
    }
    const LocalTime local{year, month, day, hour, minute};
    setToolTip(QString::fromStdString(glance_text(*ctx, *planets, local, second, ahead, twelve_hour())));
}

DisplayTexts TForm1::display_texts() const {
    return {age_text,    illum_text,    moonrise_text,       moonset_text,
            sunrise_text, sunset_text, twilight_begin_text, twilight_end_text};
}

SlowLayerInput TForm1::slow_layer_input() const {
    SlowLayerInput in;
    in.centre_x = centre_x;
    in.centre_y = centre_y;
    in.disc_radius = disc_radius;
    in.hour = hour;
    in.minute = minute;
    in.twelve_hour = twelve_hour();
    in.moonrise = ctx->moonrise;
    in.moonset = ctx->moonset;
    in.moon_up_flag = ctx->moon_up_flag;
    in.moon_phase_angle = ctx->moon_phase_angle;
    in.sunrise = ctx->sunrise;
    in.sunset = ctx->sunset;
    in.twilight_begin = ctx->twilight_begin;
    in.twilight_end = ctx->twilight_end;
    in.sunrise_found = ctx->sunrise_found;
    in.sunset_found = ctx->sunset_found;
    in.twilight_begin_found = ctx->twilight_begin_found;
    in.twilight_end_found = ctx->twilight_end_found;
    in.sun_altitude_sine = ctx->sun_horizon_vector[2];
    in.southern_view = settings->latitude < 0;  // the S flag with a latitude other than 0
    return in;
}

FastLayerInput TForm1::fast_layer_input() const {
    FastLayerInput in;
    in.centre_x = centre_x;
    in.centre_y = centre_y;
    in.disc_radius = disc_radius;
    in.year = year;
    in.month = month;
    in.day = day;
    in.hour = hour;
    in.minute = minute;
    in.second = second;
    in.twelve_hour = twelve_hour();
    return in;
}
