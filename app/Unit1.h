// The clock window: a round, borderless, always-on-top face that keeps the settings
// record and the almanac of the moment, and feeds the almanac the clock once a minute.
#pragma once

#include <QAction>
#include <QProxyStyle>
#include <QActionGroup>
#include <QMenu>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <ctime>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "almanac_report.h"
#include "choices.h"
#include "computer_zone.h"
#include "desktop.h"
#include "face.h"
#include "locale_formats.h"
#include "notifier.h"
#include "reminders.h"
#include "second_tick.h"
#include "settings.h"
#include "texts.h"

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // The settings are read from and written to `settings_file`; the time comes from
    // `clock` (tests step it).
    explicit TForm1(std::string settings_file, WallClock clock = system_wall_clock, QWidget* parent = nullptr);
    ~TForm1() override;

    // Handlers, named after the control and the event.
    void FormShow();
    void FormPaint(const QRect& dirty = {});  // the window's part that changed; a null one: all
    void FormDestroy();
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp(Qt::MouseButton button, int x, int y);
    void Clock12hClick();
    void Clock24hClick();
    void K2Click();
    void K1Click();
    void StartAtLoginClick();  // writes or removes the XDG autostart entry
    void Timer1Timer();

    // The minute update.
    void read_clock();
    void update_face();
    void draw_face_bitmap();  // the slow layer alone, from the current results
    void redraw_from_results();  // face picture, memo texts, tooltip and screen-reader text
    // After the observer or the zone changed: the almanac started anew, redrawn.
    void apply_settings_to_engine();
    // What OK in the dialog leads to: the edited record kept with the window's current
    // position, written, and applied to the engine.
    void accept_settings(const CInit& edited);
    // The process ends without closing the window (the display gone): a moved position not
    // yet written is written now. Touches no window-system object.
    void save_before_exit();

    bool twelve_hour() const { return Clock12h->isChecked(); }
    const DateStyle date_style = locale_formats::face_date_style(QLocale());  // the face's date
    SlowLayerInput slow_layer_input() const;
    double pixels_per_inch() const;

    bool dragging = false;
    int drag_x = 0, drag_y = 0;
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    QPixmap face_bitmap;
    DisplayTexts texts;

    // The menu shows "12h" and "24h" with check marks although they are one exclusive
    // choice (which styles would draw as radio buttons).
    class CheckMarkStyle : public QProxyStyle {
    public:
        void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                         const QWidget* widget) const override;
    } menu_style;
    QMenu PopupMenu1;
    QAction* Clock12h;
    QAction* Clock24h;
    QAction* MoonInTheSky;  // the Moon's picture turned as it stands in the sky
    QActionGroup DialGroup;  // 12h and 24h: one choice
    // Which twilight the events and the face's light-blue arcs tell: civil, nautical or
    // astronomical, one choice, in the order of astro::Twilight.
    QMenu TwilightMenu;
    QActionGroup TwilightGroup;
    QAction* TwilightKind[astro::kTwilightKinds] = {};
    // The face's size, one choice of kFaceSizes.
    QMenu SizeMenu;
    QActionGroup SizeGroup;
    QAction* SizeChoice[std::size(kFaceSizes)] = {};
    // Reminders: the events to be reminded of, and how long before (one choice).
    QMenu RemindMenu;
    QActionGroup RemindLeadGroup;
    QAction* RemindKind[std::size(kRemindKinds)] = {};
    QAction* RemindLead[std::size(kRemindLeads)] = {};
    Notifier notifier;
    QAction* K2;
    QAction* StartAtLogin;
    QAction* K1;
    QAction* OpenMenu;  // the menu key and Shift+F10
    QTimer Timer1;
    // A moved clock's position is written once it has rested this long, so that a session
    // that ends without closing it (the display gone) loses nothing.
    static constexpr int kPositionRestMs = 1000;
    QTimer PositionSave;
    WallClock clock;
    SecondTick tick;

    std::string settings_path;
    std::unique_ptr<CInit> settings;
    Almanac almanac;
    std::unique_ptr<QMessageBox> save_warning;  // settings or choices that cannot be kept
    QStringList warnings_shown;                 // in the box until it is answered

protected:
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void build_menu();
    void build_twilight_menu();
    void build_size_menu();
    void build_remind_menu();
    void place_window();
    void watch_screens();
    void keep_on_screen();  // brings the face back when its middle lies on no screen
    void show_choices();
    void choose_dial(bool twenty_four);
    void MoonInTheSkyClick();
    void TwilightClick(astro::Twilight kind);
    void SizeClick(int percent);
    void RemindClick();        // the kinds and the lead as the menu shows them, kept
    void check_reminders();    // sends those due now, each once
    void apply_size();  // the window, its shape and its pictures at the chosen size
    astro::Twilight chosen_twilight() const;
    void store_position();
    void repaint_second();
    bool write_without_painter(const FastLayerInput& in);
    void note_position();  // where the window system has the shown window
    void save_moved_position();
    void warn_if_unsaveable();
    void say_not_kept(const Choices::Failure& failure);
    void show_warning(const QString& text);
    void make_face_bitmap();
    void match_pixel_ratio();
    QRegion face_shape() const;   // the window's round shape, in its pixels
    double face_scale = 1;        // window pixels a face unit takes: the chosen size
    double face_ratio() const { return face_scale * devicePixelRatioF(); }  // device pixels a unit
    int face_side() const { return static_cast<int>(std::lround(2 * kFaceRadius * face_scale)); }  // window px
    QRegion on_the_window(const QRegion& in_face_units) const;
    FastLayerInput fast_layer_input() const;

    std::optional<face::FastLayerTools> fast_tools;
    std::optional<FastLayerInput> fast_layer_drawn;  // what the last paint's fast layer showed
    bool destroyed = false;
    bool round_by_mask = desktop::has_window_shapes();  // the window is cut round (and its input)
    // Drawn round on a transparent window: where there are no shapes (Wayland), and through
    // Xwayland, whose compositors other than mutter ignore an X window's shape.
    bool translucent = !round_by_mask || desktop::under_xwayland();
    // A compositor (Wayland, or Xwayland's) ignores a client's own moves, or centres the
    // window: there every button's drag is the compositor's.
    bool compositor_places = desktop::on_wayland() || desktop::under_xwayland();
    bool watching_screen = false;
    std::time_t clock_second = -1;  // the reading the calendar fields and the zone come from
    std::time_t minute_passed = -1;  // the minute (of clock_second) the minute's work was done for
    Choices choices;
    std::optional<QPoint> last_seen;  // the window's last reported place while shown
    QPoint position_in_file;          // the position the settings file holds
    bool position_save_failed = false;  // said once
    ZoneWatch zone_watch;
};
