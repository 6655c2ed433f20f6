#include "pdf/outlines/outline_tree.hpp"

#include <string>

#include "engine/engine_error.hpp"

namespace slidemint {

int FindOutlineChild(const std::vector<TveTOCItem>& items, int start, int parent) {
    if (start < 0) start = 0;
    for (std::size_t i = static_cast<std::size_t>(start); i < items.size(); ++i)
        if (items[i].ParentIndex == parent) return static_cast<int>(i);
    return -1;
}

TveOutlineTree::TveOutlineTree(const std::vector<TveTOCItem>& items)
    : firstChild_(items.size() + 1, -1), lastChild_(items.size() + 1, -1), nextSibling_(items.size(), -1) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int index = static_cast<int>(i);
        const int parent = items[i].ParentIndex;
        if (parent < -1 || parent >= index)
            throw EngineError("Outline entry " + std::to_string(index) + " names the parent " +
                              std::to_string(parent) + ", which is not an earlier entry");
        const std::size_t slot = Slot(parent);
        if (lastChild_[slot] == -1) firstChild_[slot] = index;
        else nextSibling_[static_cast<std::size_t>(lastChild_[slot])] = index;
        lastChild_[slot] = index;
    }
}

std::vector<int> TveOutlineTree::Children(int parent) const {
    std::vector<int> children;
    for (int child = firstChild_[Slot(parent)]; child != -1;
         child = nextSibling_[static_cast<std::size_t>(child)])
        children.push_back(child);
    return children;
}

}  // namespace slidemint
