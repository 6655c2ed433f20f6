#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace slidemint::test_support {

// The whole file as bytes; empty when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace slidemint::test_support
