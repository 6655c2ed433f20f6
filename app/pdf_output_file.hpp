#pragma once

#include <string>

namespace slidemint {

// The PDF a job writes. The engine writes into a working file beside the
// target; only a finished document replaces the target, so a failed
// conversion never destroys an earlier file of the same name.
class PdfOutputFile {
public:
    explicit PdfOutputFile(std::string target);
    ~PdfOutputFile();  // removes a working file left behind
    PdfOutputFile(const PdfOutputFile&) = delete;
    PdfOutputFile& operator=(const PdfOutputFile&) = delete;

    // Where the engine writes (ends with ".pdf").
    const std::string& WorkingPath() const { return working_; }

    // The document is finished: it becomes the target.
    void Commit();

    // The conversion failed. With keepPartial the pages made so far become
    // the target, unless a file of that name exists already; otherwise the
    // working file is removed.
    void Abandon(bool keepPartial);

private:
    std::string target_;
    std::string working_;
};

}  // namespace slidemint
