#include "scripted_renderer.hpp"

#include "platform/imaging/bmp_codec.hpp"

namespace slidemint::testing {

namespace {

class ScriptedSlide : public Slide {
public:
    ScriptedSlide(const ScriptedDeck& deck, int number, std::string file)
        : deck_(deck), number_(number), file_(std::move(file)) {}

    void exportBitmap(const std::filesystem::path& bitmapFile, int width, int height) override {
        if (number_ == deck_.failExportAt) throw RendererError(file_, "slide export failed");
        Bitmap bitmap(width, height, PixelFormat::Bgr24);
        for (int y = 0; y < height; ++y)
            for (std::size_t x = 0; x < static_cast<std::size_t>(width) * 3; ++x)
                bitmap.scanLine(y)[x] = static_cast<std::uint8_t>(30 * number_);
        writeBmpFile(bitmapFile.string(), bitmap);
    }
    std::u16string title() override { return Lookup(deck_.titles); }
    std::u16string notes() override { return Lookup(deck_.notes); }

private:
    std::u16string Lookup(const std::map<int, std::u16string>& texts) const {
        auto found = texts.find(number_);
        if (found == texts.end()) throw RendererError(file_, "no such shape");
        return found->second;
    }

    const ScriptedDeck& deck_;
    int number_;
    std::string file_;
};

class ScriptedPresentation : public Presentation {
public:
    ScriptedPresentation(const ScriptedDeck& deck, std::string file, std::atomic<int>& open)
        : deck_(deck), file_(std::move(file)), open_(open) {
        ++open_;
    }
    ~ScriptedPresentation() override { close(); }

    int slideCount() override { return deck_.slides; }
    SlideSize slideSize() override { return deck_.size; }
    std::unique_ptr<Slide> slide(int number) override {
        return std::make_unique<ScriptedSlide>(deck_, number, file_);
    }
    void close() override {
        if (!closed_) --open_;
        closed_ = true;
    }

private:
    const ScriptedDeck& deck_;
    std::string file_;
    std::atomic<int>& open_;
    bool closed_ = false;
};

}  // namespace

std::unique_ptr<Presentation> ScriptedRenderer::open(const std::filesystem::path& file) {
    if (cannotStart) throw OfficeStartError(file.string(), "soffice is not installed");
    ++opens;
    auto found = decks.find(file.filename().string());
    if (found == decks.end() || found->second.refuseOpen)
        throw PresentationOpenError(file.string(), "the file is encrypted or damaged");
    return std::make_unique<ScriptedPresentation>(found->second, file.string(), openPresentations);
}

}  // namespace slidemint::testing
