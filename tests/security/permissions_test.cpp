// The /P value and the text of the encryption dictionary and trailer entries.
#include <gtest/gtest.h>

#include <string>

#include "pdf/security/encryption_dictionary.hpp"
#include "pdf/security/pdf_encryption.hpp"
#include "pdf/security/permission_flags.hpp"

namespace slidemint {
namespace {

using P = TveUserPermissionsType;
using L = TvePDFEncryptionLevel;

struct TPermissionCase {
    const char* label;
    TveUserPermissions permissions;
    std::int32_t at40bit;
    std::int32_t at128bit;
};

const TPermissionCase PermissionCases[] = {
    {"all", TveUserPermissions::All(), -4, -4},
    {"none", TveUserPermissions::None(), -64, -3904},
    {"copy alone", {P::AllowCopy}, -48, -3888},
    {"print alone", {P::AllowPrint}, -60, -3900},
    {"print, modify, annotate", {P::AllowPrint, P::AllowModify, P::AllowAnnotation}, -20, -3860},
    {"high-res print without print", {P::AllowHighResPrint}, -64, -3904},
    {"high-res print with print", {P::AllowHighResPrint, P::AllowPrint}, -60, -1852},
    {"the four 128-bit members",
     {P::AllowFormFill, P::AllowAccessibility, P::AllowDocAssembly, P::AllowHighResPrint}, -64, -2112},
    {"all but the four 128-bit members",
     {P::AllowCopy, P::AllowModify, P::AllowPrint, P::AllowAnnotation}, -4, -3844},
};

TEST(PermissionFlags, ValueForEachSetAtBothLevels) {
    for (const auto& c : PermissionCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(PermissionFlagsOf(L::el40bit, c.permissions), c.at40bit);
        EXPECT_EQ(PermissionFlagsOf(L::el128bit, c.permissions), c.at128bit);
    }
}

TEST(PermissionFlags, SettingsDefaultToEveryPermissionAt128Bits) {
    const TvePDFEncryptionSettings settings;
    EXPECT_FALSE(settings.Enabled);
    EXPECT_EQ(settings.Level, L::el128bit);
    EXPECT_EQ(settings.UserPermissions.ToByte(), 255);
    EXPECT_TRUE(settings.OwnerPassword.empty() && settings.UserPassword.empty());
}

TvePDFEncryption HandlerAt(L level, TveUserPermissions permissions) {
    TvePDFEncryptionSettings settings;
    settings.Enabled = true;
    settings.Level = level;
    settings.UserPassword = "user";
    settings.OwnerPassword = "owner";
    settings.UserPermissions = permissions;
    return TvePDFEncryption("/out/deckpdf", "D:20240131120000+01'00'", settings);
}

TEST(EncryptionDictionary, BodyAtEachLevel) {
    struct {
        L level;
        const char* head;
    } cases[] = {{L::el40bit, "/V 1/R 2/P -48/Filter/Standard/O <"},
                 {L::el128bit, "/V 2/R 3/P -3888/Length 128/Filter/Standard/O <"}};
    for (const auto& c : cases) {
        const TvePDFEncryption handler = HandlerAt(c.level, {P::AllowCopy});
        const std::string body = EncryptionDictionaryBody(handler);
        const std::string expected = std::string(c.head) + BytesToHex(handler.GetOwnerEntry()) +
                                     ">/U <" + BytesToHex(handler.GetUserEntry()) + ">\r\n";
        EXPECT_EQ(body, expected);
    }
}

TEST(EncryptionDictionary, TrailerEntriesRepeatTheIdentifier) {
    const TvePDFEncryption handler = HandlerAt(L::el128bit, TveUserPermissions::All());
    const std::string id = BytesToHex(handler.GetFileID());
    ASSERT_EQ(id.size(), 32u);
    EXPECT_EQ(EncryptionTrailerEntries(handler, 12), "/ID [<" + id + "><" + id + ">]/Encrypt 12 0 R");
}

TEST(EncryptionDictionary, HexIsUpperCaseTwoDigitsPerByte) {
    EXPECT_EQ(BytesToHex(std::string("\x00\x0a\xff\x7f", 4)), "000AFF7F");
    EXPECT_EQ(BytesToHex(""), "");
}

}  // namespace
}  // namespace slidemint
