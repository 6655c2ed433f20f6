#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/export_run.hpp"

namespace slidemint {

// The window's list of presentations as an export run reads it. Each entry
// has an id that the list control keeps beside it, so entries are found
// again whichever thread removed others meanwhile.
class TFileListStore : public ExportFileList {
public:
    using Id = std::uint64_t;

    Id Add(const std::string& path);
    void RemoveIds(const std::vector<Id>& ids);
    void Clear();
    std::vector<std::string> Paths() const;
    bool Empty() const;

    std::optional<std::string> PathAt(std::size_t index) override;
    // Removes the first entry with this path and reports its id through OnRemoved.
    void Remove(const std::string& path) override;

    // Called (on the removing thread, outside the lock) after Remove took an entry.
    std::function<void(Id id)> OnRemoved;

private:
    struct Entry {
        Id id;
        std::string path;
    };
    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
    Id nextId_ = 1;
};

}  // namespace slidemint
