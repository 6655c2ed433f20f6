// Reading the values of SystemEnvironment from the running system.

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <langinfo.h>
#include <locale.h>
#include <string>
#include <sys/time.h>

#include "platform/system_environment.hpp"

namespace slidemint {
namespace {

constexpr int defaultScreenPPI = 96;

std::tm localTimeOf(std::time_t moment) {
    std::tm result{};
    localtime_r(&moment, &result);
    return result;
}

// Mid-January and mid-July of this year, local time.
long gmtOffsetOn(int month) {
    std::time_t now = std::time(nullptr);
    std::tm probe = localTimeOf(now);
    probe.tm_mon = month - 1;
    probe.tm_mday = 15;
    probe.tm_hour = 12;
    probe.tm_isdst = -1;
    std::time_t moment = std::mktime(&probe);
    return localTimeOf(moment).tm_gmtoff;
}

int parsePositive(const char* text) {
    if (!text || !*text) return 0;
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    return (*end == '\0' && value > 0 && value < 10000) ? static_cast<int>(value) : 0;
}

// The X display's resolution: the Xft.dpi resource when set, else the
// screen's pixel width over its physical width. libX11 is loaded only when
// a display is named, so the program runs without it.
int xDisplayPPI() {
    if (!std::getenv("DISPLAY")) return 0;
    void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    if (!library) return 0;
    using OpenDisplay = void* (*)(const char*);
    using CloseDisplay = int (*)(void*);
    using ScreenValue = int (*)(void*, int);
    using DefaultScreen = int (*)(void*);
    using ResourceString = char* (*)(void*);
    auto open = reinterpret_cast<OpenDisplay>(dlsym(library, "XOpenDisplay"));
    auto close = reinterpret_cast<CloseDisplay>(dlsym(library, "XCloseDisplay"));
    auto widthPixels = reinterpret_cast<ScreenValue>(dlsym(library, "XDisplayWidth"));
    auto widthMM = reinterpret_cast<ScreenValue>(dlsym(library, "XDisplayWidthMM"));
    auto defaultScreen = reinterpret_cast<DefaultScreen>(dlsym(library, "XDefaultScreen"));
    auto resources = reinterpret_cast<ResourceString>(dlsym(library, "XResourceManagerString"));
    int ppi = 0;
    void* display = (open && close) ? open(nullptr) : nullptr;
    if (display) {
        if (resources) {
            const char* text = resources(display);
            const char* key = text ? std::strstr(text, "Xft.dpi:") : nullptr;
            if (key) ppi = static_cast<int>(std::lround(std::atof(key + 8)));
        }
        if (ppi <= 0 && widthPixels && widthMM && defaultScreen) {
            int screen = defaultScreen(display);
            int millimetres = widthMM(display, screen);
            if (millimetres > 0) ppi = static_cast<int>(std::lround(widthPixels(display, screen) * 25.4 / millimetres));
        }
        close(display);
    }
    dlclose(library);
    return ppi > 0 && ppi < 10000 ? ppi : 0;
}

void eraseAll(std::string& text, const std::string& piece) {
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece))
        text.erase(at, piece.size());
}

// Removes the time conversions from a date-and-time pattern.
std::string dateConversionsOnly(std::string pattern) {
    for (const char* conversion : {"%r", "%T", "%X", "%R", "%H", "%I", "%M", "%S", "%p", "%Z", "%z"})
        eraseAll(pattern, conversion);
    eraseAll(pattern, "::");
    std::string collapsed;
    for (char c : pattern)
        if (!(c == ' ' && (collapsed.empty() || collapsed.back() == ' '))) collapsed.push_back(c);
    while (!collapsed.empty() && (collapsed.back() == ' ' || collapsed.back() == ':')) collapsed.pop_back();
    return collapsed;
}

std::string withoutSeconds(std::string pattern) {
    for (const char* seconds : {":%S", ".%S", "%S"}) eraseAll(pattern, seconds);
    if (pattern == "%r") return "%I:%M %p";
    if (pattern == "%T") return "%H:%M";
    return pattern;
}

}  // namespace

LocalDateTime systemLocalNow() {
    timeval now{};
    gettimeofday(&now, nullptr);
    std::tm local = localTimeOf(now.tv_sec);
    return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                         local.tm_min, local.tm_sec, static_cast<int>(now.tv_usec / 1000)};
}

int systemTimeZoneBiasMinutes() {
    tzset();
    // Standard time is the smaller of the two offsets (daylight saving adds).
    long january = gmtOffsetOn(1);
    long july = gmtOffsetOn(7);
    long standardOffset = january < july ? january : july;
    return static_cast<int>(-standardOffset / 60);
}

int systemScreenPPI() {
    if (int fromEnvironment = parsePositive(std::getenv("SLIDEMINT_SCREEN_PPI"))) return fromEnvironment;
    if (int fromDisplay = xDisplayPPI()) return fromDisplay;
    return defaultScreenPPI;
}

DateTimeFormats systemDateTimeFormats() {
    DateTimeFormats formats;
    locale_t user = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (!user) return formats;
    std::string date = nl_langinfo_l(D_FMT, user);
    std::string time = nl_langinfo_l(T_FMT, user);
    std::string dateTime = nl_langinfo_l(D_T_FMT, user);
    freelocale(user);
    if (!date.empty()) formats.shortDate = date;
    if (!time.empty()) {
        formats.longTime = time;
        formats.shortTime = withoutSeconds(time);
    }
    std::string longDate = dateConversionsOnly(dateTime);
    if (!longDate.empty()) formats.longDate = longDate;
    formats.localeName = "";
    return formats;
}

}  // namespace slidemint
