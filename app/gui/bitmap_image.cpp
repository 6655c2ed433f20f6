#include "app/gui/bitmap_image.hpp"

#include <cstring>

#include "platform/imaging/bitmap.hpp"

namespace slidemint {

QImage ToQImage(const Bitmap& bitmap) {
    if (bitmap.empty()) return {};
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_BGR888);
    if (bitmap.pixelFormat() == PixelFormat::Bgr24) {
        for (int y = 0; y < bitmap.height(); ++y)
            std::memcpy(image.scanLine(y), bitmap.scanLine(y), static_cast<std::size_t>(bitmap.width()) * 3);
        return image;
    }
    for (int y = 0; y < bitmap.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            const std::uint32_t color = bitmap.pixelColor(x, y);  // 0x00BBGGRR
            row[3 * x] = static_cast<uchar>(color >> 16);
            row[3 * x + 1] = static_cast<uchar>(color >> 8);
            row[3 * x + 2] = static_cast<uchar>(color);
        }
    }
    return image;
}

}  // namespace slidemint
