#include "engine/page_selection.hpp"

#include <charconv>
#include <optional>

#include "engine/custom_document_engine.hpp"

namespace slidemint {
namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::size_t skipBlanks(const std::string& text, std::size_t at) {
    while (at < text.size() && isBlank(text[at])) ++at;
    return at;
}

std::string readQuoted(const std::string& text, std::size_t& at) {
    std::string entry;
    ++at;  // opening quote
    while (at < text.size()) {
        if (text[at] == '"') {
            if (at + 1 < text.size() && text[at + 1] == '"') {
                entry.push_back('"');
                at += 2;
                continue;
            }
            ++at;  // closing quote
            break;
        }
        entry.push_back(text[at++]);
    }
    return entry;
}

std::optional<int> parseNumber(const std::string& digits) {
    int value = 0;
    const char* end = digits.data() + digits.size();
    auto [ptr, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || ptr != end) return std::nullopt;
    return value;
}

bool entrySelects(const std::string& entry, int pageNumber) {
    if (entry.find_first_not_of("0123456789-") != std::string::npos) return false;
    const std::size_t dash = entry.find('-');
    if (dash == std::string::npos) {
        const auto page = parseNumber(entry);
        return page && *page == pageNumber;
    }
    const auto first = parseNumber(entry.substr(0, dash));
    const auto last = parseNumber(entry.substr(dash + 1));
    return first && last && *first <= pageNumber && pageNumber <= *last;
}

}  // namespace

std::vector<std::string> SplitCommaText(const std::string& text) {
    std::vector<std::string> entries;
    std::size_t at = skipBlanks(text, 0);
    while (at < text.size()) {
        if (text[at] == '"') {
            entries.push_back(readQuoted(text, at));
        } else {
            const std::size_t start = at;
            while (at < text.size() && !isBlank(text[at]) && text[at] != ',') ++at;
            entries.push_back(text.substr(start, at - start));
        }
        at = skipBlanks(text, at);
        if (at < text.size() && text[at] == ',') {
            at = skipBlanks(text, at + 1);
            if (at >= text.size()) entries.emplace_back();
        }
    }
    return entries;
}

bool PageSelectionContains(const std::string& selection, int pageNumber) {
    if (selection.empty()) return true;
    for (const std::string& entry : SplitCommaText(selection))
        if (entrySelects(entry, pageNumber)) return true;
    return false;
}

bool TveCustomDocumentEngine::PageSelected(int pageNumber) const {
    return PageSelectionContains(PagesToRender, pageNumber);
}

}  // namespace slidemint
