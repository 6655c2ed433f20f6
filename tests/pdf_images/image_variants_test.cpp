#include "pdf/images/image_variants.hpp"

#include <gtest/gtest.h>

#include <set>

namespace slidemint {
namespace {

TveImageItem itemOfSize(double width, double height) {
    TveImageItem item;
    item.Width = width;
    item.Height = height;
    return item;
}

TvePDFImageSettings variantOf(const TveImageSettings& settings, double width, double height) {
    TvePDFImageSettings variant(settings);
    variant.Width = width;
    variant.Height = height;
    return variant;
}

TEST(ImageVariants, NamesConcatenateImageAndVariantInIndexOrder) {
    TveImageVariants variants;
    TveImageSettings settings;
    for (int k : {2, 0, 1}) {
        TvePDFImageSettings variant(settings);
        variant.ObjectNumber = 10 + k;
        EXPECT_EQ(variants.Add(k, variant), 0);
    }
    EXPECT_EQ(variants.Add(0, TvePDFImageSettings(settings)), 1);
    std::vector<std::pair<std::string, int>> expected = {{"Img00", 10}, {"Img01", 0}, {"Img10", 11}, {"Img20", 12}};
    EXPECT_EQ(variants.XObjectEntries(), expected);
    variants.Clear();
    EXPECT_TRUE(variants.Empty());
    EXPECT_EQ(variants.VariantCount(0), 0);
}

// Image 11 variant 2 and image 1 variant 12 would both be "Img112".
TEST(ImageVariants, KeepsNamesUniqueWhenConcatenationsCollide) {
    TveImageVariants variants;
    TveImageSettings settings;
    for (int j = 0; j < 3; ++j) variants.Add(11, TvePDFImageSettings(settings));
    for (int j = 0; j < 13; ++j) variants.Add(1, TvePDFImageSettings(settings));
    EXPECT_EQ(variants.Name(11, 2), "Img112");
    EXPECT_EQ(variants.Name(1, 9), "Img19");
    EXPECT_EQ(variants.Name(1, 10), "Img1_10");  // image 11 variant 0 holds "Img110"
    EXPECT_EQ(variants.Name(1, 12), "Img1_12");
    std::set<std::string> names;
    for (const auto& entry : variants.XObjectEntries()) EXPECT_TRUE(names.insert(entry.first).second) << entry.first;
}

TEST(ImageSettingsMatch, FollowsStretchAndCentreRules) {
    struct Case {
        const char* name;
        bool itemStretch, variantStretch, itemCentre, variantCentre;
        double itemWidth, itemHeight, variantWidth, variantHeight;
        int gw, gh;
        bool match;
    };
    const Case cases[] = {
        {"item plain, variant stretched, graphic width = item width", false, true, false, false, 64, 99, 1, 1, 64, 48, true},
        {"item plain, variant stretched, graphic height = item height", false, true, false, false, 99, 48, 1, 1, 64, 48, true},
        {"item plain, variant stretched, sizes differ", false, true, false, false, 99, 99, 64, 48, 64, 48, false},
        {"item stretched, variant plain, graphic = variant width", true, false, false, false, 5, 5, 64, 1, 64, 48, true},
        {"item stretched, variant plain, sizes differ", true, false, false, false, 64, 48, 5, 5, 64, 48, false},
        {"both stretched", true, true, false, false, 1, 2, 3, 4, 64, 48, true},
        {"neither: same item size", false, false, false, false, 10, 20, 10, 20, 64, 48, true},
        {"neither: other item size", false, false, false, false, 10, 21, 10, 20, 64, 48, false},
        {"centre differs, graphic = variant size", false, false, true, false, 64, 48, 64, 48, 64, 48, true},
        {"centre differs, graphic smaller than variant", false, false, true, false, 70, 50, 70, 50, 64, 48, false},
        {"both centred, graphic fits", false, false, true, true, 64, 48, 64, 48, 64, 48, true},
        {"both centred, graphic other size", false, false, true, true, 30, 30, 30, 30, 64, 48, true},
    };
    for (const Case& c : cases) {
        TveImageSettings settings;
        settings.StretchImage = c.itemStretch;
        settings.CenterImage = c.itemCentre;
        TveImageSettings stored;
        stored.StretchImage = c.variantStretch;
        stored.CenterImage = c.variantCentre;
        TveImageItem item = itemOfSize(c.itemWidth, c.itemHeight);
        EXPECT_EQ(ImageSettingsMatch(variantOf(stored, c.variantWidth, c.variantHeight), item, settings, c.gw, c.gh),
                  c.match)
            << c.name;
    }
}

TEST(ImageSettingsMatch, RequiresTheSameEncoding) {
    TveImageItem item = itemOfSize(64, 48);
    TveImageSettings jpeg;
    jpeg.SetOutputImageFormat(ifJPEG);
    jpeg.SetJPEGQuality(80);
    TvePDFImageSettings variant = variantOf(jpeg, 64, 48);
    EXPECT_TRUE(ImageSettingsMatch(variant, item, jpeg, 64, 48));

    TveImageSettings otherQuality(jpeg);
    otherQuality.SetJPEGQuality(90);
    TveImageSettings otherFormat(jpeg);
    otherFormat.SetOutputImageFormat(ifBMP);
    TveImageSettings otherDpi(jpeg);
    otherDpi.SetSourceDPI(jpeg.SourceDPI() + 1);
    TveImageSettings otherPixels(jpeg);
    otherPixels.ImagePixelFormat = pf8bit;
    TveImageSettings actualSize(jpeg);
    actualSize.ActualSize = true;
    for (const TveImageSettings* s : {&otherQuality, &otherFormat, &otherDpi, &otherPixels, &actualSize})
        EXPECT_FALSE(ImageSettingsMatch(variant, item, *s, 64, 48));

    // Quality does not matter for raw samples.
    TveImageSettings raw;
    TveImageSettings rawOtherQuality(raw);
    rawOtherQuality.SetJPEGQuality(5);
    EXPECT_TRUE(ImageSettingsMatch(variantOf(raw, 64, 48), item, rawOtherQuality, 64, 48));
}

// The fax coders always encode one-bit bitmaps, so a second drawing with the
// item's own (24-bit) pixel format still reuses the first XObject.
TEST(ImageSettingsMatch, FaxVariantsServeItemsOfAnyPixelFormat) {
    TveImageItem item = itemOfSize(64, 48);
    TveImageSettings fax;
    fax.SetOutputImageFormat(ifCCITT4);
    TveImageSettings stored(fax);
    stored.ImagePixelFormat = pf1bit;
    EXPECT_TRUE(ImageSettingsMatch(variantOf(stored, 64, 48), item, fax, 64, 48));
}

// A transparent picture is combined with the brush colour of its item.
TEST(ImageSettingsMatch, TransparentPicturesNeedTheSameGround) {
    TveImageSettings transparent;
    transparent.TransparentImage = true;
    TvePDFImageSettings variant = variantOf(transparent, 64, 48);
    variant.GroundColor = 0x0000FFu;
    TveImageItem item = itemOfSize(64, 48);
    item.Brush.Color = 0x0000FFu;
    EXPECT_TRUE(ImageSettingsMatch(variant, item, transparent, 64, 48));
    item.Brush.Color = 0x00FF00u;
    EXPECT_FALSE(ImageSettingsMatch(variant, item, transparent, 64, 48));
    EXPECT_FALSE(ImageSettingsMatch(variant, item, TveImageSettings(), 64, 48));
}

}  // namespace
}  // namespace slidemint
