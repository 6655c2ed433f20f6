#include "pdf/images/image_variants.hpp"

namespace slidemint {

namespace {

bool sameEncoding(const TvePDFImageSettings& v, const TveImageSettings& s) {
    if (s.OutputImageFormat() != v.OutputImageFormat()) return false;
    if (s.OutputImageFormat() == ifJPEG && s.JPEGQuality() != v.JPEGQuality()) return false;
    return EncodedPixelFormat(s) == EncodedPixelFormat(v) && s.SourceDPI() == v.SourceDPI() &&
           s.ActualSize == v.ActualSize;
}

// A transparent picture is combined with the item's brush colour, so it can
// only be shared by items with the same ground.
bool sameGround(const TvePDFImageSettings& v, const TveImageItem& item, const TveImageSettings& s) {
    if (s.TransparentImage != v.TransparentImage) return false;
    return !s.TransparentImage || item.Brush.Color == v.GroundColor;
}

bool samePlacement(const TvePDFImageSettings& v, const TveImageItem& item, const TveImageSettings& s, int gw,
                   int gh) {
    if (!s.StretchImage && v.StretchImage) return gw == item.Width || gh == item.Height;
    if (s.StretchImage && !v.StretchImage) return gw == v.Width || gh == v.Height;
    if (s.StretchImage && v.StretchImage) return true;
    if (v.Width != item.Width || v.Height != item.Height) return false;
    bool ownSize = gw == v.Width && gh == v.Height;
    if (s.CenterImage != v.CenterImage) return ownSize;
    if (s.CenterImage && ownSize) return gw <= item.Width && gh <= item.Height;
    return true;
}

}  // namespace

TPixelFormat EncodedPixelFormat(const TveImageSettings& settings) {
    bool fax = settings.OutputImageFormat() == ifCCITT3 || settings.OutputImageFormat() == ifCCITT4;
    return fax ? pf1bit : settings.ImagePixelFormat;
}

bool ImageSettingsMatch(const TvePDFImageSettings& variant, const TveImageItem& item, const TveImageSettings& s,
                        int gw, int gh) {
    return sameEncoding(variant, s) && sameGround(variant, item, s) && samePlacement(variant, item, s, gw, gh);
}

std::optional<int> TveImageVariants::FindMatch(int k, const TveImageItem& item, const TveImageSettings& s, int gw,
                                               int gh) const {
    for (int j = 0; j < VariantCount(k); ++j)
        if (ImageSettingsMatch(Variant(k, j), item, s, gw, gh)) return j;
    return std::nullopt;
}

int TveImageVariants::Add(int k, TvePDFImageSettings variant) {
    auto& entries = slots_[k];
    int j = static_cast<int>(entries.size());
    std::string name = "Img" + std::to_string(k) + std::to_string(j);
    if (usedNames_.count(name)) name = "Img" + std::to_string(k) + "_" + std::to_string(j);
    usedNames_.insert(name);
    entries.push_back(Entry{std::move(variant), std::move(name)});
    return j;
}

const std::vector<TveImageVariants::Entry>* TveImageVariants::slot(int k) const {
    auto found = slots_.find(k);
    return found == slots_.end() ? nullptr : &found->second;
}

int TveImageVariants::VariantCount(int k) const {
    const auto* entries = slot(k);
    return entries ? static_cast<int>(entries->size()) : 0;
}

const TvePDFImageSettings& TveImageVariants::Variant(int k, int j) const {
    return slots_.at(k).at(static_cast<std::size_t>(j)).settings;
}

const std::string& TveImageVariants::Name(int k, int j) const {
    return slots_.at(k).at(static_cast<std::size_t>(j)).name;
}

std::vector<std::pair<std::string, int>> TveImageVariants::XObjectEntries() const {
    std::vector<std::pair<std::string, int>> entries;
    for (const auto& [k, variants] : slots_)
        for (const Entry& entry : variants) entries.emplace_back(entry.name, entry.settings.ObjectNumber);
    return entries;
}

bool TveImageVariants::Empty() const { return usedNames_.empty(); }

void TveImageVariants::Clear() {
    slots_.clear();
    usedNames_.clear();
}

}  // namespace slidemint
