#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace slidemint {

// One entry found by a search.
struct TSearchRec {
    std::string Name;           // file name without its folder
    std::uint64_t Size = 0;     // bytes
    std::int64_t Time = 0;      // last write, seconds since 1970
    bool IsDirectory = false;
};

// Finds the files of a folder that match a mask, and with RecurseSubFolders
// those of its subfolders too: depth first, a folder's own files before the
// files of its subfolders, names in a stable (sorted) order. The mask uses
// '*' and '?' and ignores case, so "*.ppt" also finds "Talk.PPT".
class TFileSearch {
public:
    // A folder path followed by a file mask, e.g. "/home/me/talks/*.ppt".
    std::string SearchFile;
    bool RecurseSubFolders = true;
    // Set by a handler (or between pumps) to end the search early.
    bool Stop = false;

    // A matching file: its folder (with a trailing '/') and its record.
    std::function<void(const std::string& folder, const TSearchRec& entry)> OnFileFind;
    // The search enters a folder (with a trailing '/'); the record is that
    // of the folder's own entry, empty for the starting folder.
    std::function<void(const std::string& folder, const TSearchRec& entry)> OnChangeFolder;
    std::function<void()> OnFinish;
    // Called after every entry so that a window can handle its events.
    std::function<void()> OnIdle;

    // Runs the search; Stop is cleared first. A folder that cannot be read
    // is passed over.
    void Execute();

private:
    void visit(const std::string& folder, const std::string& mask, const TSearchRec& self);
    void idle();
};

// True when name matches mask ('*' any run, '?' one character), ignoring case.
bool MatchesMask(const std::string& name, const std::string& mask);

}  // namespace slidemint
