// Opens presentations with the LibreOffice renderer and prints what the
// conversion job would see: slide count, slide size, titles and notes.
// With an output folder it also exports every slide as a bitmap.
//
//   slidemint-render-probe [--timeout SECONDS] [--out FOLDER --size W H] [--hold] FILE...
//
// --hold keeps the office running after the files: the tool prints
// "office-group N" and waits to be ended by a signal.

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/renderer/libreoffice_renderer.hpp"
#include "app/renderer/office_cleanup.hpp"
#include "app/renderer/renderer_error.hpp"

namespace {

// ASCII as it is, line breaks as "|", anything else as "?".
std::string printable(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) out += (c >= 32 && c < 127) ? static_cast<char>(c) : (c == u'\n' ? '|' : '?');
    return out;
}

struct ProbeArguments {
    std::chrono::milliseconds timeout = std::chrono::seconds(60);
    std::filesystem::path outFolder;
    int width = 640;
    int height = 480;
    std::vector<std::string> files;
    bool hold = false;
};

ProbeArguments parse(int argc, char** argv) {
    ProbeArguments args;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--timeout" && i + 1 < argc) {
            args.timeout = std::chrono::milliseconds(static_cast<long>(std::atof(argv[++i]) * 1000));
        } else if (arg == "--out" && i + 1 < argc) {
            args.outFolder = argv[++i];
        } else if (arg == "--size" && i + 2 < argc) {
            args.width = std::atoi(argv[++i]);
            args.height = std::atoi(argv[++i]);
        } else if (arg == "--hold") {
            args.hold = true;
        } else {
            args.files.push_back(arg);
        }
    }
    return args;
}

void probe(slidemint::PresentationRenderer& renderer, const std::string& file, const ProbeArguments& args) {
    auto presentation = renderer.open(file);
    int count = presentation->slideCount();
    auto size = presentation->slideSize();
    std::cout << file << ": " << count << " slides of " << size.width << " x " << size.height << " points\n";
    for (int i = 1; i <= count; ++i) {
        auto slide = presentation->slide(i);
        std::cout << "  " << i << " title \"" << printable(slide->title()) << "\" notes \"" << printable(slide->notes())
                  << "\"\n";
        if (!args.outFolder.empty()) {
            auto bitmap = args.outFolder / ("Slide" + std::to_string(i) + ".bmp");
            slide->exportBitmap(bitmap, args.width, args.height);
            std::cout << "    -> " << bitmap.string() << "\n";
        }
    }
    presentation->close();
}

}  // namespace

int main(int argc, char** argv) {
    slidemint::installOfficeCleanupOnSignals();
    ProbeArguments args = parse(argc, argv);
    slidemint::LibreOfficeOptions options;
    options.timeLimit = args.timeout;
    slidemint::LibreOfficeRenderer renderer(options);
    int failures = 0;
    for (const auto& file : args.files) {
        try {
            probe(renderer, file, args);
        } catch (const slidemint::RendererError& e) {
            std::cout << "FAILED " << e.what() << "\n";
            ++failures;
        }
    }
    if (args.hold) {
        std::cout << "office-group " << renderer.officeProcessGroup() << std::endl;
        for (;;) ::pause();
    }
    renderer.quit();
    return failures == 0 ? 0 : 1;
}
