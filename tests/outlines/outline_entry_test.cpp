// Which outline entries the engine accepts, and where they land.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/pdf/pdf_test_support.hpp"

namespace slidemint {
namespace {

using pdf_test::PdfWriterTest;

enum class Moment { BeforeBeginDoc, InDocument, AfterEndDoc };

struct AdditionCase {
    const char* name;
    Moment moment;
    int parentIndex;
    int pageNo;      // 0 with isLink
    bool isLink;
    int expected;    // with two entries already present in a three-page document
};

// A document of three pages that already holds entries 0 and 1.
const AdditionCase kAdditions[] = {
    {"before BeginDoc", Moment::BeforeBeginDoc, -1, 1, false, -1},
    {"after EndDoc", Moment::AfterEndDoc, -1, 1, false, -1},
    {"link before BeginDoc", Moment::BeforeBeginDoc, -1, 0, true, -1},
    {"page 0", Moment::InDocument, -1, 0, false, -1},
    {"page one past the pages begun", Moment::InDocument, -1, 4, false, -1},
    {"last page begun", Moment::InDocument, -1, 3, false, 2},
    {"parent -2", Moment::InDocument, -2, 1, false, -1},
    {"parent equal to the entry count", Moment::InDocument, 2, 1, false, -1},
    {"parent equal to the last index", Moment::InDocument, 1, 1, false, 2},
    {"link with parent -2", Moment::InDocument, -2, 0, true, -1},
    {"link with parent equal to the entry count", Moment::InDocument, 2, 0, true, -1},
    {"link nested under the first entry", Moment::InDocument, 0, 0, true, 2},
};

class OutlineAdditionTest : public PdfWriterTest {};

TEST_F(OutlineAdditionTest, AcceptsOnlyOpenDocumentsExistingParentsAndBegunPages) {
    for (const AdditionCase& c : kAdditions) {
        SCOPED_TRACE(c.name);
        auto engine = MakeEngine(std::string("add") + std::to_string(&c - kAdditions));
        const auto add = [&] {
            return c.isLink ? engine->AddOutlineLink(u"X", c.parentIndex, "http://example.org/")
                            : engine->AddOutlineEntry(u"X", c.parentIndex, c.pageNo, 10.0);
        };
        if (c.moment == Moment::BeforeBeginDoc) {
            EXPECT_EQ(add(), c.expected);
            EXPECT_TRUE(engine->OutlineEntries().empty());
            continue;
        }
        engine->BeginDoc();
        engine->NewPage();
        engine->NewPage();
        ASSERT_EQ(engine->AddOutlineEntry(u"A", -1, 1, 0.0), 0);
        ASSERT_EQ(engine->AddOutlineEntry(u"B", -1, 2, 0.0), 1);
        if (c.moment == Moment::AfterEndDoc) {
            engine->EndDoc();
            EXPECT_EQ(add(), c.expected);
            EXPECT_TRUE(engine->OutlineEntries().empty());
            continue;
        }
        EXPECT_EQ(add(), c.expected);
        EXPECT_EQ(engine->OutlineEntries().size(), c.expected == -1 ? 2u : 3u);
        engine->EndDoc();
    }
}

TEST_F(OutlineAdditionTest, StoresTheEntryAsGivenAndStartsEachDocumentEmpty) {
    auto engine = MakeEngine();
    engine->SetMeasurementUnit(muInches);
    engine->BeginDoc();
    ASSERT_EQ(engine->AddOutlineEntry(u"Title", -1, 1, 2.5), 0);
    ASSERT_EQ(engine->AddOutlineLink(u"Link", 0, " http://example.org/ "), 1);
    const std::vector<TveTOCItem>& entries = engine->OutlineEntries();
    EXPECT_EQ(entries[0].Title, u"Title");
    EXPECT_EQ(entries[0].PageNo, 1);
    EXPECT_EQ(entries[0].ParentIndex, -1);
    EXPECT_EQ(entries[0].Left, 0.0);
    EXPECT_EQ(entries[0].Top, 2.5);  // not converted from the unit
    EXPECT_TRUE(entries[0].URL.empty());
    EXPECT_EQ(entries[1].PageNo, 0);
    EXPECT_EQ(entries[1].ParentIndex, 0);
    EXPECT_EQ(entries[1].URL, " http://example.org/ ");
    engine->EndDoc();

    engine->BeginDoc();
    EXPECT_TRUE(engine->OutlineEntries().empty());
    EXPECT_EQ(engine->AddOutlineEntry(u"Again", -1, 1, 0.0), 0);
    engine->EndDoc();
}

}  // namespace
}  // namespace slidemint
