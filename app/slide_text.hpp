#pragma once

#include <string>

namespace slidemint {

class Presentation;
class Slide;
struct RenderedSlide;
struct SlideRequest;

// The slide's title and notes texts; any failure of the office application
// gives the empty text.
std::u16string ReadSlideTitle(Slide& slide);
std::u16string ReadSlideNotes(Slide& slide);

// Exports slide number as a bitmap into the request's work folder, loads it,
// deletes the file and reads the texts the request asks for.
RenderedSlide RenderSlide(Presentation& presentation, int number, const SlideRequest& request);

}  // namespace slidemint
