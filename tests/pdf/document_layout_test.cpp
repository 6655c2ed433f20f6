// The file skeleton the writer produces, checked byte for byte.
#include <gtest/gtest.h>
#include <zlib.h>

#include <regex>
#include <string>
#include <vector>

#include "pdf/pdf_format.hpp"
#include "pdf_test_support.hpp"
#include "pdf_tools.hpp"

namespace slidemint {
namespace {

using pdf_test::PdfWriterTest;

// Builds the expected file the way a reader would check it: each object's
// offset is where its text starts.
class ExpectedFile {
public:
    ExpectedFile() : text_("%PDF-1.4\r\n%\xE2\xE3\xCF\xD3\r\n") {}

    void Object(int number, const std::string& text) {
        if (offsets_.size() <= static_cast<std::size_t>(number)) offsets_.resize(number + 1, 0);
        offsets_[number] = text_.size();
        text_ += std::to_string(number) + " 0 obj\r\n" + text;
    }

    std::string Finish(const std::string& trailerEntries) {
        const std::size_t xref = text_.size();
        text_ += "xref\r\n0 " + std::to_string(offsets_.size()) + "\r\n0000000000 65535 f\r\n";
        for (std::size_t k = 1; k < offsets_.size(); ++k) {
            char line[32];
            std::snprintf(line, sizeof line, "%.10zu 00000 n\r\n", offsets_[k]);
            text_ += line;
        }
        text_ += "trailer\r\n<<\r\n" + trailerEntries + "\r\n>>\r\nstartxref\r\n" + std::to_string(xref) +
                 "\r\n%%EOF";
        return text_;
    }

private:
    std::string text_;
    std::vector<std::size_t> offsets_;
};

const std::string kA4Page =
    "/MediaBox [0 0 595.2744 841.8888]/Resources 5 0 R";
const std::string kA4Content =
    "q 1.0000 0 0 1.0000 0 0 cm\r\n"
    "\r\nq\r\n1.0000 1.0000 1.0000 rg n 0.0000 0.0000 595.2744 841.8888 re f \r\n\r\nQ"
    "\r\nQ\r\n";
const std::string kDefaultTransition = "/Dur 1/Trans <</Type/Trans/D 1/S/R >>";

void AddPage(ExpectedFile& file, int number) {
    file.Object(number, "<<\r\n/Type/Page/Parent 2 0 R" + kA4Page + "/Contents " + ObjectRef(number + 1) +
                            kDefaultTransition + "\r\n>>\r\nendobj\r\n");
    file.Object(number + 1, "<<\r\n/Length " + ObjectRef(number + 2) + "\r\n>>\r\nstream\r\n" + kA4Content +
                                "\r\nendstream\r\nendobj\r\n");
    file.Object(number + 2, std::to_string(kA4Content.size()) + "\r\nendobj\r\n");
}

std::string ExpectedDocument(const std::vector<int>& pageObjects, int size) {
    ExpectedFile file;
    file.Object(1, "<<\r\n/Type/Catalog/Pages 2 0 R/PageMode/UseNone/PageLayout/OneColumn"
                   "/ViewerPreferences << >>\r\n>>\r\nendobj\r\n");
    std::string kids;
    for (int page : pageObjects) {
        AddPage(file, page);
        kids += (kids.empty() ? "" : " ") + ObjectRef(page);
    }
    file.Object(2, "<<\r\n/Type/Pages/Count " + std::to_string(pageObjects.size()) + "/Kids [" + kids +
                       "]\r\n>>\r\nendobj\r\n");
    file.Object(5, "<<\r\n/ProcSet 4 0 R\r\n>>\r\nendobj\r\n");
    file.Object(4, "[/PDF /Text /ImageC]\r\nendobj\r\n");
    const std::string date = StrToHex(pdf_test::kFixedCreationDate);
    file.Object(3, "<<\r\n/CreationDate <" + date + ">/ModDate <" + date + ">/Producer <" +
                       StrToHex("Korvella Pressline V2.1") + ">\r\n>>\r\nendobj\r\n");
    return file.Finish("/Root 1 0 R/Info 3 0 R/Size " + std::to_string(size));
}

TEST_F(PdfWriterTest, OneEmptyPageIsWrittenByteForByte) {
    auto engine = MakeEngine();
    engine->Compression().Enabled = false;
    engine->BeginDoc();
    engine->EndDoc();
    const std::string bytes = pdf_test::ReadFile(PathOf());
    EXPECT_EQ(bytes, ExpectedDocument({6}, 9));
    SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
    EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf()));
}

TEST_F(PdfWriterTest, TwoPagesTakeThreeNumbersEach) {
    auto engine = MakeEngine();
    engine->Compression().Enabled = false;
    engine->BeginDoc();
    engine->NewPage();
    engine->EndDoc();
    EXPECT_EQ(pdf_test::ReadFile(PathOf()), ExpectedDocument({6, 9}, 12));
}

