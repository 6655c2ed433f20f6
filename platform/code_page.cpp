#include "platform/code_page.hpp"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace slidemint {
namespace {

// An open iconv descriptor, closed on scope exit.
class Converter {
public:
    Converter(const std::string& to, const std::string& from) : cd_(iconv_open(to.c_str(), from.c_str())) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::invalid_argument("Unknown code page: " + (to == "UTF-16LE" ? from : to));
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; returns false at an input sequence that
    // cannot be converted (in points at it) or an incomplete tail.
    bool convert(const char*& in, std::size_t& inLeft, std::string& out) {
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            out.append(buffer, sizeof buffer - outLeft);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

std::u16string fromUtf16LeBytes(const std::string& bytes) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return text;
}

std::string toUtf16LeBytes(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

}  // namespace

CodePage::CodePage(std::string iconvName) : name_(std::move(iconvName)) {
    Converter probe("UTF-16LE", name_);
}

std::u16string CodePage::toUtf16(std::string_view bytes) const {
    Converter converter("UTF-16LE", name_);
    std::u16string result;
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        std::string out;
        bool complete = converter.convert(in, left, out);
        result += fromUtf16LeBytes(out);
        if (!complete) {
            result.push_back(static_cast<char16_t>(static_cast<unsigned char>(*in)));
            ++in;
            --left;
        }
    }
    return result;
}

std::string CodePage::fromUtf16(std::u16string_view text) const {
    Converter converter(name_, "UTF-16LE");
    const std::string bytes = toUtf16LeBytes(text);
    std::string result;
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        bool complete = converter.convert(in, left, result);
        if (!complete) {
            result.push_back('?');
            // Skip the unconvertible character (a surrogate pair counts as one).
            std::size_t skip = 2;
            unsigned unit = static_cast<unsigned char>(in[0]) | (static_cast<unsigned char>(in[1]) << 8);
            if (unit >= 0xD800 && unit < 0xDC00 && left >= 4) skip = 4;
            skip = std::min(skip, left);
            in += skip;
            left -= skip;
        }
    }
    return result;
}

}  // namespace slidemint
