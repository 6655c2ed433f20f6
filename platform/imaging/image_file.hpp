#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace slidemint {

// The whole content of a file; EInvalidImageFile when it cannot be read.
std::vector<std::uint8_t> readImageFileBytes(const std::string& path);

// Writes bytes to a file, replacing it; EInvalidImageFile when that fails.
void writeImageFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace slidemint
