#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <string>

#include "app/renderer/presentation_renderer.hpp"
#include "app/renderer/renderer_error.hpp"

namespace slidemint::testing {

// A deck the scripted renderer pretends to open.
struct ScriptedDeck {
    int slides = 2;
    SlideSize size{720, 540};
    std::map<int, std::u16string> titles;
    std::map<int, std::u16string> notes;
    int failExportAt = 0;  // slide number whose export fails (0: none)
    bool refuseOpen = false;
};

inline ScriptedDeck Deck(int slides, int failExportAt = 0) {
    ScriptedDeck deck;
    deck.slides = slides;
    deck.failExportAt = failExportAt;
    return deck;
}

inline ScriptedDeck RefusedDeck() {
    ScriptedDeck deck;
    deck.refuseOpen = true;
    return deck;
}

// A renderer without an office suite: decks are looked up by file name,
// slides are solid-colour 24-bit bitmaps of the size asked for.
class ScriptedRenderer : public PresentationRenderer {
public:
    std::map<std::string, ScriptedDeck> decks;  // by file name
    bool cannotStart = false;
    std::atomic<int> opens{0};
    std::atomic<int> quits{0};
    std::atomic<int> openPresentations{0};

    std::unique_ptr<Presentation> open(const std::filesystem::path& file) override;
    void quit() override { ++quits; }
};

// Hands every call to a renderer that outlives it, so that a test can look
// at the renderer after the code under test has let go of it.
class ForwardingRenderer : public PresentationRenderer {
public:
    explicit ForwardingRenderer(std::shared_ptr<ScriptedRenderer> target) : target_(std::move(target)) {}
    std::unique_ptr<Presentation> open(const std::filesystem::path& file) override { return target_->open(file); }
    void quit() override { target_->quit(); }

private:
    std::shared_ptr<ScriptedRenderer> target_;
};

}  // namespace slidemint::testing
