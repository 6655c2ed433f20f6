#include "pdf/creation_date.hpp"

#include <cstdio>
#include <cstdlib>

namespace slidemint {

std::string PdfTimeZoneSuffix(int biasMinutes) {
    // The sign is taken from the whole bias, so that zones less than an hour
    // west of UTC read "-00'30'" rather than a negative minute count.
    const char sign = biasMinutes > 0 ? '-' : '+';
    const int magnitude = std::abs(biasMinutes);
    char text[16];
    std::snprintf(text, sizeof text, "%c%.2d'%.2d'", sign, (magnitude / 60) % 100, magnitude % 60);
    return text;
}

std::string PdfCreationDate(const LocalDateTime& moment, int biasMinutes) {
    char text[32];
    std::snprintf(text, sizeof text, "D:%.4d%.2d%.2d%.2d%.2d%.2d", moment.year % 10000,
                  moment.month % 100, moment.day % 100, moment.hour % 100, moment.minute % 100,
                  moment.second % 100);
    return text + PdfTimeZoneSuffix(biasMinutes);
}

}  // namespace slidemint
