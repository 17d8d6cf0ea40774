#include "face.h"

#include <climits>
#include <vector>

#include <QFontMetrics>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cmath>
#include <string_view>
#include <utility>

#include "context.h"
#include "direct_pixels.h"
#include "observer.h"

namespace face {

namespace {

constexpr double kDegToRad = astro::kDegToRad;
constexpr int kInnerInset = 15;      // inner disc radius is R - 15
constexpr double kLabelRadius = 0.83;
constexpr double kTickRadius = 0.9;
constexpr int kMoonInset = 10;       // the Moon picture's centre stands at R - 10
constexpr int kMoonRadius = 10;

// A point on the dial: angle clockwise from the top, coordinates truncated toward zero.
QPoint dial_point(int cx, int cy, double r, double angle_deg) {
    const double a = angle_deg * kDegToRad;
    return {static_cast<int>(cx + r * std::sin(a)), static_cast<int>(cy - r * std::cos(a))};
}

// An ellipse box given by its corners, the right and bottom edges exclusive.
QRect box(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return QRect(left, top, right - left, bottom - top);
}

// Qt's outlined shapes cover width + 1 pixels; make them cover the box exactly.
QRect outline_box(const QPainter& p, QRect r) {
    if (p.pen().style() != Qt::NoPen) r.adjust(0, 0, -1, -1);
    return r;
}

void set_pen_brush(QPainter& p, const QColor& pen, const QColor& brush, int width = 1) {
    p.setPen(QPen(pen, width));
    p.setBrush(brush);
}

// Angle of a radial through a point, counter-clockwise from 3 o'clock, in 1/16 degree.
int radial_angle16(const QRect& r, QPoint pt) {
    const double cx = r.left() + r.width() / 2.0, cy = r.top() + r.height() / 2.0;
    const double deg = std::atan2(-(pt.y() - cy), pt.x() - cx) / kDegToRad;
    return static_cast<int>(std::lround(deg * 16));
}

// Sweep counter-clockwise from the start radial to the end radial; equal radials give the
// whole ellipse.
int sweep16(int start16, int end16) {
    int span = (end16 - start16) % (360 * 16);
    if (span <= 0) span += 360 * 16;
    return span;
}

void pie(QPainter& p, const QRect& r, QPoint start, QPoint end) {
    const int a = radial_angle16(r, start);
    p.drawPie(outline_box(p, r), a, sweep16(a, radial_angle16(r, end)));
}

void chord(QPainter& p, const QRect& r, QPoint start, QPoint end) {
    const int a = radial_angle16(r, start);
    p.drawChord(outline_box(p, r), a, sweep16(a, radial_angle16(r, end)));
}

void ellipse(QPainter& p, const QRect& r) { p.drawEllipse(outline_box(p, r)); }

QRect disc_box(int cx, int cy, double r) {
    return box(static_cast<int>(cx - r), static_cast<int>(cy - r), static_cast<int>(cx + r),
               static_cast<int>(cy + r));
}

// A pair of events bounding a stretch of the dial (rise clockwise to set). Where one is
// missing the present moment stands in; where both are, the body's state now decides.
struct Stretch {
    enum Kind { kNone, kWhole, kArc } kind;
    double from, to;  // hours after now
};

Stretch stretch(bool rise_found, double rise, bool set_found, double set, bool up_now) {
    if (!rise_found && !set_found) return {up_now ? Stretch::kWhole : Stretch::kNone, 0, 0};
    return {Stretch::kArc, rise_found ? rise : 0.0, set_found ? set : 0.0};
}

void draw_stretch(QPainter& p, const QRect& r, int cx, int cy, double radius, double now_deg,
                  const Stretch& s) {
    if (s.kind == Stretch::kNone) return;
    if (s.kind == Stretch::kWhole) {
        ellipse(p, r);
        return;
    }
    const QPoint from = dial_point(cx, cy, radius, now_deg + 15 * s.from);
    const QPoint to = dial_point(cx, cy, radius, now_deg + 15 * s.to);
    pie(p, r, to, from);  // counter-clockwise from the end: clockwise from `from` to `to`
}

void draw_moon_up(QPainter& p, const DialGeometry& dial, const SlowLayerInput& in, double now_deg) {
    const double R = dial.disc_radius;
    set_pen_brush(p, kYellow, kYellow);
    draw_stretch(p, disc_box(dial.centre_x, dial.centre_y, R), dial.centre_x, dial.centre_y, R, now_deg,
                 stretch(in.moonrise_found, in.moonrise, in.moonset_found, in.moonset, in.moon_up_flag > 0));
}

void draw_day_and_twilight(QPainter& p, const DialGeometry& dial, const SlowLayerInput& in, double now_deg) {
    const double R = dial.disc_radius;
    const int cx = dial.centre_x, cy = dial.centre_y;
    const QRect inner = box(static_cast<int>(cx - R + kInnerInset), static_cast<int>(cy - R + kInnerInset),
                            static_cast<int>(cx + R - kInnerInset), static_cast<int>(cy + R - kInnerInset));
    set_pen_brush(p, kSilver, kBlue);
    ellipse(p, inner);
    p.setPen(Qt::NoPen);
    const int r = static_cast<int>(R - kInnerInset);
    // Twilight first, clockwise from its beginning to its end; daylight over it.
    p.setBrush(kLightBlue);
    draw_stretch(p, inner, cx, cy, r, now_deg,
                 stretch(in.twilight_begin_found, in.twilight_begin, in.twilight_end_found,
                         in.twilight_end, in.sun_altitude_sine >= in.twilight_sine));
    p.setBrush(kAqua);
    draw_stretch(p, inner, cx, cy, r, now_deg,
                 stretch(in.sunrise_found, in.sunrise, in.sunset_found, in.sunset,
                         in.sun_altitude_sine >= astro::kSunriseSine));
}

void draw_rings_and_ticks(QPainter& p, const DialGeometry& dial) {
    const int cx = dial.centre_x, cy = dial.centre_y;
    const double R = dial.disc_radius;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGrey, 2));
    ellipse(p, disc_box(cx, cy, R));
    p.setPen(QPen(kGrey, 1));
    const int r = static_cast<int>(R - kInnerInset);
    ellipse(p, box(cx - r, cy - r, cx + r, cy + r));

