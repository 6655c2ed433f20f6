#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace slidemint {

// Line end of every piece of PDF text the writer produces.
inline constexpr std::string_view kCrLf = "\r\n";

// Fixed notation with exactly four digits after a "." whatever the locale:
// 1.0 -> "1.0000", -12.5 -> "-12.5000". Negative zero and values that round
// to it print as "0.0000"; values that are not finite print as "0.0000" too,
// so a degenerate computation can never corrupt the file's syntax.
std::string FormatReal(double value);

// The decimal text of an integer, independent of the locale.
std::string IntToStr(long long value);

// Reference to an indirect object of generation 0: "12 0 R".
std::string ObjectRef(int objectNumber);

// A colour in 0x00BBGGRR layout as "r g b" with each channel / 255 through
// FormatReal: white is "1.0000 1.0000 1.0000". System colours (high byte
// 0x80) must be resolved before they reach this function.
std::string RgbToText(std::uint32_t rgb);

// Two uppercase hexadecimal digits per byte, no separators.
std::string StrToHex(std::string_view bytes);

// The UTF-16BE code units of text preceded by the byte order mark FE FF.
std::string Utf16BeWithMark(std::u16string_view text);

// The bytes of a literal string, escaped for use between "(" and ")".
// Tabs expand to blanks up to the next multiple of eight columns.
std::string EscapeLiteralString(std::string_view bytes);

}  // namespace slidemint
