#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/conversion_options.hpp"
#include "platform/imaging/bitmap.hpp"

namespace slidemint {

class Presentation;
class PresentationRenderer;

// One slide as the office application rendered it.
struct RenderedSlide {
    Bitmap bitmap;
    std::u16string title;  // read only when asked for; raw, not cleaned
    std::u16string notes;
    double loadSeconds = 0;  // time spent reading the bitmap file
};

// What to fetch of every slide.
struct SlideRequest {
    std::string workFolder;  // where the slide bitmaps pass through
    SlidePixelSize size;
    bool withTitle = false;
    bool withNotes = false;
};

// Hands out the slides of an open presentation in order, 1 to count.
class SlideSource {
public:
    virtual ~SlideSource() = default;
    // Slide number; numbers come in order. Raises the renderer's or the
    // bitmap reader's error.
    virtual RenderedSlide Next(int number) = 0;
};

// Every slide from the presentation itself, one after the other.
std::unique_ptr<SlideSource> MakeSequentialSource(Presentation& presentation, SlideRequest request);

// Slides shared out among the presentation and helper renderers that open
// the same file: helper k renders the slides k+2, k+2+(helpers+1), ...
// ahead on its own thread while the caller takes them in order.
std::unique_ptr<SlideSource> MakeParallelSource(Presentation& presentation,
                                                std::vector<PresentationRenderer*> helpers,
                                                const std::string& file, SlideRequest request, int count);

}  // namespace slidemint
