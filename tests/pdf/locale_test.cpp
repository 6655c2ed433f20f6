// Numbers keep "." as decimal point whatever locale the program runs in.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <string>

#include "pdf/pdf_format.hpp"
#include "pdf_test_support.hpp"

namespace slidemint {
namespace {

using pdf_test::PdfWriterTest;

// Switches the C and C++ global locales to a German one for the life of the
// object; generates the locale once when the system lacks it and may.
class GermanLocale {
public:
    GermanLocale() : savedC_(std::setlocale(LC_ALL, nullptr)), savedCpp_() {
        // Generate first: a failed lookup is cached for the life of the process.
        if (!Listed()) Generate();
        active_ = Activate();
    }
    ~GermanLocale() {
        std::setlocale(LC_ALL, savedC_.c_str());
        std::locale::global(savedCpp_);
    }
    bool active() const { return active_; }

private:
    static constexpr const char* kName = "de_DE.UTF-8";

    static bool Activate() {
        if (!std::setlocale(LC_ALL, kName)) return false;
        try {
            std::locale::global(std::locale(kName));
        } catch (const std::runtime_error&) {
            return false;
        }
        return std::string(std::localeconv()->decimal_point) == ",";
    }
    static bool Listed() {
        return std::system("locale -a 2>/dev/null | grep -qix 'de_DE.utf-\\?8'") == 0;
    }
    static bool Generate() {
        return std::system("localedef -i de_DE -f UTF-8 de_DE.UTF-8 >/dev/null 2>&1") == 0;
    }

    std::string savedC_;
    std::locale savedCpp_;
    bool active_ = false;
};

std::string WriteA4Document(pdf_test::PdfWriterTest&, std::unique_ptr<TvePDFEngine> engine,
                            const std::filesystem::path& path) {
    engine->Compression().Enabled = false;
    engine->BeginDoc();
    engine->EndDoc();
    return pdf_test::ReadFile(path);
}

TEST_F(PdfWriterTest, DecimalCommaLocaleDoesNotChangeTheFile) {
    const std::string plain = WriteA4Document(*this, MakeEngine("c"), PathOf("c"));
    GermanLocale german;
    if (!german.active()) GTEST_SKIP() << "no de_DE.UTF-8 locale (install the locales package)";
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.1f", 1.5);
    ASSERT_STREQ(printed, "1,5");  // the locale is really in force

    EXPECT_EQ(FormatReal(595.2744), "595.2744");
    EXPECT_EQ(RgbToText(0x00FFFFFF), "1.0000 1.0000 1.0000");
    const std::string german_bytes = WriteA4Document(*this, MakeEngine("c"), PathOf("c"));
    EXPECT_EQ(german_bytes, plain);
    EXPECT_NE(german_bytes.find("595.2744 841.8888"), std::string::npos);
}

}  // namespace
}  // namespace slidemint
