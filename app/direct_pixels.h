// A paint's simplest pixels written straight into the image the painter paints on, as its
// raster engine sets them, within the clip it paints in: an opaque colour's fill, and a
// premultiplied picture copied source-over. A second's repaint is a few hundred such pixels
// in a clip of many rectangles, where the engine's clipped-span path costs far more than the
// pixels it sets.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QRgb>
#include <cstdint>
#include <optional>
#include <vector>

class QPaintDevice;
class QPainter;

class DirectPixels {
public:
    // The image `p` paints on, where it is a 32-bit image (RGB32, or ARGB32 premultiplied)
    // painted source-over at full opacity, with no clip of the painter's own and a transform
    // that only scales and moves by whole device pixels; else none, and the painter draws.
    static std::optional<DirectPixels> of(QPainter& p);
    // A widget's paint event with no painter: the image its painter would paint on, `device`
    // (with the widget's (0, 0) at the device's), where that is a 32-bit image as above,
    // within the clip the paint is given; else none.
    static std::optional<DirectPixels> in_paint(QPaintDevice& device);
    // All of a 32-bit `image` (as above), with no painter: `origin` stands for its (0, 0).
    static std::optional<DirectPixels> on(QImage& image, QPoint origin = {});

    // Whether the paint is clipped to more than one rectangle. Within one (a whole window's
    // paint) the engine's own fills and copies run on their fastest path, and writing here
    // gains nothing; in a second's repaint, clipped to many, it costs a fraction.
    bool clipped_to_many() const { return clip_.rectCount() > 1; }

    // Rectangles and points are in device pixels from the painter's origin (its (0, 0)).
    bool touches(const QRect& r) const;
    void fill(const QRect& r, QRgb opaque);
    // A picture in premultiplied ARGB32 or in RGB32; false for any other, which the painter
    // must draw.
    bool copy_over(const QImage& picture, QPoint at);
    // A glyph's coverage levels (0-255, `size` of them row after row) at `at`, blending in the
    // premultiplied `colour` as a pen's glyph does.
    void blend_coverage(const std::uint8_t* levels, QSize size, QPoint at, QRgb colour);
    // Whether every pixel of `r` lies in the clip; the pixels of such an `r`, row after row.
    bool covers(const QRect& r) const;
    void read(const QRect& r, std::vector<QRgb>& out) const;

private:
    DirectPixels(QImage& image, QPoint origin, QRegion clip);
    static bool written_here(const QImage& image);
    template <class Visit>
    void each_clipped(const QRect& r, const Visit& visit) const;
    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits_ + y * bytes_per_line_); }

    uchar* bits_;
    qsizetype bytes_per_line_;
    QPoint origin_;  // the painter's (0, 0) in the image's pixels
    QRect bounds_;   // the image's
    QRegion clip_;   // the image's pixels the paint may set, as the engine clips; empty: all
};
