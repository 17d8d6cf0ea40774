// Drawing of the clock face: the slow layer (once a minute, into the face picture) and
// the fast layer (every second, on the window).
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

// What the slow layer shows, in the clock's terms.
struct SlowLayerInput {
    int centre_x = 60, centre_y = 60;
    double disc_radius = 58.0;
    int hour = 0, minute = 0;
    bool twelve_hour = true;
    double moonrise = -1, moonset = -1;  // hours after now; -1: none
    double moon_up_flag = 0;             // > 0: the Moon is up
    double moon_phase_angle = 0;
    double sunrise = 0, sunset = 0, twilight_begin = 0, twilight_end = 0;
    bool sunrise_found = true, sunset_found = true;
    bool twilight_begin_found = true, twilight_end_found = true;
    double sun_altitude_sine = 0;  // of the Sun now, topocentric
};

struct FastLayerInput {
    int centre_x = 60, centre_y = 60;
    double disc_radius = 58.0;
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    bool twelve_hour = true;
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

void draw_slow_layer(QPainter& p, const SlowLayerInput& in);

// The fonts and text metrics of the fast layer, set up once.
struct FastLayerFonts {
    explicit FastLayerFonts(double pixels_per_inch);
    QFont font;
    int text_height;
};

void draw_fast_layer(QPainter& p, const FastLayerInput& in, const FastLayerFonts& fonts);

}  // namespace face
