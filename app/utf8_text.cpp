#include "app/utf8_text.hpp"

namespace slidemint {

namespace {

// Length of the valid sequence at text[at] and its code point; 0 when invalid.
int DecodeOne(const std::string& text, std::size_t at, char32_t& code) {
    const auto lead = static_cast<unsigned char>(text[at]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) return 0;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::u16string Utf8ToUtf16(const std::string& text) {
    std::u16string wide;
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        int length = DecodeOne(text, at, code);
        if (length == 0) {
            code = static_cast<unsigned char>(text[at]);
            length = 1;
        }
        if (code >= 0x10000) {
            wide.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            wide.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            wide.push_back(static_cast<char16_t>(code));
        }
        at += static_cast<std::size_t>(length);
    }
    return wide;
}

}  // namespace slidemint
