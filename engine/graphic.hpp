#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/imaging/bitmap.hpp"

namespace slidemint {

// A picture of one of the kinds the engine's image list accepts: a bitmap,
// an icon, an enhanced metafile or a JPEG image. Copies are independent.
// Other graphic classes may derive from TGraphic; the engine refuses them
// with EUnsupportedGraphics.
class TGraphic {
public:
    virtual ~TGraphic() = default;

    // Size in pixels.
    virtual int width() const = 0;
    virtual int height() const = 0;
    bool empty() const { return width() <= 0 || height() <= 0; }

    virtual std::unique_ptr<TGraphic> clone() const = 0;

protected:
    TGraphic() = default;
    TGraphic(const TGraphic&) = default;
    TGraphic& operator=(const TGraphic&) = default;
};

// An uncompressed raster picture.
class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    explicit TBitmap(Bitmap bitmap) : bitmap_(std::move(bitmap)) {}

    int width() const override { return bitmap_.width(); }
    int height() const override { return bitmap_.height(); }
    std::unique_ptr<TGraphic> clone() const override { return std::make_unique<TBitmap>(*this); }

    const Bitmap& bitmap() const { return bitmap_; }
    Bitmap& bitmap() { return bitmap_; }

private:
    Bitmap bitmap_;
};

// An icon, held as its rendered picture (normally 32-bit with alpha).
class TIcon : public TGraphic {
public:
    TIcon() = default;
    explicit TIcon(Bitmap image) : image_(std::move(image)) {}

    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    std::unique_ptr<TGraphic> clone() const override { return std::make_unique<TIcon>(*this); }

    const Bitmap& image() const { return image_; }

private:
    Bitmap image_;
};

// An enhanced metafile: its raw EMF records and its size in pixels.
class TMetafile : public TGraphic {
public:
    TMetafile() = default;
    TMetafile(std::vector<std::uint8_t> emf, int width, int height)
        : emf_(std::move(emf)), width_(width), height_(height) {}

    int width() const override { return width_; }
    int height() const override { return height_; }
    std::unique_ptr<TGraphic> clone() const override { return std::make_unique<TMetafile>(*this); }

    const std::vector<std::uint8_t>& emf() const { return emf_; }

private:
    std::vector<std::uint8_t> emf_;
    int width_ = 0;
    int height_ = 0;
};

// A JPEG image: its encoded bytes, kept untouched, and the decoded size in
// pixels (the decoding that finds the size is done by whoever loads it).
class TJPEGImage : public TGraphic {
public:
    TJPEGImage() = default;
    TJPEGImage(std::vector<std::uint8_t> encoded, int width, int height)
        : encoded_(std::move(encoded)), width_(width), height_(height) {}

    int width() const override { return width_; }
    int height() const override { return height_; }
    std::unique_ptr<TGraphic> clone() const override { return std::make_unique<TJPEGImage>(*this); }

    const std::vector<std::uint8_t>& encoded() const { return encoded_; }

private:
    std::vector<std::uint8_t> encoded_;
    int width_ = 0;
    int height_ = 0;
};

// An independent copy of a graphic of one of the four accepted kinds, made
// as that kind (a class derived from TBitmap is copied as a TBitmap).
// Throws EUnsupportedGraphics for any other class.
std::unique_ptr<TGraphic> CopyAcceptedGraphic(const TGraphic& graphic);

// A picture holder that may be empty; assigning copies the graphic.
class TPicture {
public:
    TPicture() = default;
    TPicture(const TPicture& other) { Assign(other); }
    TPicture& operator=(const TPicture& other) { Assign(other); return *this; }
    TPicture(TPicture&&) noexcept = default;
    TPicture& operator=(TPicture&&) noexcept = default;

    const TGraphic* Graphic() const { return graphic_.get(); }
    // Stores a copy of the graphic (nullptr empties the picture).
    void SetGraphic(const TGraphic* graphic) { graphic_ = graphic ? graphic->clone() : nullptr; }
    void Assign(const TPicture& other) { if (this != &other) SetGraphic(other.Graphic()); }

    bool empty() const { return !graphic_ || graphic_->empty(); }
    int width() const { return graphic_ ? graphic_->width() : 0; }
    int height() const { return graphic_ ? graphic_->height() : 0; }

private:
    std::unique_ptr<TGraphic> graphic_;
};

}  // namespace slidemint
