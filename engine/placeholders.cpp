// Placeholder expansion of texts ("<%Pg#%>", "<%Author%>", ...).

#include "engine/placeholders.hpp"

#include <algorithm>

#include "engine/custom_document_engine.hpp"
#include "platform/code_page.hpp"
#include "platform/system_environment.hpp"

namespace slidemint {
namespace {

char16_t foldCase(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

std::size_t findIgnoringCase(const std::u16string& text, const std::u16string& token, std::size_t from) {
    auto equal = [](char16_t a, char16_t b) { return foldCase(a) == foldCase(b); };
    if (from > text.size()) return std::u16string::npos;
    auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), token.begin(),
                             token.end(), equal);
    return found == text.end() ? std::u16string::npos : static_cast<std::size_t>(found - text.begin());
}

// 1-based search as the scan describes it: the first occurrence beginning
// at position `from` or later; 0 when there is none.
std::size_t findFrom(const std::u16string& text, const std::u16string& token, std::size_t from) {
    const std::size_t start = from > 0 ? from - 1 : 0;
    const std::size_t found = text.find(token, start);
    return found == std::u16string::npos ? 0 : found + 1;
}

std::u16string decimal(int value) { return AsciiToWide(std::to_string(value)); }

// strftime output in the time locale is UTF-8.
std::u16string formattedNow(const std::string& pattern) {
    SystemEnvironment& environment = SystemEnvironment::current();
    return CodePage("UTF-8").toUtf16(environment.formatDateTime(pattern, environment.now()));
}

// Handler calls allowed in one expansion; a handler whose values keep
// producing new placeholders is stopped there.
constexpr int maxHandlerCalls = 10000;

}  // namespace

std::u16string AsciiToWide(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::u16string ReplaceIgnoringCase(const std::u16string& text, const std::u16string& token,
                                   const std::u16string& value) {
    if (token.empty()) return text;
    std::u16string result;
    std::size_t copied = 0;
    for (std::size_t at = findIgnoringCase(text, token, 0); at != std::u16string::npos;
         at = findIgnoringCase(text, token, copied)) {
        result.append(text, copied, at - copied);
        result += value;
        copied = at + token.size();
    }
    result.append(text, copied, std::u16string::npos);
    return result;
}

std::u16string TveCustomDocumentEngine::ExpandPageVariables(const std::u16string& text) {
    std::u16string result = ReplaceIgnoringCase(text, u"<%Pg#%>", decimal(currentPage_));
    return ReplaceIgnoringCase(result, u"<%PgCnt%>", decimal(pageCount_));
}

std::u16string TveCustomDocumentEngine::ExpandVariables(const std::u16string& text, bool withPageNumbers) {
    if (!Preferences().CalculateVariables() || text.empty()) return text;
    std::u16string result = withPageNumbers ? ExpandPageVariables(text) : text;
    const DateTimeFormats formats = SystemEnvironment::current().dateTimeFormats();
    result = ReplaceIgnoringCase(result, u"<%ShortDate%>", formattedNow(formats.shortDate));
    result = ReplaceIgnoringCase(result, u"<%ShortTime%>", formattedNow(formats.shortTime));
    result = ReplaceIgnoringCase(result, u"<%LongDate%>", formattedNow(formats.longDate));
    result = ReplaceIgnoringCase(result, u"<%LongTime%>", formattedNow(formats.longTime));
    result = ReplaceIgnoringCase(result, u"<%Author%>", docInfo_.Author());
    result = ReplaceIgnoringCase(result, u"<%Creator%>", docInfo_.Creator());
    result = ReplaceIgnoringCase(result, u"<%Subject%>", docInfo_.Subject());
    result = ReplaceIgnoringCase(result, u"<%Title%>", docInfo_.Title());
    if (OnCalcVariables) result = expandUserVariables(result);
    return result;
}

// Hands every other placeholder to OnCalcVariables. Positions count from 1.
// The brackets are searched in the wide text itself, so positions stay
// right whatever the code page.
std::u16string TveCustomDocumentEngine::expandUserVariables(std::u16string text) {
    SystemEnvironment& environment = SystemEnvironment::current();
    long long scan = -1;
    for (int calls = 0; scan < static_cast<long long>(text.size()) && calls < maxHandlerCalls;) {
        const std::size_t open = findFrom(text, u"<%", static_cast<std::size_t>(scan + 2));
        if (open == 0) break;
        const std::size_t close = findFrom(text, u"%>", open);
        if (close == 0) break;
        if (close - open < 3) {
            scan = static_cast<long long>(close);
            continue;
        }
        const std::size_t inner = findFrom(text, u"<%", open + 2);
        if (inner != 0 && inner < close) {
            scan = static_cast<long long>(open + 2);
            continue;
        }
        const std::u16string name = text.substr(open + 1, close - open - 2);
        const std::u16string placeholder = u"<%" + name + u"%>";
        if (placeholder == u"<%Pg#%>" || placeholder == u"<%PgCnt%>") {
            scan = static_cast<long long>(close);
            continue;
        }
        std::string value;
        OnCalcVariables(*this, environment.toAnsi(name), value);
        ++calls;
        const std::u16string wideValue = environment.toWide(value);
        text = ReplaceIgnoringCase(text, placeholder, wideValue);
        scan = static_cast<long long>(open);
        // A value holding its own placeholder would be found again without
        // end: go on behind the inserted value instead.
        if (findIgnoringCase(wideValue, placeholder, 0) != std::u16string::npos)
            scan = static_cast<long long>(open + wideValue.size()) - 2;
    }
    return text;
}

}  // namespace slidemint
