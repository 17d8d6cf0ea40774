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
#include <optional>

class QPainter;

class DirectPixels {
public:
    // The image `p` paints on, where it is a 32-bit image (RGB32, or ARGB32 premultiplied)
    // painted source-over at full opacity, with no clip of the painter's own and a transform
    // that only scales and moves by whole device pixels; else none, and the painter draws.
    static std::optional<DirectPixels> of(QPainter& p);

    // Rectangles and points are in device pixels from the painter's origin (its (0, 0)).
    bool touches(const QRect& r) const;
    void fill(const QRect& r, QRgb opaque);
    // A picture in premultiplied ARGB32 or in RGB32; false for any other, which the painter
    // must draw.
    bool copy_over(const QImage& picture, QPoint at);

private:
    DirectPixels(uchar* bits, qsizetype bytes_per_line, QPoint origin, QRegion clip);
    template <class Visit>
    void each_clipped(const QRect& r, const Visit& visit) const;
    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits_ + y * bytes_per_line_); }

    uchar* bits_;
    qsizetype bytes_per_line_;
    QPoint origin_;  // the painter's (0, 0) in the image's pixels
    QRegion clip_;   // the image's pixels the paint may set
};
