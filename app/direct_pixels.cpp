#include "direct_pixels.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace {

// Each 8-bit channel of `x` times a/255, rounded as the raster engine rounds it (both
// channel pairs at once: x·a + (x·a >> 8) + 128, over 256).
QRgb times_alpha(QRgb x, unsigned a) {
    unsigned red_blue = (x & 0xff00ffu) * a;
    red_blue = ((red_blue + ((red_blue >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    unsigned alpha_green = ((x >> 8) & 0xff00ffu) * a;
    alpha_green = (alpha_green + ((alpha_green >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return alpha_green | red_blue;
}

// A whole number of device pixels, or none.
std::optional<int> whole(qreal v) {
    if (!std::isfinite(v) || std::abs(v) > 1 << 20) return std::nullopt;
    const qreal r = std::round(v);
    if (r != v) return std::nullopt;
    return static_cast<int>(r);
}

}  // namespace

DirectPixels::DirectPixels(QImage& image, QPoint origin, QRegion clip)
    : bits_(image.bits()),
      bytes_per_line_(image.bytesPerLine()),
      origin_(origin),
      bounds_(image.rect()),
      clip_(std::move(clip)) {}

// Detached, an image's bits are the ones its painter writes: taking them copies nothing.
bool DirectPixels::written_here(const QImage& image) {
    return image.isDetached() &&
           (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied);
}

std::optional<DirectPixels> DirectPixels::on(QImage& image, QPoint origin) {
    if (!written_here(image)) return std::nullopt;
    return DirectPixels(image, origin, {});
}

// The window system's paint gives the image's engine the paint's clip before the event, in
// device pixels; a painter opened on it (one shared with a parent's paint) would add its own.
std::optional<DirectPixels> DirectPixels::in_paint(QPaintDevice& device) {
    if (device.devType() != QInternal::Image) return std::nullopt;
    auto& image = static_cast<QImage&>(device);
    QPaintEngine* engine = image.paintEngine();
    if (!written_here(image) || engine == nullptr || engine->isActive()) return std::nullopt;
    return DirectPixels(image, {}, engine->systemClip());
}

std::optional<DirectPixels> DirectPixels::of(QPainter& p) {
    QPaintEngine* engine = p.paintEngine();
    if (!p.isActive() || engine == nullptr || engine->type() != QPaintEngine::Raster || p.hasClipping() ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver || p.opacity() != 1.0)
        return std::nullopt;
    QPaintDevice* device = engine->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    if (!written_here(*image)) return std::nullopt;
    const QTransform& t = p.deviceTransform();
    const std::optional<int> dx = whole(t.dx()), dy = whole(t.dy());
    if (t.type() > QTransform::TxScale || !dx || !dy) return std::nullopt;
    return DirectPixels(*image, QPoint(*dx, *dy), engine->systemClip());
}

// A region's rectangles lie in bands from the top down, each band's left to right, so the
// bands a rectangle crosses are found by halving: a one-row span meets one band, not all.
template <class Visit>
void DirectPixels::each_clipped(const QRect& r, const Visit& visit) const {
    const QRect placed = r.translated(origin_) & bounds_;
    if (placed.isEmpty()) return;
    if (clip_.isEmpty()) {
        visit(placed);
        return;
    }
    const QRect* end = clip_.end();
    const QRect* c =
        std::partition_point(clip_.begin(), end, [&](const QRect& c) { return c.bottom() < placed.top(); });
    for (; c != end && c->top() <= placed.bottom(); ++c)
        if (const QRect part = placed & *c; !part.isEmpty()) visit(part);
}

bool DirectPixels::touches(const QRect& r) const {
    const QRect placed = r.translated(origin_) & bounds_;
    return !placed.isEmpty() && (clip_.isEmpty() || clip_.intersects(placed));
}

void DirectPixels::fill(const QRect& r, QRgb opaque) {
    each_clipped(r, [&](const QRect& part) {
        for (int y = part.top(); y <= part.bottom(); ++y) std::fill_n(row(y) + part.left(), part.width(), opaque);
    });
}

bool DirectPixels::copy_over(const QImage& picture, QPoint at) {
    const bool opaque = picture.format() == QImage::Format_RGB32;
    if (!opaque && picture.format() != QImage::Format_ARGB32_Premultiplied) return false;
    const QPoint from = at + origin_;  // the picture's top left in the image
    each_clipped(QRect(at, picture.size()), [&](const QRect& part) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const auto* source =
                reinterpret_cast<const QRgb*>(picture.constScanLine(y - from.y())) + (part.left() - from.x());
            QRgb* target = row(y) + part.left();
            if (opaque) {
                std::transform(source, source + part.width(), target, [](QRgb s) { return s | 0xff000000u; });
                continue;
            }
            for (int x = 0; x < part.width(); ++x) {
                // The hands' pictures are mostly transparent (0): passed over four at a time.
                if (x + 4 <= part.width() && (source[x] | source[x + 1] | source[x + 2] | source[x + 3]) == 0) {
                    x += 3;
                    continue;
                }
                const QRgb s = source[x];
                const unsigned alpha = qAlpha(s);
                if (alpha == 255)
                    target[x] = s;
                else if (alpha != 0)
                    target[x] = s + times_alpha(target[x], 255 - alpha);
            }
        }
    });
    return true;
}

void DirectPixels::blend_coverage(const std::uint8_t* levels, QSize size, QPoint at, QRgb colour) {
    const QPoint from = at + origin_;
    const bool opaque = qAlpha(colour) == 255;
    each_clipped(QRect(at, size), [&](const QRect& part) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const std::uint8_t* level = levels + (y - from.y()) * size.width() + (part.left() - from.x());
            QRgb* target = row(y) + part.left();
            for (int x = 0; x < part.width(); ++x) {
                if (level[x] == 0) continue;
                if (level[x] == 255 && opaque) {  // a glyph's inside: the pen's colour
                    target[x] = colour;
                    continue;
                }
                const QRgb s = times_alpha(colour, level[x]);
                target[x] = s + times_alpha(target[x], 255 - qAlpha(s));
            }
        }
    });
}

bool DirectPixels::covers(const QRect& r) const {
    const QRect placed = r.translated(origin_);
    return bounds_.contains(placed) && (clip_.isEmpty() || (QRegion(placed) - clip_).isEmpty());
}

void DirectPixels::read(const QRect& r, std::vector<QRgb>& out) const {
    out.clear();
    const QRect placed = r.translated(origin_);
    for (int y = placed.top(); y <= placed.bottom(); ++y)
        out.insert(out.end(), row(y) + placed.left(), row(y) + placed.left() + placed.width());
}
