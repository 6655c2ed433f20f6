// The outline tree writer against the recursive form of its numbering and
// output order, on small forests and on outlines far too long to recurse.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "pdf/outlines/outline_writer.hpp"
#include "pdf/pdf_format.hpp"

namespace slidemint {
namespace {

constexpr int kPagesOutput = 3;

// Records what the writer asks for. Strings are "encrypted" by tagging them
// with the object number, so a string encrypted for the wrong object shows.
class RecordingServices final : public TveOutlineServices {
public:
    int NewObjectNumber() override { return ++counter; }
    void WriteObject(std::string_view body, int objectNumber) override {
        written.emplace_back(objectNumber, std::string(body));
    }
    std::string TextToPdfHex(std::u16string_view text, int objectNumber) override {
        return StrToHex(EncryptString(Utf16BeWithMark(text), objectNumber));
    }
    std::string EncryptString(std::string_view bytes, int objectNumber) override {
        return std::string(bytes) + "#" + std::to_string(objectNumber);
    }
    std::optional<TveOutlinePageTarget> OutputPage(int pageNumber) const override {
        if (pageNumber < 1 || pageNumber > kPagesOutput) return std::nullopt;
        return TveOutlinePageTarget{100 + pageNumber, 600.0};
    }
    double PointsPerPixel() const override { return 0.75; }

    int counter = 10;
    std::vector<std::pair<int, std::string>> written;
};

// The tree writer in its plain recursive form, one call per entry.
class RecursiveOutlineWriter {
public:
    RecursiveOutlineWriter(const std::vector<TveTOCItem>& items, RecordingServices& services)
        : items_(items), s_(services) {}

    void WriteOutlines(int root) {
        int count = 1;
        int last = root;
        const int first = WriteItem(FindOutlineChild(items_, 0, -1), root, -1, count, last);
        s_.WriteObject("/First " + ObjectRef(first) + "/Last " + ObjectRef(last) + "/Count " +
                           std::to_string(count) + "\r\n",
                       root);
    }

private:
    int WriteItem(int index, int parentObj, int prevObj, int& count, int& last) {
        const TveTOCItem& e = items_[static_cast<std::size_t>(index)];
        const int obj = s_.NewObjectNumber();
        last = obj;
        std::string body = "/Title <" + s_.TextToPdfHex(e.Title, obj) + ">";
        if (!e.URL.empty()) {
            body += "/A <</S /URI /URI<" + StrToHex(s_.EncryptString(TrimOutlineUri(e.URL), obj)) + "> >>";
        } else if (const auto page = s_.OutputPage(e.PageNo)) {
            body += "/Dest [" + ObjectRef(page->ObjectNumber) + " /XYZ " + FormatReal(e.Left * 0.75) + " " +
                    FormatReal(page->Height - e.Top * 0.75) + " null]";
        }
        if (parentObj != -1) body += "/Parent " + ObjectRef(parentObj);
        if (prevObj != -1) body += "/Prev " + ObjectRef(prevObj);
        const int next = FindOutlineChild(items_, index + 1, e.ParentIndex);
        if (next != -1) {
            ++count;
            body += "/Next " + ObjectRef(WriteItem(next, parentObj, obj, count, last));
        }
        const int child = FindOutlineChild(items_, index + 1, index);
        if (child != -1) {
            int childCount = 1;
            int childLast = obj;
            const int firstObj = WriteItem(child, obj, -1, childCount, childLast);
            body += "/First " + ObjectRef(firstObj) + "/Last " + ObjectRef(childLast) +
                    (e.ParentIndex == -1 ? "/Count " : "/Count -") + std::to_string(childCount);
        }
        s_.WriteObject(body + "\r\n", obj);
        return obj;
    }

    const std::vector<TveTOCItem>& items_;
    RecordingServices& s_;
};

TveTOCItem Entry(int parent, int page = 1, double top = 0) {
    return {u"E", page, parent, 0, top, {}};
}

std::vector<TveTOCItem> RandomForest(unsigned seed, int size) {
    std::mt19937 random(seed);
    std::vector<TveTOCItem> items;
    for (int i = 0; i < size; ++i) {
        const int parent = i == 0 || random() % 4 == 0 ? -1 : static_cast<int>(random() % i);
        items.push_back({u"T" + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)),
                         static_cast<int>(random() % 5), parent, 0, static_cast<double>(random() % 700), {}});
    }
    return items;
}

struct ForestCase {
    const char* name;
    std::vector<TveTOCItem> items;
};

std::vector<ForestCase> Forests() {
    return {
        {"one entry", {Entry(-1)}},
        {"flat", {Entry(-1, 1), Entry(-1, 2), Entry(-1, 3)}},
        {"second of three with two children", {Entry(-1), Entry(-1), Entry(1), Entry(1), Entry(-1)}},
        {"child with children", {Entry(-1), Entry(0), Entry(1), Entry(1), Entry(0)}},
        {"interleaved parents", {Entry(-1), Entry(-1), Entry(0), Entry(1), Entry(0)}},
        {"chain of nested entries", {Entry(-1), Entry(0), Entry(1), Entry(2)}},
        {"pages not output and URIs",
         {Entry(-1, 0), Entry(-1, 4), {u"", 0, 0, 0, 0, "\t http://example.org/x \r\n"}, Entry(-1, 2, 80)}},
        {"random forest 1", RandomForest(1, 60)},
        {"random forest 2", RandomForest(2, 200)},
        {"random forest 3", RandomForest(3, 500)},
    };
}

