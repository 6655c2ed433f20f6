#include "app/file_search/file_search.hpp"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fnmatch.h>
#include <system_error>
#include <vector>

namespace slidemint {
namespace {

namespace fs = std::filesystem;

TSearchRec recordOf(const fs::directory_entry& entry) {
    std::error_code error;
    TSearchRec rec;
    rec.Name = entry.path().filename().string();
    rec.IsDirectory = entry.is_directory(error);
    if (!rec.IsDirectory) {
        const auto size = entry.file_size(error);
        rec.Size = error ? 0 : size;
    }
    const auto written = entry.last_write_time(error);
    if (!error) {
        const auto system = std::chrono::file_clock::to_sys(written);
        rec.Time = std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
    }
    return rec;
}

// The folder's entries sorted by name; empty when it cannot be read.
std::vector<fs::directory_entry> entriesOf(const std::string& folder) {
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(*it);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
    return entries;
}

bool isRealDirectory(const fs::directory_entry& entry) {
    std::error_code error;
    return entry.is_directory(error) && !entry.is_symlink(error);
}

}  // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
    return ::fnmatch(mask.c_str(), name.c_str(), FNM_CASEFOLD | FNM_NOESCAPE) == 0;
}

void TFileSearch::Execute() {
    Stop = false;
    const auto slash = SearchFile.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "./" : SearchFile.substr(0, slash + 1);
    const std::string mask = slash == std::string::npos ? SearchFile : SearchFile.substr(slash + 1);
    visit(folder, mask.empty() ? "*" : mask, TSearchRec{});
    if (OnFinish) OnFinish();
}

void TFileSearch::visit(const std::string& folder, const std::string& mask, const TSearchRec& self) {
    if (OnChangeFolder) OnChangeFolder(folder, self);
    const std::vector<fs::directory_entry> entries = entriesOf(folder);
    for (const auto& entry : entries) {
        if (Stop) return;
        std::error_code error;
        if (entry.is_directory(error) || !MatchesMask(entry.path().filename().string(), mask)) continue;
        if (OnFileFind) OnFileFind(folder, recordOf(entry));
        idle();
    }
    if (!RecurseSubFolders) return;
    for (const auto& entry : entries) {
        if (Stop) return;
        if (!isRealDirectory(entry)) continue;
        const TSearchRec rec = recordOf(entry);
        visit(folder + rec.Name + "/", mask, rec);
        idle();
    }
}

void TFileSearch::idle() {
    if (OnIdle) OnIdle();
}

}  // namespace slidemint
