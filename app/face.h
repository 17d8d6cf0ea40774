// Drawing of the clock face: the slow layer (once a minute, into the face picture) and
// the fast layer (every second, on the window).
#pragma once

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QPen>
#include <QPixmap>
#include <QPointF>
#include <QRawFont>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "context.h"

class DirectPixels;

// Where the dial lies in the window: its centre and the radius of its disc, px. The window
// is a square of twice kFaceRadius around the centre.
struct DialGeometry {
    int centre_x, centre_y;
    double disc_radius;
};
inline constexpr int kFaceRadius = 60;
inline constexpr DialGeometry kDial{kFaceRadius, kFaceRadius, kFaceRadius - 2.0};

// What the slow layer shows, in the clock's terms.
struct SlowLayerInput {
    int hour = 0, minute = 0;
    bool twelve_hour = true;
    double moonrise = 0, moonset = 0;  // hours after now
    bool moonrise_found = true, moonset_found = true;
    double moon_up_flag = 0;             // > 0: the Moon is up
    double moon_phase_angle = 0;
    double sunrise = 0, sunset = 0, twilight_begin = 0, twilight_end = 0;
    bool sunrise_found = true, sunset_found = true;
    bool twilight_begin_found = true, twilight_end_found = true;
    double sun_altitude_sine = 0;  // of the Sun now, topocentric
    double twilight_sine = astro::kTwilightSine;  // where the chosen twilight begins and ends
    bool southern_view = false;    // the Moon picture as seen south of the equator
    // The Moon as it stands in the sky: its lit side turned to this direction, degrees from
    // up through left (the zenith through east); the southern mirror is then not applied.
    std::optional<double> moon_limb_from_zenith;
};

// The order of the face's date fields and what stands between them, as the user's locale
// writes a short date; the default is the clock's own yy/mm/dd.
struct DateStyle {
    enum class Order { YearMonthDay, DayMonthYear, MonthDayYear };
    Order order = Order::YearMonthDay;
    char separator = '/';  // one of '/', '.', '-'
    bool operator==(const DateStyle&) const = default;
};

struct FastLayerInput {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    bool twelve_hour = true;
    DateStyle date_style;
};

namespace face {

inline const QColor kBlue{0, 0, 255};
inline const QColor kYellow{255, 255, 0};
inline const QColor kSilver{192, 192, 192};
inline const QColor kLightBlue{128, 128, 255};
inline const QColor kAqua{0, 255, 255};
inline const QColor kGrey{128, 128, 128};
inline const QColor kRed{255, 0, 0};

// Date/time font size: 10 below 97 pixels per inch, else 8.
int clock_font_points(double pixels_per_inch);

void draw_slow_layer(QPainter& p, const DialGeometry& dial, const SlowLayerInput& in);
// The face's picture of the slow layer at the painter's origin, at its own size.
void draw_face_picture(QPainter& p, const QPixmap& picture);

// The fonts, glyphs and pens of the fast layer, set up once. The date and the time use
// only the characters of kClockCharacters: their glyphs and advances are looked up here,
// so the per-second paint places glyphs without laying out text or allocating.
struct FastLayerTools {
    static constexpr char kClockCharacters[] = "0123456789/:.-";
    static constexpr std::size_t kGlyphCount = sizeof kClockCharacters - 1;
    static constexpr std::size_t kLineLength = 8;  // "yy/mm/dd", "hh:mm:ss"

    // One line of glyphs; the run points into the arrays beside it.
    struct Line {
        std::array<quint32, kLineLength> glyphs{};
        std::array<QPointF, kLineLength> positions{};
        QGlyphRun run;
        // Each place's glyph mask (below) as last blended, found again while its character and
        // its pen's fraction of a pixel stay.
        static constexpr std::uint32_t kNoMask = ~0u;
        std::array<std::uint32_t, kLineLength> mask_keys{};  // kNoMask until a mask is found
        std::array<std::size_t, kLineLength> masks{};
    };

    explicit FastLayerTools(double pixels_per_inch);
    FastLayerTools(const FastLayerTools&) = delete;
    FastLayerTools& operator=(const FastLayerTools&) = delete;

    QFont font;
    int text_height;
    QRawFont raw_font;
    qreal ascent = 0;
    std::array<quint32, kGlyphCount> glyphs{};
    std::array<qreal, kGlyphCount> advances{};
    Line date_line, time_line;

    QPen text_pen{Qt::black};
    QPen hour_shadow, hour_grey, hour_red;  // 4 px, round caps
    QPen minute_shadow, minute_red;         // 2 px
    QPen second_shadow, second_red;         // 1 px
    QPen hub_outer{Qt::black, 3}, hub_inner{Qt::white, 3};
    QBrush second_shadow_fill, second_red_fill;  // the second hand's pens' colours

