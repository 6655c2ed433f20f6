#include "engine/graphic.hpp"

#include "engine/engine_error.hpp"

namespace slidemint {

std::unique_ptr<TGraphic> CopyAcceptedGraphic(const TGraphic& graphic) {
    if (auto* bitmap = dynamic_cast<const TBitmap*>(&graphic)) return std::make_unique<TBitmap>(bitmap->bitmap());
    if (auto* icon = dynamic_cast<const TIcon*>(&graphic)) return std::make_unique<TIcon>(icon->image());
    if (auto* metafile = dynamic_cast<const TMetafile*>(&graphic))
        return std::make_unique<TMetafile>(metafile->emf(), metafile->width(), metafile->height());
    if (auto* jpeg = dynamic_cast<const TJPEGImage*>(&graphic))
        return std::make_unique<TJPEGImage>(jpeg->encoded(), jpeg->width(), jpeg->height());
    throw EUnsupportedGraphics();
}

}  // namespace slidemint
