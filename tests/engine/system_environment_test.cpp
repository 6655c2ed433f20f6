#include <gtest/gtest.h>

#include "platform/code_page.hpp"
#include "platform/system_environment.hpp"
#include "test_support.hpp"

namespace slidemint {
namespace {

using testing::FixedEnvironment;

class SystemEnvironmentTest : public FixedEnvironment {};

TEST_F(SystemEnvironmentTest, EveryValueCanBeFixed) {
    SystemEnvironment& environment = SystemEnvironment::current();
    EXPECT_EQ(environment.now(), (LocalDateTime{2024, 3, 5, 14, 7, 9, 0}));
    EXPECT_EQ(environment.timeZoneBiasMinutes(), -60);
    EXPECT_EQ(environment.screenPPI(), 96);
    EXPECT_EQ(environment.codePage(), "CP1252");
    EXPECT_EQ(environment.dateTimeFormats().shortDate, "%d.%m.%Y");
    EXPECT_THROW(environment.setCodePage("NO-SUCH-CODE-PAGE"), std::invalid_argument);
}

TEST_F(SystemEnvironmentTest, FormatsDatesWithTheFixedPatterns) {
    SystemEnvironment& environment = SystemEnvironment::current();
    struct Case {
        LocalDateTime moment;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {{2024, 2, 29, 0, 0, 0, 0}, "%A %j", "Thursday 060"},
        {{1999, 12, 31, 23, 59, 58, 0}, "%Y%m%d%H%M%S", "19991231235958"},
        {{1970, 1, 1, 0, 0, 0, 0}, "%a %b", "Thu Jan"},
        {{2023, 10, 1, 9, 5, 0, 0}, "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(environment.formatDateTime(c.pattern, c.moment), c.expected);
}

TEST_F(SystemEnvironmentTest, SystemValuesAreSane) {
    SystemEnvironment::current().resetToSystem();
    const int bias = systemTimeZoneBiasMinutes();
    EXPECT_GE(bias, -14 * 60);
    EXPECT_LE(bias, 12 * 60);
    EXPECT_GT(systemScreenPPI(), 0);
    const DateTimeFormats formats = systemDateTimeFormats();
    EXPECT_FALSE(formats.shortDate.empty());
    EXPECT_FALSE(formats.longDate.empty());
    EXPECT_EQ(formats.shortTime.find("%S"), std::string::npos);
}

TEST(CodePageTest, ConvertsBothWays) {
    const CodePage cp1252("CP1252");
    EXPECT_EQ(cp1252.toUtf16("caf\xE9 \x80"), u"caf\u00E9 \u20AC");
    EXPECT_EQ(cp1252.fromUtf16(u"caf\u00E9 \u20AC"), "caf\xE9 \x80");
    EXPECT_EQ(cp1252.fromUtf16(u"a\u4E2Db\U0001F600c"), "a?b?c");  // unmappable, surrogate pair
    EXPECT_EQ(cp1252.toUtf16("\x81"), u"\u0081");                   // unused byte keeps its value
    EXPECT_EQ(CodePage("CP932").toUtf16("\x93\xfa"), u"\u65E5");
    EXPECT_THROW(CodePage("NO-SUCH-CODE-PAGE"), std::invalid_argument);
}

}  // namespace
}  // namespace slidemint