TEST_F(PdfWriterTest, ASecondDocumentFromTheSameEngineGivesTheSameFile) {
    const std::string expected = ExpectedDocument({6, 9, 12}, 15);
    auto engine = MakeEngine();
    engine->Compression().Enabled = false;
    for (int document = 1; document <= 2; ++document) {
        engine->BeginDoc();
        engine->NewPage();
        engine->NewPage();
        engine->EndDoc();
        EXPECT_EQ(pdf_test::ReadFile(PathOf()), expected) << "document " << document;
    }
}

// Page by page, the catalog goes out with the first page, before any later
// outline entry is known, so it always points at an outline root (empty
// when no entry comes).
TEST_F(PdfWriterTest, PageByPageOutputKeepsItsPagesAndReservesTheOutlineRoot) {
    auto engine = MakeEngine();
    engine->Compression().Enabled = false;
    engine->Preferences().SetProcessAfterEachPage(true);
    engine->BeginDoc();
    engine->NewPage();
    engine->NewPage();
    engine->EndDoc();
    const std::string bytes = pdf_test::ReadFile(PathOf());
    EXPECT_NE(bytes.find("/Outlines 6 0 R"), std::string::npos);
    EXPECT_NE(bytes.find("/Count 0"), std::string::npos);
    EXPECT_NE(bytes.find("/Kids [7 0 R 10 0 R 13 0 R]"), std::string::npos);
    SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
    EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf()));
    SLIDEMINT_SKIP_UNLESS_TOOL("pdfinfo");
    EXPECT_EQ(pdf_tools::ReadPdfInfo(PathOf()).pages, 3);
}

TEST_F(PdfWriterTest, XrefLinesAreTwentyBytesAndStartxrefPointsAtXref) {
    auto engine = MakeEngine();
    engine->BeginDoc();
    engine->NewPage();
    engine->NewPage();
    engine->EndDoc();
    const std::string bytes = pdf_test::ReadFile(PathOf());
    ASSERT_GE(bytes.size(), 5u);
    EXPECT_EQ(bytes.substr(bytes.size() - 5), "%%EOF");
    const std::size_t startxref = bytes.rfind("startxref\r\n");
    ASSERT_NE(startxref, std::string::npos);
    const std::size_t xref = std::stoul(bytes.substr(startxref + 11));
    ASSERT_EQ(bytes.compare(xref, 6, "xref\r\n"), 0);
    const std::size_t trailer = bytes.find("trailer\r\n", xref);
    const std::string table = bytes.substr(xref + 6, trailer - xref - 6);
    EXPECT_EQ(table.substr(0, 6), "0 15\r\n");
    const std::string lines = table.substr(6);
    ASSERT_EQ(lines.size(), 15u * 20u);
    const std::regex line("\\d{10} \\d{5} [nf]\r\n");
    for (std::size_t k = 0; k < 15; ++k) {
        const std::string entry = lines.substr(k * 20, 20);
        EXPECT_TRUE(std::regex_match(entry, line)) << entry;
        if (k == 0) continue;
        const std::size_t offset = std::stoul(entry.substr(0, 10));
        EXPECT_EQ(bytes.compare(offset, std::to_string(k).size() + 6, std::to_string(k) + " 0 obj"), 0)
            << "object " << k;
    }
}

TEST_F(PdfWriterTest, CompressedContentInflatesToThePageOperators) {
    for (auto level : {TveCompressionLevel::clFastest, TveCompressionLevel::clNormal,
                       TveCompressionLevel::clMaxCompress}) {
        auto engine = MakeEngine();
        engine->Compression().Level = level;
        engine->BeginDoc();
        engine->EndDoc();
        const std::string bytes = pdf_test::ReadFile(PathOf());
        const std::string head = "7 0 obj\r\n<<\r\n/Length 8 0 R/Filter /FlateDecode\r\n>>\r\nstream\r\n";
        const std::size_t start = bytes.find(head);
        ASSERT_NE(start, std::string::npos);
        const std::size_t data = start + head.size();
        const std::size_t end = bytes.find("\r\nendstream", data);
        const std::string compressed = bytes.substr(data, end - data);
        EXPECT_NE(bytes.find("8 0 obj\r\n" + std::to_string(compressed.size()) + "\r\nendobj"),
                  std::string::npos);
        std::string plain(kA4Content.size() + 16, '\0');
        uLongf size = static_cast<uLongf>(plain.size());
        ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(plain.data()), &size,
                             reinterpret_cast<const Bytef*>(compressed.data()), compressed.size()),
                  Z_OK);
        plain.resize(size);
        EXPECT_EQ(plain, kA4Content);
        SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
        EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf()));
    }
}

}  // namespace
}  // namespace slidemint
