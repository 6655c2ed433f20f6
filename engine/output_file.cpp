#include "engine/output_file.hpp"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/engine_error.hpp"

namespace slidemint {
namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string baseNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Opens a new file "<folder>.<name>.<pid>-<n>.tmp" that did not exist.
int createUniqueFile(const std::string& target, std::string& chosenName) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        chosenName = folderOf(target) + "." + baseNameOf(target) + "." + std::to_string(getpid()) + "-" +
                     std::to_string(counter++) + ".tmp";
        int fd = ::open(chosenName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

OutputFile::OutputFile(std::string targetPath) : targetPath_(std::move(targetPath)) {
    struct stat info {};
    if (::stat(targetPath_.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        fail("create");
    }
    int fd = createUniqueFile(targetPath_, temporaryPath_);
    if (fd < 0) fail("create");
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        const int saved = errno;
        ::close(fd);
        ::unlink(temporaryPath_.c_str());
        errno = saved;
        fail("create");
    }
}

OutputFile::~OutputFile() { discard(); }

void OutputFile::fail(const std::string& action) const {
    throw EngineError("Could not " + action + " " + targetPath_ + ": " + std::strerror(errno));
}

void OutputFile::write(const char* data, std::size_t size) {
    if (!file_) {
        errno = EBADF;
        fail("write");
    }
    if (size > 0 && std::fwrite(data, 1, size, file_) != size) fail("write");
}

void OutputFile::commit() {
    if (!file_) return;
    std::FILE* file = file_;
    file_ = nullptr;
    const bool flushed = std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    const int flushError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!flushed || !closed) {
        ::unlink(temporaryPath_.c_str());
        errno = flushed ? errno : flushError;
        fail("write");
    }
    if (::rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0) {
        const int saved = errno;
        ::unlink(temporaryPath_.c_str());
        errno = saved;
        fail("replace");
    }
}

void OutputFile::discard() noexcept {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    ::unlink(temporaryPath_.c_str());
}

}  // namespace slidemint
