#include "pdf/outlines/outline_writer.hpp"

#include "pdf/pdf_format.hpp"

namespace slidemint {

// One sibling chain being written: its entries, their object numbers, and
// how many of them (counted from the end) still wait to be written.
struct TveOutlineWriter::Chain {
    std::vector<int> Entries;
    std::vector<int> Objects;
    int ParentObject = -1;
    std::size_t Pending = 0;
    // The children of Entries[Pending - 1], once they have been written.
    std::optional<ChainSummary> ChildrenOfPending;
    bool ChildrenStarted = false;
};

std::string TrimOutlineUri(std::string_view uri) {
    const auto visible = [](char c) { return static_cast<unsigned char>(c) > ' '; };
    std::size_t begin = 0;
    std::size_t end = uri.size();
    while (begin < end && !visible(uri[begin])) ++begin;
    while (end > begin && !visible(uri[end - 1])) --end;
    return std::string(uri.substr(begin, end - begin));
}

TveOutlineWriter::TveOutlineWriter(const std::vector<TveTOCItem>& items, TveOutlineServices& services)
    : items_(items), services_(services), tree_(items) {}

void TveOutlineWriter::WriteOutlines(int rootNumber) {
    const ChainSummary top = WriteChains(rootNumber);
    services_.WriteObject("/First " + ObjectRef(top.First) + "/Last " + ObjectRef(top.Last) + "/Count " +
                              IntToStr(top.Count) + std::string(kCrLf),
                          rootNumber);
}

TveOutlineWriter::Chain TveOutlineWriter::StartChain(int parent, int parentObject) {
    Chain chain;
    chain.Entries = tree_.Children(parent);
    chain.Objects.reserve(chain.Entries.size());
    for (std::size_t i = 0; i < chain.Entries.size(); ++i) chain.Objects.push_back(services_.NewObjectNumber());
    chain.ParentObject = parentObject;
    chain.Pending = chain.Entries.size();
    return chain;
}

TveOutlineWriter::ChainSummary TveOutlineWriter::WriteChains(int topParentObject) {
    std::vector<Chain> stack;
    stack.push_back(StartChain(-1, topParentObject));
    ChainSummary finished;
    while (!stack.empty()) {
        Chain& chain = stack.back();
        if (chain.Pending == 0) {
            finished = {chain.Objects.front(), chain.Objects.back(), static_cast<int>(chain.Objects.size())};
            stack.pop_back();
            if (!stack.empty()) stack.back().ChildrenOfPending = finished;
            continue;
        }
        const std::size_t k = chain.Pending - 1;
        const int index = chain.Entries[k];
        if (!chain.ChildrenStarted && tree_.HasChildren(index)) {
            chain.ChildrenStarted = true;
            const int object = chain.Objects[k];
            stack.push_back(StartChain(index, object));  // invalidates `chain`
            continue;
        }
        ItemLinks links;
        links.Parent = chain.ParentObject;
        links.Prev = k > 0 ? chain.Objects[k - 1] : -1;
        links.Next = k + 1 < chain.Objects.size() ? chain.Objects[k + 1] : -1;
        links.Children = chain.ChildrenOfPending;
        WriteOutlineItem(index, chain.Objects[k], links);
        chain.Pending = k;
        chain.ChildrenOfPending.reset();
        chain.ChildrenStarted = false;
    }
    return finished;
}

std::string TveOutlineWriter::TargetEntry(const TveTOCItem& item, int objectNumber) {
    if (!item.URL.empty())
        return "/A <</S /URI /URI<" +
               StrToHex(services_.EncryptString(TrimOutlineUri(item.URL), objectNumber)) + "> >>";
    const std::optional<TveOutlinePageTarget> page = services_.OutputPage(item.PageNo);
    if (!page) return {};
    const double pointsPerPixel = services_.PointsPerPixel();
    return "/Dest [" + ObjectRef(page->ObjectNumber) + " /XYZ " + FormatReal(item.Left * pointsPerPixel) +
           " " + FormatReal(page->Height - item.Top * pointsPerPixel) + " null]";
}

void TveOutlineWriter::WriteOutlineItem(int index, int objectNumber, const ItemLinks& links) {
    const TveTOCItem& item = items_[static_cast<std::size_t>(index)];
    std::string body = "/Title <" + services_.TextToPdfHex(item.Title, objectNumber) + ">";
    body += TargetEntry(item, objectNumber);
    body += "/Parent " + ObjectRef(links.Parent);
    if (links.Prev != -1) body += "/Prev " + ObjectRef(links.Prev);
    if (links.Next != -1) body += "/Next " + ObjectRef(links.Next);
    if (links.Children) {
        const ChainSummary& children = *links.Children;
        body += "/First " + ObjectRef(children.First) + "/Last " + ObjectRef(children.Last);
        body += "/Count " + std::string(item.ParentIndex == -1 ? "" : "-") + IntToStr(children.Count);
    }
    services_.WriteObject(body + std::string(kCrLf), objectNumber);
}

}  // namespace slidemint
