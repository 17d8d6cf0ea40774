#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cmath>

#include "almanac.h"
#include "face.h"
#include "observer.h"

namespace {

QImage slow(const SlowLayerInput& in) {
    QImage img(120, 120, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    QPainter p(&img);
    face::draw_slow_layer(p, kDial, in);
    return img;
}

QColor at(const QImage& img, double r, double dial_deg) {
    const double a = dial_deg * astro::kDegToRad;
    return img.pixelColor(static_cast<int>(60 + r * std::sin(a)), static_cast<int>(60 - r * std::cos(a)));
}

// Centre of the Moon picture for a phase angle.
QPoint moon_centre(double phi) {
    const double a = phi * astro::kDegToRad;
    return {static_cast<int>(60 - 48 * std::sin(a)), static_cast<int>(60 + 48 * std::cos(a))};
}

}  // namespace

TEST(Face, MoonPictureForEachPhase) {
    SlowLayerInput in;
    in.moon_phase_angle = 0;
    QImage img = slow(in);
    QPoint c = moon_centre(0);
    EXPECT_EQ(img.pixelColor(c + QPoint(5, 0)), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(c + QPoint(-5, 0)), QColor(Qt::black));

    in.moon_phase_angle = 180;
    img = slow(in);
    c = moon_centre(180);
    for (QPoint d : {QPoint(5, 0), QPoint(-5, 0), QPoint(0, 6), QPoint(0, -6)})
        EXPECT_EQ(img.pixelColor(c + d), face::kYellow);

    in.moon_phase_angle = 90;
    img = slow(in);
    c = moon_centre(90);
    EXPECT_EQ(img.pixelColor(c + QPoint(5, 0)), face::kYellow);
    EXPECT_EQ(img.pixelColor(c + QPoint(-5, 0)), QColor(Qt::black));

    in.moon_phase_angle = 270;
    img = slow(in);
    c = moon_centre(270);
    EXPECT_EQ(img.pixelColor(c + QPoint(-5, 0)), face::kYellow);
    EXPECT_EQ(img.pixelColor(c + QPoint(5, 0)), QColor(Qt::black));

    in.moon_phase_angle = 45;  // waxing crescent: only the right edge lit
    img = slow(in);
    c = moon_centre(45);
    EXPECT_EQ(img.pixelColor(c + QPoint(8, 0)), face::kYellow);
    EXPECT_EQ(img.pixelColor(c + QPoint(2, 0)), QColor(Qt::black));
}

TEST(Face, MoonUpRing) {
    constexpr double kRing = 55;  // between the tick marks and the outer rim
    SlowLayerInput in;
    in.moonrise_found = in.moonset_found = false;
    in.moon_up_flag = 5;
    QImage img = slow(in);
    for (double a : {10.0, 100.0, 200.0, 290.0}) EXPECT_EQ(at(img, kRing, a), face::kYellow) << a;
    in.moon_up_flag = -5;
    img = slow(in);
    for (double a : {10.0, 100.0, 200.0, 290.0}) EXPECT_EQ(at(img, kRing, a), face::kBlue) << a;
    // Up from 3 h to 9 h after midnight: yellow clockwise from 45 to 135 deg only.
    in.hour = 0;
    in.minute = 0;
    in.moonrise = 3;
    in.moonset = 9;
    in.moonrise_found = in.moonset_found = true;
    img = slow(in);
    EXPECT_EQ(at(img, kRing, 80), face::kYellow);
    EXPECT_EQ(at(img, kRing, 260), face::kBlue);
    EXPECT_EQ(at(img, kRing, 20), face::kBlue);
    // Only the set ahead: the Moon is up now until then.
    in.moonrise_found = false;
    in.moonset = 4;
    img = slow(in);
    EXPECT_EQ(at(img, kRing, 20), face::kYellow);
    EXPECT_EQ(at(img, kRing, 80), face::kBlue);
}

TEST(Face, DaylightAndTwilightArcs) {
    SlowLayerInput in;
    in.hour = 0;
    in.minute = 0;
    in.twilight_begin = 4.5;
    in.sunrise = 6;
    in.sunset = 18;
    in.twilight_end = 19.5;
    in.sun_altitude_sine = -0.8;
    QImage img = slow(in);
    EXPECT_EQ(at(img, 30, 180), face::kAqua);       // noon at the bottom
    EXPECT_EQ(at(img, 30, 15 * 5.2), face::kLightBlue);
    EXPECT_EQ(at(img, 30, 15 * 18.8), face::kLightBlue);
    EXPECT_EQ(at(img, 30, 0), face::kBlue);         // midnight at the top
    EXPECT_EQ(at(img, 30, 15 * 3.5), face::kBlue);
    // The arcs turn with the time: at 06:00 sunrise 0 h ahead sits at the top.
    in.hour = 6;
    in.twilight_begin = 22.5;
    in.sunrise = 0;
    in.sunset = 12;
    in.twilight_end = 13.5;
    img = slow(in);
    EXPECT_EQ(at(img, 30, 180), face::kAqua);
    EXPECT_EQ(at(img, 30, 0), face::kBlue);
}

TEST(Face, AbsentSunEventsFollowTheSunNow) {
    SlowLayerInput in;
    in.sunrise_found = in.sunset_found = in.twilight_begin_found = in.twilight_end_found = false;
    in.sun_altitude_sine = 0.3;  // polar day
    QImage img = slow(in);
    for (double a : {0.0, 90.0, 180.0, 270.0}) EXPECT_EQ(at(img, 30, a), face::kAqua);
    in.sun_altitude_sine = -0.6;  // polar night
    img = slow(in);
    for (double a : {0.0, 90.0, 180.0, 270.0}) EXPECT_EQ(at(img, 30, a), face::kBlue);
    // White nights: the Sun sets and rises, twilight never ends.
    in.sunrise_found = in.sunset_found = true;
    in.sunrise = 6;
    in.sunset = 18;
    in.sun_altitude_sine = -0.1;
    img = slow(in);
    EXPECT_EQ(at(img, 30, 180), face::kAqua);
    EXPECT_EQ(at(img, 30, 0), face::kLightBlue);
}

TEST(Face, EngineCasesAtHighLatitude) {
    auto input_for = [](int month, int day, double lat) {
        astro::CalcContext ctx;
        astro::CPlnt_Data planets;
        ctx.tz_hours = 1;
        astro::set_observer(ctx, lat, 15, 0);
        astro::minute_pass(ctx, planets, {2026, month, day, 12, 0, 0});
        SlowLayerInput in;
        in.hour = 12;
        in.sunrise = ctx.sunrise;
        in.sunset = ctx.sunset;
        in.twilight_begin = ctx.twilight_begin;
        in.twilight_end = ctx.twilight_end;
        in.sunrise_found = ctx.sunrise_found;
        in.sunset_found = ctx.sunset_found;
        in.twilight_begin_found = ctx.twilight_begin_found;
        in.twilight_end_found = ctx.twilight_end_found;
        in.sun_altitude_sine = ctx.sun_horizon_vector[2];
        return slow(in);
    };
    QImage day = input_for(6, 21, 78), night = input_for(12, 21, 78), white = input_for(6, 21, 60);
    int aqua_night = 0, blue_white = 0;
    for (int a = 0; a < 360; a += 5) {
        EXPECT_EQ(at(day, 30, a), face::kAqua) << a;
        aqua_night += at(night, 30, a) == face::kAqua;
        blue_white += at(white, 30, a) == face::kBlue;
    }
    EXPECT_EQ(aqua_night, 0);
    EXPECT_EQ(blue_white, 0);
    EXPECT_EQ(at(white, 30, 0), face::kLightBlue);
}

TEST(Face, DialLabelsDifferByMode) {
    SlowLayerInput in;
    in.twelve_hour = true;
    const QImage twelve = slow(in);
    in.twelve_hour = false;
    const QImage twentyfour = slow(in);
    // "3" and "6" at the right differ in shape; compare the label area only.
    const QRect right(100, 50, 16, 20);
    int differ = 0, silver = 0;
    for (int y = right.top(); y <= right.bottom(); ++y)
        for (int x = right.left(); x <= right.right(); ++x) {
            differ += twelve.pixelColor(x, y) != twentyfour.pixelColor(x, y);
            silver += twelve.pixelColor(x, y) == face::kSilver;
        }
    EXPECT_GT(differ, 5);
    EXPECT_GT(silver, 5);
}

TEST(Face, HandsByMode) {
    face::FastLayerTools fonts(96);
    EXPECT_EQ(fonts.font.pointSize(), 10);
    EXPECT_EQ(face::clock_font_points(96), 10);
    EXPECT_EQ(face::clock_font_points(97), 8);
    auto draw = [&](bool twelve) {
        QImage img(120, 120, QImage::Format_RGB32);
        img.fill(face::kBlue);
        QPainter p(&img);
        FastLayerInput in;
        in.hour = 3;
        in.minute = 0;
        in.second = 30;
        in.twelve_hour = twelve;
        face::draw_fast_layer(p, kDial, in, fonts);
        return img;
    };
    const QImage twelve = draw(true), twentyfour = draw(false);
    // Minute hand at 0 min points up, 0.75 R long.
    EXPECT_EQ(twelve.pixelColor(60, 60 - 35), face::kRed);
    EXPECT_NE(twentyfour.pixelColor(60, 60 - 35), face::kRed);
    // The grey 24-hour hand at 45 deg only in 12-hour mode.
    const int gx = static_cast<int>(60 + 22 * std::sin(0.785398)), gy = static_cast<int>(60 - 22 * std::cos(0.785398));
    EXPECT_EQ(twelve.pixelColor(gx, gy), face::kGrey);
    EXPECT_NE(twentyfour.pixelColor(gx, gy), face::kGrey);
    // The hour hand: 90 deg in 12-hour mode, 45 deg in 24-hour mode.
    EXPECT_EQ(twelve.pixelColor(60 + 25, 60), face::kRed);
    EXPECT_EQ(twentyfour.pixelColor(gx, gy), face::kRed);
    // Second hand at 30 s points down.
    EXPECT_EQ(twelve.pixelColor(60, 60 + 50), face::kRed);
}

TEST(Face, DateAndTimeFields) {
    auto str = [](const face::ClockText& t) { return std::string(t.begin(), t.end()); };
    EXPECT_EQ(str(face::date_text(2026, 12, 8)), "26/12/08");
    EXPECT_EQ(str(face::date_text(2000, 1, 31)), "00/01/31");
    EXPECT_EQ(str(face::time_text(9, 5, 7)), "09:05:07");
    EXPECT_EQ(str(face::time_text(23, 59, 59)), "23:59:59");
}

// The placed glyphs must look as Qt's own centred text layout draws the same strings.
TEST(Face, DateAndTimeMatchQtTextLayout) {
    for (const double ppi : {96.0, 120.0}) {
        face::FastLayerTools tools(ppi);
        FastLayerInput in;
        in.year = 2027;
        in.month = 10;
        in.day = 28;
        in.hour = 0;  // every hand points up, clear of the texts
        in.minute = 0;
        in.second = 0;
        QImage drawn(120, 120, QImage::Format_RGB32);
        drawn.fill(face::kBlue);
        {
            QPainter p(&drawn);
            face::draw_fast_layer(p, kDial, in, tools);
        }
        QImage expected(120, 120, QImage::Format_RGB32);
        expected.fill(face::kBlue);
        const int date_y = static_cast<int>(60 + 5.8), time_y = date_y + tools.text_height;
        {
            QPainter p(&expected);
            p.setFont(tools.font);
            p.setPen(Qt::black);
            p.drawText(QRect(0, date_y, 120, tools.text_height), Qt::AlignHCenter | Qt::AlignTop,
                       QStringLiteral("27/10/28"));
            p.drawText(QRect(0, time_y, 120, tools.text_height), Qt::AlignHCenter | Qt::AlignTop,
                       QStringLiteral("00:00:00"));
        }
        int inked = 0, differ = 0;
        for (int y = date_y + 3; y < time_y + tools.text_height; ++y)
            for (int x = 0; x < 120; ++x) {
                inked += expected.pixelColor(x, y) != face::kBlue;
                differ += drawn.pixelColor(x, y) != expected.pixelColor(x, y);
            }
        EXPECT_GT(inked, 100) << ppi;
        EXPECT_EQ(differ, 0) << ppi;
    }
}

// South of the equator the Moon picture is mirrored at the same place on the ring: the
// first quarter lit on the left; full and new moon look the same from both hemispheres.
TEST(Face, SouthernViewMirrorsTheMoon) {
    SlowLayerInput north, south;
    south.southern_view = true;
    north.moon_phase_angle = south.moon_phase_angle = 90;
    const QImage n = slow(north), s = slow(south);
    const QPoint c = moon_centre(90);
    EXPECT_EQ(n.pixelColor(c + QPoint(5, 0)), face::kYellow);
    EXPECT_EQ(n.pixelColor(c + QPoint(-5, 0)), QColor(Qt::black));
    EXPECT_EQ(s.pixelColor(c + QPoint(-5, 0)), face::kYellow);
    EXPECT_EQ(s.pixelColor(c + QPoint(5, 0)), QColor(Qt::black));
    for (const double phi : {0.0, 180.0}) {
        north.moon_phase_angle = south.moon_phase_angle = phi;
        EXPECT_EQ(slow(north), slow(south)) << phi;
    }
}

// The Moon as it stands in the sky: the picture turned so its lit side points where the
// bright limb does (from up through left), with no southern mirror. Rows: phase, limb
// direction, the offset from the Moon's centre that is lit and the one opposite it.
TEST(Face, MoonAsInTheSky) {
    const struct {
        double phase, limb;
        QPoint lit, dark;
    } rows[] = {
        {40, 180, {0, 8}, {0, -7}},    // a waxing crescent low in the west at the equator: lit from below
        {40, 0, {0, -8}, {0, 7}},      // lit from above
        {40, 90, {-8, 0}, {7, 0}},     // lit on the left (east)
        {40, 270, {8, 0}, {-7, 0}},    // as the usual picture has it
        {320, 270, {8, 0}, {-7, 0}},   // a waning crescent, lit side turned to the right
        {320, 180, {0, 8}, {0, -7}},
    };
    for (const auto& r : rows) {
        for (const bool south : {false, true}) {
            SCOPED_TRACE(testing::Message() << r.phase << " " << r.limb << " south " << south);
            SlowLayerInput in;
            in.moon_phase_angle = r.phase;
            in.southern_view = south;
            in.moon_limb_from_zenith = r.limb;
            const QImage img = slow(in);
            const QPoint c = moon_centre(r.phase);
            EXPECT_EQ(img.pixelColor(c + r.lit), face::kYellow);
            EXPECT_EQ(img.pixelColor(c + r.dark), QColor(Qt::black));
        }
    }
    SlowLayerInput usual;
    usual.moon_phase_angle = 40;
    SlowLayerInput sky = usual;
    sky.moon_limb_from_zenith = 270;
    EXPECT_EQ(slow(usual), slow(sky));  // the usual picture's own direction changes no pixel
}
