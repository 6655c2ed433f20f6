#pragma once

#include <string>
#include <vector>

namespace slidemint {

// Splits a text by the comma-text rules: entries are separated by commas
// or blanks; a quoted entry ("...") keeps its blanks, "" inside quotes
// stands for one quote.
std::vector<std::string> SplitCommaText(const std::string& text);

// Whether the page selection (e.g. "1,3-5"; empty = every page) selects
// page n. Entries with characters other than digits and "-" are ignored,
// and so are malformed ranges ("-5", "3-", "1-2-3") and empty entries.
bool PageSelectionContains(const std::string& selection, int pageNumber);

}  // namespace slidemint