    p.setBrush(kLightBlue);
    const double c = kTickRadius * R * std::cos(30 * kDegToRad);
    const double s = kTickRadius * R * std::sin(30 * kDegToRad);
    const double offsets[8][2] = {{c, s}, {c, -s}, {-c, s}, {-c, -s}, {s, c}, {s, -c}, {-s, c}, {-s, -c}};
    for (const auto& o : offsets) {
        const int x = static_cast<int>(cx + o[0]), y = static_cast<int>(cy + o[1]);
        ellipse(p, box(x - 2, y - 2, x + 2, y + 2));
    }
}

// The labels are placed as glyphs, without shaping: a digit or two need none, and the
// shaper's tables would stay in memory for the rest of the run.
void draw_labels(QPainter& p, const DialGeometry& dial, const SlowLayerInput& in) {
    QFont font;
    font.setBold(true);
    font.setPointSize(in.twelve_hour ? 14 : 10);
    const QFontMetrics fm(font);
    const QRawFont raw = QRawFont::fromFont(font);
    const char* twelve[] = {"0", "3", "6", "9"};
    const char* twentyfour[] = {"0", "6", "12", "18"};
    const double r = kLabelRadius * dial.disc_radius;
    for (int k = 0; k < 4; ++k) {
        const QList<quint32> glyphs =
            raw.glyphIndexesForString(QString::fromLatin1(in.twelve_hour ? twelve[k] : twentyfour[k]));
        const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
        QList<QPointF> positions;
        qreal width = 0;
        for (const QPointF& a : advances) {
            positions.append(QPointF(width, 0));
            width += a.x();
        }
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        const int w = qRound(width), h = fm.height();
        const double a = 90.0 * k * kDegToRad;
        const int x = static_cast<int>(dial.centre_x - w / 2 + r * std::sin(a));
        const int y = static_cast<int>(dial.centre_y - h / 2 - r * std::cos(a));
        p.setPen(Qt::black);
        p.drawGlyphRun(QPointF(x + 1, y + 1 + fm.ascent()), run);
        p.setPen(kSilver);
        p.drawGlyphRun(QPointF(x, y + fm.ascent()), run);
    }
}

void draw_moon_picture(QPainter& p, const DialGeometry& dial, const SlowLayerInput& in) {
    const double phi = in.moon_phase_angle;
    const double d = dial.disc_radius - kMoonInset;
    const int mx = static_cast<int>(dial.centre_x - d * std::sin(phi * kDegToRad));
    const int my = static_cast<int>(dial.centre_y + d * std::cos(phi * kDegToRad));
    // Seen from the south the Moon is mirrored: its picture is the northern one of the
    // phase angle reflected, 360 - phi, at the same place on the ring. As it stands in the
    // sky, the northern picture (lit on the right while waxing, on the left while waning) is
    // turned until its lit side points where the bright limb does.
    const double lit = in.southern_view && !in.moon_limb_from_zenith ? astro::floor_mod(360 - phi, 360) : phi;
    set_pen_brush(p, Qt::black, Qt::black);
    ellipse(p, box(mx - 11, my - 11, mx + 11, my + 11));
    const QTransform before = p.transform();
    if (in.moon_limb_from_zenith) {
        constexpr double kLitRight = 270, kLitLeft = 90;  // the picture's own lit side, from up through left
        const double turn = *in.moon_limb_from_zenith - (lit < 180 ? kLitRight : kLitLeft);
        p.translate(mx, my);
        p.rotate(-turn);  // Qt turns clockwise on the screen
        p.translate(-mx, -my);
    }

    set_pen_brush(p, kYellow, kYellow);
    const QRect r = box(mx - kMoonRadius, my - kMoonRadius, mx + kMoonRadius, my + kMoonRadius);
    const QPoint top(mx, my - kMoonRadius), bottom(mx, my + kMoonRadius);
    if (lit >= 180)
        chord(p, r, top, bottom);  // left half
    else
        chord(p, r, bottom, top);  // right half

    const int e = static_cast<int>(kMoonRadius * std::cos(lit * kDegToRad));
    if (lit <= 90 || lit >= 270) set_pen_brush(p, Qt::black, Qt::black);  // crescent
    else p.setBrush(kYellow);                                               // gibbous
    ellipse(p, box(mx + e, my - kMoonRadius, mx - e, my + kMoonRadius));
    p.setTransform(before);
}

// A hand's line: a short tail behind the centre, the tip at `length` along `angle_deg`
// (clockwise from 12).
std::pair<QPoint, QPoint> hand_ends(int cx, int cy, double length, double angle_deg) {
    const double a = angle_deg * kDegToRad;
    const double sa = std::sin(a), ca = std::cos(a);
    return {QPoint(static_cast<int>(cx - 0.1 * length * sa), static_cast<int>(cy + 0.1 * length * ca)),
            QPoint(static_cast<int>(cx + length * sa), static_cast<int>(cy - length * ca))};
}

