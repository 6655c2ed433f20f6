#pragma once

#include <ctime>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace slidemint {

// A local calendar date and time as the desktop clock reports it.
struct LocalDateTime {
    int year = 1970;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    // The same moment as a C broken-down time (day of week and day of year
    // filled in, daylight-saving flag unknown).
    std::tm toTm() const;

    bool operator==(const LocalDateTime&) const = default;
};

// The user's regional date and time formats, as strftime patterns.
//
// Read from the C library's LC_TIME locale of the user (nl_langinfo):
//   shortDate = D_FMT, longTime = T_FMT, shortTime = T_FMT without seconds,
//   longDate = the date conversions of D_T_FMT (its time conversions removed).
// `localeName` names the locale whose month and day names fill the
// patterns ("" = the user's locale, "C" = English names).
struct DateTimeFormats {
    std::string shortDate = "%m/%d/%y";
    std::string longDate = "%a %b %e %Y";
    std::string shortTime = "%H:%M";
    std::string longTime = "%H:%M:%S";
    std::string localeName = "C";

    bool operator==(const DateTimeFormats&) const = default;
};

// Every outside input that the content of a written document depends on
// comes through this one object: the clock, the time-zone bias, the screen
// resolution, the system 8-bit code page and the regional date and time
// formats. Each value is read from the system the first time it is asked
// for and can be replaced, so that tests produce byte-identical output.
//
// The process has one instance (current()); it is not thread-safe to change
// values while another thread reads them.
class SystemEnvironment {
public:
    using Clock = std::function<LocalDateTime()>;

    static SystemEnvironment& current();

    // Local date and time now.
    LocalDateTime now() const;
    void setClock(Clock clock);
    void setFixedNow(const LocalDateTime& moment);

    // Minutes to add to local standard time to get UTC (UTC = local + bias);
    // daylight saving time is not applied. UTC+1 gives -60.
    int timeZoneBiasMinutes() const;
    void setTimeZoneBiasMinutes(int minutes);

    // Logical pixels per inch of the screen: the environment variable
    // SLIDEMINT_SCREEN_PPI, else the X display's resolution, else 96.
    int screenPPI() const;
    void setScreenPPI(int pixelsPerInch);

    // iconv name of the system 8-bit code page: the environment variable
    // SLIDEMINT_CODE_PAGE, else "CP1252".
    std::string codePage() const;
    void setCodePage(const std::string& iconvName);

    // The user's date and time formats.
    DateTimeFormats dateTimeFormats() const;
    void setDateTimeFormats(const DateTimeFormats& formats);

    // Formats a moment with a strftime pattern in the locale named by the
    // current formats' localeName.
    std::string formatDateTime(const std::string& pattern, const LocalDateTime& moment) const;

    // Wide text to and from the system code page (see codePage()).
    std::u16string toWide(const std::string& ansi) const;
    std::string toAnsi(const std::u16string& wide) const;

    // Forgets every replaced value; the next read asks the system again.
    void resetToSystem();

private:
    SystemEnvironment() = default;

    mutable std::recursive_mutex mutex_;
    Clock clock_;
    mutable std::optional<int> biasMinutes_;
    mutable std::optional<int> screenPPI_;
    mutable std::optional<std::string> codePage_;
    mutable std::optional<DateTimeFormats> formats_;
};

// Values read from the running system (used by SystemEnvironment on first
// use; exposed for diagnostics).
LocalDateTime systemLocalNow();
int systemTimeZoneBiasMinutes();
int systemScreenPPI();
DateTimeFormats systemDateTimeFormats();

}  // namespace slidemint
