#include "pdf/images/item_bitmap.hpp"

#include "platform/imaging/bitmap_convert.hpp"
#include "platform/imaging/jpeg_codec.hpp"

#include <algorithm>
#include <cmath>

namespace slidemint {

PixelFormat BitmapFormatOf(TPixelFormat format) {
    switch (format) {
    case pf1bit: return PixelFormat::Indexed1;
    case pf4bit: return PixelFormat::Indexed4;
    case pf8bit: return PixelFormat::Indexed8;
    case pf32bit: return PixelFormat::Bgra32;
    default: return PixelFormat::Bgr24;
    }
}

namespace {

// The pixels a bitmap or icon graphic holds, without copying them.
const Bitmap* heldPixels(const TGraphic& graphic) {
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&graphic)) return &bitmap->bitmap();
    if (const auto* icon = dynamic_cast<const TIcon*>(&graphic)) return &icon->image();
    return nullptr;
}

}  // namespace

Bitmap GraphicPixels(const TGraphic& graphic) {
    if (const Bitmap* held = heldPixels(graphic)) return *held;
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(&graphic))
        return decodeJpeg(jpeg->encoded(), "JPEG image");
    Bitmap blank(graphic.width(), graphic.height(), PixelFormat::Bgr24);
    blank.fill(0xFFFFFFu);
    return blank;
}

namespace {

int roundedSide(double length) { return std::max(1, static_cast<int>(std::nearbyint(length))); }

}  // namespace

PreparedBitmap PrepareItemBitmap(const TveImageItem& item, TveImageSettings& settings, const TGraphic& graphic,
                                 TColor groundColor) {
    PixelFormat format = BitmapFormatOf(settings.ImagePixelFormat);
    if (!settings.ActualSize) settings.StretchImage = true;
    RasterOp op = settings.TransparentImage ? RasterOp::And : RasterOp::Copy;
    // An opaque copy of a picture in the same direct layout covers the ground.
    auto coversGround = [&](const Bitmap& pixels) {
        return op == RasterOp::Copy && pixels.pixelFormat() == format && bitsPerPixel(format) > 8;
    };
    const Bitmap* held = heldPixels(graphic);
    if (held && !settings.ActualSize && coversGround(*held)) return PreparedBitmap(held);
    Bitmap pixels = GraphicPixels(graphic);
    if (settings.ActualSize) pixels = stretchBitmap(pixels, roundedSide(item.Width), roundedSide(item.Height));
    if (coversGround(pixels)) return PreparedBitmap(std::move(pixels));
    Bitmap result(pixels.width(), pixels.height(), format);
    result.fill(groundColor);
    drawBitmap(result, pixels, 0, 0, op);
    return PreparedBitmap(std::move(result));
}

}  // namespace slidemint
