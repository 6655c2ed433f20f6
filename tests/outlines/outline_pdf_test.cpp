// Outline trees in written files, read back by qpdf.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pdf/pdf_format.hpp"
#include "tests/outlines/qpdf_json.hpp"
#include "tests/pdf/pdf_test_support.hpp"
#include "tests/pdf/pdf_tools.hpp"

namespace slidemint {
namespace {

using nlohmann::json;
using pdf_test::PdfWriterTest;

// An A4 page is 841.8888 points high; tops are given in 96-dpi pixels.
constexpr int kPages = 3;

struct OutlineCase {
    const char* name;
    std::function<void(TvePDFEngine&)> add;
    // The tree as qpdf reads it: title, then "->" page and /XYZ left and top,
    // or "=>" URI; /Count in brackets; children in braces.
    std::string expected;
    int rootCount;
};

const OutlineCase kCases[] = {
    {"flat",
     [](TvePDFEngine& e) {
         e.AddOutlineEntry(u"A", -1, 1, 0);
         e.AddOutlineEntry(u"B", -1, 2, 96);
         e.AddOutlineEntry(u"C", -1, 3, 960);
     },
     "A->1 0.0000 841.8888; B->2 0.0000 769.8888; C->3 0.0000 121.8888", 3},
    {"nested",
     [](TvePDFEngine& e) {
         e.AddOutlineEntry(u"A", -1, 1, 0);
         e.AddOutlineEntry(u"A1", 0, 2, 0);
         e.AddOutlineEntry(u"A1a", 1, 3, 48);
         e.AddOutlineEntry(u"A2", 0, 2, 96);
         e.AddOutlineEntry(u"B", -1, 3, 0);
     },
     "A->1 0.0000 841.8888 [2] {A1->2 0.0000 841.8888 [-1] {A1a->3 0.0000 805.8888}; A2->2 0.0000 769.8888}; B->3 0.0000 841.8888", 2},
    {"interleaved parents",
     [](TvePDFEngine& e) {
         e.AddOutlineEntry(u"A", -1, 1, 0);
         e.AddOutlineEntry(u"B", -1, 2, 0);
         e.AddOutlineEntry(u"A child", 0, 3, 0);
         e.AddOutlineEntry(u"B child", 1, 1, 0);
         e.AddOutlineEntry(u"A second child", 0, 2, 0);
     },
     "A->1 0.0000 841.8888 [2] {A child->3 0.0000 841.8888; A second child->2 0.0000 841.8888}; "
     "B->2 0.0000 841.8888 [1] {B child->1 0.0000 841.8888}", 2},
    {"URI entries",
     [](TvePDFEngine& e) {
         e.AddOutlineLink(u"Site", -1, "  http://example.org/a b\t\r\n");
         e.AddOutlineLink(u"Deeper", 0, "https://example.org/x?y=(1)");
         e.AddOutlineEntry(u"Page \u00e9\u4e2d", -1, 2, 0);
     },
     "Site=>http://example.org/a b [1] {Deeper=>https://example.org/x?y=(1)}; "
     "Page \xC3\xA9\xE4\xB8\xAD->2 0.0000 841.8888", 2},
};

// Renders qpdf's outline nodes in the notation of OutlineCase::expected,
// taking /Count and the URI from the objects themselves.
class TreeRenderer {
public:
    explicit TreeRenderer(const json& document) : document_(document) {}

    std::string Render(const json& nodes) {
        std::string text;
        for (const json& node : nodes) {
            if (!text.empty()) text += "; ";
            text += Node(node);
        }
        return text;
    }

