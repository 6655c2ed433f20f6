#include "app/watch/presentation_watch.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sys/stat.h>

namespace slidemint {

bool IsWatchedPresentation(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".ppt";
}

TPresentationWatch::TPresentationWatch() : watch_(queue_.Poster()) {
    watch_.OnChangeNew = [this](TDirChange& sender, const TDirEntry& entry) {
        const std::string path = sender.Directory() + entry.Name;
        if (onNew_ && !S_ISDIR(entry.Attributes) && IsWatchedPresentation(path)) onNew_(path);
    };
    watch_.OnWatchError = [this](TDirChange&, const std::string& message) {
        if (OnStopped) OnStopped(message);
    };
}

bool TPresentationWatch::Start(const std::string& folder, TNewPresentation onNewPresentation) {
    onNew_ = std::move(onNewPresentation);
    watch_.SetActive(false);
    watch_.SetDirectory(folder);
    watch_.SetActive(true);
    return watch_.Active();
}

void TPresentationWatch::Stop() { watch_.SetActive(false); }

void TPresentationWatch::RunPending(std::chrono::milliseconds wait) { queue_.RunPending(wait); }

}  // namespace slidemint
