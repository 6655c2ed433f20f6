#pragma once

#include <vector>

#include "engine/plainsheet_engine.hpp"

namespace slidemint {

// The first index from `start` on whose entry has the parent `parent`
// (-1 = top level), or -1 when there is none or `start` is past the end.
int FindOutlineChild(const std::vector<TveTOCItem>& items, int start, int parent);

// The outline entries as a forest, indexed once so that walking it costs
// linear time however long a sibling chain is. The children of an entry
// are the later entries naming it as parent, in list order; answers agree
// with FindOutlineChild.
class TveOutlineTree {
public:
    // Throws EngineError when an entry's parent is not an earlier entry.
    explicit TveOutlineTree(const std::vector<TveTOCItem>& items);

    // The entries whose parent is `parent` (-1 = the top-level entries).
    std::vector<int> Children(int parent) const;
    bool HasChildren(int index) const { return firstChild_[Slot(index)] != -1; }

private:
    static std::size_t Slot(int parent) { return static_cast<std::size_t>(parent + 1); }

    // Per parent (slot 0 = top level): first and last child; per entry: the
    // next entry with the same parent.
    std::vector<int> firstChild_;
    std::vector<int> lastChild_;
    std::vector<int> nextSibling_;
};

}  // namespace slidemint
