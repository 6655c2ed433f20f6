#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace slidemint {

// The one place that puts PDF bytes into the output: it numbers indirect
// objects, remembers where each one starts, collects objects that are
// produced while a page is rendered (images) and writes them after the
// page, and finally writes the cross-reference table and the trailer.
// Offsets count the bytes this writer has written, so the file's header
// is at offset 0 whatever the output held before.
class TvePDFObjectWriter {
public:
    using ByteOutput = std::function<void(std::string_view)>;

    explicit TvePDFObjectWriter(ByteOutput output, int firstFreeNumber = 1);

    // Last object number handed out; the next NewObjectNumber is this + 1.
    int ObjectCount() const { return objectCount_; }
    int NewObjectNumber() { return ++objectCount_; }

    // Bytes written so far.
    std::uint64_t Size() const { return size_; }
    void Write(std::string_view bytes);

    // n " 0 obj" CR LF body CR LF ["endobj" CR LF]. A body that holds a CR LF
    // is a run of dictionary entries and gets "<<" CR LF ... ">>" around it.
    void WriteObject(std::string_view body, int objectNumber, bool close);

    // A stream object: the dictionary (a run of entries ending in CR LF),
    // "stream", the bytes as given, "endstream", "endobj".
    void WriteStreamObject(std::string_view dictionary, int objectNumber, std::string_view data);

    void RecordObjectOffset(std::uint64_t offset, int objectNumber);

    // Objects produced while a page is rendered wait here until the page's
    // own objects are written.
    std::string& DeferredObjects() { return deferred_; }
    void AddDeferredObject(std::uint64_t offsetInDeferred, int objectNumber);
    void ClearDeferredObjects();
    void FlushDeferredObjects();

    // Writes the table for numbers 1..ObjectCount(), then the trailer with
    // the given dictionary entries. The output ends with "%%EOF".
    void WriteCrossReferenceAndTrailer(std::string_view trailerEntries);

    static std::string XrefLine(std::uint64_t offset, bool inUse);

private:
    ByteOutput output_;
    std::uint64_t size_ = 0;
    int objectCount_ = 0;
    std::vector<std::pair<std::uint64_t, int>> offsets_;
    std::string deferred_;
    std::vector<std::pair<std::uint64_t, int>> deferredOffsets_;
};

}  // namespace slidemint
