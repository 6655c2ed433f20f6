#include "platform/imaging/jpeg_codec.hpp"

#include "platform/imaging/bitmap_convert.hpp"
#include "platform/imaging/image_file.hpp"
#include "platform/imaging/image_file_error.hpp"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

// libjpeg reports fatal errors through a callback that must not return; the
// callbacks below jump back into the small functions that drive the library.
// Those functions hold only trivially destructible locals, so the jump skips
// no destructor.

namespace slidemint {

namespace {

constexpr std::uint64_t maxPixels = std::uint64_t{1} << 27;

struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

extern "C" void jpegFatalError(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

extern "C" void jpegMessage(j_common_ptr info, int level) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) errors->truncated = true;
}

void installErrors(JpegErrors& errors) {
    jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegFatalError;
    errors.base.emit_message = jpegMessage;
    errors.message[0] = '\0';
    errors.truncated = false;
}

struct Compression {
    jpeg_compress_struct info;
    JpegErrors errors;
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;

    Compression() {
        installErrors(errors);
        info.err = &errors.base;
        jpeg_create_compress(&info);
    }
    ~Compression() {
        jpeg_destroy_compress(&info);
        std::free(output);
    }
    Compression(const Compression&) = delete;
    Compression& operator=(const Compression&) = delete;
};

bool runCompression(Compression& run, const Bitmap& bitmap, int quality) {
    if (setjmp(run.errors.jump)) return false;
    jpeg_mem_dest(&run.info, &run.output, &run.outputSize);
    run.info.image_width = static_cast<JDIMENSION>(bitmap.width());
    run.info.image_height = static_cast<JDIMENSION>(bitmap.height());
    run.info.input_components = 3;
    run.info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&run.info);
    jpeg_set_colorspace(&run.info, JCS_YCbCr);
    jpeg_set_quality(&run.info, quality, TRUE);
    jpeg_start_compress(&run.info, TRUE);
    while (run.info.next_scanline < run.info.image_height) {
        auto* row = const_cast<JSAMPROW>(bitmap.scanLine(static_cast<int>(run.info.next_scanline)));
        jpeg_write_scanlines(&run.info, &row, 1);
    }
    jpeg_finish_compress(&run.info);
    return true;
}

struct Decompression {
    jpeg_decompress_struct info;
    JpegErrors errors;

    Decompression() {
        installErrors(errors);
        info.err = &errors.base;
        jpeg_create_decompress(&info);
    }
    ~Decompression() { jpeg_destroy_decompress(&info); }
    Decompression(const Decompression&) = delete;
    Decompression& operator=(const Decompression&) = delete;
};

bool runHeaderRead(Decompression& run, std::span<const std::uint8_t> bytes) {
    if (setjmp(run.errors.jump)) return false;
    jpeg_mem_src(&run.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&run.info, TRUE);
    return true;
}

bool runDecode(Decompression& run, Bitmap& bitmap) {
    if (setjmp(run.errors.jump)) return false;
    run.info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&run.info);
    while (run.info.output_scanline < run.info.output_height) {
        JSAMPROW row = bitmap.scanLine(static_cast<int>(run.info.output_scanline));
        jpeg_read_scanlines(&run.info, &row, 1);
    }
    jpeg_finish_decompress(&run.info);
    return true;
}

void readHeader(Decompression& run, std::span<const std::uint8_t> bytes, const std::string& sourceName) {
    if (bytes.empty()) throw EInvalidImageFile(sourceName, "the JPEG data is empty");
    if (!runHeaderRead(run, bytes)) throw EInvalidImageFile(sourceName, run.errors.message);
}

}  // namespace

std::vector<std::uint8_t> encodeJpeg(const Bitmap& bitmap, int quality) {
    if (bitmap.empty()) throw ECompressionError("JPEG encoding failed: the bitmap has no pixels");
    Bitmap converted;
    if (bitmap.pixelFormat() != PixelFormat::Bgr24) converted = convertBitmap(bitmap, PixelFormat::Bgr24);
    const Bitmap& source = converted.empty() ? bitmap : converted;
    Compression run;
    if (!runCompression(run, source, std::clamp(quality, 1, 100)))
        throw ECompressionError(std::string("JPEG encoding failed: ") + run.errors.message);
    return std::vector<std::uint8_t>(run.output, run.output + run.outputSize);
}

Bitmap decodeJpeg(std::span<const std::uint8_t> bytes, const std::string& sourceName) {
    Decompression run;
    readHeader(run, bytes, sourceName);
    std::uint64_t width = run.info.image_width;
    std::uint64_t height = run.info.image_height;
    if (width * height > maxPixels)
        throw EInvalidImageFile(sourceName, "image of " + std::to_string(width) + " x " + std::to_string(height) +
                                                " pixels is too large");
    Bitmap bitmap(static_cast<int>(width), static_cast<int>(height), PixelFormat::Bgr24);
    if (!runDecode(run, bitmap)) throw EInvalidImageFile(sourceName, run.errors.message);
    if (run.errors.truncated) throw EInvalidImageFile(sourceName, "truncated JPEG data");
    return bitmap;
}

JpegSize readJpegSize(std::span<const std::uint8_t> bytes, const std::string& sourceName) {
    Decompression run;
    readHeader(run, bytes, sourceName);
    return {static_cast<int>(run.info.image_width), static_cast<int>(run.info.image_height)};
}

Bitmap readJpegFile(const std::string& path) { return decodeJpeg(readImageFileBytes(path), path); }

}  // namespace slidemint
