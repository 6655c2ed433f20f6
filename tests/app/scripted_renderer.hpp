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

}  // namespace slidemint::testing
