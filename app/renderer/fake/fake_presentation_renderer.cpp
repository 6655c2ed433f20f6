#include "app/renderer/fake/fake_presentation_renderer.hpp"

#include <fstream>
#include <optional>
#include <vector>

#include "app/renderer/renderer_error.hpp"
#include "platform/imaging/bitmap.hpp"
#include "platform/imaging/bmp_codec.hpp"

namespace slidemint {

struct FakePresentationRenderer::State {
    std::map<std::string, FakeDeck> decks;
    std::optional<std::string> startFailure;
    bool running = false;
    std::uint64_t run = 0;
    FakeRendererLog log;

    bool isCurrent(std::uint64_t presentationRun) const { return running && presentationRun == run; }

    // Raises the error failure stands for; the pretend office is lost with a
    // time-out or a death, as the real one is.
    void raise(FakeFailure failure, const std::string& file, const std::string& what) {
        switch (failure) {
        case FakeFailure::None: return;
        case FakeFailure::Error: throw RendererError(file, what + " failed");
        case FakeFailure::TimedOut:
            running = false;
            throw RendererTimeoutError(file, "after 60 s while " + what);
        case FakeFailure::OfficeDied:
            running = false;
            throw OfficeDiedError(file, "while " + what);
        }
    }

    void checkCurrent(std::uint64_t presentationRun, const std::string& file) const {
        if (!isCurrent(presentationRun)) {
            throw RendererError(file, "the presentation is no longer open: the office it was opened in has ended");
        }
    }
};

namespace {

using State = FakePresentationRenderer::State;

// Writes a solid bitmap the way the office does: 24 bits, bottom-up, and a
// file-size field in the header that is not the size of the file.
void writeSolidBitmap(const std::filesystem::path& file, int width, int height, std::uint32_t colour) {
    Bitmap bitmap(width, height, PixelFormat::Bgr24);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bitmap.scanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(colour >> 16);
            row[3 * x + 1] = static_cast<std::uint8_t>(colour >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(colour);
        }
    }
    std::vector<std::uint8_t> bytes = encodeBmp(bitmap);
    // The office counts four bytes per pixel in the file-size field.
    std::uint32_t claimedSize = 54u + 4u * static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(height);
    for (int i = 0; i < 4; ++i) bytes[2 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(claimedSize >> (8 * i));
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw RendererError("", "cannot write the bitmap " + file.string());
}

class FakeSlideObject : public Slide {
public:
    FakeSlideObject(std::shared_ptr<State> state, std::uint64_t run, std::string file, int number, FakeSlide slide)
        : state_(std::move(state)), run_(run), file_(std::move(file)), number_(number), slide_(std::move(slide)) {}

    void exportBitmap(const std::filesystem::path& bitmapFile, int width, int height) override {
        std::string what = "exporting slide " + std::to_string(number_);
        state_->checkCurrent(run_, file_);
        state_->raise(slide_.exportFailure, file_, what);
        if (width < 1 || height < 1 || width > (1 << 16) || height > (1 << 16)) {
            throw RendererError(file_, what + ": a bitmap of " + std::to_string(width) + " x " +
                                           std::to_string(height) + " pixels cannot be made");
        }
        writeSolidBitmap(bitmapFile, width, height, slide_.colour);
        state_->log.exportedFiles.push_back(bitmapFile.string());
    }

    std::u16string title() override {
        state_->checkCurrent(run_, file_);
        state_->raise(slide_.titleFailure, file_, "reading the title of slide " + std::to_string(number_));
        return slide_.title;
    }

    std::u16string notes() override {
        state_->checkCurrent(run_, file_);
        state_->raise(slide_.notesFailure, file_, "reading the notes of slide " + std::to_string(number_));
        return slide_.notes;
    }

private:
    std::shared_ptr<State> state_;
    std::uint64_t run_;
    std::string file_;
    int number_;
    FakeSlide slide_;
};

class FakePresentation : public Presentation {
public:
    FakePresentation(std::shared_ptr<State> state, std::string file, FakeDeck deck)
        : state_(std::move(state)), run_(state_->run), file_(std::move(file)), deck_(std::move(deck)) {}

    int slideCount() override {
        state_->checkCurrent(run_, file_);
        return static_cast<int>(deck_.slides.size());
    }

    SlideSize slideSize() override {
        state_->checkCurrent(run_, file_);
        return deck_.size;
    }

    std::unique_ptr<Slide> slide(int number) override {
        state_->checkCurrent(run_, file_);
        int count = static_cast<int>(deck_.slides.size());
        if (number < 1 || number > count) {
            throw RendererError(file_, "there is no slide " + std::to_string(number) + " (it has " +
                                           std::to_string(count) + ")");
        }
        return std::make_unique<FakeSlideObject>(state_, run_, file_, number,
                                                 deck_.slides[static_cast<std::size_t>(number - 1)]);
    }

    void close() override {
        if (closed_) return;
        closed_ = true;
        ++state_->log.closes;
    }

private:
    std::shared_ptr<State> state_;
    std::uint64_t run_;
    std::string file_;
    FakeDeck deck_;
    bool closed_ = false;
};

}  // namespace

FakeDeck FakeDeck::withSlides(int count, SlideSize size) {
    FakeDeck deck;
    deck.size = size;
    for (int i = 1; i <= count; ++i) {
        std::string number = std::to_string(i);
        FakeSlide slide;
        slide.title = u"Slide " + std::u16string(number.begin(), number.end());
        slide.notes = u"Notes " + std::u16string(number.begin(), number.end());
        deck.slides.push_back(slide);
    }
    return deck;
}

FakePresentationRenderer::FakePresentationRenderer() : state_(std::make_shared<State>()) {}

FakePresentationRenderer::~FakePresentationRenderer() = default;

void FakePresentationRenderer::addDeck(const std::filesystem::path& file, FakeDeck deck) {
    state_->decks[file.string()] = std::move(deck);
}

void FakePresentationRenderer::failStart(std::string cause) { state_->startFailure = std::move(cause); }

std::unique_ptr<Presentation> FakePresentationRenderer::open(const std::filesystem::path& file) {
    std::string name = file.string();
    auto deck = state_->decks.find(name);
    if (deck == state_->decks.end()) throw PresentationOpenError(name, "the file does not exist");
    if (!state_->running) {
        if (state_->startFailure) {
            throw OfficeStartError(name, *std::exchange(state_->startFailure, std::nullopt));
        }
        state_->running = true;
        ++state_->run;
        ++state_->log.starts;
    }
    if (deck->second.openFailure == FakeFailure::Error) {
        throw PresentationOpenError(name, "the office suite refused it (it is encrypted or damaged)");
    }
    state_->raise(deck->second.openFailure, name, "opening it");
    ++state_->log.opens;
    return std::make_unique<FakePresentation>(state_, name, deck->second);
}

void FakePresentationRenderer::quit() {
    ++state_->log.quits;
    state_->running = false;
}

const FakeRendererLog& FakePresentationRenderer::log() const { return state_->log; }

}  // namespace slidemint
