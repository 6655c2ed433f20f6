#pragma once

#include <ctime>
#include <string>

namespace slidemint {

// The folder the slide bitmaps of one job pass through: the temporary
// folder + the local time as "yymmddhhnnss" + a suffix that keeps jobs
// running side by side apart. Made by the constructor (EngineError when that
// fails); removed by the destructor when it is empty.
class JobWorkFolder {
public:
    JobWorkFolder(const std::string& tempFolder, const std::tm& now);
    ~JobWorkFolder();
    JobWorkFolder(const JobWorkFolder&) = delete;
    JobWorkFolder& operator=(const JobWorkFolder&) = delete;

    // With a trailing '/'.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace slidemint
