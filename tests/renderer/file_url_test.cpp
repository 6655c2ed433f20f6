#include <gtest/gtest.h>

#include "app/renderer/file_url.hpp"

namespace slidemint {
namespace {

TEST(FileUrl, EncodesEveryByteOutsideTheUnreservedSet) {
    struct Case {
        const char* path;
        const char* url;
    };
    const Case cases[] = {
        {"/tmp/Talk.ppt", "file:///tmp/Talk.ppt"},
        {"/tmp/a b/c#1%.ppt", "file:///tmp/a%20b/c%231%25.ppt"},
        {"/tmp/x;y?z&=.bmp", "file:///tmp/x%3By%3Fz%26%3D.bmp"},
        {"/tmp/\xC3\xA9t\xC3\xA9.ppt", "file:///tmp/%C3%A9t%C3%A9.ppt"},
        {"/tmp/./dir/../Slide0001.bmp", "file:///tmp/Slide0001.bmp"},
    };
    for (const auto& c : cases) EXPECT_EQ(fileUrlFromPath(c.path), c.url) << c.path;
}

TEST(FileUrl, MakesRelativePathsAbsolute) {
    auto url = fileUrlFromPath("deck.ppt");
    EXPECT_EQ(url.rfind("file:///", 0), 0u) << url;
    EXPECT_EQ(url.substr(url.size() - 9), "/deck.ppt");
}

}  // namespace
}  // namespace slidemint
