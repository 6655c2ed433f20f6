#include "app/utf8_text.hpp"

#include "platform/code_page.hpp"

namespace slidemint {

std::u16string Utf8ToUtf16(const std::string& text) {
    static const CodePage utf8("UTF-8");
    return utf8.toUtf16(text);
}

}  // namespace slidemint
