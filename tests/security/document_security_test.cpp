// The writer's view of a document's security: pass-through while off, one
// handler from the first page to the end of the document while on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pdf/security/document_security.hpp"

namespace slidemint {
namespace {

constexpr char Name[] = "/out/deckpdf";
constexpr char Date[] = "D:20240131120000+01'00'";

TEST(DocumentSecurity, WithoutEncryptionEverythingPassesUnchanged) {
    TvePDFDocumentSecurity security;
    security.Begin(Name, Date, TvePDFEncryptionSettings{});  // Enabled is false
    EXPECT_FALSE(security.Active());
    EXPECT_EQ(security.EncryptString(std::string("a\0b ", 4), 3), std::string("a\0b ", 4));
    std::vector<std::uint8_t> stream = {1, 2, 3};
    security.EncryptStream(stream, stream.size(), 7);
    EXPECT_EQ(stream, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(security.EncryptionDictionary(9), "");
    EXPECT_EQ(security.TrailerEntries(), "");
}

TEST(DocumentSecurity, HandlerLivesFromBeginToEnd) {
    TvePDFEncryptionSettings settings;
    settings.Enabled = true;
    TvePDFDocumentSecurity security;
    security.Begin(Name, Date, settings);
    ASSERT_TRUE(security.Active());
    EXPECT_NE(security.EncryptString("plain", 3), "plain");
    EXPECT_EQ(security.TrailerEntries(), "") << "no /Encrypt before the dictionary has a number";
    EXPECT_EQ(security.EncryptionDictionary(12).substr(0, 11), "/V 2/R 3/P ");
    EXPECT_NE(security.TrailerEntries().find("/Encrypt 12 0 R"), std::string::npos);
    security.End();
    EXPECT_FALSE(security.Active());
    EXPECT_EQ(security.EncryptString("plain", 3), "plain");
    EXPECT_EQ(security.TrailerEntries(), "");
}

TEST(DocumentSecurity, SettingsChangedAfterBeginDoNotReachTheDocument) {
    TvePDFEncryptionSettings settings;
    settings.Enabled = true;
    settings.Level = TvePDFEncryptionLevel::el40bit;
    TvePDFDocumentSecurity security;
    security.Begin(Name, Date, settings);
    const std::string before = security.EncryptString("text", 3);
    settings.Level = TvePDFEncryptionLevel::el128bit;
    settings.Enabled = false;
    settings.UserPassword = "changed";
    EXPECT_EQ(security.EncryptString("text", 3), before);
    EXPECT_EQ(security.EncryptionDictionary(9).substr(0, 8), "/V 1/R 2");
}

TEST(DocumentSecurity, SettingsAssignCopiesEveryValue) {
    TvePDFEncryptionSettings source;
    source.Enabled = true;
    source.Level = TvePDFEncryptionLevel::el40bit;
    source.OwnerPassword = "o";
    source.UserPassword = "u";
    source.UserPermissions = {TveUserPermissionsType::AllowCopy};
    TvePDFEncryptionSettings copy;
    copy.Assign(source);
    source.UserPassword = "later";
    EXPECT_TRUE(copy.Enabled);
    EXPECT_EQ(copy.Level, TvePDFEncryptionLevel::el40bit);
    EXPECT_EQ(copy.OwnerPassword, "o");
    EXPECT_EQ(copy.UserPassword, "u");
    EXPECT_EQ(copy.UserPermissions.ToByte(), 1);
}

}  // namespace
}  // namespace slidemint