TEST(OutlineWriterTest, NumbersAndWritesLikeTheRecursiveForm) {
    for (const ForestCase& c : Forests()) {
        SCOPED_TRACE(c.name);
        RecordingServices expected;
        const int expectedRoot = expected.NewObjectNumber();
        RecursiveOutlineWriter(c.items, expected).WriteOutlines(expectedRoot);

        RecordingServices actual;
        const int root = actual.NewObjectNumber();
        TveOutlineWriter(c.items, actual).WriteOutlines(root);

        EXPECT_EQ(actual.counter, expected.counter);
        ASSERT_EQ(actual.written.size(), expected.written.size());
        for (std::size_t i = 0; i < actual.written.size(); ++i)
            ASSERT_EQ(actual.written[i], expected.written[i]) << "object written at position " << i;
    }
}

TEST(OutlineWriterTest, WritesTheDocumentedItemText) {
    const std::vector<TveTOCItem> items = {
        {u"A", 1, -1, 0, 80, {}},
        {u"", 2, 0, 0, 0, {}},
        {u"L", 0, -1, 0, 0, " \thttp://x.org/ \r\n"},
    };
    RecordingServices services;
    const int root = services.NewObjectNumber();  // 11; the items take 12, 13 (L) and 14 (child of A)
    TveOutlineWriter(items, services).WriteOutlines(root);
    const auto hex = [](const std::string& bytes) { return StrToHex(bytes); };
    const std::vector<std::pair<int, std::string>> expected = {
        {13, "/Title <" + hex(std::string("\xFE\xFF\0", 3) + "L#13") + ">/A <</S /URI /URI<" +
                 hex("http://x.org/#13") + "> >>/Parent 11 0 R/Prev 12 0 R\r\n"},
        {14, "/Title <" + hex("\xFE\xFF#14") + ">/Dest [102 0 R /XYZ 0.0000 600.0000 null]/Parent 12 0 R\r\n"},
        {12, "/Title <" + hex(std::string("\xFE\xFF\0", 3) + "A#12") +
                 ">/Dest [101 0 R /XYZ 0.0000 540.0000 null]/Parent 11 0 R/Next 13 0 R"
                 "/First 14 0 R/Last 14 0 R/Count 1\r\n"},
        {11, "/First 12 0 R/Last 13 0 R/Count 2\r\n"},
    };
    EXPECT_EQ(services.written, expected);
}

// Outlines far longer than any call stack could recurse through.
TEST(OutlineWriterTest, WritesAHundredThousandEntriesFlatOrNestedWithoutRecursing) {
    constexpr int kEntries = 100000;
    for (const bool nested : {false, true}) {
        SCOPED_TRACE(nested ? "each entry a child of the one before" : "flat");
        std::vector<TveTOCItem> items;
        items.reserve(kEntries);
        for (int i = 0; i < kEntries; ++i) items.push_back(Entry(nested ? i - 1 : -1));
        RecordingServices services;
        const int root = services.NewObjectNumber();
        TveOutlineWriter(items, services).WriteOutlines(root);

        ASSERT_EQ(services.written.size(), static_cast<std::size_t>(kEntries) + 1);
        // Entries take consecutive numbers in list order and are written
        // last entry first; the root comes last.
        for (int j = 0; j < kEntries; ++j) ASSERT_EQ(services.written[j].first, root + kEntries - j);
        EXPECT_EQ(services.written.back().first, root);
        const std::string& firstEntry = services.written[kEntries - 1].second;
        if (nested) {
            EXPECT_EQ(services.written.back().second, "/First 12 0 R/Last 12 0 R/Count 1\r\n");
            EXPECT_NE(firstEntry.find("/First 13 0 R/Last 13 0 R/Count 1\r\n"), std::string::npos);
            EXPECT_NE(services.written[kEntries - 2].second.find("/Parent 12 0 R/First 14 0 R/Last 14 0 R/Count -1"),
                      std::string::npos);
        } else {
            EXPECT_EQ(services.written.back().second,
                      "/First 12 0 R/Last " + ObjectRef(root + kEntries) + "/Count 100000\r\n");
            EXPECT_NE(firstEntry.find("/Parent 11 0 R/Next 13 0 R\r\n"), std::string::npos);
        }
    }
}

TEST(OutlineTreeTest, RefusesAParentThatIsNotAnEarlierEntry) {
    for (const int parent : {-2, 1, 5}) {
        SCOPED_TRACE(parent);
        const std::vector<TveTOCItem> items = {Entry(-1), Entry(parent)};
        EXPECT_THROW(TveOutlineTree{items}, EngineError);
    }
}

TEST(OutlineTreeTest, FindOutlineChildScansFromStart) {
    const std::vector<TveTOCItem> items = {Entry(-1), Entry(-1), Entry(0), Entry(1), Entry(0)};
    struct Case { int start, parent, expected; };
    for (const Case c : {Case{0, -1, 0}, Case{1, -1, 1}, Case{2, -1, -1}, Case{1, 0, 2}, Case{3, 0, 4},
                         Case{5, 0, -1}, Case{9, -1, -1}, Case{2, 1, 3}}) {
        EXPECT_EQ(FindOutlineChild(items, c.start, c.parent), c.expected) << c.start << "," << c.parent;
    }
}

}  // namespace
}  // namespace slidemint