// One hand as drawn: its length, angle (clockwise from 12), shadow offset and pens.
struct Hand {
    double length;
    double angle_deg;
    int shadow;  // px right and down
    const QPen& shadow_pen;
    const QPen& pen;
};

void draw_hand(QPainter& p, int cx, int cy, const Hand& h) {
    const auto [tail, tip] = hand_ends(cx, cy, h.length, h.angle_deg);
    const QPoint s(h.shadow, h.shadow);
    p.setPen(h.shadow_pen);
    p.drawLine(tail + s, tip + s);
    p.setPen(h.pen);
    p.drawLine(tail, tip);
}

// The pixels a hand and its shadow can touch: their line's box, widened by the pen.
QRect hand_box(int cx, int cy, const Hand& h) {
    const auto [tail, tip] = hand_ends(cx, cy, h.length, h.angle_deg);
    const int reach = h.pen.width() / 2 + 2;  // the round cap, and a pixel for rounding at any scale
    return QRect(tail, tip).normalized().united(QRect(tail, tip).normalized().translated(h.shadow, h.shadow))
        .adjusted(-reach, -reach, reach, reach);
}

// The hour and minute hands in the order they are drawn: on the 12-hour dial a grey
// 24-hour hand under the red 12-hour one, and the minute hand; on the 24-hour dial one hand.
template <class Visit>
void each_hour_and_minute_hand(const DialGeometry& dial, const FastLayerInput& in, const FastLayerTools& tools,
                               const Visit& visit) {
    const double R = dial.disc_radius, hours = in.hour + in.minute / 60.0;
    if (in.twelve_hour) visit(Hand{0.55 * R, 15 * hours, 2, tools.hour_shadow, tools.hour_grey});
    visit(Hand{0.55 * R, (in.twelve_hour ? 30 : 15) * hours, 2, tools.hour_shadow, tools.hour_red});
    if (in.twelve_hour) visit(Hand{0.75 * R, 6.0 * in.minute, 1, tools.minute_shadow, tools.minute_red});
}

// The second hand's place, 0-59, of any second.
int second_place(int second) {
    return (second % FastLayerTools::kSecondPlaces + FastLayerTools::kSecondPlaces) % FastLayerTools::kSecondPlaces;
}

Hand second_hand(const DialGeometry& dial, const FastLayerInput& in, const FastLayerTools& tools) {
    return {0.95 * dial.disc_radius, 6.0 * in.second, 1, tools.second_shadow, tools.second_red};
}

constexpr int kHubRadius = 2;  // px, the outer ring of the hub

// The top of the date (line 0) or time (line 1), px.
int text_line_top(const DialGeometry& dial, const FastLayerTools& tools, int line) {
    return static_cast<int>(dial.centre_y + 0.1 * dial.disc_radius) + line * tools.text_height;
}

ClockText three_fields(int a, int b, int c, char separator) {
    auto digits = [](int v, char* out) {
        v = (v % 100 + 100) % 100;
        out[0] = static_cast<char>('0' + v / 10);
        out[1] = static_cast<char>('0' + v % 10);
    };
    ClockText t{};
    digits(a, &t[0]);
    t[2] = separator;
    digits(b, &t[3]);
    t[5] = separator;
    digits(c, &t[6]);
    return t;
}

std::size_t glyph_slot(char c) {
    const std::string_view chars(FastLayerTools::kClockCharacters);
    const std::size_t k = chars.find(c);
    return k == std::string_view::npos ? 0 : k;
}

// One line of the date or time laid out centred across the window with its top at `top`:
// its glyph run's origin.
QPointF lay_out_line(const FastLayerTools& tools, FastLayerTools::Line& line, const ClockText& text, int top,
                     int width) {
    qreal x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t k = glyph_slot(text[i]);
        line.glyphs[i] = tools.glyphs[k];
        line.positions[i] = QPointF(x, 0);
        x += tools.advances[k];
    }
    return QPointF((width - x) / 2, top + tools.ascent);
}

QPen round_pen(const QColor& colour, int width) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap); }

}  // namespace

int clock_font_points(double pixels_per_inch) { return pixels_per_inch < 97 ? 10 : 8; }

void draw_slow_layer(QPainter& p, const DialGeometry& dial, const SlowLayerInput& in) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.fillRect(QRect(0, 0, 2 * dial.centre_x, 2 * dial.centre_y), Qt::black);
    set_pen_brush(p, kBlue, kBlue);
    ellipse(p, disc_box(dial.centre_x, dial.centre_y, dial.disc_radius));
    const double now_deg = 15.0 * in.hour + 0.25 * in.minute;  // the 24-hour dial: 15 deg an hour
    draw_moon_up(p, dial, in, now_deg);
    draw_day_and_twilight(p, dial, in, now_deg);
    draw_rings_and_ticks(p, dial);
    draw_labels(p, dial, in);
    draw_moon_picture(p, dial, in);
}

