#include "app/conversion_job.hpp"

#include <cstdio>

namespace slidemint {

std::string WorkFolderStamp(const std::tm& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d%02d%02d%02d%02d%02d", (time.tm_year + 1900) % 100,
                  time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
    return text;
}

std::string SlideBitmapPath(const std::string& workFolder, int number) {
    char name[32];
    std::snprintf(name, sizeof name, "Slide%.4d.bmp", number);
    std::string path = workFolder;
    if (path.empty() || path.back() != '/') path += '/';
    return path + name;
}

std::u16string CleanText(const std::u16string& text) {
    std::u16string clean = text;
    for (char16_t& c : clean) {
        if (c < 32 || c > 126) c = u' ';
    }
    return clean;
}

}  // namespace slidemint
