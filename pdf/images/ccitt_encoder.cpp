#include "pdf/images/ccitt_encoder.hpp"

#include "pdf/images/fax_codes.hpp"
#include "platform/imaging/bitmap_convert.hpp"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace slidemint {

namespace {

// Collects code words and hands out whole bytes as soon as they are complete.
class FaxBitWriter {
public:
    void put(std::uint32_t bits, int length) {
        pending_ = (pending_ << length) | (bits & ((1u << length) - 1));
        pendingLength_ += length;
        while (pendingLength_ >= 8) {
            pendingLength_ -= 8;
            output_.push_back(static_cast<char>((pending_ >> pendingLength_) & 0xFF));
        }
    }
    void put(FaxCode code) { put(code.bits, code.length); }

    std::string finish() {
        if (pendingLength_ > 0) put(0, 8 - pendingLength_);
        return std::move(output_);
    }

private:
    std::uint64_t pending_ = 0;
    int pendingLength_ = 0;
    std::string output_;
};

using Row = std::vector<std::uint8_t>;  // one byte per pixel: 0 black, 1 white
constexpr std::uint8_t white = 1;

void putRun(FaxBitWriter& out, bool black, int length) {
    while (length >= 2560) {
        out.put(faxMakeUpCode(black, 2560));
        length -= 2560;
    }
    if (length >= 64) {
        out.put(faxMakeUpCode(black, length / 64 * 64));
        length %= 64;
    }
    out.put(faxTerminatingCode(black, length));
}

Row rowOf(const Bitmap& mono, int y) {
    Row row(static_cast<std::size_t>(mono.width()));
    for (int x = 0; x < mono.width(); ++x) row[static_cast<std::size_t>(x)] = mono.pixelIndex(x, y) == 0 ? 0 : white;
    return row;
}

void encodeRowOneDimensional(FaxBitWriter& out, const Row& row) {
    int width = static_cast<int>(row.size());
    bool black = false;
    int position = 0;
    do {
        int end = position;
        while (end < width && (row[static_cast<std::size_t>(end)] == 0) == black) ++end;
        putRun(out, black, end - position);
        position = end;
        black = !black;
    } while (position < width);
}

// First changing element at or after start: a pixel whose colour differs
// from the one before it (an imaginary white pixel precedes the row).
int nextChange(const Row& row, int start) {
    int width = static_cast<int>(row.size());
    for (int p = start; p < width; ++p) {
        std::uint8_t before = p == 0 ? white : row[static_cast<std::size_t>(p - 1)];
        if (row[static_cast<std::size_t>(p)] != before) return p;
    }
    return width;
}

bool isBlackAt(const Row& row, int p) { return p < static_cast<int>(row.size()) && row[static_cast<std::size_t>(p)] == 0; }

void putVertical(FaxBitWriter& out, int offset) {
    static constexpr FaxCode codes[7] = {{0b0000010, 7}, {0b000010, 6}, {0b010, 3}, {0b1, 1},
                                         {0b011, 3},     {0b000011, 6}, {0b0000011, 7}};
    out.put(codes[offset + 3]);
}

void encodeRowTwoDimensional(FaxBitWriter& out, const Row& row, const Row& reference) {
    int width = static_cast<int>(row.size());
    int a0 = -1;
    bool black = false;
    while (a0 < width) {
        int start = a0 + 1;
        int a1 = nextChange(row, start);
        int b1 = nextChange(reference, start);
        if (b1 < width && isBlackAt(reference, b1) == black) b1 = nextChange(reference, b1 + 1);
        int b2 = b1 < width ? nextChange(reference, b1 + 1) : width;
        if (b2 < a1) {
            out.put(0b0001, 4);
            a0 = b2;
        } else if (std::abs(a1 - b1) <= 3) {
            putVertical(out, a1 - b1);
            a0 = a1;
            black = !black;
        } else {
            int a2 = a1 < width ? nextChange(row, a1 + 1) : width;
            out.put(0b001, 3);
            putRun(out, black, a1 - (a0 < 0 ? 0 : a0));
            putRun(out, !black, a2 - a1);
            a0 = a2;
        }
    }
}

}  // namespace

std::string EncodeCCITT(const Bitmap& bitmap, TveOutputImageFormat format) {
    Bitmap mono = makeMonochrome(bitmap);
    FaxBitWriter out;
    if (format == ifCCITT4) {
        Row reference(static_cast<std::size_t>(mono.width()), white);
        for (int y = 0; y < mono.height(); ++y) {
            Row row = rowOf(mono, y);
            encodeRowTwoDimensional(out, row, reference);
            reference = std::move(row);
        }
        out.put(0b000000000001, 12);
        out.put(0b000000000001, 12);
    } else {
        for (int y = 0; y < mono.height(); ++y) encodeRowOneDimensional(out, rowOf(mono, y));
    }
    return out.finish();
}

}  // namespace slidemint
