#pragma once

#include <string>

#include "app/conversion_options.hpp"

namespace slidemint {

class TvePDFEngine;
struct RenderedSlide;

// The job's own engine settings before BeginDoc: a custom page of size
// pixels, the output file, no setup dialog, pixel units, maximum
// compression and JPEG images.
void ApplyJobSettings(TvePDFEngine& engine, SlidePixelSize size, const std::string& fileName);

// The user's options before BeginDoc: viewer preferences, transition,
// encryption and document information. Settings of unchecked options are
// put back to their defaults, so nothing carries over from an earlier job.
void ApplyOptionSettings(TvePDFEngine& engine, const ConversionOptions& options);

// The user's per-slide options once slide number is on its page: the notes
// as a note annotation near the lower-right corner, the title as a
// top-level outline entry.
void ApplySlideOptions(TvePDFEngine& engine, const ConversionOptions& options, const RenderedSlide& slide,
                       int number, SlidePixelSize size);

}  // namespace slidemint
