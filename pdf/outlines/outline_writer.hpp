#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/plainsheet_engine.hpp"
#include "pdf/outlines/outline_tree.hpp"

namespace slidemint {

// A page that was output: its page object and its height in points.
struct TveOutlinePageTarget {
    int ObjectNumber = 0;
    double Height = 0;
};

// What the outline writer needs of the PDF writer.
class TveOutlineServices {
public:
    virtual ~TveOutlineServices() = default;
    virtual int NewObjectNumber() = 0;
    // Writes a closed object; `body` is a run of dictionary entries ending
    // in CR LF.
    virtual void WriteObject(std::string_view body, int objectNumber) = 0;
    virtual std::string TextToPdfHex(std::u16string_view text, int objectNumber) = 0;
    virtual std::string EncryptString(std::string_view bytes, int objectNumber) = 0;
    // The output page with this number, or nothing when it was not output.
    virtual std::optional<TveOutlinePageTarget> OutputPage(int pageNumber) const = 0;
    virtual double PointsPerPixel() const = 0;
};

// Writes the outline tree: one object per entry, then the root.
//
// Numbers are taken chain by chain: the siblings of a chain get consecutive
// numbers, then, from the last sibling back to the first, each sibling's
// children are numbered and written before the sibling itself, so every
// item follows its next siblings and its children in the file and the root
// comes last. Top-level entries with children are open (positive /Count),
// deeper ones closed (negative /Count). The walk keeps its own stack, so
// neither long sibling chains nor deep nesting use the call stack.
class TveOutlineWriter {
public:
    TveOutlineWriter(const std::vector<TveTOCItem>& items, TveOutlineServices& services);

    // Writes every entry and the root under `rootNumber`. The list must not
    // be empty.
    void WriteOutlines(int rootNumber);

private:
    struct Chain;
    struct ChainSummary {
        int First = -1;
        int Last = -1;
        int Count = 0;
    };
    struct ItemLinks {
        int Parent = -1;
        int Prev = -1;
        int Next = -1;
        std::optional<ChainSummary> Children;
    };

    ChainSummary WriteChains(int topParentObject);
    Chain StartChain(int parent, int parentObject);
    void WriteOutlineItem(int index, int objectNumber, const ItemLinks& links);
    std::string TargetEntry(const TveTOCItem& item, int objectNumber);

    const std::vector<TveTOCItem>& items_;
    TveOutlineServices& services_;
    TveOutlineTree tree_;
};

// A URI with its leading and trailing blanks and control characters removed.
std::string TrimOutlineUri(std::string_view uri);

}  // namespace slidemint
