#pragma once

#include <cstdio>
#include <string>

#include "engine/byte_sink.hpp"

namespace slidemint {

// An output file written under a temporary name in the target's folder and
// moved over the target only by commit(), so that a failed or abandoned
// document never leaves a truncated file and an earlier good file
// survives. Destroying an uncommitted file deletes the temporary file.
class OutputFile : public ByteSink {
public:
    // Throws EngineError naming the file and the cause when the temporary
    // file cannot be made or the target is a folder.
    explicit OutputFile(std::string targetPath);
    ~OutputFile() override;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    using ByteSink::write;
    // Throws EngineError naming the file and the cause (a full disk, say).
    void write(const char* data, std::size_t size) override;

    // Flushes, closes and renames the temporary file over the target.
    void commit();
    // Closes and deletes the temporary file. Never throws.
    void discard() noexcept;

    const std::string& targetPath() const { return targetPath_; }
    const std::string& temporaryPath() const { return temporaryPath_; }
    bool open() const { return file_ != nullptr; }

private:
    [[noreturn]] void fail(const std::string& action) const;

    std::string targetPath_;
    std::string temporaryPath_;
    std::FILE* file_ = nullptr;
};

}  // namespace slidemint
