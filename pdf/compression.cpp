#include "pdf/compression.hpp"

#include <zlib.h>

#include <limits>

#include "engine/engine_error.hpp"

namespace slidemint {

int ZlibLevelOf(TveCompressionLevel level) {
    switch (level) {
        case TveCompressionLevel::clFastest: return Z_NO_COMPRESSION;
        case TveCompressionLevel::clNormal: return Z_BEST_SPEED;
        case TveCompressionLevel::clMaxCompress: break;
    }
    return Z_DEFAULT_COMPRESSION;
}

namespace {

constexpr int kWindowBits = 15;
constexpr int kMemLevel = 8;

// Owns a deflate stream for the length of one compression.
class Deflater {
public:
    explicit Deflater(int level) {
        Check(deflateInit2(&stream_, level, Z_DEFLATED, kWindowBits, kMemLevel,
                           Z_DEFAULT_STRATEGY));
        initialised_ = true;
    }
    ~Deflater() {
        if (initialised_) deflateEnd(&stream_);
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    std::size_t CompressInto(std::string_view source, std::string& destination) {
        const std::size_t start = destination.size();
        const uLong bound = deflateBound(&stream_, static_cast<uLong>(source.size()));
        destination.resize(start + bound);
        stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(source.data()));
        stream_.avail_in = static_cast<uInt>(source.size());
        stream_.next_out = reinterpret_cast<Bytef*>(destination.data() + start);
        stream_.avail_out = static_cast<uInt>(bound);
        const int status = deflate(&stream_, Z_FINISH);
        if (status != Z_STREAM_END) {
            destination.resize(start);
            Check(status < 0 ? status : Z_BUF_ERROR);
        }
        const std::size_t written = bound - stream_.avail_out;
        destination.resize(start + written);
        return written;
    }

private:
    static void Check(int status) {
        if (status < 0) throw ECompressionError("error");
    }

    z_stream stream_{};
    bool initialised_ = false;
};

}  // namespace

std::size_t CompressStream(std::string_view source, std::string& destination,
                           TveCompressionLevel level, bool enabled) {
    if (!enabled) {
        destination.append(source);
        return source.size();
    }
    if (source.size() > std::numeric_limits<uInt>::max() / 2) throw ECompressionError("error");
    Deflater deflater(ZlibLevelOf(level));
    return deflater.CompressInto(source, destination);
}

}  // namespace slidemint
