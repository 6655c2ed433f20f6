#pragma once

#include "engine/graphic.hpp"
#include "engine/image_settings.hpp"
#include "engine/items/image_item.hpp"
#include "platform/imaging/bitmap.hpp"

namespace slidemint {

// The in-memory pixel layout an image setting asks for. Formats the bitmap
// type cannot hold (device, 15 and 16 bits, custom) become 24 bits.
PixelFormat BitmapFormatOf(TPixelFormat format);

// The pixels of a registered graphic: bitmaps and icons as they are, JPEG
// images decoded. A metafile cannot be played here and yields a blank
// (white) picture of its size.
Bitmap GraphicPixels(const TGraphic& graphic);

// A bitmap that is either made here or borrowed from a graphic that already
// holds exactly the pixels wanted (saving a copy of a full-page picture).
class PreparedBitmap {
public:
    explicit PreparedBitmap(Bitmap&& owned) : owned_(std::move(owned)), view_(&owned_) {}
    explicit PreparedBitmap(const Bitmap* borrowed) : view_(borrowed) {}
    PreparedBitmap(const PreparedBitmap&) = delete;
    PreparedBitmap& operator=(const PreparedBitmap&) = delete;

    const Bitmap& get() const { return *view_; }

private:
    Bitmap owned_;
    const Bitmap* view_;
};

// The bitmap that is encoded for an image item: a bitmap in the settings'
// pixel format filled with the item's brush (ground colour already
// resolved), the graphic drawn on it at its own pixel size, or stretched to
// the item's size when ActualSize is set. A transparent image is combined
// with the ground by a bitwise AND. Without ActualSize, settings.StretchImage
// becomes true (it is recorded with the XObject).
PreparedBitmap PrepareItemBitmap(const TveImageItem& item, TveImageSettings& settings, const TGraphic& graphic,
                                 TColor groundColor);

}  // namespace slidemint
