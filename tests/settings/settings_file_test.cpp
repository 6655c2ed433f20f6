#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "app/settings/ini_file.hpp"
#include "app/settings/settings_file.hpp"

namespace slidemint {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("slidemint-settings-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        file_ = (folder_ / "slidemint-gui.ini").string();
        fs::remove(file_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void writeFile(const std::string& text) { std::ofstream(file_, std::ios::binary) << text; }
    std::string fileText() const {
        std::ifstream in(file_, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static TStoredSettings startValues() {
        TStoredSettings values;
        values.ExportFolder = "/home/user/Export/";
        return values;
    }

    fs::path folder_;
    std::string file_;
};

TEST_F(SettingsFileTest, MissingFileGivesEveryDefault) {
    const TStoredSettings loaded = LoadSettings(file_, startValues());
    EXPECT_EQ(loaded.ExportFolder, "/home/user/Export/");
    EXPECT_TRUE(loaded.NotePage);
    EXPECT_FALSE(loaded.Toc);
    EXPECT_EQ(loaded.Quality, 0);
    EXPECT_FALSE(loaded.FullScreen || loaded.Animation || loaded.ToolBar);
}

TEST_F(SettingsFileTest, ReadsValuesByTheirRules) {
    struct Case {
        const char* text;
        TStoredSettings expected;
    };
    const Case cases[] = {
        {"[Directory]\nExport=/out/\n[Setting]\nNotePage=0\nToc=1\nQuality=7\n"
         "FullScreen=1\nAnimation=1\nToolBar=1\n",
         {"/out/", false, true, 7, true, true, true}},
        // Case-insensitive names, CR LF lines, any non-zero integer is true.
        {"[directory]\r\nexport = /crlf/ \r\n[SETTING]\r\ntoc=-3\r\nquality=2\r\n",
         {"/crlf/", true, true, 2, false, false, false}},
        // An empty folder keeps the current one; words are not numbers.
        {"[Directory]\nExport=\n[Setting]\nNotePage=yes\nQuality=high\nToc=1x\n",
         {"/home/user/Export/", true, false, 0, false, false, false}},
    };
    for (const Case& c : cases) {
        writeFile(c.text);
        const TStoredSettings got = LoadSettings(file_, startValues());
        SCOPED_TRACE(c.text);
        EXPECT_EQ(got.ExportFolder, c.expected.ExportFolder);
        EXPECT_EQ(got.NotePage, c.expected.NotePage);
        EXPECT_EQ(got.Toc, c.expected.Toc);
        EXPECT_EQ(got.Quality, c.expected.Quality);
        EXPECT_EQ(got.FullScreen, c.expected.FullScreen);
        EXPECT_EQ(got.Animation, c.expected.Animation);
        EXPECT_EQ(got.ToolBar, c.expected.ToolBar);
    }
}

TEST_F(SettingsFileTest, TwoSavesInARowWriteTheFolderOnceAndRememberIt) {
    TStoredSettings values = startValues();
    values.Quality = 2;
    values.Toc = true;
    ASSERT_TRUE(SaveSettings(file_, values));
    EXPECT_EQ(fileText(),
              "[Directory]\nExport=/home/user/Export/\n\n[Setting]\nSelect=\nNotePage=1\nToc=1\n"
              "Quality=2\nFullScreen=0\nAnimation=0\nToolBar=0\n");
    ASSERT_TRUE(SaveSettings(file_, values));
    const TIniFile ini(file_);
    EXPECT_EQ(ini.ReadString("Setting", "Select", "?"), "/home/user/Export/");
    EXPECT_EQ(ini.ReadString("Directory", "Export", "?"), "/home/user/Export/");
    EXPECT_EQ(LoadSettings(file_, TStoredSettings{}).Quality, 2);
}

TEST_F(SettingsFileTest, SavingKeepsForeignLinesAndChangesOnlyItsKeys) {
    writeFile("; kept\n[Other]\nKey=Value\n[Setting]\nQuality=3\nExtra=1\n");
    ASSERT_TRUE(SaveSettings(file_, startValues()));
    const TIniFile ini(file_);
    EXPECT_EQ(ini.ReadString("Other", "Key", ""), "Value");
    EXPECT_EQ(ini.ReadString("Setting", "Extra", ""), "1");
    EXPECT_EQ(ini.ReadInteger("Setting", "Quality", -1), 0);
    EXPECT_EQ(fileText().rfind("; kept\n", 0), 0U);
}

TEST_F(SettingsFileTest, UnwritableFileIsReportedNotThrown) {
    EXPECT_FALSE(SaveSettings((folder_ / "missing" / "x.ini").string(), startValues()));
}

TEST(SettingsFileLocationTest, BesideTheExecutableOrInTheConfigFolder) {
    EXPECT_EQ(SettingsFileLocation("/opt/sm/bin/slidemint-gui", true, "/cfg"),
              "/opt/sm/bin/slidemint-gui.ini");
    EXPECT_EQ(SettingsFileLocation("/usr/bin/slidemint-gui", false, "/home/u/.config"),
              "/home/u/.config/slidemint-gui.ini");
    EXPECT_EQ(SettingsFileLocation("/opt/a.b/tool.exe", true, "/cfg"), "/opt/a.b/tool.ini");
}

}  // namespace
}  // namespace slidemint