    // The hour and minute hands of one minute, and the hub, each drawn once onto a
    // transparent picture: a second's paint copies them rather than stroking their round
    // caps again. Drawn without antialiasing, the copy gives the very same pixels.
    // Each picture covers just the device pixels its drawing can touch.
    struct Layer {
        QImage image;
        QPoint at;     // its top left, device pixels
        QRect box;     // what it covers, face units
        qreal ratio = 0;
        int key = -1;  // what it shows; -1: nothing yet
    };
    Layer minute_hands, hub;

    // The second hand at each of its 60 places as the pixels its stroke sets at the window's
    // pixel ratio, its shadow's and its own. Each is stroked once, on first use (again at a
    // new ratio); a second's paint fills these rather than stroking round caps, and its
    // repaint covers just them.
    static constexpr int kSecondPlaces = 60;
    // A rectangle of device pixels in 16-bit sides (a window is far below 32768 device
    // pixels across): the hands' 60 places take a few kilobytes, not QRegions' tens.
    struct Span {
        std::int16_t x, y, width, height;
    };
    struct SecondHand {
        std::vector<Span> spans;  // the shadow's first, then the hand's
        std::size_t shadow_spans = 0;
        bool made = false;
    };
    std::array<SecondHand, kSecondPlaces> second_hands;
    std::vector<QRect> span_rects;  // a paint's spans as rectangles, kept: no allocation once grown
    qreal second_hands_ratio = 0;
    // The repaint of a second that changes the time line's seconds alone, from the second
    // before: kept, so that a second makes no region but at the turn of a minute. It holds
    // for a time line of this width.
    std::array<QRegion, kSecondPlaces> steady_change;
    qreal steady_line_width = 0;

    // A clock character as a glyph run sets it with its pen at one place within a device
    // pixel: its coverage levels, which a paint blends in itself as the raster engine does.
    // Made at the window's pixel ratio as characters come; trusted once a full paint's glyph
    // runs set exactly what the levels give (on a desktop that renders text for its screen's
    // subpixels they do not, and the painter draws every line).
    struct GlyphMask {
        std::size_t slot = 0;  // of kClockCharacters
        int x64 = 0, y64 = 0;  // the pen's place in its device pixel, 64ths (the glyph runs' own steps)
        QPoint offset;         // the levels' top left from that pixel
        QSize size;
        std::vector<std::uint8_t> levels;
    };
    enum class MaskCheck { Unchecked, Equal, Differ };
    std::vector<GlyphMask> glyph_masks;
    qreal glyph_masks_ratio = 0;
    MaskCheck mask_check = MaskCheck::Unchecked;
};

// "yy/mm/dd" (or the fields in the order and with the separator of `style`) and
// "hh:mm:ss", each field two digits.
using ClockText = std::array<char, FastLayerTools::kLineLength>;
ClockText date_text(int year, int month, int day, DateStyle style = {});
ClockText time_text(int hour, int minute, int second);

// The fast layer in the face's units: a painter scaled for a larger face (and the device's
// pixel ratio) draws it at that size, from pictures made at that many device pixels a unit.
// A paint that changes only `dirty` (face units; a null rectangle: all of it) skips what
// lies outside.
void draw_fast_layer(QPainter& p, const DialGeometry& dial, const FastLayerInput& in, FastLayerTools& tools,
                     const QRect& dirty = {});
// A second's repaint with no painter, written straight into `direct` (the window's image,
// clipped to the repaint) at `ratio` device pixels a unit: the face `picture`, the lines
// from their glyph masks, the hands' pictures and the second hand's spans, as
// draw_fast_layer sets them. False where the painter must draw (the masks not checked or
// not trusted, a picture at another ratio, a clip of one rectangle); what was written by
// then lies within what its paint sets again.
bool write_second(DirectPixels& direct, qreal ratio, const QPixmap& picture, const DialGeometry& dial,
                  const FastLayerInput& in, FastLayerTools& tools);
// The device pixels a face unit takes on the painter: its pixel ratio times its scale.
qreal device_pixels_per_unit(const QPainter& p);
// The second hand and its shadow stroked with their round-capped pens, as its pictures are
// made: what a paint's filled pixels must equal.
void stroke_second_hand(QPainter& p, const DialGeometry& dial, int second, const FastLayerTools& tools);
// Every pixel draw_fast_layer can change for `in`: the date and time lines, each hand with
// its shadow, the hub.
QRegion fast_layer_region(const DialGeometry& dial, const FastLayerInput& in, const FastLayerTools& tools);
// The pixels that differ between the fast layer drawn for `before` and for `after` at the
// pixel ratio `ratio`: the time line's changed characters, the pixels of the second hand's
// old and new places and the hub; the date line when the date changed, the other hands
// when the minute did. A second's repaint covers this.
QRegion fast_layer_change(const DialGeometry& dial, const FastLayerInput& before, const FastLayerInput& after,
                          FastLayerTools& tools, qreal ratio);

}  // namespace face
