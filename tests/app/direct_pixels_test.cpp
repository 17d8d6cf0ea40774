#include "direct_pixels.h"

#include <gtest/gtest.h>

#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <functional>

namespace {

// Every level of alpha from 0 to 255, each over a colour of its own, premultiplied.
QImage all_alphas() {
    QImage picture(16, 16, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            picture.setPixel(x, y, qPremultiply(qRgba(x * 17, 255 - y * 13, (x * y * 7) % 256, y * 16 + x)));
    return picture;
}

QImage backdrop(QImage::Format format) {
    QImage image(64, 48, format);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(
                x, y,
                qPremultiply(qRgba(x * 4, y * 5, 255 - x * 3, format == QImage::Format_RGB32 ? 255 : 40 + x * 3)));
    return image;
}

// A clip of several rectangles with holes, as a second's repaint has.
const QRegion kClip = QRegion(4, 4, 30, 10) + QRegion(20, 20, 25, 20) + QRegion(50, 0, 5, 48);

}  // namespace

// Written directly, an opaque fill and a picture with every alpha copied source-over set
// exactly what the raster engine sets, in either 32-bit target, inside the clip alone, from a
// painter moved by whole pixels and scaled.
TEST(DirectPixels, SetWhatThePainterSets) {
    const QImage picture = all_alphas();
    const QRect fill(2, 3, 40, 8);
    const QPoint at(8, 18);
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        for (const QPoint origin : {QPoint(0, 0), QPoint(3, -2)}) {
            for (const qreal scale : {1.0, 1.5, 2.0}) {
                SCOPED_TRACE(testing::Message()
                             << format << " at " << origin.x() << "," << origin.y() << " x" << scale);
                QImage by_painter = backdrop(format), direct = backdrop(format);
                {
                    by_painter.paintEngine()->setSystemClip(kClip);
                    QPainter p(&by_painter);
                    p.fillRect(fill.translated(origin), QColor(200, 10, 30));
                    p.drawImage(at + origin, picture);
                }
                {
                    direct.paintEngine()->setSystemClip(kClip);
                    QPainter p(&direct);
                    p.translate(origin);
                    p.scale(scale, scale);
                    std::optional<DirectPixels> pixels = DirectPixels::of(p);
                    ASSERT_TRUE(pixels);
                    pixels->fill(fill, qRgb(200, 10, 30));
                    EXPECT_TRUE(pixels->copy_over(picture, at));
                    EXPECT_TRUE(pixels->touches(QRect(30, 10, 2, 2)));
                    EXPECT_FALSE(pixels->touches(QRect(36, 0, 10, 18).translated(-origin)));
                }
                EXPECT_NE(direct, backdrop(format));
                EXPECT_EQ(direct, by_painter);
            }
        }
    }
}

// Where a direct write could differ from the painter's, the painter must draw.
TEST(DirectPixels, LeavesToThePainterWhatItCannotMatch) {
    const struct {
        const char* name;
        QImage::Format format;
        std::function<void(QPainter&)> set;
    } rows[] = {
        {"a clip of the painter's own", QImage::Format_RGB32, [](QPainter& p) { p.setClipRect(0, 0, 8, 8); }},
        {"half a pixel's move", QImage::Format_RGB32, [](QPainter& p) { p.translate(0.5, 0); }},
        {"a turn", QImage::Format_RGB32, [](QPainter& p) { p.rotate(10); }},
        {"half opacity", QImage::Format_RGB32, [](QPainter& p) { p.setOpacity(0.5); }},
        {"another composition", QImage::Format_RGB32,
         [](QPainter& p) { p.setCompositionMode(QPainter::CompositionMode_Source); }},
        {"a 16-bit image", QImage::Format_RGB16, [](QPainter&) {}},
        {"an unpremultiplied image", QImage::Format_ARGB32, [](QPainter&) {}},
    };
    for (const auto& row : rows) {
        QImage image(8, 8, row.format);
        QPainter p(&image);
        row.set(p);
        EXPECT_FALSE(DirectPixels::of(p)) << row.name;
    }
    // A paint event with no painter: not on a pixmap, nor an image a painter has open.
    QPixmap pixmap(8, 8);
    EXPECT_FALSE(DirectPixels::in_paint(pixmap)) << "a pixmap";
    QImage rgb16(8, 8, QImage::Format_RGB16);
    EXPECT_FALSE(DirectPixels::in_paint(rgb16)) << "a 16-bit image";
    QImage image(8, 8, QImage::Format_RGB32);
    EXPECT_TRUE(DirectPixels::in_paint(image));
    QPainter p(&image);
    EXPECT_FALSE(DirectPixels::in_paint(image)) << "a painter open on the image";
    std::optional<DirectPixels> pixels = DirectPixels::of(p);
    ASSERT_TRUE(pixels);
    EXPECT_FALSE(pixels->copy_over(QImage(2, 2, QImage::Format_ARGB32), {})) << "an unpremultiplied picture";
}
