#include "tests/security/mini_encrypted_pdf.hpp"

#include <zlib.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "pdf/security/document_security.hpp"
#include "pdf/security/encryption_dictionary.hpp"

namespace slidemint::testing {
namespace {

std::string Compressed(const std::string& data) {
    uLongf size = compressBound(data.size());
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(data.data()), data.size(), Z_DEFAULT_COMPRESSION) != Z_OK)
        throw std::runtime_error("compress2 failed");
    out.resize(size);
    return out;
}

// UTF-16BE with the byte order mark, for ASCII text.
std::string Utf16Text(const std::string& ascii) {
    std::string bytes = "\xFE\xFF";
    for (char c : ascii) bytes += std::string{'\0', c};
    return bytes;
}

class TMiniWriter {
public:
    void Object(int number, const std::string& body, bool close = true) {
        offsets_.resize(std::max<std::size_t>(offsets_.size(), number + 1), 0);
        offsets_[number] = out_.size();
        out_ += std::to_string(number) + " 0 obj\r\n";
        out_ += body.find("\r\n") != std::string::npos ? "<<\r\n" + body + ">>" : body;
        out_ += "\r\n";
        if (close) out_ += "endobj\r\n";
    }
    void Raw(const std::string& bytes) { out_ += bytes; }
    std::string Finish(const std::string& trailerEntries) {
        const std::size_t xref = out_.size();
        out_ += "xref\r\n0 " + std::to_string(offsets_.size()) + "\r\n0000000000 65535 f\r\n";
        char line[32];
        for (std::size_t n = 1; n < offsets_.size(); ++n) {
            std::snprintf(line, sizeof line, "%.10zu %.5d n\r\n", offsets_[n], 0);
            out_ += line;
        }
        out_ += "trailer\r\n<<\r\n" + trailerEntries + "\r\n>>\r\nstartxref\r\n" + std::to_string(xref) + "\r\n%%EOF";
        return out_;
    }

private:
    std::string out_ = "%PDF-1.4\r\n%\xE2\xE3\xCF\xD3\r\n";
    std::vector<std::size_t> offsets_;
};

std::string HexString(const std::string& bytes) { return "<" + BytesToHex(bytes) + ">"; }

}  // namespace

std::string MiniEncryptedPdf(const TvePDFEncryptionSettings& settings) {
    const std::string creationDate = "D:20240131120000+01'00'";
    TvePDFDocumentSecurity security;
    security.Begin("/out/minipdf", creationDate, settings);

    TMiniWriter writer;
    writer.Object(1, "/Type/Catalog/Pages 2 0 R\r\n");
    writer.Object(6, "/Type/Page/Parent 2 0 R/MediaBox [0 0 200 200]/Resources <<>>/Contents 7 0 R\r\n");
    std::string stream = Compressed(MiniPdfContent);
    const std::size_t length = stream.size();
    security.EncryptStream(stream, stream.size(), 7);
    writer.Object(7, "/Length 8 0 R/Filter /FlateDecode\r\n", false);
    writer.Raw("stream\r\n" + stream + "\r\nendstream\r\nendobj\r\n");
    writer.Object(8, std::to_string(length));
    writer.Object(2, "/Type/Pages/Count 1/Kids [6 0 R]\r\n");
    writer.Object(5, "/ProcSet 4 0 R\r\n");
    writer.Object(4, "[/PDF]");
    const std::string dictionary = security.EncryptionDictionary(9);
    if (!dictionary.empty()) writer.Object(9, dictionary);
    writer.Object(3, "/CreationDate " + HexString(security.EncryptString(creationDate, 3)) +
                         "/Producer " + HexString(security.EncryptString(MiniPdfProducer, 3)) +
                         "/Title " + HexString(security.EncryptString(Utf16Text("Quarterly deck "), 3)) +
                         "\r\n");
    const int size = dictionary.empty() ? 9 : 10;
    const std::string pdf = writer.Finish("/Root 1 0 R/Info 3 0 R/Size " + std::to_string(size) +
                                          security.TrailerEntries());
    security.End();
    return pdf;
}

}  // namespace slidemint::testing
