#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace slidemint {

// Where a writer puts the bytes of its output: a file made by the engine
// (CreateOutputFile) or a sink supplied by the caller (UserStream, used when
// Preferences.OutputToUserStream is set). write() either takes every byte
// or throws.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const char* data, std::size_t size) = 0;

    void write(const std::string& text) { write(text.data(), text.size()); }
    void write(const std::vector<std::uint8_t>& bytes) {
        write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
};

// A sink that collects the bytes in memory (for callers and tests).
class MemoryByteSink : public ByteSink {
public:
    using ByteSink::write;
    void write(const char* data, std::size_t size) override { bytes_.append(data, size); }
    const std::string& bytes() const { return bytes_; }
    void clear() { bytes_.clear(); }

private:
    std::string bytes_;
};

}  // namespace slidemint
