#pragma once

#include "engine/color.hpp"
#include "engine/image_settings.hpp"
#include "engine/items/image_item.hpp"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace slidemint {

// One image XObject already written: the settings it was encoded with and
// the size of the item it was first drawn for.
class TvePDFImageSettings : public TveImageSettings {
public:
    explicit TvePDFImageSettings(const TveImageSettings& settings) : TveImageSettings(settings) {}

    int ObjectNumber = 0;
    double Width = 0;
    double Height = 0;
    // The brush colour the picture was combined with (transparent images).
    TColor GroundColor = 0;
};

// The pixel format an item's settings encode with: the fax formats always
// encode one-bit bitmaps.
TPixelFormat EncodedPixelFormat(const TveImageSettings& settings);

// Whether an XObject written earlier can serve an item drawn with settings s
// for a graphic of gw x gh pixels.
bool ImageSettingsMatch(const TvePDFImageSettings& variant, const TveImageItem& item, const TveImageSettings& s,
                        int gw, int gh);

// The image XObjects of one document, per image index in the order they were
// written, with their resource names.
class TveImageVariants {
public:
    // Index of the first variant of image k that can serve the item.
    std::optional<int> FindMatch(int k, const TveImageItem& item, const TveImageSettings& s, int gw, int gh) const;

    // Appends a variant to image k and returns its index j. Items that carry
    // their own encoded data and no registered image use k = -1. The name is
    // "Img" + k + j, unless an earlier XObject already took that name (image
    // 1 variant 12 against image 11 variant 2); then it is "Img" + k + "_" + j,
    // which no plain concatenation can produce.
    int Add(int k, TvePDFImageSettings variant);

    int VariantCount(int k) const;
    const TvePDFImageSettings& Variant(int k, int j) const;
    // The name without its slash, e.g. "Img00".
    const std::string& Name(int k, int j) const;

    // (name, object number) of every XObject by image index, then variant.
    std::vector<std::pair<std::string, int>> XObjectEntries() const;
    bool Empty() const;
    void Clear();

private:
    struct Entry {
        TvePDFImageSettings settings;
        std::string name;
    };
    const std::vector<Entry>* slot(int k) const;

    std::map<int, std::vector<Entry>> slots_;
    std::set<std::string> usedNames_;
};

}  // namespace slidemint
