#include "app/renderer/office_leftovers.hpp"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <random>
#include <stdexcept>

#include <cstdio>
#include <vector>

#include <rtl/digest.h>
#include <unistd.h>

#include "app/renderer/file_url.hpp"

namespace slidemint {

namespace {

const std::string profilePrefix = "slidemint-office-";
const std::string pipePrefix = "slidemint_";
// Where the UNO runtime puts its pipe sockets.
const std::filesystem::path pipeFolder = "/tmp";

std::string pipeSocketPrefix() { return "OSL_PIPE_" + std::to_string(::getuid()) + "_"; }

// The program id after prefix in name ("<prefix><pid>_..." or "<prefix><pid>-..."), 0 if none.
pid_t ownerOf(const std::string& name, const std::string& prefix) {
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    std::size_t end = name.find_first_not_of("0123456789", prefix.size());
    if (end == prefix.size() || end == std::string::npos) return 0;
    try {
        return static_cast<pid_t>(std::stol(name.substr(prefix.size(), end - prefix.size())));
    } catch (const std::exception&) {
        return 0;
    }
}

// The socket by which an office guards its profile against a second office:
// named after the MD5 digest of the profile's URL in UTF-16, each byte in
// hexadecimal without leading zeros.
std::string profileGuardSocket(const std::filesystem::path& profileFolder) {
    std::string url = fileUrlFromPath(profileFolder);
    std::vector<sal_uInt8> utf16;
    for (unsigned char c : url) {
        utf16.push_back(c);  // the URL is plain ASCII
        utf16.push_back(0);
    }
    sal_uInt8 digest[RTL_DIGEST_LENGTH_MD5];
    rtl_digest_MD5(utf16.data(), static_cast<sal_uInt32>(utf16.size()), digest, sizeof digest);
    std::string name = pipeSocketPrefix() + "SingleOfficeIPC_";
    char hex[3];
    for (sal_uInt8 byte : digest) {
        std::snprintf(hex, sizeof hex, "%x", byte);
        name += hex;
    }
    return name;
}

bool programEnded(pid_t owner) { return owner > 0 && ::kill(owner, 0) != 0 && errno == ESRCH; }

void removeEntriesOfEndedPrograms(const std::filesystem::path& folder, const std::string& prefix) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (programEnded(ownerOf(entry.path().filename().string(), prefix))) removeOfficeFiles(entry.path(), "");
    }
}

}  // namespace

std::filesystem::path makeOfficeProfileFolder() {
    auto folder = std::filesystem::temp_directory_path();
    std::string pattern = (folder / (profilePrefix + std::to_string(::getpid()) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a profile folder in " + folder.string() + ": " +
                                 std::strerror(errno));
    }
    return pattern;
}

std::string makeOfficePipeName() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    return pipePrefix + std::to_string(::getpid()) + "_" + std::to_string(++counter) + "_" +
           std::to_string(random());
}

void removeOfficeFiles(const std::filesystem::path& profileFolder, const std::string& pipeName) {
    std::error_code ignored;
    if (std::filesystem::is_directory(profileFolder, ignored)) {
        std::filesystem::remove(pipeFolder / profileGuardSocket(profileFolder), ignored);
    }
    std::filesystem::remove_all(profileFolder, ignored);
    if (!pipeName.empty()) std::filesystem::remove(pipeFolder / (pipeSocketPrefix() + pipeName), ignored);
}

void removeLeftoversOfEndedPrograms() {
    removeEntriesOfEndedPrograms(std::filesystem::temp_directory_path(), profilePrefix);
    removeEntriesOfEndedPrograms(pipeFolder, pipeSocketPrefix() + pipePrefix);
}

}  // namespace slidemint
