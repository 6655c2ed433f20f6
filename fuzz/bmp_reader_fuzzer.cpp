// Feeds arbitrary bytes to the Windows bitmap reader. Bad input must end in
// EInvalidImageFile, never in a crash, an out-of-bounds access or another
// exception; whatever decodes must survive a write and a second read intact.
#include "platform/imaging/bmp_codec.hpp"
#include "platform/imaging/image_file_error.hpp"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace slidemint;
    Bitmap bitmap;
    try {
        bitmap = decodeBmp({data, size}, "fuzz input");
    } catch (const EInvalidImageFile&) {
        return 0;
    }
    std::uint32_t sum = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) sum += bitmap.pixelColor(x, y);
    Bitmap again = decodeBmp(encodeBmp(bitmap, sum % 2 ? BmpRowOrder::TopDown : BmpRowOrder::BottomUp), "again");
    if (!(again == bitmap)) std::abort();
    return 0;
}
