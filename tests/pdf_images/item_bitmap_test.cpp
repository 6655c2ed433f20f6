#include "pdf/images/item_bitmap.hpp"
#include "platform/imaging/jpeg_codec.hpp"

#include <gtest/gtest.h>

namespace slidemint {
namespace {

TBitmap twoColourPicture() {
    Bitmap bitmap(4, 2, PixelFormat::Bgr24);
    bitmap.fill(0x00FFFFu);
    bitmap.setPixelColor(0, 0, 0x102030u);
    return TBitmap(bitmap);
}

TEST(PrepareItemBitmap, KeepsThePicturesOwnSizeAndMarksItStretched) {
    TveImageItem item;
    item.Width = 400;
    item.Height = 300;
    TveImageSettings settings;
    TBitmap picture = twoColourPicture();
    PreparedBitmap prepared = PrepareItemBitmap(item, settings, picture, 0xFFFFFFu);
    EXPECT_TRUE(settings.StretchImage);
    EXPECT_EQ(prepared.get(), picture.bitmap());
    EXPECT_EQ(&prepared.get(), &picture.bitmap());  // encoded without a copy
}

TEST(PrepareItemBitmap, ActualSizeStretchesToTheRoundedItemSize) {
    TveImageItem item;
    item.Width = 8.5;  // ties go to the even neighbour
    item.Height = 3.5;
    TveImageSettings settings;
    settings.ActualSize = true;
    TBitmap picture = twoColourPicture();
    PreparedBitmap prepared = PrepareItemBitmap(item, settings, picture, 0xFFFFFFu);
    EXPECT_FALSE(settings.StretchImage);
    ASSERT_EQ(prepared.get().width(), 8);
    ASSERT_EQ(prepared.get().height(), 4);
    EXPECT_EQ(prepared.get().pixelColor(1, 1), 0x102030u);
    EXPECT_EQ(prepared.get().pixelColor(2, 1), 0x00FFFFu);
}

TEST(PrepareItemBitmap, TransparentPictureIsAndedWithTheGround) {
    TveImageItem item;
    TveImageSettings settings;
    settings.TransparentImage = true;
    TBitmap picture = twoColourPicture();
    PreparedBitmap prepared = PrepareItemBitmap(item, settings, picture, 0xF0F0F0u);
    EXPECT_EQ(prepared.get().pixelColor(0, 0), 0x102030u & 0xF0F0F0u);
    EXPECT_EQ(prepared.get().pixelColor(3, 1), 0x00F0F0u);
}

TEST(PrepareItemBitmap, OneBitFormatGivesABlackAndWhiteBitmap) {
    TveImageItem item;
    TveImageSettings settings;
    settings.ImagePixelFormat = pf1bit;
    TBitmap picture = twoColourPicture();
    PreparedBitmap prepared = PrepareItemBitmap(item, settings, picture, 0xFFFFFFu);
    ASSERT_EQ(prepared.get().pixelFormat(), PixelFormat::Indexed1);
    EXPECT_EQ(prepared.get().pixelColor(0, 0), 0x000000u);
    EXPECT_EQ(prepared.get().pixelColor(1, 0), 0xFFFFFFu);
}

TEST(GraphicPixels, DecodesJpegAndBlanksMetafiles) {
    Bitmap source(3, 2, PixelFormat::Bgr24);
    source.fill(0x808080u);
    TJPEGImage jpeg(encodeJpeg(source, 90), 3, 2);
    EXPECT_EQ(GraphicPixels(jpeg).width(), 3);
    TMetafile metafile({}, 5, 4);
    Bitmap blank = GraphicPixels(metafile);
    EXPECT_EQ(blank.width(), 5);
    EXPECT_EQ(blank.pixelColor(4, 3), 0xFFFFFFu);
}

}  // namespace
}  // namespace slidemint