FastLayerTools::FastLayerTools(double pixels_per_inch)
    : hour_shadow(round_pen(Qt::black, 4)),
      hour_grey(round_pen(kGrey, 4)),
      hour_red(round_pen(kRed, 4)),
      minute_shadow(round_pen(Qt::black, 2)),
      minute_red(round_pen(kRed, 2)),
      second_shadow(round_pen(Qt::black, 1)),
      second_red(round_pen(kRed, 1)),
      second_shadow_fill(second_shadow.color()),
      second_red_fill(second_red.color()) {
    font.setFamily(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(clock_font_points(pixels_per_inch));
    text_height = QFontMetrics(font).height();
    ascent = QFontMetricsF(font).ascent();
    raw_font = QRawFont::fromFont(font);
    const QList<quint32> indexes = raw_font.glyphIndexesForString(QString::fromLatin1(kClockCharacters));
    const QList<QPointF> steps = raw_font.advancesForGlyphIndexes(indexes);
    for (std::size_t k = 0; k < kGlyphCount && k < static_cast<std::size_t>(indexes.size()); ++k) {
        glyphs[k] = indexes[static_cast<qsizetype>(k)];
        advances[k] = steps.value(static_cast<qsizetype>(k)).x();
    }
    for (Line* line : {&date_line, &time_line}) {
        line->run.setRawFont(raw_font);
        line->run.setRawData(line->glyphs.data(), line->positions.data(), static_cast<int>(kLineLength));
        line->mask_keys.fill(Line::kNoMask);
    }
}

ClockText date_text(int year, int month, int day, DateStyle style) {
    switch (style.order) {
    case DateStyle::Order::DayMonthYear: return three_fields(day, month, year, style.separator);
    case DateStyle::Order::MonthDayYear: return three_fields(month, day, year, style.separator);
    case DateStyle::Order::YearMonthDay: break;
    }
    return three_fields(year, month, day, style.separator);
}
ClockText time_text(int hour, int minute, int second) { return three_fields(hour, minute, second, ':'); }

namespace {

constexpr int kTextMargin = 2;  // px above and below a line of the date or time

QRect text_line_box(const DialGeometry& dial, const FastLayerTools& tools, int line) {
    return QRect(0, text_line_top(dial, tools, line) - kTextMargin, 2 * dial.centre_x,
                 tools.text_height + 2 * kTextMargin);
}

QRegion hour_and_minute_hands(const DialGeometry& dial, const FastLayerInput& in, const FastLayerTools& tools) {
    QRegion r;
    each_hour_and_minute_hand(dial, in, tools, [&](const Hand& h) { r += hand_box(dial.centre_x, dial.centre_y, h); });
    return r;
}

QRect hour_and_minute_box(const DialGeometry& dial, const FastLayerInput& in, const FastLayerTools& tools) {
    QRect r;
    each_hour_and_minute_hand(dial, in, tools, [&](const Hand& h) { r |= hand_box(dial.centre_x, dial.centre_y, h); });
    return r;
}

QRect hub_box(const DialGeometry& dial) {
    constexpr int kReach = kHubRadius + 1;  // a pixel for rounding at any scale
    return QRect(dial.centre_x - kReach, dial.centre_y - kReach, 2 * kReach + 1, 2 * kReach + 1);
}

QRegion second_hand_and_hub(const DialGeometry& dial, const FastLayerInput& in, const FastLayerTools& tools) {
    return QRegion(hand_box(dial.centre_x, dial.centre_y, second_hand(dial, in, tools))) + hub_box(dial);
}

// The logical pixels a device rectangle touches.
QRect logical_cover(const QRect& device, qreal ratio) {
    const int left = static_cast<int>(std::floor(device.left() / ratio));
    const int top = static_cast<int>(std::floor(device.top() / ratio));
    const int right = static_cast<int>(std::ceil((device.right() + 1) / ratio));
    const int bottom = static_cast<int>(std::ceil((device.bottom() + 1) / ratio));
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

qreal device_pixels_per_unit(const QPainter& p) { return p.device()->devicePixelRatioF() * p.worldTransform().m11(); }

void stroke_second_hand(QPainter& p, const DialGeometry& dial, int second, const FastLayerTools& tools) {
    FastLayerInput in;
    in.second = second;
    draw_hand(p, dial.centre_x, dial.centre_y, second_hand(dial, in, tools));
}

namespace {

// The spans of a region of device pixels, as QRegion bands them.
void append_spans(const QRegion& region, std::vector<FastLayerTools::Span>& out) {
    for (const QRect& r : region)
        out.push_back({static_cast<std::int16_t>(r.x()), static_cast<std::int16_t>(r.y()),
                       static_cast<std::int16_t>(r.width()), static_cast<std::int16_t>(r.height())});
}

QRect span_rect(const FastLayerTools::Span& s) { return QRect(s.x, s.y, s.width, s.height); }

// The second hand at its place for `second`, stroked once at `ratio` onto a transparent
// picture of the window, read back as the runs of each colour.
const FastLayerTools::SecondHand& second_hand_at(const DialGeometry& dial, int second, qreal ratio,
                                                 FastLayerTools& tools) {
    if (tools.second_hands_ratio != ratio) {  // all 60 at once, before the clock runs on
        tools.second_hands = {};
        tools.steady_change = {};
        tools.second_hands_ratio = ratio;
        for (int s = 0; s < FastLayerTools::kSecondPlaces; ++s) second_hand_at(dial, s, ratio, tools);
    }
    FastLayerTools::SecondHand& made = tools.second_hands[static_cast<std::size_t>(second)];
    if (made.made) return made;
    const QSize size(2 * dial.centre_x, 2 * dial.centre_y);
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter q(&image);
        q.setRenderHint(QPainter::Antialiasing, false);
        stroke_second_hand(q, dial, second, tools);
    }
    const QRgb red = tools.second_red.color().rgba();
    QRegion shadow, hand;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            if (qAlpha(row[x]) == 0) {
                ++x;
                continue;
            }
            const bool is_red = row[x] == red;
            int end = x + 1;
            while (end < image.width() && qAlpha(row[end]) != 0 && (row[end] == red) == is_red) ++end;
            (is_red ? hand : shadow) += QRect(x, y, end - x, 1);
            x = end;
        }
    }
    append_spans(shadow, made.spans);
    made.shadow_spans = made.spans.size();
    append_spans(hand, made.spans);
    made.spans.shrink_to_fit();
    made.made = true;
    return made;
}

// The logical pixels of the old and new second hands' places as one span a row, from the
// leftmost to the rightmost pixel of the row, in bands of rows that share their widest span:
// the hand's wedge. Few spans keep the raster engine's blending on the painting thread (it
// hands paints of many spans to a thread pool, waking its threads each second); few
// rectangles make few images for the X server (each a request of its own).
QRegion second_hands_wedge(const FastLayerTools::SecondHand& before, const FastLayerTools::SecondHand& after,
                           qreal ratio) {
    constexpr int kBandRows = 16;  // rows a band: the hand's slope costs a few pixels more a row
    const auto each_cover = [&](const auto& visit) {
        for (const FastLayerTools::SecondHand* hand : {&before, &after})
            for (const FastLayerTools::Span& s : hand->spans) visit(logical_cover(span_rect(s), ratio));
    };
    QRect box;
    each_cover([&](const QRect& r) { box |= r; });
    std::vector<std::pair<int, int>> bands(static_cast<std::size_t>(std::max(0, box.height()) / kBandRows + 1),
                                           {INT_MAX, INT_MIN});
    each_cover([&](const QRect& r) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto& [left, right] = bands[static_cast<std::size_t>(y - box.top()) / kBandRows];
            left = std::min(left, r.left());
            right = std::max(right, r.right());
        }
    });
    QRegion out;
    for (std::size_t b = 0; b < bands.size(); ++b) {
        if (bands[b].first > bands[b].second) continue;
        const int top = box.top() + static_cast<int>(b) * kBandRows;
        const int height = std::min(kBandRows, box.bottom() + 1 - top);
        out += QRect(bands[b].first, top, bands[b].second - bands[b].first + 1, height);
    }
    return out;
}