    std::string Node(const json& node) {
        const json item = qpdf_json::Object(document_, qpdf_json::Number(node["object"]));
        std::string text = qpdf_json::Text(node["title"]);
        if (node["dest"].is_array()) {
            const json& dest = node["dest"];
            text += "->" + std::to_string(node["destpageposfrom1"].get<int>()) + " " +
                    FormatReal(dest[2].get<double>()) + " " + FormatReal(dest[3].get<double>());
            EXPECT_EQ(dest[1], "/XYZ");
            EXPECT_TRUE(dest[4].is_null());
        }
        if (item.contains("/A")) text += "=>" + qpdf_json::Text(item["/A"]["/URI"]);
        if (item.contains("/Count")) text += " [" + std::to_string(item["/Count"].get<int>()) + "]";
        if (!node["kids"].empty()) text += " {" + Render(node["kids"]) + "}";
        return text;
    }

private:
    const json& document_;
};

// The tree under the catalog's /Outlines, and the root's /Count.
std::string ReadTree(const std::filesystem::path& file, const std::string& password, int& rootCount) {
    std::string error;
    const json document = qpdf_json::Read(file, password, error);
    if (document.is_null()) return "qpdf failed: " + error;
    const json catalog = qpdf_json::Object(document, 1);
    if (!catalog.contains("/Outlines")) return "(the catalog has no /Outlines)";
    const json root = qpdf_json::Object(document, qpdf_json::Number(catalog["/Outlines"]));
    rootCount = root["/Count"].get<int>();
    return TreeRenderer(document).Render(document["outlines"]);
}

class OutlinePdfTest : public PdfWriterTest {
protected:
    std::filesystem::path Write(const OutlineCase& c, const std::string& name, bool encrypted) {
        auto engine = MakeEngine(name);
        engine->SetMeasurementUnit(muPixels);
        if (encrypted) {
            engine->Encryption().Enabled = true;
            engine->Encryption().UserPassword = "user";
            engine->Encryption().OwnerPassword = "owner";
        }
        engine->BeginDoc();
        for (int page = 2; page <= kPages; ++page) engine->NewPage();
        c.add(*engine);
        engine->EndDoc();
        return PathOf(name);
    }
};

TEST_F(OutlinePdfTest, QpdfReadsTheIntendedTreePlainAndEncrypted) {
    SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
    int index = 0;
    for (const OutlineCase& c : kCases) {
        for (const bool encrypted : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (encrypted ? ", encrypted" : ""));
            const auto file = Write(c, "case" + std::to_string(index++), encrypted);
            EXPECT_TRUE(pdf_tools::QpdfCheckPasses(file, encrypted ? "user" : ""));
            int rootCount = 0;
            EXPECT_EQ(ReadTree(file, encrypted ? "user" : "", rootCount), c.expected);
            EXPECT_EQ(rootCount, c.rootCount);
        }
    }
}

// Two slides titled A and B: the root's number is taken with the catalog
// (6), the pages take 7-9 and 10-12, the items 13 and 14; B is written
// before A, the root after both, and the page tree after the root.
TEST_F(OutlinePdfTest, WritesTheTwoSlideExampleExactly) {
    auto engine = MakeEngine();
    engine->BeginDoc();
    engine->AddOutlineEntry(u"A", -1, 1, 0.0);
    engine->NewPage();
    engine->AddOutlineEntry(u"B", -1, 2, 0.0);
    engine->EndDoc();

    const std::string file = pdf_test::ReadFile(PathOf());
    EXPECT_NE(file.find("/Type/Catalog/Pages 2 0 R/Outlines 6 0 R/"), std::string::npos);
    const std::string expected =
        "14 0 obj\r\n<<\r\n/Title <FEFF0042>/Dest [10 0 R /XYZ 0.0000 841.8888 null]/Parent 6 0 R"
        "/Prev 13 0 R\r\n>>\r\nendobj\r\n"
        "13 0 obj\r\n<<\r\n/Title <FEFF0041>/Dest [7 0 R /XYZ 0.0000 841.8888 null]/Parent 6 0 R"
        "/Next 14 0 R\r\n>>\r\nendobj\r\n"
        "6 0 obj\r\n<<\r\n/First 13 0 R/Last 14 0 R/Count 2\r\n>>\r\nendobj\r\n"
        "2 0 obj\r\n";
    EXPECT_NE(file.find(expected), std::string::npos) << file;
}

TEST_F(OutlinePdfTest, WritesNoOutlineWithoutEntriesAndAnEmptyTitleAsTheMarkAlone) {
    auto engine = MakeEngine("none");
    engine->BeginDoc();
    engine->EndDoc();
    const std::string none = pdf_test::ReadFile(PathOf("none"));
    EXPECT_EQ(none.find("/Outlines"), std::string::npos);
    EXPECT_NE(none.find("6 0 obj\r\n<<\r\n/Type/Page/"), std::string::npos);

    engine = MakeEngine("empty");
    engine->BeginDoc();
    engine->AddOutlineEntry(u"", -1, 1, 0.0);
    engine->EndDoc();
    EXPECT_NE(pdf_test::ReadFile(PathOf("empty")).find("/Title <FEFF>/Dest [7 0 R "), std::string::npos);
}

// With pages output one at a time the catalog is fixed by the first page,
// before the later entries exist; they must still reach the file.
TEST_F(OutlinePdfTest, KeepsEntriesAddedAfterTheCatalogWhenPagesAreOutputOneAtATime) {
    SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
    for (const bool withEntries : {true, false}) {
        SCOPED_TRACE(withEntries ? "entries after the first page" : "no entries");
        const std::string name = withEntries ? "late" : "never";
        auto engine = MakeEngine(name);
        engine->Preferences().SetProcessAfterEachPage(true);
        engine->BeginDoc();
        engine->NewPage();  // page 1 and the catalog are written here
        if (withEntries) {
            EXPECT_EQ(engine->AddOutlineEntry(u"First", -1, 1, 0.0), 0);
            EXPECT_EQ(engine->AddOutlineEntry(u"Second", 0, 2, 96.0), 1);
        }
        engine->EndDoc();
        EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf(name)));
        int rootCount = -1;
        EXPECT_EQ(ReadTree(PathOf(name), "", rootCount),
                  withEntries ? "First->1 0.0000 841.8888 [1] {Second->2 0.0000 769.8888}" : "");
        EXPECT_EQ(rootCount, withEntries ? 1 : 0);
    }
}

}  // namespace
}  // namespace slidemint
