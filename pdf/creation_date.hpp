#pragma once

#include <string>

#include "platform/system_environment.hpp"

namespace slidemint {

// The zone part of a PDF date for a bias in minutes (UTC = local + bias):
// -60 gives "+01'00'", 300 "-05'00'", -330 "+05'30'", 0 "+00'00'".
std::string PdfTimeZoneSuffix(int biasMinutes);

// "D:" + yyyymmddhhnnss of the local moment + the zone suffix.
std::string PdfCreationDate(const LocalDateTime& moment, int biasMinutes);

}  // namespace slidemint