qreal line_width(const FastLayerTools& tools, const ClockText& text) {
    qreal width = 0;
    for (const char c : text) width += tools.advances[glyph_slot(c)];
    return width;
}

// The time line's characters that differ between two readings, each with the margin its
// ink may pass its advance by; the whole line where a font's digits differ in width and
// the line's glyphs moved.
QRegion changed_time_characters(const DialGeometry& dial, const FastLayerTools& tools, const ClockText& before,
                                const ClockText& after) {
    const QRect line = text_line_box(dial, tools, 1);
    const qreal width = line_width(tools, after);
    if (width != line_width(tools, before)) return line;
    qreal x = (2 * dial.centre_x - width) / 2;
    QRegion r;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const qreal advance = tools.advances[glyph_slot(after[i])];
        if (before[i] != after[i])
            r += QRect(static_cast<int>(std::floor(x)) - kTextMargin, line.top(),
                       static_cast<int>(std::ceil(advance)) + 2 * kTextMargin + 1, line.height());
        x += advance;
    }
    return r;
}

}  // namespace

QRegion fast_layer_region(const DialGeometry& dial, const FastLayerInput& in, const FastLayerTools& tools) {
    return QRegion(text_line_box(dial, tools, 0)) + text_line_box(dial, tools, 1) +
           hour_and_minute_hands(dial, in, tools) + second_hand_and_hub(dial, in, tools);
}

namespace {

QRegion change_between(const DialGeometry& dial, const FastLayerInput& before, const FastLayerInput& after,
                       FastLayerTools& tools, qreal ratio) {
    const auto second = [](const FastLayerInput& in) { return second_place(in.second); };
    QRegion r = changed_time_characters(dial, tools, time_text(before.hour, before.minute, before.second),
                                        time_text(after.hour, after.minute, after.second)) +
                hub_box(dial) +
                second_hands_wedge(second_hand_at(dial, second(before), ratio, tools),
                                   second_hand_at(dial, second(after), ratio, tools), ratio);
    if (before.year != after.year || before.month != after.month || before.day != after.day ||
        before.date_style != after.date_style)
        r += text_line_box(dial, tools, 0);
    if (before.hour != after.hour || before.minute != after.minute || before.twelve_hour != after.twelve_hour)
        r += hour_and_minute_hands(dial, before, tools) + hour_and_minute_hands(dial, after, tools);
    return r;
}

}  // namespace

QRegion fast_layer_change(const DialGeometry& dial, const FastLayerInput& before, const FastLayerInput& after,
                          FastLayerTools& tools, qreal ratio) {
    const ClockText time_before = time_text(before.hour, before.minute, before.second);
    const ClockText time_after = time_text(after.hour, after.minute, after.second);
    constexpr std::ptrdiff_t kSecondsField = 6;  // "hh:mm:" before it
    const bool seconds_only = std::equal(time_before.begin(), time_before.begin() + kSecondsField,
                                         time_after.begin()) &&
                              before.year == after.year && before.month == after.month && before.day == after.day &&
                              before.date_style == after.date_style && before.twelve_hour == after.twelve_hour &&
                              after.second > 0 && after.second < FastLayerTools::kSecondPlaces &&
                              before.second + 1 == after.second;
    if (!seconds_only) return change_between(dial, before, after, tools, ratio);
    second_hand_at(dial, after.second, ratio, tools);  // drops what was kept at a new ratio
    if (const qreal width = line_width(tools, time_after); width != tools.steady_line_width) {
        tools.steady_change = {};  // the seconds' digits stand elsewhere on a line of another width
        tools.steady_line_width = width;
    }
    QRegion& kept = tools.steady_change[static_cast<std::size_t>(after.second)];
    if (kept.isEmpty()) {  // all of a minute's at once, before the clock runs on
        for (int s = 1; s < FastLayerTools::kSecondPlaces; ++s) {
            FastLayerInput from = after, to = after;
            from.second = s - 1;
            to.second = s;
            tools.steady_change[static_cast<std::size_t>(s)] = change_between(dial, from, to, tools, ratio);
        }
    }
    return kept;
}

