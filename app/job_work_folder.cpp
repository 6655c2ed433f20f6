#include "app/job_work_folder.hpp"

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/conversion_job.hpp"

namespace slidemint {

JobWorkFolder::JobWorkFolder(const std::string& tempFolder, const std::tm& now) {
    std::string base = tempFolder.empty() ? std::string("/tmp/") : tempFolder;
    if (base.back() != '/') base += '/';
    std::string pattern = base + WorkFolderStamp(now) + "-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr)
        throw ConversionError("cannot make the work folder in " + base + ": " + std::strerror(errno));
    path_ = std::string(buffer.data()) + "/";
}

JobWorkFolder::~JobWorkFolder() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);  // only when empty
}

}  // namespace slidemint
