#include "pdf/images/image_encoders.hpp"

#include "platform/imaging/bitmap_convert.hpp"
#include "platform/imaging/jpeg_codec.hpp"

#include <algorithm>

namespace slidemint {

std::string BitmapToRGB(const Bitmap& bitmap) {
    Bitmap converted;
    if (bitmap.pixelFormat() != PixelFormat::Bgr24) converted = convertBitmap(bitmap, PixelFormat::Bgr24);
    const Bitmap& source = bitmap.pixelFormat() == PixelFormat::Bgr24 ? bitmap : converted;
    std::size_t rowBytes = static_cast<std::size_t>(source.width()) * 3;
    std::string rgb(rowBytes * static_cast<std::size_t>(source.height()), '\0');
    char* out = rgb.data();
    for (int y = 0; y < source.height(); ++y) {
        const std::uint8_t* in = source.scanLine(y);
        for (std::size_t i = 0; i < rowBytes; i += 3, out += 3) {
            out[0] = static_cast<char>(in[i + 2]);
            out[1] = static_cast<char>(in[i + 1]);
            out[2] = static_cast<char>(in[i]);
        }
    }
    return rgb;
}

std::string EncodeJPEG(const Bitmap& bitmap, int quality) {
    std::vector<std::uint8_t> jpeg;
    if (bitmap.height() == 1) {
        Bitmap twoRows(bitmap.width(), 2, bitmap.pixelFormat());
        twoRows.palette() = bitmap.palette();
        std::copy(bitmap.scanLine(0), bitmap.scanLine(0) + bitmap.stride(), twoRows.scanLine(0));
        std::copy(bitmap.scanLine(0), bitmap.scanLine(0) + bitmap.stride(), twoRows.scanLine(1));
        jpeg = encodeJpeg(twoRows, quality);
    } else {
        jpeg = encodeJpeg(bitmap, quality);
    }
    return std::string(jpeg.begin(), jpeg.end());
}

std::string FilterEntry(TveOutputImageFormat format, bool compressionEnabled) {
    switch (format) {
    case ifBMP: return compressionEnabled ? "/Filter/FlateDecode" : "";
    case ifJPEG: return "/Filter/DCTDecode";
    case ifCCITT3:
    case ifCCITT4: return "/Filter[/CCITTFaxDecode]";
    default: return "";
    }
}

}  // namespace slidemint