namespace {

// The device pixels a face-unit rectangle touches at `ratio` device pixels a unit.
QRect device_cover(const QRect& logical, qreal ratio) {
    const int left = static_cast<int>(std::floor(logical.left() * ratio));
    const int top = static_cast<int>(std::floor(logical.top() * ratio));
    const int right = static_cast<int>(std::ceil((logical.right() + 1) * ratio));
    const int bottom = static_cast<int>(std::ceil((logical.bottom() + 1) * ratio));
    return QRect(left, top, right - left, bottom - top);
}

// A layer drawn by `draw` (in face units, within `box`) onto a transparent picture of the
// device pixels the box covers at `ratio`, once for each `key`. The picture's origin is a
// whole device pixel, so the stroke sets the pixels it would on a picture of the window.
template <class Draw>
const FastLayerTools::Layer& prepared_layer(FastLayerTools::Layer& layer, int key, const QRect& box, qreal ratio,
                                            const Draw& draw) {
    if (layer.key != key || layer.ratio != ratio || layer.box != box) {
        const QRect device = device_cover(box, ratio);
        layer.image = QImage(device.size(), QImage::Format_ARGB32_Premultiplied);
        layer.image.fill(Qt::transparent);
        QPainter q(&layer.image);
        q.setTransform(QTransform(ratio, 0, 0, ratio, -device.x(), -device.y()));
        q.setRenderHint(QPainter::Antialiasing, false);
        q.setBrush(Qt::NoBrush);
        draw(q);
        layer.at = device.topLeft();
        layer.box = box;
        layer.ratio = ratio;
        layer.key = key;
    }
    return layer;
}

// A prepared layer's picture copied onto the paint.
template <class Draw>
void draw_layer(QPainter& p, std::optional<DirectPixels>& direct, FastLayerTools::Layer& layer, int key,
                const QRect& box, const Draw& draw) {
    const qreal ratio = device_pixels_per_unit(p);
    prepared_layer(layer, key, box, ratio, draw);
    if (direct && direct->clipped_to_many() && direct->copy_over(layer.image, layer.at)) return;
    const QTransform logical = p.transform();
    p.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio), true);
    p.drawImage(layer.at, layer.image);
    p.setTransform(logical);
}

// What the hands' and the hub's layers show.
int minute_key(const FastLayerInput& in) { return ((in.twelve_hour ? 24 : 0) + in.hour) * 60 + in.minute; }
void draw_hour_and_minute_hands(QPainter& q, const DialGeometry& dial, const FastLayerInput& in,
                                const FastLayerTools& tools) {
    each_hour_and_minute_hand(dial, in, tools, [&](const Hand& h) { draw_hand(q, dial.centre_x, dial.centre_y, h); });
}
void draw_hub(QPainter& q, const DialGeometry& dial, const FastLayerTools& tools) {
    const int cx = dial.centre_x, cy = dial.centre_y;
    q.setPen(tools.hub_outer);
    ellipse(q, box(cx, cy, cx + kHubRadius, cy + kHubRadius));
    q.setPen(tools.hub_inner);
    ellipse(q, box(cx - 1, cy - 1, cx + 1, cy + 1));
}

// The second hand's spans written straight in (both colours are opaque).
void fill_second_hand(DirectPixels& direct, const FastLayerTools::SecondHand& hand, const FastLayerTools& tools) {
    const QRgb shadow = tools.second_shadow_fill.color().rgba(), red = tools.second_red_fill.color().rgba();
    for (std::size_t k = 0; k < hand.spans.size(); ++k)
        direct.fill(span_rect(hand.spans[k]), k < hand.shadow_spans ? shadow : red);
}

// The second hand's pixels, filled in device pixels as its stroke set them (the painter's
// scale to the device is the face's size times the pixel ratio, which lies outside its
// world transform): the shadow's spans, then the hand's, each colour in one call.
void draw_second_hand(QPainter& p, std::optional<DirectPixels>& direct, const DialGeometry& dial, int second,
                      FastLayerTools& tools) {
    const qreal ratio = device_pixels_per_unit(p);
    const FastLayerTools::SecondHand& hand = second_hand_at(dial, second_place(second), ratio, tools);
    if (direct && direct->clipped_to_many()) {
        fill_second_hand(*direct, hand, tools);
        return;
    }
    std::vector<QRect>& rects = tools.span_rects;
    rects.clear();
    for (const FastLayerTools::Span& s : hand.spans) rects.push_back(span_rect(s));
    const QTransform logical = p.transform();
    p.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio), true);
    p.setPen(Qt::NoPen);
    const int shadow = static_cast<int>(hand.shadow_spans);
    p.setBrush(tools.second_shadow_fill);
    p.drawRects(rects.data(), shadow);
    p.setBrush(tools.second_red_fill);
    p.drawRects(rects.data() + shadow, static_cast<int>(rects.size()) - shadow);
    p.setTransform(logical);
}

