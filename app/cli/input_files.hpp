#pragma once

#include <string>
#include <vector>

namespace slidemint {

// The presentations named on the command line: a file stands for itself, a
// folder for every "*.ppt" in it and its subfolders (a folder's own files
// before those of its subfolders).
struct InputFiles {
    std::vector<std::string> presentations;  // absolute paths
    std::vector<std::string> errors;         // "PATH: cause" for names that are neither
};

InputFiles CollectInputFiles(const std::vector<std::string>& names);

}  // namespace slidemint
