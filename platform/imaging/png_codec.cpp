#include "platform/imaging/png_codec.hpp"

#include "platform/imaging/image_file.hpp"
#include "platform/imaging/image_file_error.hpp"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace slidemint {

namespace {

constexpr std::uint32_t maxSide = 1u << 16;
constexpr std::uint64_t maxPixels = std::uint64_t{1} << 27;

// Releases libpng's reading state however decoding ends.
class PngImage {
public:
    PngImage() {
        std::memset(&image_, 0, sizeof image_);
        image_.version = PNG_IMAGE_VERSION;
    }
    ~PngImage() { png_image_free(&image_); }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;

    png_image* get() { return &image_; }
    std::string message() const { return image_.message[0] ? image_.message : "the PNG data is damaged"; }

private:
    png_image image_;
};

}  // namespace

Bitmap decodePng(std::span<const std::uint8_t> bytes, const std::string& sourceName) {
    PngImage png;
    png_image* image = png.get();
    if (!png_image_begin_read_from_memory(image, bytes.data(), bytes.size()))
        throw EInvalidImageFile(sourceName, png.message());
    if (image->width == 0 || image->height == 0 || image->width > maxSide || image->height > maxSide ||
        std::uint64_t{image->width} * image->height > maxPixels)
        throw EInvalidImageFile(sourceName, "image of " + std::to_string(image->width) + " x " +
                                                std::to_string(image->height) + " pixels is not supported");
    bool alpha = (image->format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image->format = alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    std::size_t pixelBytes = alpha ? 4 : 3;
    std::size_t rowBytes = pixelBytes * image->width;
    std::vector<std::uint8_t> pixels(rowBytes * image->height);
    if (!png_image_finish_read(image, nullptr, pixels.data(), static_cast<png_int_32>(rowBytes), nullptr))
        throw EInvalidImageFile(sourceName, png.message());
    Bitmap bitmap(static_cast<int>(image->width), static_cast<int>(image->height),
                  alpha ? PixelFormat::Bgra32 : PixelFormat::Bgr24);
    for (int y = 0; y < bitmap.height(); ++y) {
        const std::uint8_t* row = pixels.data() + rowBytes * static_cast<std::size_t>(y);
        std::copy(row, row + rowBytes, bitmap.scanLine(y));
    }
    return bitmap;
}

Bitmap readPngFile(const std::string& path) { return decodePng(readImageFileBytes(path), path); }

}  // namespace slidemint
