#include <gtest/gtest.h>

#include <map>

#include "engine/placeholders.hpp"
#include "test_support.hpp"

namespace slidemint {
namespace {

using testing::FixedEnvironment;
using testing::RecordingEngine;

class PlaceholdersTest : public FixedEnvironment {
protected:
    void SetUp() override {
        FixedEnvironment::SetUp();
        engine.DocInfo().SetAuthor(u"Ann");
        engine.DocInfo().SetCreator(u"Slidemint");
        engine.DocInfo().SetSubject(u"Sales");
        engine.DocInfo().SetTitle(u"Q1");
        engine.DocInfo().SetKeywords(u"kw");
    }
    // A handler that answers "[name]" and records the names it was asked.
    void answerWithBrackets() {
        engine.OnCalcVariables = [this](TveCustomDocumentEngine&, const std::string& name, std::string& value) {
            asked.push_back(name);
            EXPECT_TRUE(value.empty());
            value = "[" + name + "]";
        };
    }
    std::u16string expand(const std::u16string& text, bool withPages = false) {
        return engine.ExpandVariables(text, withPages);
    }

    RecordingEngine engine;
    std::vector<std::string> asked;
};

TEST_F(PlaceholdersTest, BuiltInTokensIgnoreLetterCase) {
    struct Case {
        std::u16string text;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"<%Author%>/<%author%>/<%AUTHOR%>", u"Ann/Ann/Ann"},
        {u"<%Creator%> <%Subject%> <%Title%> <%Keywords%>", u"Slidemint Sales Q1 <%Keywords%>"},
        {u"<%ShortDate%> <%ShortTime%>", u"05.03.2024 14:07"},
        {u"<%LongDate%>, <%LongTime%>", u"Tuesday, 05 March 2024, 14:07:09"},
        {u"<%Pg#%> of <%PgCnt%>", u"<%Pg#%> of <%PgCnt%>"},  // page tokens only with page numbers
        {u"<%Other%>", u"<%Other%>"},                         // no handler: left as typed
        {u"", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(expand(c.text), c.expected);
}

TEST_F(PlaceholdersTest, CalculateVariablesOffLeavesEverything) {
    engine.Preferences().SetCalculateVariables(false);
    answerWithBrackets();
    EXPECT_EQ(expand(u"<%Pg#%> <%Author%> <%x%>", true), u"<%Pg#%> <%Author%> <%x%>");
    EXPECT_TRUE(asked.empty());
}

TEST_F(PlaceholdersTest, HandlerScanCases) {
    struct Case {
        std::u16string text;
        std::u16string expected;
        std::vector<std::string> asked;
    };
    const Case cases[] = {
        {u"a<%x%>b<%y%>c<%x%>", u"a[x]b[y]c[x]", {"x", "y"}},
        {u"<%%>", u"<%%>", {}},                              // empty name left alone
        {u"<%a<%b%>", u"<%a<%b%>", {}},                      // inner opener one character later
        {u"<%ab<%c%>", u"<%ab[c]", {"c"}},                   // two characters: inner name handed over
        {u"<%pgcnt%> <%PgCnt%>", u"[pgcnt] [pgcnt]", {"pgcnt"}},  // lower-case token goes to the handler
        {u"<%PgCnt%> <%Pg#%> <%z%>", u"<%PgCnt%> <%Pg#%> [z]", {"z"}},
        {u"<%open", u"<%open", {}},
        {u"%> <%x%>", u"%> [x]", {"x"}},
    };
    answerWithBrackets();
    for (const Case& c : cases) {
        asked.clear();
        EXPECT_EQ(expand(c.text), c.expected);
        EXPECT_EQ(asked, c.asked) << std::string(c.text.begin(), c.text.end());
    }
}

TEST_F(PlaceholdersTest, EmptyValueRemovesThePlaceholder) {
    engine.OnCalcVariables = [](TveCustomDocumentEngine&, const std::string&, std::string& value) { value.clear(); };
    EXPECT_EQ(expand(u"a<%gone%>b"), u"ab");
}

TEST_F(PlaceholdersTest, HandlerValuesComeFromTheSystemCodePage) {
    engine.OnCalcVariables = [](TveCustomDocumentEngine&, const std::string& name, std::string& value) {
        EXPECT_EQ(name, "caf\xE9");
        value = "\x80";  // the euro sign in CP1252
    };
    EXPECT_EQ(expand(u"<%caf\u00E9%>"), u"\u20AC");
}

TEST_F(PlaceholdersTest, ValueHoldingItsOwnPlaceholderDoesNotLoop) {
    int calls = 0;
    engine.OnCalcVariables = [&](TveCustomDocumentEngine&, const std::string&, std::string& value) {
        ++calls;
        value = "xx<%self%>";
    };
    EXPECT_EQ(expand(u"<%self%>!"), u"xx<%self%>!");
    EXPECT_EQ(calls, 1);
}

TEST_F(PlaceholdersTest, PageNumbersDependOnWhenPagesAreRendered) {
    for (bool afterEachPage : {false, true}) {
        RecordingEngine e;
        e.Preferences().SetProcessAfterEachPage(afterEachPage);
        e.textToExpand = u"<%Pg#%>/<%pgcnt%>";
        e.BeginDoc();
        for (int i = 0; i < 4; ++i) e.NewPage();
        e.EndDoc();
        ASSERT_EQ(e.pageTexts.size(), 5u);
        EXPECT_EQ(e.pageTexts[1], afterEachPage ? "2/2" : "2/5");
    }
}

TEST(ReplaceIgnoringCaseTest, DoesNotRescanInsertedText) {
    EXPECT_EQ(ReplaceIgnoringCase(u"aAa", u"a", u"aa"), u"aaaaaa");
    EXPECT_EQ(ReplaceIgnoringCase(u"x", u"", u"y"), u"x");
}

}  // namespace
}  // namespace slidemint
