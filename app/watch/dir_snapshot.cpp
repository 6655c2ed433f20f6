#include "app/watch/dir_snapshot.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

namespace slidemint {
namespace {

std::int64_t nanoseconds(const struct statx_timestamp& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

bool readEntry(int folderFd, const char* name, TDirEntry& entry) {
    struct statx info {};
    const unsigned mask = STATX_BASIC_STATS | STATX_BTIME;
    if (::statx(folderFd, name, AT_SYMLINK_NOFOLLOW, mask, &info) != 0) return false;
    entry.Name = name;
    entry.Attributes = info.stx_mode;
    entry.CreationTime = (info.stx_mask & STATX_BTIME) ? nanoseconds(info.stx_btime) : 0;
    entry.LastAccessTime = nanoseconds(info.stx_atime);
    entry.LastWriteTime = nanoseconds(info.stx_mtime);
    entry.Size = info.stx_size;
    return true;
}

}  // namespace

TSnapshot TakeSnapshot(const std::string& folder) {
    TSnapshot snapshot;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return snapshot;
    while (const dirent* item = ::readdir(dir.get())) {
        if (item->d_name[0] == '.') continue;
        TDirEntry entry;
        if (readEntry(::dirfd(dir.get()), item->d_name, entry)) snapshot.push_back(std::move(entry));
    }
    return snapshot;
}

const TDirEntry* FindEntry(const TSnapshot& snapshot, const std::string& name) {
    for (const TDirEntry& entry : snapshot)
        if (entry.Name == name) return &entry;
    return nullptr;
}

}  // namespace slidemint
