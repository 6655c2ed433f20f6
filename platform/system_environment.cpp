#include "platform/system_environment.hpp"

#include <clocale>
#include <cstdlib>
#include <locale.h>

#include "platform/code_page.hpp"

namespace slidemint {
namespace {

int daysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int dayOfYear(int year, int month, int day) {
    static const int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return before[month - 1] + day - 1 + (month > 2 && isLeapYear(year) ? 1 : 0);
}

// A C locale object for LC_TIME; "" is the user's locale. Falls back to "C".
class TimeLocale {
public:
    explicit TimeLocale(const std::string& name) {
        handle_ = newlocale(LC_TIME_MASK, name.c_str(), static_cast<locale_t>(nullptr));
        if (!handle_) handle_ = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr));
    }
    ~TimeLocale() {
        if (handle_) freelocale(handle_);
    }
    TimeLocale(const TimeLocale&) = delete;
    TimeLocale& operator=(const TimeLocale&) = delete;
    locale_t get() const { return handle_; }

private:
    locale_t handle_ = static_cast<locale_t>(nullptr);
};

}  // namespace

std::tm LocalDateTime::toTm() const {
    std::tm result{};
    result.tm_year = year - 1900;
    result.tm_mon = month - 1;
    result.tm_mday = day;
    result.tm_hour = hour;
    result.tm_min = minute;
    result.tm_sec = second;
    const int days = daysFromCivil(year, month, day);
    result.tm_wday = ((days % 7) + 11) % 7;  // 1970-01-01 was a Thursday (4)
    result.tm_yday = dayOfYear(year, month, day);
    result.tm_isdst = -1;
    return result;
}

SystemEnvironment& SystemEnvironment::current() {
    static SystemEnvironment environment;
    return environment;
}

LocalDateTime SystemEnvironment::now() const {
    std::lock_guard lock(mutex_);
    return clock_ ? clock_() : systemLocalNow();
}

void SystemEnvironment::setClock(Clock clock) {
    std::lock_guard lock(mutex_);
    clock_ = std::move(clock);
}

void SystemEnvironment::setFixedNow(const LocalDateTime& moment) {
    setClock([moment] { return moment; });
}

int SystemEnvironment::timeZoneBiasMinutes() const {
    std::lock_guard lock(mutex_);
    if (!biasMinutes_) biasMinutes_ = systemTimeZoneBiasMinutes();
    return *biasMinutes_;
}

void SystemEnvironment::setTimeZoneBiasMinutes(int minutes) {
    std::lock_guard lock(mutex_);
    biasMinutes_ = minutes;
}

int SystemEnvironment::screenPPI() const {
    std::lock_guard lock(mutex_);
    if (!screenPPI_) screenPPI_ = systemScreenPPI();
    return *screenPPI_;
}

void SystemEnvironment::setScreenPPI(int pixelsPerInch) {
    std::lock_guard lock(mutex_);
    screenPPI_ = pixelsPerInch > 0 ? pixelsPerInch : 96;
}

std::string SystemEnvironment::codePage() const {
    std::lock_guard lock(mutex_);
    if (!codePage_) {
        const char* fromEnvironment = std::getenv("SLIDEMINT_CODE_PAGE");
        codePage_ = fromEnvironment && *fromEnvironment ? fromEnvironment : "CP1252";
    }
    return *codePage_;
}

void SystemEnvironment::setCodePage(const std::string& iconvName) {
    CodePage check(iconvName);
    std::lock_guard lock(mutex_);
    codePage_ = iconvName;
}

DateTimeFormats SystemEnvironment::dateTimeFormats() const {
    std::lock_guard lock(mutex_);
    if (!formats_) formats_ = systemDateTimeFormats();
    return *formats_;
}

void SystemEnvironment::setDateTimeFormats(const DateTimeFormats& formats) {
    std::lock_guard lock(mutex_);
    formats_ = formats;
}

std::string SystemEnvironment::formatDateTime(const std::string& pattern, const LocalDateTime& moment) const {
    if (pattern.empty()) return {};
    TimeLocale locale(dateTimeFormats().localeName);
    const std::tm broken = moment.toTm();
    std::string buffer(256, '\0');
    for (int attempt = 0; attempt < 6; ++attempt) {
        std::size_t length = strftime_l(buffer.data(), buffer.size(), pattern.c_str(), &broken, locale.get());
        if (length > 0) return buffer.substr(0, length);
        buffer.resize(buffer.size() * 4);
    }
    return {};
}

std::u16string SystemEnvironment::toWide(const std::string& ansi) const {
    return CodePage(codePage()).toUtf16(ansi);
}

std::string SystemEnvironment::toAnsi(const std::u16string& wide) const {
    return CodePage(codePage()).fromUtf16(wide);
}

void SystemEnvironment::resetToSystem() {
    std::lock_guard lock(mutex_);
    clock_ = nullptr;
    biasMinutes_.reset();
    screenPPI_.reset();
    codePage_.reset();
    formats_.reset();
}

}  // namespace slidemint
