#include "pdf/pdf_format.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace slidemint {

std::string FormatReal(double value) {
    if (!std::isfinite(value)) return "0.0000";
    std::array<char, 400> buffer{};  // holds any finite double in fixed notation
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 4);
    if (error != std::errc{}) return "0.0000";
    std::string text(buffer.data(), end);
    if (text == "-0.0000") return "0.0000";
    return text;
}

std::string IntToStr(long long value) {
    std::array<char, 24> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    (void)error;  // 24 characters always hold a 64-bit integer
    return std::string(buffer.data(), end);
}

std::string ObjectRef(int objectNumber) { return IntToStr(objectNumber) + " 0 R"; }

std::string RgbToText(std::uint32_t rgb) {
    auto channel = [rgb](int shift) { return FormatReal(((rgb >> shift) & 0xFFu) / 255.0); };
    return channel(0) + " " + channel(8) + " " + channel(16);
}

std::string StrToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (unsigned char byte : bytes) {
        hex.push_back(kDigits[byte >> 4]);
        hex.push_back(kDigits[byte & 0x0F]);
    }
    return hex;
}

std::string Utf16BeWithMark(std::u16string_view text) {
    std::string bytes = "\xFE\xFF";
    bytes.reserve(2 + text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit >> 8));
        bytes.push_back(static_cast<char>(unit & 0xFF));
    }
    return bytes;
}

namespace {

// Escape text of bytes that take one column each, or nullptr for others.
const char* EscapeOf(char byte) {
    switch (byte) {
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '(': return "\\(";
        case ')': return "\\)";
        case '\\': return "\\\\";
        default: return nullptr;
    }
}

}  // namespace

std::string EscapeLiteralString(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 8);
    int column = 8;  // counts down to the next tab stop
    for (char byte : bytes) {
        if (byte == '\b') {
            out += "\\b";
            continue;
        }
        if (byte == '\f') {
            out += "\\f";
            continue;
        }
        if (byte == '\t') {
            out.append(static_cast<std::size_t>(column), ' ');
            column = 8;
            continue;
        }
        if (const char* escape = EscapeOf(byte)) {
            out += escape;
        } else {
            out.push_back(byte);
        }
        if (--column == 0) column = 8;
    }
    return out;
}

}  // namespace slidemint
