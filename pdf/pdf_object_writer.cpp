#include "pdf/pdf_object_writer.hpp"

#include <array>
#include <cstdio>

#include "pdf/pdf_format.hpp"

namespace slidemint {

TvePDFObjectWriter::TvePDFObjectWriter(ByteOutput output, int firstFreeNumber)
    : output_(std::move(output)), objectCount_(firstFreeNumber - 1) {}

void TvePDFObjectWriter::Write(std::string_view bytes) {
    if (bytes.empty()) return;
    output_(bytes);
    size_ += bytes.size();
}

void TvePDFObjectWriter::WriteObject(std::string_view body, int objectNumber, bool close) {
    RecordObjectOffset(size_, objectNumber);
    std::string text = IntToStr(objectNumber) + " 0 obj\r\n";
    if (body.find(kCrLf) != std::string_view::npos) {
        text += "<<\r\n";
        text += body;
        text += ">>";
    } else {
        text += body;
    }
    text += kCrLf;
    if (close) text += "endobj\r\n";
    Write(text);
}

void TvePDFObjectWriter::WriteStreamObject(std::string_view dictionary, int objectNumber,
                                           std::string_view data) {
    WriteObject(dictionary, objectNumber, false);
    Write("stream\r\n");
    Write(data);
    Write("\r\nendstream\r\nendobj\r\n");
}

void TvePDFObjectWriter::RecordObjectOffset(std::uint64_t offset, int objectNumber) {
    offsets_.emplace_back(offset, objectNumber);
}

void TvePDFObjectWriter::AddDeferredObject(std::uint64_t offsetInDeferred, int objectNumber) {
    deferredOffsets_.emplace_back(offsetInDeferred, objectNumber);
}

void TvePDFObjectWriter::ClearDeferredObjects() {
    deferred_.clear();
    deferredOffsets_.clear();
}

void TvePDFObjectWriter::FlushDeferredObjects() {
    for (const auto& [relative, number] : deferredOffsets_) RecordObjectOffset(relative + size_, number);
    Write(deferred_);
    ClearDeferredObjects();
}

std::string TvePDFObjectWriter::XrefLine(std::uint64_t offset, bool inUse) {
    std::array<char, 32> line{};
    const int length =
        std::snprintf(line.data(), line.size(), "%.10llu %.5d %c\r\n",
                      static_cast<unsigned long long>(offset), inUse ? 0 : 65535, inUse ? 'n' : 'f');
    return std::string(line.data(), static_cast<std::size_t>(length));
}

void TvePDFObjectWriter::WriteCrossReferenceAndTrailer(std::string_view trailerEntries) {
    // The first offset recorded for a number wins; numbers that were handed
    // out but never written become free entries so the table stays whole.
    std::vector<std::uint64_t> offsetOf(static_cast<std::size_t>(objectCount_) + 1, 0);
    std::vector<bool> written(offsetOf.size(), false);
    for (const auto& [offset, number] : offsets_) {
        if (number < 1 || number > objectCount_ || written[static_cast<std::size_t>(number)]) continue;
        offsetOf[static_cast<std::size_t>(number)] = offset;
        written[static_cast<std::size_t>(number)] = true;
    }
    const std::uint64_t xrefOffset = size_;
    std::string table = "xref\r\n0 " + IntToStr(objectCount_ + 1) + "\r\n";
    table += XrefLine(0, false);
    for (std::size_t k = 1; k < offsetOf.size(); ++k) table += XrefLine(offsetOf[k], written[k]);
    Write(table);
    Write("trailer\r\n<<\r\n" + std::string(trailerEntries) + "\r\n>>\r\nstartxref\r\n" +
          IntToStr(static_cast<long long>(xrefOffset)) + "\r\n%%EOF");
}

}  // namespace slidemint