// A glyph pen's place in device pixels from the painter's origin, in the 64ths a glyph run
// keeps and truncated as it truncates them: its whole pixel and the fraction. None far off
// any window.
struct PenPlace {
    QPoint pixel;
    int x64 = 0, y64 = 0;
};
std::optional<PenPlace> pen_place(QPointF logical, qreal ratio) {
    constexpr qreal kReach = 1 << 20;  // device pixels, far past any window
    const qreal x = logical.x() * ratio, y = logical.y() * ratio;
    if (!(std::abs(x) < kReach && std::abs(y) < kReach)) return std::nullopt;
    const auto x64 = static_cast<std::int64_t>(x * 64), y64 = static_cast<std::int64_t>(y * 64);
    return PenPlace{QPoint(static_cast<int>(x64 >> 6), static_cast<int>(y64 >> 6)), static_cast<int>(x64 & 63),
                    static_cast<int>(y64 & 63)};
}

// A clock character's mask for a pen at `place`: drawn alone in opaque white onto a
// transparent picture, at the window's scale and with its pen at the same fraction of a
// pixel, the picture's alpha is the glyph's coverage. None where its ink reached the
// picture's edge.
std::optional<FastLayerTools::GlyphMask> make_glyph_mask(const FastLayerTools& tools, std::size_t slot,
                                                         const PenPlace& place, qreal ratio) {
    const int reach_x = static_cast<int>(std::ceil(tools.advances[slot] * ratio)) + 8;  // ink may pass the advance
    const int reach_y = static_cast<int>(std::ceil(tools.text_height * ratio)) + 8;
    QImage picture(2 * reach_x, 2 * reach_y, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter q(&picture);
        q.setTransform(QTransform(ratio, 0, 0, ratio, reach_x + place.x64 / 64.0, reach_y + place.y64 / 64.0));
        q.setPen(Qt::white);
        const quint32 glyph = tools.glyphs[slot];
        const QPointF at(0, 0);
        QGlyphRun run;
        run.setRawFont(tools.raw_font);
        run.setRawData(&glyph, &at, 1);
        q.drawGlyphRun(at, run);
    }
    int left = picture.width(), top = picture.height(), right = -1, bottom = -1;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(row[x]) == 0) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    FastLayerTools::GlyphMask mask{slot, place.x64, place.y64, {}, {}, {}};
    if (right < 0) return mask;  // no ink
    if (left == 0 || top == 0 || right == picture.width() - 1 || bottom == picture.height() - 1) return std::nullopt;
    mask.offset = QPoint(left - reach_x, top - reach_y);
    mask.size = QSize(right - left + 1, bottom - top + 1);
    for (int y = top; y <= bottom; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = left; x <= right; ++x) mask.levels.push_back(static_cast<std::uint8_t>(qAlpha(row[x])));
    }
    return mask;
}

// The index of the mask of a clock character for a pen at `place`, made on first use.
std::optional<std::size_t> glyph_mask(FastLayerTools& tools, std::size_t slot, const PenPlace& place, qreal ratio) {
    for (std::size_t m = 0; m < tools.glyph_masks.size(); ++m) {
        const FastLayerTools::GlyphMask& mask = tools.glyph_masks[m];
        if (mask.slot == slot && mask.x64 == place.x64 && mask.y64 == place.y64) return m;
    }
    std::optional<FastLayerTools::GlyphMask> made = make_glyph_mask(tools, slot, place, ratio);
    if (!made) return std::nullopt;
    tools.glyph_masks.push_back(std::move(*made));
    return tools.glyph_masks.size() - 1;
}

// A line's glyphs blended in from their masks in the glyph run's order; false, with nothing
// drawn, where a mask cannot be had.
bool blend_line(DirectPixels& direct, FastLayerTools& tools, FastLayerTools::Line& line, const ClockText& text,
                QPointF origin, qreal ratio) {
    std::array<QPoint, FastLayerTools::kLineLength> pens{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::optional<PenPlace> place = pen_place(origin + line.positions[i], ratio);
        if (!place) return false;
        const std::size_t slot = glyph_slot(text[i]);
        const auto key = static_cast<std::uint32_t>((slot << 12) | (place->x64 << 6) | place->y64);
        if (line.mask_keys[i] != key) {
            const std::optional<std::size_t> mask = glyph_mask(tools, slot, *place, ratio);
            if (!mask) return false;
            line.mask_keys[i] = key;
            line.masks[i] = *mask;
        }
        pens[i] = place->pixel;
    }
    const QRgb colour = qPremultiply(tools.text_pen.color().rgba());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const FastLayerTools::GlyphMask& mask = tools.glyph_masks[line.masks[i]];
        direct.blend_coverage(mask.levels.data(), mask.size, pens[i] + mask.offset, colour);
    }
    return true;
}

// Whether the masks, blended over the pixels of `device` as they were before the glyph run
// (`before`), give what it set.
bool glyph_run_matches(const DirectPixels& direct, FastLayerTools& tools, FastLayerTools::Line& line,
                       const ClockText& text, QPointF origin, qreal ratio, const QRect& device,
                       std::vector<QRgb>& before) {
    QImage expected(reinterpret_cast<uchar*>(before.data()), device.width(), device.height(),
                    device.width() * static_cast<qsizetype>(sizeof(QRgb)), QImage::Format_ARGB32_Premultiplied);
    std::optional<DirectPixels> blended = DirectPixels::on(expected, -device.topLeft());
    if (!blended || !blend_line(*blended, tools, line, text, origin, ratio)) return false;
    std::vector<QRgb> after;
    direct.read(device, after);
    return after == before;
}

