#include "window_icon.h"

#include <QImage>

#include "window_icon_pixels.h"

static_assert(kWindowIconPixels.size() == std::size_t{kWindowIconSize} * kWindowIconSize, "a square icon");

QPixmap window_icon() {
    const QImage image(reinterpret_cast<const uchar*>(kWindowIconPixels.data()), kWindowIconSize, kWindowIconSize,
                       QImage::Format_ARGB32);
    return QPixmap::fromImage(image);
}
