// Both layers of the face at fixed inputs, pixel for pixel against reviewed pictures in
// tests/data/golden. ORBALIS_WRITE_GOLDEN=1 writes the pictures anew instead.
#include <gtest/gtest.h>

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <cstdlib>
#include <string>

#include "direct_pixels.h"
#include "face.h"
#include "observer.h"

namespace {

struct GoldenCase {
    const char* name;
    SlowLayerInput slow;
    FastLayerInput fast;
    bool own_slow_layer = true;  // false: the slow layer is another case's
};

SlowLayerInput slow_input(int hour, int minute, bool twelve, double phase, bool south) {
    SlowLayerInput in;
    in.hour = hour;
    in.minute = minute;
    in.twelve_hour = twelve;
    in.moon_phase_angle = phase;
    in.southern_view = south;
    in.moonrise = 3.2;
    in.moonset = 14.7;
    in.moon_up_flag = -1;
    in.twilight_begin = 22.1;
    in.sunrise = 23.4;
    in.sunset = 9.5;
    in.twilight_end = 10.9;
    in.sun_altitude_sine = 0.2;
    return in;
}

FastLayerInput fast_input(int hour, int minute, int second, bool twelve) {
    FastLayerInput in;
    in.year = 2026;
    in.month = 12;
    in.day = 9;
    in.hour = hour;
    in.minute = minute;
    in.second = second;
    in.twelve_hour = twelve;
    return in;
}

std::vector<GoldenCase> cases() {
    std::vector<GoldenCase> all = {
        {"north_12h_0730", slow_input(7, 30, true, 40, false), fast_input(7, 30, 15, true)},
        {"north_24h_1845", slow_input(18, 45, false, 200, false), fast_input(18, 45, 59, false)},
        {"south_12h_1230", slow_input(12, 30, true, 100, true), fast_input(12, 30, 0, true)},
        {"polar_24h_2359", slow_input(23, 59, false, 300, false), fast_input(23, 59, 30, false)},
    };
    // Polar day with the Moon up all day and no Sun events.
    SlowLayerInput& polar = all.back().slow;
    polar.moonrise_found = polar.moonset_found = false;
    polar.moon_up_flag = 4;
    polar.sunrise_found = polar.sunset_found = polar.twilight_begin_found = polar.twilight_end_found = false;
    // A white night under civil twilight: the Sun 8.6 deg down all night lies outside civil
    // twilight (no light-blue ring), though inside the astronomical one.
    GoldenCase civil = {"civil_24h_0200", slow_input(2, 0, false, 120, false), fast_input(2, 0, 0, false)};
    civil.slow.twilight_begin_found = civil.slow.twilight_end_found = false;
    civil.slow.sun_altitude_sine = -0.15;
    civil.slow.twilight_sine = astro::twilight_sine(astro::Twilight::kCivil);
    all.push_back(civil);
    // A locale that writes the day first (German): 09.12.26.
    GoldenCase day_first = {"north_24h_1845_de", slow_input(18, 45, false, 200, false), fast_input(18, 45, 59, false)};
    day_first.fast.date_style = {DateStyle::Order::DayMonthYear, '.'};
    day_first.own_slow_layer = false;
    all.push_back(day_first);
    return all;
}

void check_or_write(const QImage& drawn, const std::string& name) {
    const QString path = QString::fromStdString(std::string(ORBALIS_TEST_DATA) + "/golden/" + name + ".png");
    if (std::getenv("ORBALIS_WRITE_GOLDEN") != nullptr) {
        ASSERT_TRUE(drawn.save(path)) << name;
        return;
    }
    const QImage golden(path);
    ASSERT_FALSE(golden.isNull()) << "missing " << path.toStdString();
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32), golden.convertToFormat(QImage::Format_RGB32)) << name;
}

}  // namespace

TEST(Golden, BothLayersPixelForPixel) {
    face::FastLayerTools tools(96);
    for (const GoldenCase& c : cases()) {
        QImage img(120, 120, QImage::Format_RGB32);
        img.fill(Qt::magenta);
        QPainter p(&img);
        face::draw_slow_layer(p, kDial, c.slow);
        if (c.own_slow_layer) check_or_write(img, std::string(c.name) + "_slow");
        face::draw_fast_layer(p, kDial, c.fast, tools);
        p.end();
        check_or_write(img, std::string(c.name) + "_face");
    }
}

