#pragma once

#include <filesystem>
#include <string>

namespace slidemint {

// The file URL of a path ("file:///tmp/a%20b.ppt"): the absolute path in
// UTF-8, every byte outside the unreserved characters and "/" percent-encoded.
std::string fileUrlFromPath(const std::filesystem::path& path);

}  // namespace slidemint
