// Whole documents from the PDF engine with encryption on and off, read back
// by qpdf.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "pdf/pdf_engine.hpp"
#include "pdf/pdf_format.hpp"
#include "pdf/security/encryption_dictionary.hpp"
#include "pdf/security/pdf_encryption.hpp"
#include "platform/system_environment.hpp"
#include "tests/support/command_runner.hpp"

namespace slidemint {
namespace {

namespace fs = std::filesystem;
using P = TveUserPermissionsType;
using L = TvePDFEncryptionLevel;

constexpr char CreationDate[] = "D:20240309070504+01'00'";
const std::u16string Title = u" Quarterly D\u00e9ck ";

using TRun = test_support::CommandResult;

TRun Qpdf(const std::vector<std::string>& arguments) {
    std::string command = "LC_ALL=C qpdf";
    for (const auto& argument : arguments) command += " " + test_support::ShellQuote(argument);
    return test_support::RunCommand(command);
}

std::string LowerHex(std::string_view bytes) {
    std::string hex = StrToHex(bytes);
    for (char& c : hex) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return hex;
}

class EngineEncryption : public ::testing::Test {
protected:
    void SetUp() override {
        if (Qpdf({"--version"}).exitCode != 0) GTEST_SKIP() << "qpdf is not installed";
        SystemEnvironment& environment = SystemEnvironment::current();
        environment.setFixedNow({2024, 3, 9, 7, 5, 4, 0});
        environment.setTimeZoneBiasMinutes(-60);
        environment.setScreenPPI(96);
        folder_ = fs::temp_directory_path() / ("slidemint-security-engine-" + std::to_string(getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        SystemEnvironment::current().resetToSystem();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // A two-page document with a title, an outline entry and a note on the
    // first page; returns the engine's name for the
    // file identifier (FileName + FileExtension).
    std::string WriteDocument(const TvePDFEncryptionSettings& encryption) {
        TvePDFEngine engine;
        engine.Preferences().SetShowSetupDialog(false);
        engine.Preferences().SetOpenAfterCreate(false);
        engine.SetFileName(File().string());
        engine.DocInfo().SetTitle(Title);
        engine.SetMeasurementUnit(muPixels);
        engine.Encryption().Assign(encryption);
        engine.BeginDoc();
        engine.AddOutlineEntry(u"Slide one ", -1, 1, 0);
        auto note = std::make_unique<TvePDFTextAnnot>();
        note->Rect = {10, 10, 40, 40};
        note->Contents = u"Speaker note\n";
        note->Title = u"Notes";
        engine.AddAnnotation(std::move(note));
        engine.NewPage();
        engine.EndDoc();
        return engine.FileName() + engine.FileExtension;
    }

    fs::path File() const { return folder_ / "deck.pdf"; }
    std::string Bytes() const {
        std::ifstream in(File(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    fs::path folder_;
};

struct TDocumentCase {
    const char* label;
    L level;
    const char* userPassword;
    const char* ownerPassword;
    TveUserPermissions permissions;
    std::vector<std::string> expectedLines;
};

const TDocumentCase DocumentCases[] = {
    {"converter settings", L::el128bit, "reader", "owner", {P::AllowCopy},
     {"R = 3", "P = -3888", "extract for any purpose: allowed", "print low resolution: not allowed"}},
    {"40 bit, user password only", L::el40bit, "reader", "", TveUserPermissions::All(),
     {"R = 2", "P = -4", "modify anything: allowed"}},
    {"no passwords", L::el128bit, "", "", TveUserPermissions::None(), {"R = 3", "P = -3904"}},
};

TEST_F(EngineEncryption, ProtectedDocumentsOpenAndDecryptWithQpdf) {
    for (const auto& c : DocumentCases) {
        SCOPED_TRACE(c.label);
        TvePDFEncryptionSettings settings;
        settings.Enabled = true;
        settings.Level = c.level;
        settings.UserPassword = c.userPassword;
        settings.OwnerPassword = c.ownerPassword;
        settings.UserPermissions = c.permissions;
        const std::string name = WriteDocument(settings);
        const std::string file = File().string();
        const std::string user = "--password=" + std::string(c.userPassword);

        const TRun check = Qpdf({"--check", user, file});
        EXPECT_EQ(check.exitCode, 0) << check.output;
        const TRun shown = Qpdf({"--show-encryption", user, file});
        for (const auto& line : c.expectedLines)
            EXPECT_NE(shown.output.find(line + "\n"), std::string::npos) << line << "\n" << shown.output;

        // The identifier is the digest of the name and the creation date.
        const std::string id = BytesToHex(TvePDFEncryption(name, CreationDate, settings).GetFileID());
        EXPECT_NE(Bytes().find("/ID [<" + id + "><" + id + ">]/Encrypt "), std::string::npos);
        EXPECT_EQ(Bytes().find(StrToHex(Utf16BeWithMark(Title))), std::string::npos) << "title left plain";

        // Strings and streams come back exactly as written, trailing blank included.
        const TRun info = Qpdf({user, "--show-object=3", file});
        EXPECT_NE(info.output.find("/Producer (Korvella Pressline V2.1)"), std::string::npos) << info.output;
        EXPECT_NE(info.output.find("/Title <" + LowerHex(Utf16BeWithMark(Title)) + ">"), std::string::npos)
            << info.output;
        EXPECT_NE(info.output.find(std::string("/CreationDate (") + CreationDate + ")"), std::string::npos);
        const TRun json = Qpdf({user, "--json", file});
        for (const char* text : {"\"u:Slide one \"", "\"u:Speaker note\\n\"", "\"u:Notes\""})
            EXPECT_NE(json.output.find(text), std::string::npos) << text;
        const std::string plain = (folder_ / "plain.pdf").string();
        ASSERT_EQ(Qpdf({user, "--decrypt", "--stream-data=uncompress", file, plain}).exitCode, 0);
        std::ifstream in(plain, std::ios::binary);
        const std::string decrypted((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(decrypted.find("stream\nq 1.0000 0 0 1.0000 0 0 cm\r\n"), std::string::npos);
    }
}

TEST_F(EngineEncryption, UnprotectedDocumentHasNoIdentifierAndPlainStrings) {
    WriteDocument(TvePDFEncryptionSettings{});
    const std::string bytes = Bytes();
    EXPECT_EQ(bytes.find("/ID"), std::string::npos);
    EXPECT_EQ(bytes.find("/Encrypt"), std::string::npos);
    EXPECT_NE(bytes.find("/Title <" + StrToHex(Utf16BeWithMark(Title)) + ">"), std::string::npos);
    const TRun check = Qpdf({"--check", File().string()});
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_NE(check.output.find("File is not encrypted"), std::string::npos);
}

}  // namespace
}  // namespace slidemint