// A second's repaint covers only the old and new fast layer, from the face picture: the
// window then holds exactly the pixels of a full repaint, at 1x and 2x, through minute,
// hour and date changes, on both dials, and with a font whose "1" is narrower than the
// other digits (the seconds then move). Checked against the reviewed face pictures too.
TEST(Golden, SecondRepaintEqualsAFullOne) {
    face::FastLayerTools tabular(96), proportional(96);
    proportional.advances[1] *= 0.6;  // the slot of '1'
    const struct {
        int h0, m0, s0;
        bool twelve;
    } steps[] = {{7, 30, 14, true}, {10, 8, 59, true}, {23, 59, 59, true}, {18, 45, 58, false}, {11, 59, 59, false},
                 {5, 14, 44, true}, {2, 44, 29, true}, {11, 11, 29, true}, {10, 11, 19, true}};
    for (const double dpr : {1.0, 2.0}) {
        for (const auto& st : steps) {
            for (face::FastLayerTools* each : {&tabular, &proportional}) {
                face::FastLayerTools& tools = *each;
                SCOPED_TRACE(testing::Message() << st.h0 << ":" << st.m0 << ":" << st.s0 << " x" << dpr
                                                << (each == &proportional ? " proportional" : ""));
                QImage face(static_cast<int>(120 * dpr), static_cast<int>(120 * dpr), QImage::Format_RGB32);
                face.setDevicePixelRatio(dpr);
                QPainter fp(&face);
                face::draw_slow_layer(fp, kDial, slow_input(st.h0, st.m0, st.twelve, 40, false));
                fp.end();
                const FastLayerInput before = fast_input(st.h0, st.m0, st.s0, st.twelve);
                FastLayerInput after = before;
                after.second = (st.s0 + 1) % 60;
                if (after.second == 0) after.minute = (st.m0 + 1) % 60;
                if (after.second == 0 && after.minute == 0) after.hour = (st.h0 + 1) % 24;
                if (after.hour == 0 && before.hour == 23) after.day += 1;
                const auto full = [&](const FastLayerInput& in, const QRegion& clip) {
                    QImage img = face.copy();
                    QPainter p(&img);
                    if (!clip.isEmpty()) p.setClipRegion(clip);
                    p.drawImage(0, 0, face);
                    face::draw_fast_layer(p, kDial, in, tools);
                    return img;
                };
                const QImage shown = full(before, {});
                QImage partial = shown.copy();
                {  // clipped as a window's repaint is, to the change's device pixels
                    const QRegion change = face::fast_layer_change(kDial, before, after, tools, dpr);
                    QRegion device;
                    for (const QRect& r : change) device += QRect(r.topLeft() * dpr, r.size() * dpr);
                    partial.paintEngine()->setSystemClip(device);
                    QPainter p(&partial);
                    EXPECT_TRUE(DirectPixels::of(p));
                    face::draw_face_picture(p, QPixmap::fromImage(face));
                    face::draw_fast_layer(p, kDial, after, tools, change.boundingRect());
                }
                const QImage expected = full(after, {});
                EXPECT_NE(expected, shown);
                EXPECT_EQ(partial, expected);
                int area = 0;  // the repaint is a part of the window, not all of it
                for (const QRect& r : face::fast_layer_change(kDial, before, after, tools, dpr))
                    area += r.width() * r.height();
                EXPECT_LT(area, 120 * 120 * 3 / 4);
            }
        }
    }
}

// Written straight into the image (the second hand's spans, the pictures, the glyph masks
// once a first full paint has checked them), the fast layer is what the painter draws,
// pixel for pixel: every place of the second hand and every digit in each place of both
// lines, at 1, 1.5 and 2 device pixels to the pixel; with a painter and without one.
TEST(Golden, WrittenDirectlyAsThePainterDrawsIt) {
    for (const double dpr : {1.0, 1.5, 2.0}) {
        face::FastLayerTools tools(96);
        QImage face(static_cast<int>(120 * dpr), static_cast<int>(120 * dpr), QImage::Format_RGB32);
        face.setDevicePixelRatio(dpr);
        {
            QPainter fp(&face);
            face::draw_slow_layer(fp, kDial, slow_input(7, 30, true, 40, false));
        }
        for (int step = 0; step < 70; ++step) {
            FastLayerInput in = fast_input(step % 24, step * 7 % 60, step % 60, step % 2 == 0);
            in.month = 1 + step % 12;
            in.day = 1 + step % 31;
            const auto paint = [&](bool by_painter) {
                QImage image = face.copy();
                // All but a corner pixel, in several rectangles as a repaint's clip has them
                // (within one, the painter draws); or with a clip of the painter's own.
                image.paintEngine()->setSystemClip(QRegion(image.rect()) - QRegion(0, 0, 1, 1));
                QPainter p(&image);
                if (by_painter) p.setClipRect(QRect(0, 0, 120, 120));
                face::draw_fast_layer(p, kDial, in, tools);
                return image;
            };
            const QImage direct = paint(false), by_painter = paint(true);
            ASSERT_EQ(tools.mask_check, face::FastLayerTools::MaskCheck::Equal) << "x" << dpr;
            EXPECT_EQ(direct, by_painter) << "x" << dpr << " step " << step;
            // With no painter at all, the face picture first, over whatever the image held.
            QImage written(face.size(), QImage::Format_RGB32);
            written.fill(Qt::magenta);
            written.setPixel(0, 0, face.pixel(0, 0));
            written.paintEngine()->setSystemClip(QRegion(written.rect()) - QRegion(0, 0, 1, 1));
            std::optional<DirectPixels> pixels = DirectPixels::in_paint(written);
            ASSERT_TRUE(pixels);
            EXPECT_TRUE(face::write_second(*pixels, dpr, QPixmap::fromImage(face), kDial, in, tools));
            written.setDevicePixelRatio(dpr);
            EXPECT_EQ(written, by_painter) << "x" << dpr << " step " << step << " without a painter";
        }
    }
}

