#include "poppler_render.hpp"
#include "tests/support/file_contents.hpp"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace slidemint::testing {

namespace {

std::filesystem::path scratchFolder() {
    auto folder = std::filesystem::temp_directory_path() / ("pdf_images_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}


// Reads a binary PGM (P5) or PPM (P6) with a maximum value of 255, keeping
// the centre pixel of every scale x scale block.
Bitmap parseNetpbm(const std::string& file, int scale) {
    std::istringstream in(file);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    if ((magic != "P5" && magic != "P6") || maxValue != 255) throw std::runtime_error("unexpected pdftoppm output");
    int channels = magic == "P6" ? 3 : 1;
    Bitmap bitmap(width / scale, height / scale, PixelFormat::Bgr24);
    std::vector<unsigned char> row(static_cast<std::size_t>(width * channels));
    for (int y = 0; y < bitmap.height() * scale; ++y) {
        in.read(reinterpret_cast<char*>(row.data()), static_cast<std::streamsize>(row.size()));
        if (y % scale != scale / 2) continue;
        for (int x = 0; x < bitmap.width(); ++x) {
            const unsigned char* p = row.data() + (x * scale + scale / 2) * channels;
            std::uint32_t color = channels == 1 ? p[0] * 0x010101u : p[0] | p[1] << 8 | p[2] << 16;
            bitmap.setPixelColor(x, y / scale, color);
        }
    }
    return bitmap;
}

}  // namespace

std::string singleImagePdf(const ImageObject& image, int width, int height) {
    std::string w = std::to_string(width), h = std::to_string(height);
    std::string content = "q " + w + " 0 0 " + h + " 0 0 cm /Im Do Q";
    std::vector<std::string> objects = {
        "<</Type/Catalog/Pages 2 0 R>>",
        "<</Type/Pages/Kids[3 0 R]/Count 1>>",
        "<</Type/Page/Parent 2 0 R/MediaBox[0 0 " + w + " " + h +
            "]/Resources<</XObject<</Im 4 0 R>>>>/Contents 5 0 R>>",
        "<<" + image.entries + "/Length " + std::to_string(image.data.size()) + ">>\nstream\n" + image.data +
            "\nendstream",
        "<</Length " + std::to_string(content.size()) + ">>\nstream\n" + content + "\nendstream",
    };
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        char line[21];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
        pdf += line;
    }
    pdf += "trailer\n<</Size " + std::to_string(objects.size() + 1) + "/Root 1 0 R>>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

bool popplerAvailable() { return std::system("command -v pdftoppm >/dev/null 2>&1") == 0; }

Bitmap renderWithPoppler(const std::string& pdf, bool grey, int dpi) {
    auto folder = scratchFolder();
    auto input = folder / "image.pdf";
    std::ofstream(input, std::ios::binary) << pdf;
    auto output = folder / "page";
    // At an image's own resolution pdftoppm maps an image onto one device pixel more
    // than it covers and interpolates; at four times that it replicates
    // every sample into a block, whose centre is then read back.
    constexpr int scale = 4;
    std::string command = "pdftoppm -r " + std::to_string(dpi * scale) + " -aa no -aaVector no -singlefile " + std::string(grey ? "-gray " : "") +
                          input.string() + " " + output.string() + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("pdftoppm failed: " + command);
    Bitmap page = parseNetpbm(test_support::ReadFile(folder / (grey ? "page.pgm" : "page.ppm")), scale);
    std::filesystem::remove_all(folder);
    return page;
}

std::string commandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    pclose(pipe);
    return output;
}

std::string deflate(const std::string& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                  static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("deflate failed");
    out.resize(size);
    return out;
}

}  // namespace slidemint::testing
