#include "app/renderer/file_url.hpp"

namespace slidemint {

namespace {

bool keepsItsForm(unsigned char c) {
    bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    return alphanumeric || c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
}

}  // namespace

std::string fileUrlFromPath(const std::filesystem::path& path) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : std::filesystem::absolute(path).lexically_normal().string()) {
        if (keepsItsForm(c)) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += hexDigits[c >> 4];
            url += hexDigits[c & 0x0F];
        }
    }
    return url;
}

}  // namespace slidemint