// A line of the date or time within `box`: blended from the glyph masks once they are
// trusted, else by the glyph run; the first such run wholly in a paint checks the masks.
void draw_clock_text(QPainter& p, std::optional<DirectPixels>& direct, FastLayerTools& tools,
                     FastLayerTools::Line& line, const ClockText& text, const QRect& box, int width) {
    const QPointF origin = lay_out_line(tools, line, text, box.top() + kTextMargin, width);
    const qreal ratio = device_pixels_per_unit(p);
    if (direct && tools.glyph_masks_ratio != ratio) {
        tools.glyph_masks.clear();
        for (FastLayerTools::Line* each : {&tools.date_line, &tools.time_line})
            each->mask_keys.fill(FastLayerTools::Line::kNoMask);
        tools.glyph_masks_ratio = ratio;
        tools.mask_check = FastLayerTools::MaskCheck::Unchecked;
    }
    using Check = FastLayerTools::MaskCheck;
    if (direct && direct->clipped_to_many() && tools.mask_check == Check::Equal &&
        blend_line(*direct, tools, line, text, origin, ratio))
        return;
    const QRect device = device_cover(box, ratio);
    const bool check = direct && tools.mask_check == Check::Unchecked && direct->covers(device);
    std::vector<QRgb> before;
    if (check) direct->read(device, before);
    p.drawGlyphRun(origin, line.run);
    if (check)
        tools.mask_check =
            glyph_run_matches(*direct, tools, line, text, origin, ratio, device, before) ? Check::Equal : Check::Differ;
}

}  // namespace

void draw_face_picture(QPainter& p, const QPixmap& picture) {
    if (picture.devicePixelRatio() == device_pixels_per_unit(p))
        if (std::optional<DirectPixels> direct = DirectPixels::of(p);
            direct && direct->clipped_to_many() && direct->copy_over(picture.toImage(), {}))
            return;
    p.drawPixmap(0, 0, picture);
}

void draw_fast_layer(QPainter& p, const DialGeometry& dial, const FastLayerInput& in, FastLayerTools& tools,
                     const QRect& dirty) {
    p.setRenderHint(QPainter::Antialiasing, false);
    const int cx = dial.centre_x;
    std::optional<DirectPixels> direct = DirectPixels::of(p);
    const qreal ratio = device_pixels_per_unit(p);
    const auto touched = [&](const QRect& r) {
        return (dirty.isNull() || dirty.intersects(r)) && (!direct || direct->touches(device_cover(r, ratio)));
    };

    p.setPen(tools.text_pen);
    p.setBrush(Qt::NoBrush);
    if (const QRect box = text_line_box(dial, tools, 0); touched(box))
        draw_clock_text(p, direct, tools, tools.date_line, date_text(in.year, in.month, in.day, in.date_style), box,
                        2 * cx);
    if (const QRect box = text_line_box(dial, tools, 1); touched(box))
        draw_clock_text(p, direct, tools, tools.time_line, time_text(in.hour, in.minute, in.second), box, 2 * cx);

    if (const QRect hands = hour_and_minute_box(dial, in, tools); touched(hands))
        draw_layer(p, direct, tools.minute_hands, minute_key(in), hands,
                   [&](QPainter& q) { draw_hour_and_minute_hands(q, dial, in, tools); });
    draw_second_hand(p, direct, dial, in.second, tools);
    draw_layer(p, direct, tools.hub, 0, hub_box(dial), [&](QPainter& q) { draw_hub(q, dial, tools); });
}

bool write_second(DirectPixels& direct, qreal ratio, const QPixmap& picture, const DialGeometry& dial,
                  const FastLayerInput& in, FastLayerTools& tools) {
    const auto touched = [&](const QRect& r) { return direct.touches(device_cover(r, ratio)); };
    const QRect date_box = text_line_box(dial, tools, 0), time_box = text_line_box(dial, tools, 1);
    const bool masks_trusted = tools.mask_check == FastLayerTools::MaskCheck::Equal && tools.glyph_masks_ratio == ratio;
    if (!direct.clipped_to_many() || picture.devicePixelRatio() != ratio ||
        (!masks_trusted && (touched(date_box) || touched(time_box))) || !direct.copy_over(picture.toImage(), {}))
        return false;
    const int width = 2 * dial.centre_x;
    const auto line = [&](FastLayerTools::Line& line, const ClockText& text, const QRect& box) {
        return !touched(box) || blend_line(direct, tools, line, text,
                                           lay_out_line(tools, line, text, box.top() + kTextMargin, width), ratio);
    };
    if (!line(tools.date_line, date_text(in.year, in.month, in.day, in.date_style), date_box) ||
        !line(tools.time_line, time_text(in.hour, in.minute, in.second), time_box))
        return false;
    if (const QRect hands = hour_and_minute_box(dial, in, tools); touched(hands)) {
        const FastLayerTools::Layer& layer =
            prepared_layer(tools.minute_hands, minute_key(in), hands, ratio,
                           [&](QPainter& q) { draw_hour_and_minute_hands(q, dial, in, tools); });
        direct.copy_over(layer.image, layer.at);
    }
    fill_second_hand(direct, second_hand_at(dial, second_place(in.second), ratio, tools), tools);
    const FastLayerTools::Layer& hub =
        prepared_layer(tools.hub, 0, hub_box(dial), ratio, [&](QPainter& q) { draw_hub(q, dial, tools); });
    direct.copy_over(hub.image, hub.at);
    return true;
}

}  // namespace face
