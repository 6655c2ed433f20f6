#include "app/slide_text.hpp"

#include "app/renderer/presentation_renderer.hpp"
#include "app/renderer/renderer_error.hpp"

namespace slidemint {

namespace {

// A text the slide may not have: a missing shape or any other failure of the
// call gives the empty text. A hung or dead office process is not the
// slide's fault and ends the conversion as any other call would.
template <class Read>
std::u16string ReadOptionalText(Read read) {
    try {
        return read();
    } catch (const RendererTimeoutError&) {
        throw;
    } catch (const OfficeDiedError&) {
        throw;
    } catch (...) {
        return {};
    }
}

}  // namespace

std::u16string ReadSlideTitle(Slide& slide) {
    return ReadOptionalText([&slide] { return slide.title(); });
}

std::u16string ReadSlideNotes(Slide& slide) {
    return ReadOptionalText([&slide] { return slide.notes(); });
}

}  // namespace slidemint
