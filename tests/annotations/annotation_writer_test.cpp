// The annotation object text, built against a stand-in for the PDF writer.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "pdf/annotations/annotation_writer.hpp"
#include "pdf/pdf_format.hpp"

namespace slidemint {
namespace {

// Encrypts by a caller-chosen function, so a test can make the cipher emit
// any byte it likes.
class StubServices final : public TveAnnotationServices {
public:
    void WriteObject(std::string_view body, int objectNumber) override {
        written.emplace_back(objectNumber, std::string(body));
    }
    std::string TextToPdfHex(std::u16string_view text, int objectNumber) override {
        return StrToHex(EncryptString(Utf16BeWithMark(text), objectNumber));
    }
    std::string EncryptString(std::string_view bytes, int objectNumber) override {
        return encrypt(std::string(bytes), objectNumber);
    }
    std::string ColorToRGBText(TColor color) const override { return RgbToText(color); }
    std::optional<double> PageHeight(int pageNumber) const override {
        if (pageNumber == 1) return 576.0;
        return std::nullopt;
    }
    double PointsPerPixel() const override { return 0.75; }

    std::function<std::string(std::string, int)> encrypt = [](std::string bytes, int) { return bytes; };
    std::vector<std::pair<int, std::string>> written;
};

TEST(AnnotationWriterTest, DatesCarryTheFixedZone) {
    EXPECT_EQ(AnnotationDate({2024, 3, 9, 7, 5, 4, 999}), "D:20240309070504+05'30'");
    EXPECT_EQ(AnnotationDate({1999, 12, 31, 23, 59, 59, 0}), "D:19991231235959+05'30'");
}

TEST(AnnotationWriterTest, NamesEveryIconAndFallsBackToNote) {
    const std::vector<std::string> names = {"Comment", "Key", "Note", "Help", "NewParagraph", "Paragraph",
                                            "Insert", "Note", "Note"};
    for (std::size_t icon = 0; icon < names.size(); ++icon)
        EXPECT_EQ(TextAnnotIconName(static_cast<std::uint8_t>(icon == 8 ? 255 : icon)), names[icon]);
}

TEST(AnnotationWriterTest, EncryptsEveryStringWithTheAnnotationsNumber) {
    StubServices services;
    services.encrypt = [](std::string bytes, int object) { return bytes + "#" + std::to_string(object); };
    TveAnnotationList list;
    auto annot = std::make_unique<TvePDFTextAnnot>();
    annot->Rect = {10, 20, 30, 40};
    annot->PageNo = 1;
    annot->Title = u"T";
    annot->Subject = u"S";
    annot->Contents = u"C";
    annot->Color = 0x0000FF;
    list.Add(42, std::move(annot));
    WriteAnnotationObjects(list, {2024, 3, 9, 7, 5, 4, 0}, services);

    const auto hex = [](const std::string& text) { return StrToHex(std::string("\xFE\xFF\0", 3) + text + "#42"); };
    ASSERT_EQ(services.written.size(), 1u);
    EXPECT_EQ(services.written[0].first, 42);
    EXPECT_EQ(services.written[0].second,
              "/Type /Annot/Rect [7.5000 561.0000 22.5000 546.0000]/Subtype /Text /T <" + hex("T") +
                  ">/C [1.0000 0.0000 0.0000]/Subj<" + hex("S") + ">/M(D:20240309070504+05'30'#42)/Name /Note"
                  "/Contents <" + hex("C") + ">/Open false\r\n");
}

// Whatever bytes the cipher produces must reach the reader unchanged:
// tabs stay tabs, the delimiters and line ends are escaped.
TEST(AnnotationWriterTest, EscapesEncryptedDateBytesWithoutLosingAny) {
    struct Case {
        std::string cipher;
        std::string written;
    };
    const Case cases[] = {
        {"a\tb", "a\\tb"},
        {"\t\t", "\\t\\t"},
        {"(x)\\", "\\(x\\)\\\\"},
        {"\r\n\b\f", "\\r\\n\\b\\f"},
        {std::string("\0\xFF", 2), std::string("\0\xFF", 2)},
    };
    for (const Case& c : cases) {
        StubServices services;
        services.encrypt = [&](std::string bytes, int) { return bytes.rfind("D:", 0) == 0 ? c.cipher : bytes; };
        TvePDFTextAnnot annot;
        const std::string body = TextAnnotationBody(annot, 6, "D:20240309070504+05'30'", services);
        EXPECT_NE(body.find("/M(" + c.written + ")/Name"), std::string::npos) << body;
    }
}

TEST(AnnotationWriterTest, ListsPageReferencesInTheOrderAdded) {
    TveAnnotationList list;
    const int pages[] = {2, 1, 2, 3, 2};
    for (int i = 0; i < 5; ++i) {
        auto annot = std::make_unique<TvePDFTextAnnot>();
        annot->PageNo = pages[i];
        list.Add(10 + i, std::move(annot));
    }
    EXPECT_EQ(list.PageReferences(2), " 10 0 R 12 0 R 14 0 R");
    EXPECT_EQ(list.PageReferences(1), " 11 0 R");
    EXPECT_EQ(list.PageReferences(4), "");
}

}  // namespace
}  // namespace slidemint
