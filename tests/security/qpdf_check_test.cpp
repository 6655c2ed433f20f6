// Protected files read back by qpdf: structure, passwords, permissions and
// the decrypted strings and streams.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/security/mini_encrypted_pdf.hpp"
#include "tests/support/command_runner.hpp"
#include "tests/support/file_contents.hpp"

namespace slidemint {
namespace {

namespace fs = std::filesystem;
using P = TveUserPermissionsType;
using L = TvePDFEncryptionLevel;

using TRun = test_support::CommandResult;

TRun Qpdf(const std::vector<std::string>& arguments) {
    std::string command = "qpdf";
    for (const auto& argument : arguments) {
        // Passwords are handed over as raw bytes, as the file's key was made.
        if (argument.starts_with("--password=")) command += " --password-mode=bytes";
        command += " " + test_support::ShellQuote(argument);
    }
    return test_support::RunCommand(command);
}

using test_support::ReadFile;

struct TQpdfCase {
    const char* label;
    L level;
    const char* userPassword;
    const char* ownerPassword;
    TveUserPermissions permissions;
    std::vector<std::string> expectedLines;  // in qpdf --show-encryption
};

const TQpdfCase QpdfCases[] = {
    {"converter settings", L::el128bit, "reader", "owner", {P::AllowCopy},
     {"R = 3", "P = -3888", "extract for any purpose: allowed", "print low resolution: not allowed",
      "modify anything: not allowed"}},
    {"user password only, 40 bit", L::el40bit, "reader", "", TveUserPermissions::All(),
     {"R = 2", "P = -4", "print high resolution: allowed", "modify anything: allowed"}},
    {"owner password only", L::el128bit, "", "boss",
     {P::AllowPrint, P::AllowHighResPrint, P::AllowFormFill},
     {"R = 3", "P = -1596", "print high resolution: allowed", "modify forms: allowed",
      "extract for any purpose: not allowed"}},
    {"both empty, 40 bit", L::el40bit, "", "", TveUserPermissions::None(),
     {"R = 2", "P = -64", "print low resolution: not allowed", "extract for any purpose: not allowed"}},
    {"long passwords with high bytes", L::el128bit, "p\xE4ss\xFCw\xF6rd-0123456789-0123456789-xyz",
     "\xA7\xFF\x80-owner", {P::AllowHighResPrint}, {"R = 3", "P = -3904", "print high resolution: not allowed"}},
};

class QpdfCheck : public ::testing::Test {
protected:
    void SetUp() override {
        if (Qpdf({"--version"}).exitCode != 0) GTEST_SKIP() << "qpdf is not installed";
        folder_ = fs::temp_directory_path() / ("slidemint-security-" + std::to_string(getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path Write(const TQpdfCase& c) {
        TvePDFEncryptionSettings settings;
        settings.Enabled = true;
        settings.Level = c.level;
        settings.UserPassword = c.userPassword;
        settings.OwnerPassword = c.ownerPassword;
        settings.UserPermissions = c.permissions;
        const fs::path path = folder_ / "protected.pdf";
        std::ofstream(path, std::ios::binary) << testing::MiniEncryptedPdf(settings);
        return path;
    }

    fs::path folder_;
};

TEST_F(QpdfCheck, ProtectedFilesOpenWithTheirPasswordsAndDecrypt) {
    for (const auto& c : QpdfCases) {
        SCOPED_TRACE(c.label);
        const std::string file = Write(c).string();
        const std::string user = "--password=" + std::string(c.userPassword);

        const TRun check = Qpdf({"--check", user, file});
        EXPECT_EQ(check.exitCode, 0) << check.output;
        EXPECT_NE(check.output.find("No syntax or stream encoding errors"), std::string::npos) << check.output;

        const TRun shown = Qpdf({"--show-encryption", user, file});
        EXPECT_EQ(shown.exitCode, 0) << shown.output;
        for (const auto& line : c.expectedLines)
            EXPECT_NE(shown.output.find(line + "\n"), std::string::npos) << line << "\n" << shown.output;

        const std::string owner = *c.ownerPassword ? c.ownerPassword : c.userPassword;
        const TRun asOwner = Qpdf({"--show-encryption", "--password=" + owner, file});
        EXPECT_NE(asOwner.output.find("Supplied password is owner password"), std::string::npos)
            << asOwner.output;

        const std::string plain = (folder_ / "plain.pdf").string();
        const TRun decrypt = Qpdf({user, "--decrypt", "--stream-data=uncompress", file, plain});
        ASSERT_EQ(decrypt.exitCode, 0) << decrypt.output;
        const std::string decrypted = ReadFile(plain);
        EXPECT_NE(decrypted.find(testing::MiniPdfContent), std::string::npos);
        EXPECT_NE(decrypted.find(testing::MiniPdfProducer), std::string::npos);
        EXPECT_NE(Qpdf({"--show-encryption", plain}).output.find("File is not encrypted"), std::string::npos);
    }
}

TEST_F(QpdfCheck, WrongPasswordIsRefused) {
    const std::string file = Write(QpdfCases[0]).string();
    const TRun run = Qpdf({"--check", "--password=wrong", file});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("invalid password"), std::string::npos) << run.output;
}

TEST_F(QpdfCheck, UnprotectedFileCarriesNoEncryption) {
    const fs::path path = folder_ / "plain.pdf";
    std::ofstream(path, std::ios::binary) << testing::MiniEncryptedPdf(TvePDFEncryptionSettings{});
    const TRun check = Qpdf({"--check", path.string()});
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_NE(check.output.find("File is not encrypted"), std::string::npos) << check.output;
    EXPECT_NE(ReadFile(path).find(std::string("<") + "4B6F7276656C6C61"), std::string::npos);  // "Korvella" plain
}

}  // namespace
}  // namespace slidemint
