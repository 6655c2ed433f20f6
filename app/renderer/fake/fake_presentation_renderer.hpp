#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/renderer/presentation_renderer.hpp"

namespace slidemint {

// How a call of the test double fails.
enum class FakeFailure {
    None,
    Error,       // RendererError (for open: PresentationOpenError, as for an encrypted deck)
    TimedOut,    // RendererTimeoutError; the pretend office is gone afterwards
    OfficeDied,  // OfficeDiedError; the pretend office is gone afterwards
};

struct FakeSlide {
    std::u16string title;
    std::u16string notes;
    std::uint32_t colour = 0x00FFFFFF;  // 0x00BBGGRR, fills the exported bitmap
    FakeFailure exportFailure = FakeFailure::None;
    FakeFailure titleFailure = FakeFailure::None;
    FakeFailure notesFailure = FakeFailure::None;
};

struct FakeDeck {
    std::vector<FakeSlide> slides;
    SlideSize size{720, 540};
    FakeFailure openFailure = FakeFailure::None;

    // count plain slides, slide i titled "Slide i" with the notes "Notes i".
    static FakeDeck withSlides(int count, SlideSize size = {720, 540});
};

// What the test double was asked to do, for assertions.
struct FakeRendererLog {
    int starts = 0;  // pretend office starts (the first open, and after quit or a lost office)
    int opens = 0;   // successful opens
    int closes = 0;
    int quits = 0;
    std::vector<std::string> exportedFiles;
    int openPresentations() const { return opens - closes; }
};

// A presentation renderer without an office: it serves decks described in
// the test and exports each slide as a solid-colour 24-bit bitmap of the size
// asked for, with a wrong file-size field in its header as the office writes
// it. Failures are set per deck, per slide and for the start.
class FakePresentationRenderer : public PresentationRenderer {
public:
    FakePresentationRenderer();
    ~FakePresentationRenderer() override;

    // Serves deck for file (compared as given). Opening any other file
    // raises PresentationOpenError ("the file does not exist").
    void addDeck(const std::filesystem::path& file, FakeDeck deck);

    // The next start of the pretend office fails with OfficeStartError(cause).
    void failStart(std::string cause);

    std::unique_ptr<Presentation> open(const std::filesystem::path& file) override;
    void quit() override;

    const FakeRendererLog& log() const;

    struct State;

private:
    std::shared_ptr<State> state_;
};

}  // namespace slidemint
