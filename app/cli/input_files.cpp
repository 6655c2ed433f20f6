#include "app/cli/input_files.hpp"

#include <filesystem>
#include <system_error>

#include "app/file_search/file_search.hpp"

namespace slidemint {

namespace {

void AddFolder(const std::filesystem::path& folder, InputFiles& files) {
    TFileSearch search;
    search.SearchFile = (folder / "*.ppt").string();
    search.RecurseSubFolders = true;
    search.OnFileFind = [&files](const std::string& found, const TSearchRec& entry) {
        if (!entry.IsDirectory) files.presentations.push_back(found + entry.Name);
    };
    search.Execute();
}

}  // namespace

InputFiles CollectInputFiles(const std::vector<std::string>& names) {
    InputFiles files;
    for (const std::string& name : names) {
        std::error_code error;
        const auto path = std::filesystem::absolute(name, error).lexically_normal();
        const auto status = std::filesystem::status(path, error);
        if (std::filesystem::is_directory(status)) {
            AddFolder(path, files);
        } else if (std::filesystem::is_regular_file(status)) {
            files.presentations.push_back(path.string());
        } else {
            files.errors.push_back(name + ": " +
                                   (std::filesystem::exists(status) ? "not a file or folder" : "no such file or folder"));
        }
    }
    return files;
}

}  // namespace slidemint
