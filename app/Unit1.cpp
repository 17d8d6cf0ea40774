#include "Unit1.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QStyleOptionMenuItem>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <utility>

#include "Unit2.h"
#include "desktop.h"
#include "direct_pixels.h"
#include "first_start.h"
#include "moon_angles.h"
#include "translations.h"

namespace {

// The clock is read as an image whose name is the time and whose description the almanac,
// not as a bare container. Qt's accessibility registry owns what a factory makes.
QAccessibleInterface* clock_as_image(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String("TForm1") || object == nullptr || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

}  // namespace

namespace {

constexpr int kMinuteMs = 60000;

}  // namespace

TForm1::TForm1(std::string settings_file, WallClock wall_clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      PopupMenu1(this),
      DialGroup(this),
      TwilightMenu(tr("&Twilight")),
      TwilightGroup(this),
      //: The size of the clock's face.
      SizeMenu(tr("Si&ze")),
      SizeGroup(this),
      RemindMenu(tr("&Remind me")),
      RemindLeadGroup(this),
      clock(std::move(wall_clock)),
      tick(
          clock,
          [this] {
              read_clock();
              if (clock_second >= 0 && clock_second / 60 != minute_passed) {
                  // The minute's work in the second's wake-up, as the minute turns: the
                  // whole face is new, and painted now in one pass.
                  Timer1Timer();
                  Timer1.start();
                  repaint();
                  return;
              }
              repaint_second();
          },
          // After a jump of the computer's clock the Moon and the events follow at once.
          [this] {
              update_face();
              repaint();
          }),
      settings_path(std::move(settings_file)),
      choices(settings_path) {
    QAccessible::installFactory(clock_as_image);
    almanac.set_wording(Translations::wording());
    setWindowTitle(QStringLiteral("Orbalis"));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(11);
    setFont(font);

    face_scale = choices.size_percent() / 100.0;
    make_face_bitmap();
    setFixedSize(face_side(), face_side());
    if (translucent) {
        setAttribute(Qt::WA_TranslucentBackground);
    } else {
        // Every paint covers the whole window with the face picture: no background fill first.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    setFocusPolicy(Qt::StrongFocus);
    // A desktop clock is rarely the active window; its tooltip shows all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    build_menu();

    settings = std::make_unique<CInit>();
    zone_watch.changed();  // notes the zone the clock starts in
    read_clock();
    const LoadedSettings loaded = load_or_first_start(*settings, settings_path, clock_second);
    if (!loaded.note.empty()) std::fprintf(stderr, "orbalis: %s\n", one_line(loaded.note).c_str());
    // A first start says where it put the user until they choose: kept beside the settings.
    if (loaded.first_place) say_not_kept(choices.set_place(loaded.first_place, true));
    show_choices();
    warn_if_unsaveable();
    position_in_file = QPoint(settings->left, settings->top);
    PositionSave.setSingleShot(true);
    PositionSave.setInterval(kPositionRestMs);
    connect(&PositionSave, &QTimer::timeout, this, &TForm1::save_moved_position);
    place_window();
    watch_screens();

    apply_settings_to_engine();

    Timer1.setInterval(kMinuteMs);
    // Precise: restarted by the minute's work, it comes due just after the next minute's
    // tick, which restarts it again. Qt rounds a coarse timer of a minute to a whole second,
    // the very instant of that tick: it woke the clock apart and did the minute's work first.
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1.start();
    tick.start();
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::CheckMarkStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                         const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || item == nullptr || item->checkType != QStyleOptionMenuItem::Exclusive) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem as_check = *item;
    as_check.checkType = QStyleOptionMenuItem::NonExclusive;
    QProxyStyle::drawControl(element, &as_check, painter, widget);
}

void TForm1::build_menu() {
    PopupMenu1.setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1.setStyle(&menu_style);
    //: The dial of 12 hours (with am and pm); & marks the menu's key.
    Clock12h = PopupMenu1.addAction(tr("1&2h"));
    //: The dial of 24 hours.
    Clock24h = PopupMenu1.addAction(tr("2&4h"));
    MoonInTheSky = PopupMenu1.addAction(tr("Moon as in the &sky"));
    PopupMenu1.addMenu(&TwilightMenu);
    PopupMenu1.addMenu(&SizeMenu);
    PopupMenu1.addMenu(&RemindMenu);
    PopupMenu1.addSeparator()->setObjectName(QStringLiteral("N1"));
    K2 = PopupMenu1.addAction(tr("&Info..."));
    StartAtLogin = PopupMenu1.addAction(tr("Start at &login"));
    PopupMenu1.addSeparator()->setObjectName(QStringLiteral("N2"));
    K1 = PopupMenu1.addAction(tr("E&xit"));
    // Keys of the focused clock: Ctrl+Q exits as Exit does; the menu key and Shift+F10 open
    // the menu at the clock. The menu itself shows its captions alone.
    K1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    K1->setShortcutVisibleInContextMenu(false);
    addAction(K1);
    OpenMenu = new QAction(this);  // owned by the window
    OpenMenu->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    addAction(OpenMenu);
    connect(OpenMenu, &QAction::triggered, this, [this] {
        PopupMenu1.popup(mapToGlobal(QPoint(width() / 2, height() / 2)));
    });
    Clock12h->setObjectName(QStringLiteral("Clock12h"));
    Clock24h->setObjectName(QStringLiteral("Clock24h"));
    K2->setObjectName(QStringLiteral("K2"));
    K1->setObjectName(QStringLiteral("K1"));
    StartAtLogin->setObjectName(QStringLiteral("StartAtLogin"));
    StartAtLogin->setCheckable(true);
    StartAtLogin->setChecked(desktop::autostart_entry_exists());
    Clock12h->setCheckable(true);
    Clock24h->setCheckable(true);
    DialGroup.addAction(Clock12h);
    DialGroup.addAction(Clock24h);
    DialGroup.setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    Clock12h->setChecked(true);
    connect(Clock12h, &QAction::triggered, this, &TForm1::Clock12hClick);
    connect(Clock24h, &QAction::triggered, this, &TForm1::Clock24hClick);
    MoonInTheSky->setObjectName(QStringLiteral("MoonInTheSky"));
    MoonInTheSky->setCheckable(true);
    connect(MoonInTheSky, &QAction::triggered, this, &TForm1::MoonInTheSkyClick);
    build_twilight_menu();
    build_size_menu();
    build_remind_menu();
    // The dialog runs its own modal loop: open it once the menu has closed.
    connect(K2, &QAction::triggered, this, &TForm1::K2Click, Qt::QueuedConnection);
    connect(K1, &QAction::triggered, this, &TForm1::K1Click);
    connect(StartAtLogin, &QAction::triggered, this, &TForm1::StartAtLoginClick);
    // The entry may have been added or removed elsewhere: the mark shows what is there.
    connect(&PopupMenu1, &QMenu::aboutToShow, this, [this] {
        StartAtLogin->setChecked(desktop::autostart_entry_exists());
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

void TForm1::keep_on_screen() {
    const QPoint kept = desktop::kept_on_screen(pos(), QPoint(width() / 2, height() / 2));
    if (kept != pos()) move(kept);
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

// Civil, nautical or astronomical: one choice.
void TForm1::build_twilight_menu() {
    TwilightMenu.setObjectName(QStringLiteral("TwilightMenu"));
    TwilightMenu.setStyle(&menu_style);
    const QString kinds[astro::kTwilightKinds] = {tr("&Civil (Sun 6\u00b0 below)"),
                                                  tr("&Nautical (12\u00b0 below)"),
                                                  tr("&Astronomical (18\u00b0 below)")};
    for (int k = 0; k < astro::kTwilightKinds; ++k) {
        TwilightKind[k] = TwilightMenu.addAction(kinds[k]);
        TwilightKind[k]->setCheckable(true);
        TwilightGroup.addAction(TwilightKind[k]);
        connect(TwilightKind[k], &QAction::triggered, this,
                [this, k] { TwilightClick(static_cast<astro::Twilight>(k)); });
    }
    TwilightGroup.setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

// 100 to 300 %: one choice.
void TForm1::build_size_menu() {
    SizeMenu.setObjectName(QStringLiteral("SizeMenu"));
    SizeMenu.setStyle(&menu_style);
    for (std::size_t k = 0; k < std::size(kFaceSizes); ++k) {
        const int percent = kFaceSizes[k];
        SizeChoice[k] = SizeMenu.addAction(tr("%1 %", "a size in percent").arg(percent));
        SizeChoice[k]->setCheckable(true);
        SizeGroup.addAction(SizeChoice[k]);
        connect(SizeChoice[k], &QAction::triggered, this, [this, percent] { SizeClick(percent); });
    }
    SizeGroup.setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

// The events to be reminded of (any), then how long before (one choice).
void TForm1::build_remind_menu() {
    RemindMenu.setObjectName(QStringLiteral("RemindMenu"));
    RemindMenu.setStyle(&menu_style);
    const QString kinds_said[std::size(kRemindKinds)] = {
        tr("Sunrise"),   tr("Sunset"),   tr("Golden hour"),
        tr("Full moon"), tr("New moon"), tr("An eclipse seen here")};
    for (std::size_t k = 0; k < std::size(kRemindKinds); ++k) {
        RemindKind[k] = RemindMenu.addAction(kinds_said[k]);
        RemindKind[k]->setCheckable(true);
        connect(RemindKind[k], &QAction::triggered, this, &TForm1::RemindClick);
    }
    RemindMenu.addSeparator();
    const QString leads_said[std::size(kRemindLeads)] = {tr("At the event"), tr("15 min before"),
                                                         tr("1 hour before"), tr("1 day before")};
    for (std::size_t k = 0; k < std::size(kRemindLeads); ++k) {
        RemindLead[k] = RemindMenu.addAction(leads_said[k]);
        RemindLead[k]->setCheckable(true);
        RemindLeadGroup.addAction(RemindLead[k]);
        connect(RemindLead[k], &QAction::triggered, this, &TForm1::RemindClick);
    }
    RemindLeadGroup.setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

// The choices kept in the companion file, shown by the menu's marks.
void TForm1::show_choices() {
    MoonInTheSky->setChecked(choices.moon_in_the_sky());
    TwilightKind[static_cast<int>(chosen_twilight())]->setChecked(true);
    for (std::size_t k = 0; k < std::size(kFaceSizes); ++k)
        SizeChoice[k]->setChecked(kFaceSizes[k] == choices.size_percent());
    const std::vector<std::string> kinds = split_words(choices.remind_events(), ',');
    for (std::size_t k = 0; k < std::size(kRemindKinds); ++k)
        RemindKind[k]->setChecked(std::find(kinds.begin(), kinds.end(), kRemindKinds[k]) != kinds.end());
    for (std::size_t k = 0; k < std::size(kRemindLeads); ++k)
        RemindLead[k]->setChecked(kRemindLeads[k] == choices.remind_before());
    // With no dial kept, the locale's: 24 hours where it writes times so.
    const bool twenty_four = choices.dial_chosen() ? choices.twenty_four_hour()
                                                   : locale_formats::prefers_24_hour(QLocale());
    Clock12h->setChecked(!twenty_four);
    Clock24h->setChecked(twenty_four);
}

void TForm1::choose_dial(bool twenty_four) {
    Clock12h->setChecked(!twenty_four);
    Clock24h->setChecked(twenty_four);
    say_not_kept(choices.set_twenty_four_hour(twenty_four));
    update_face();
    update();
}

double TForm1::pixels_per_inch() const { return logicalDpiY() * devicePixelRatioF(); }

void TForm1::showEvent(QShowEvent*) {
    FormShow();
    note_position();
    // A compositor may place the window a while after it is shown, without telling it.
    for (const int ms : {500, 2000, 5000}) {
        QTimer::singleShot(ms, this, [this] {
            if (isVisible()) note_position();
        });
    }
}
void TForm1::paintEvent(QPaintEvent* e) { FormPaint(e->rect()); }

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

QRegion TForm1::face_shape() const { return QRegion(0, 0, width() + 1, height() + 1, QRegion::Ellipse); }

// The face picture in face units, at the device pixels a unit takes: drawn at any size from
// the face's shapes and text, never a smaller picture stretched.
void TForm1::make_face_bitmap() {
    const int pixels = static_cast<int>(std::lround(2 * kFaceRadius * face_ratio()));
    face_bitmap = QPixmap(pixels, pixels);
    face_bitmap.setDevicePixelRatio(face_ratio());
}

// A region in face units as the window's pixels it touches.
QRegion TForm1::on_the_window(const QRegion& in_face_units) const {
    if (face_scale == 1) return in_face_units;
    QRegion out;
    for (const QRect& r : in_face_units)
        out += QRectF(r.x() * face_scale, r.y() * face_scale, r.width() * face_scale, r.height() * face_scale)
                   .toAlignedRect();
    return out;
}

// A new size: the window, its shape, its pictures and its place on the screen.
void TForm1::apply_size() {
    face_scale = choices.size_percent() / 100.0;
    setFixedSize(face_side(), face_side());
    make_face_bitmap();
    draw_face_bitmap();
    fast_tools.reset();
    fast_layer_drawn.reset();
    if (round_by_mask && windowHandle() != nullptr) windowHandle()->setMask(face_shape());
    keep_on_screen();
    update();
}

void TForm1::RemindClick() {
    std::vector<std::string> kinds;
    for (std::size_t k = 0; k < std::size(kRemindKinds); ++k)
        if (RemindKind[k]->isChecked()) kinds.push_back(kRemindKinds[k]);
    int lead = kRemindLeads[0];
    for (std::size_t k = 0; k < std::size(kRemindLeads); ++k)
        if (RemindLead[k]->isChecked()) lead = kRemindLeads[k];
    say_not_kept(choices.set_remind_events(join_words(kinds, ',')));
    say_not_kept(choices.set_remind_before(lead));
    check_reminders();
}

// Each reminder is remembered in the companion file before it is sent, so that neither a
// restart nor a jump of the clock sends it again; an event already past gets none.
void TForm1::check_reminders() {
    const std::vector<std::string> kinds = split_words(choices.remind_events(), ',');
    if (kinds.empty() || clock_second < 0) return;
    std::vector<std::string> shown = split_words(choices.reminded(), ' ');
    const std::vector<Remindable> due =
        due_reminders(almanac.remindable(), kinds, choices.remind_before(), clock_second, shown);
    if (due.empty()) return;
    for (const Remindable& r : due) shown.push_back(reminder_key(r));
    say_not_kept(choices.set_reminded(join_words(keys_to_keep(shown, clock_second), ' ')));
    for (const Remindable& r : due)
        notifier.notify(
            QString::fromStdString(reminder_text(r.kind, r.at, almanac.clock(), twelve_hour(), almanac.wording())),
            naming_of(choices).name.empty() ? QString() : QString::fromStdString(naming_of(choices).name));
}

void TForm1::SizeClick(int percent) {
    say_not_kept(choices.set_size_percent(percent));
    show_choices();
    apply_size();
}

// On a monitor of another scale the face is drawn anew at its pixel ratio, the round
// shape is given again (the platform scales it only when it is set) and the text tools
// are rebuilt for the new pixel density.
void TForm1::match_pixel_ratio() {
    if (destroyed || face_bitmap.devicePixelRatio() == face_ratio()) return;
    make_face_bitmap();
    draw_face_bitmap();
    fast_tools.reset();
    if (round_by_mask && windowHandle() != nullptr) windowHandle()->setMask(face_shape());
    update();
}

void TForm1::FormPaint(const QRect& dirty) {
    if (destroyed) return;
    if (!fast_tools) fast_tools.emplace(pixels_per_inch());
    const FastLayerInput in = fast_layer_input();
    if (write_without_painter(in)) {
        fast_layer_drawn = in;
        return;
    }
    QPainter p(this);
    p.scale(face_scale, face_scale);  // the face is drawn in its own units
    face::draw_face_picture(p, face_bitmap);
    const QRect face_dirty =
        dirty.isNull() ? QRect() : p.transform().inverted().mapRect(QRectF(dirty)).toAlignedRect();
    face::draw_fast_layer(p, kDial, in, *fast_tools, face_dirty);
    fast_layer_drawn = in;
}

// A second's repaint written into the window's image as the painter would paint it, with no
// painter opened: it would cost its state and pens at every second.
bool TForm1::write_without_painter(const FastLayerInput& in) {
    QPoint offset;
    QPaintDevice* device = redirected(&offset);
    if (device == nullptr || !offset.isNull() || sharedPainter() != nullptr) return false;
    std::optional<DirectPixels> direct = DirectPixels::in_paint(*device);
    return direct && face::write_second(*direct, face_ratio(), face_bitmap, kDial, in, *fast_tools);
}

// A second's paint, in the wake-up that read the clock: only where the hands were and are
// and the date and time, from the face picture. Until a first paint, the whole window.
void TForm1::repaint_second() {
    if (!fast_tools || !fast_layer_drawn) {
        repaint();
        return;
    }
    repaint(on_the_window(
        face::fast_layer_change(kDial, *fast_layer_drawn, fast_layer_input(), *fast_tools, face_ratio())));
}

void TForm1::FormDestroy() {
    if (destroyed) return;
    destroyed = true;
    Timer1.stop();
    PositionSave.stop();
    tick.stop();
    store_position();
    face_bitmap = QPixmap();
    if (const SaveOutcome saved = save_settings(*settings, settings_path); !saved)
        std::fprintf(stderr, "orbalis: could not save %s (%s); the previous file is kept\n", settings_path.c_str(),
                     saved.error.c_str());
    settings.reset();
}

// The window system moves the window where it can (the window manager's move on X11, the
// compositor's on Wayland, which a client cannot do itself); only where it refuses (no
// window manager) does the clock follow the mouse itself. On X11 the middle and right
// buttons keep the clock's own drag, which ends on their release (a window manager's move
// begun with the middle button may never end: openbox); under a compositor the middle
// button's drag is the compositor's too. The right press also opens the menu.
void TForm1::FormMouseDown(Qt::MouseButton button, int x, int y) {
    dragging = true;
    drag_x = x;
    drag_y = y;
    const bool system_move = button == Qt::LeftButton || (button == Qt::MiddleButton && compositor_places);
    if (system_move && windowHandle() != nullptr && windowHandle()->startSystemMove()) dragging = false;
}

void TForm1::FormMouseMove(int x, int y) {
    if (!dragging) return;
    move(pos().x(), pos().y() + y - drag_y);
    move(pos().x() + x - drag_x, pos().y());
}

void TForm1::FormMouseUp(Qt::MouseButton, int, int) { dragging = false; }

// The choice is kept with the dial in the companion file; the face is drawn anew at once.
void TForm1::MoonInTheSkyClick() {
    say_not_kept(choices.set_moon_in_the_sky(MoonInTheSky->isChecked()));
    draw_face_bitmap();
    update();
}

// The choice is kept in the companion file; the events, the tooltip and the arcs follow it.
void TForm1::TwilightClick(astro::Twilight kind) {
    TwilightKind[static_cast<int>(kind)]->setChecked(true);
    say_not_kept(choices.set_twilight(twilight_name(kind)));
    apply_settings_to_engine();
}

astro::Twilight TForm1::chosen_twilight() const { return twilight_of(choices); }

void TForm1::Clock12hClick() { choose_dial(false); }
void TForm1::Clock24hClick() { choose_dial(true); }

void TForm1::K2Click() {
    QStringList lines;
    for (const std::string& line : info_memo_lines(texts)) lines << QString::fromStdString(line);
    TForm2 dialog(*settings, lines, this, choices.place(), clock_second);
    // A place chosen by name shows its own events at once.
    dialog.set_memo_source([this](const CInit& record, const std::optional<PlaceChoice>& place) {
        Almanac there;
        there.set_twilight(chosen_twilight());
        there.start(place_of(record), PlaceZone::of_settings(record.tz_hours, place ? place->zone : std::string()),
                    clock_second);
        QStringList memo;
        for (const std::string& line : info_memo_lines(there.display_texts())) memo << QString::fromStdString(line);
        return memo;
    });
    const std::optional<CInit> edited = dialog.run();
    if (windowHandle() != nullptr) desktop::ask_again_for_gadget_states(*windowHandle());
    if (edited) {
        // A first start's place shown and left as it was stays the time zone's.
        const std::optional<PlaceChoice> chosen = dialog.chosen_place(), before = choices.place();
        const bool unchanged = chosen && before && chosen->name == before->name && chosen->zone == before->zone;
        say_not_kept(choices.set_place(chosen, unchanged && choices.place_from_zone()));
        accept_settings(*edited);
    }
}

// A failed save is shown: the user would otherwise believe the place was kept. The new
// settings still apply for this run.
void TForm1::accept_settings(const CInit& edited) {
    *settings = edited;
    store_position();
    const SaveOutcome saved = save_settings(*settings, settings_path);
    if (saved) position_in_file = QPoint(settings->left, settings->top);
    apply_settings_to_engine();
    if (!saved)
        QMessageBox::warning(this, QStringLiteral("Orbalis"),
                             tr("The settings could not be saved to %1 (%2). They apply until "
                                            "the clock is closed.")
                                 .arg(QString::fromStdString(settings_path), QString::fromStdString(saved.error)));
}

// Where the window system has the window; left as it was where it cannot say (Wayland).
// Once the window is hidden (at exit) a compositor may no longer say where it was (weston
// through Xwayland reports the start position): the last place seen while shown is kept.
void TForm1::store_position() {
    if (isVisible() || !last_seen) note_position();
    if (!last_seen) return;
    settings->left = last_seen->x();
    settings->top = last_seen->y();
}

void TForm1::note_position() {
    const std::optional<QPoint> at =
        windowHandle() != nullptr ? desktop::reported_position(*windowHandle()) : std::optional<QPoint>(pos());
    if (at) last_seen = at;
    if (at && *at != position_in_file && !destroyed) PositionSave.start();  // again at each move: once it rests
}

// The record as it stands, with the position the window rests at. A failure is said once on
// the standard error; the exit's save says it again where it also fails.
void TForm1::save_moved_position() {
    if (destroyed || !last_seen) return;
    settings->left = last_seen->x();
    settings->top = last_seen->y();
    const SaveOutcome saved = save_settings(*settings, settings_path);
    if (saved) position_in_file = *last_seen;
    if (saved || position_save_failed) return;
    position_save_failed = true;
    std::fprintf(stderr, "orbalis: could not save %s (%s)\n", settings_path.c_str(), saved.error.c_str());
}

void TForm1::save_before_exit() {
    if (!destroyed && last_seen && *last_seen != position_in_file) save_moved_position();
}

// Asked when the window system may have moved the window: a move it reports, the map
// settling after the show, the pointer leaving after a compositor's drag, each minute.
void TForm1::moveEvent(QMoveEvent*) {
    if (isVisible()) note_position();
}

void TForm1::leaveEvent(QEvent*) {
    if (isVisible()) note_position();
}

void TForm1::K1Click() { close(); }

void TForm1::StartAtLoginClick() {
    const std::optional<QString> error = desktop::set_autostart(
        !desktop::autostart_entry_exists(), QCoreApplication::applicationFilePath().toStdString(), settings_path);
    StartAtLogin->setChecked(desktop::autostart_entry_exists());
    if (error)
        QMessageBox::warning(this, QStringLiteral("Orbalis"),
                             tr("The login start entry %1 was not changed: %2")
                                 .arg(QString::fromStdString(desktop::autostart_entry_path()), *error));
}

// A changed computer zone (a trip) shows from this minute on. The running clock does this as
// each minute turns, in the second's wake-up (Timer1 then never comes due); Timer1 is left
// for a clock whose second does not tick. The window system reports every move on X11; a
// compositor through Xwayland may not, and is asked.
void TForm1::Timer1Timer() {
    if (zone_watch.changed()) {
        clock_second = -1;
        almanac.computer_zone_changed();
    }
    if (isVisible() && compositor_places) note_position();
    update_face();
    minute_passed = clock_second / 60;
    update();
}

// Settings that cannot be kept are said once, at the start, and not only at exit when
// the position and the place are lost.
void TForm1::warn_if_unsaveable() {
    if (const SaveOutcome can = can_save(settings_path); !can)
        show_warning(tr("The settings cannot be saved to %1 (%2). Changes to the place and the "
                                    "position will be lost when the clock is closed.")
                         .arg(QString::fromStdString(one_line(settings_path)), QString::fromStdString(can.error)));
    if (!choices.note().empty())
        show_warning(tr("%1. The dial, the Moon's picture and the place chosen by name will not be "
                                    "kept.").arg(QString::fromStdString(one_line(choices.note()))));
}

// A choice that could not be written is shown as a record that cannot be: the user would
// otherwise believe it kept.
void TForm1::say_not_kept(const Choices::Failure& failure) {
    if (failure)
        show_warning(tr("The choice is not kept: %1. It applies until the clock is closed.")
                         .arg(QString::fromStdString(one_line(*failure))));
}

// Said on the standard error and in a box that does not stop the clock; a later warning
// takes the place of an earlier one still open.
void TForm1::show_warning(const QString& text) {
    std::fprintf(stderr, "orbalis: %s\n", text.toLocal8Bit().constData());
    warnings_shown << text;
    if (save_warning == nullptr) {
        save_warning = std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Orbalis"), QString(),
                                                     QMessageBox::Ok, this);
        save_warning->setModal(false);
        connect(save_warning.get(), &QDialog::finished, this, [this] { warnings_shown.clear(); });
    }
    save_warning->setText(warnings_shown.join(QStringLiteral("\n\n")));
    QTimer::singleShot(0, save_warning.get(), &QWidget::show);
}

// The calendar fields are rebuilt only when the second turns.
void TForm1::read_clock() {
    const timespec now = clock();
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

void TForm1::update_face() {
    read_clock();
    almanac.advance(clock_second);
    redraw_from_results();
    check_reminders();
}

void TForm1::apply_settings_to_engine() {
    read_clock();
    almanac.set_naming(naming_of(choices));
    almanac.set_twilight(chosen_twilight());
    almanac.start(place_of(*settings), PlaceZone::of_settings(settings->tz_hours, choices.place_zone()), clock_second);
    redraw_from_results();
    check_reminders();
    update();
}

void TForm1::redraw_from_results() {
    draw_face_bitmap();
    texts = almanac.display_texts();
    const QString day_at_a_glance = QString::fromStdString(almanac.text(twelve_hour()));
    setToolTip(day_at_a_glance);
    // A screen reader reads what the eye reads: the time (to the minute, as the texts
    // are renewed) and the almanac.
    setAccessibleName(QString::fromStdString(almanac.wording().time(hour, minute, twelve_hour())));
    setAccessibleDescription(day_at_a_glance);
}

void TForm1::draw_face_bitmap() {
    QPainter p(&face_bitmap);
    face::draw_slow_layer(p, kDial, slow_layer_input());
    if (!translucent) return;
    // On a transparent window the corners are cleared (in face units: the window's shape
    // scaled back).
    QPainterPath outside;
    outside.addRect(0, 0, 2 * kFaceRadius, 2 * kFaceRadius);
    QPainterPath disc;
    disc.addRegion(face_shape());
    disc = QTransform::fromScale(1 / face_scale, 1 / face_scale).map(disc);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(outside.subtracted(disc), Qt::transparent);
}

SlowLayerInput TForm1::slow_layer_input() const {
    SlowLayerInput in;
    in.hour = hour;
    in.minute = minute;
    in.twelve_hour = twelve_hour();
    const astro::CalcContext& ctx = almanac.context();
    using astro::DayEvent;
    const auto event = [&ctx](DayEvent e, double& hours, bool& found) {
        const astro::EventTime t = astro::day_event(ctx, e);
        hours = t.hours;
        found = t.found;
    };
    event(DayEvent::kMoonrise, in.moonrise, in.moonrise_found);
    event(DayEvent::kMoonset, in.moonset, in.moonset_found);
    event(DayEvent::kSunrise, in.sunrise, in.sunrise_found);
    event(DayEvent::kSunset, in.sunset, in.sunset_found);
    event(DayEvent::kTwilightBegin, in.twilight_begin, in.twilight_begin_found);
    event(DayEvent::kTwilightEnd, in.twilight_end, in.twilight_end_found);
    in.moon_up_flag = ctx.moon_up_flag;
    in.moon_phase_angle = ctx.moon_phase_angle;
    in.sun_altitude_sine = ctx.sun_horizon_vector[2];
    in.twilight_sine = ctx.twilight_sine;
    in.southern_view = settings->latitude < 0;  // the S flag with a latitude other than 0
    if (MoonInTheSky->isChecked()) in.moon_limb_from_zenith = astro::bright_limb_from_zenith(ctx);
    return in;
}

FastLayerInput TForm1::fast_layer_input() const {
    FastLayerInput in;
    in.year = year;
    in.month = month;
    in.day = day;
    in.hour = hour;
    in.minute = minute;
    in.second = second;
    in.twelve_hour = twelve_hour();
    in.date_style = date_style;
    return in;
}
