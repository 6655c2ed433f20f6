#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace slidemint {

enum class TveCompressionLevel { clFastest, clNormal, clMaxCompress };

// Flate compression of the streams the PDF writer produces.
struct TveCompression {
    bool Enabled = true;
    TveCompressionLevel Level = TveCompressionLevel::clMaxCompress;
};

// The zlib level a compression level stands for: clFastest stores the data
// (level 0), clNormal is level 1, clMaxCompress zlib's default level.
int ZlibLevelOf(TveCompressionLevel level);

// Appends source to destination: deflated as a zlib stream (header and
// Adler-32 trailer) when enabled, copied unchanged otherwise. Returns the
// number of bytes appended. A zlib failure raises ECompressionError.
std::size_t CompressStream(std::string_view source, std::string& destination,
                           TveCompressionLevel level, bool enabled);

}  // namespace slidemint