// Masks that do not give what the glyph runs set (as on a desktop that renders text for
// its screen's subpixels, in colours no grey mask gives) are found by the full paint that
// checks them, and the painter draws the lines from then on.
TEST(Golden, GlyphMasksThatDifferAreLeftAside) {
    face::FastLayerTools tools(96);
    const auto paint = [&](int second, bool by_painter) {
        QImage image(120, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.paintEngine()->setSystemClip(QRegion(0, 0, 120, 120) - QRegion(0, 0, 1, 1));
        QPainter p(&image);
        if (by_painter) p.setClipRect(QRect(0, 0, 120, 120));
        face::draw_fast_layer(p, kDial, fast_input(3, 0, second, false), tools);
        return image;
    };
    paint(10, false);
    ASSERT_EQ(tools.mask_check, face::FastLayerTools::MaskCheck::Equal);
    for (face::FastLayerTools::GlyphMask& mask : tools.glyph_masks)
        for (std::uint8_t& level : mask.levels) level = static_cast<std::uint8_t>(level / 2);
    tools.mask_check = face::FastLayerTools::MaskCheck::Unchecked;
    const QImage checked = paint(11, false);
    EXPECT_EQ(tools.mask_check, face::FastLayerTools::MaskCheck::Differ);
    EXPECT_EQ(checked, paint(11, true));
    EXPECT_EQ(paint(12, false), paint(12, true));
}

// The second hand's filled pixels are its stroke's, at every place and at 1, 1.5 and 2
// device pixels to the pixel: stroking it again over a paint changes nothing but under the
// hub, which is drawn over the hand.
TEST(Golden, SecondHandFillsWhatItsStrokeSets) {
    face::FastLayerTools tools(96);
    for (const double dpr : {1.0, 1.5, 2.0}) {
        for (int second = 0; second < face::FastLayerTools::kSecondPlaces; ++second) {
            SCOPED_TRACE(testing::Message() << second << " x" << dpr);
            QImage painted(static_cast<int>(120 * dpr), static_cast<int>(120 * dpr), QImage::Format_RGB32);
            painted.setDevicePixelRatio(dpr);
            painted.fill(Qt::white);
            {
                QPainter p(&painted);
                face::draw_fast_layer(p, kDial, fast_input(3, 0, second, false), tools);
            }
            QImage stroked = painted.copy();
            {
                QPainter p(&stroked);
                p.setClipRegion(QRegion(0, 0, 120, 120) - QRegion(kDial.centre_x - 4, kDial.centre_y - 4, 9, 9));
                face::stroke_second_hand(p, kDial, second, tools);
            }
            EXPECT_EQ(stroked, painted);
        }
    }
}

// The face at 150 % and 300 % as the window draws it: the slow layer into a picture of that
// many device pixels a unit, then both layers through a painter scaled to the size. Crisp,
// not a 120-pixel picture blown up (reviewed pictures).
TEST(Golden, LargerFacesAreDrawnAtTheirSize) {
    for (const double size : {1.5, 3.0}) {
        face::FastLayerTools tools(96);
        const GoldenCase c = cases().front();
        const int side = static_cast<int>(120 * size);
        QImage slow(side, side, QImage::Format_RGB32);
        slow.setDevicePixelRatio(size);
        {
            QPainter p(&slow);
            face::draw_slow_layer(p, kDial, c.slow);
        }
        QImage window(side, side, QImage::Format_RGB32);
        window.fill(Qt::magenta);
        {
            QPainter p(&window);
            p.scale(size, size);
            p.drawImage(0, 0, slow);
            EXPECT_EQ(face::device_pixels_per_unit(p), size);
            face::draw_fast_layer(p, kDial, c.fast, tools);
        }
        check_or_write(window, std::string(c.name) + "_" + std::to_string(static_cast<int>(size * 100)));
    }
}

