#include "platform/imaging/image_file.hpp"

#include "platform/imaging/image_file_error.hpp"

#include <fstream>
#include <iterator>

namespace slidemint {

std::vector<std::uint8_t> readImageFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EInvalidImageFile(path, "the file cannot be opened");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw EInvalidImageFile(path, "the file cannot be read");
    return bytes;
}

void writeImageFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw EInvalidImageFile(path, "the file cannot be created");
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw EInvalidImageFile(path, "the file cannot be written");
}

}  // namespace slidemint
