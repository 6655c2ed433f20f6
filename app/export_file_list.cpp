#include <algorithm>
#include <cstdlib>

#include "app/export_run.hpp"

namespace slidemint {

std::optional<std::string> MemoryFileList::PathAt(std::size_t index) {
    std::lock_guard lock(mutex_);
    if (index >= paths_.size()) return std::nullopt;
    return paths_[index];
}

void MemoryFileList::Remove(const std::string& path) {
    std::lock_guard lock(mutex_);
    auto found = std::find(paths_.begin(), paths_.end(), path);
    if (found != paths_.end()) paths_.erase(found);
}

void MemoryFileList::Add(const std::string& path) {
    std::lock_guard lock(mutex_);
    paths_.push_back(path);
}

std::vector<std::string> MemoryFileList::Paths() const {
    std::lock_guard lock(mutex_);
    return paths_;
}

std::string DefaultExportFolder() {
    const char* home = std::getenv("HOME");
    std::string folder = home && *home ? home : "/tmp";
    if (folder.back() != '/') folder += '/';
    return folder + "Export/";
}

std::string FileBaseName(const std::string& input) {
    const auto slash = input.find_last_of('/');
    const std::string name = slash == std::string::npos ? input : input.substr(slash + 1);
    return name.substr(0, name.find('.'));
}

}  // namespace slidemint
