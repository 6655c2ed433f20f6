#pragma once

#include <string>

namespace slidemint {

// Slide sizes offered by the "Output Quality" choice, by item index.
enum class SlideQuality : int {
    Normal = 0,        // 640 x 480
    High = 1,          // 800 x 600
    VeryHigh = 2,      // 1024 x 768
    DefaultSlide = 3,  // the presentation's own slide size, points used as pixels
};

// The user's output options, read once per conversion. A plain value: the
// window fills it from its controls, the command line from its arguments.
struct ConversionOptions {
    // Item index of the quality choice (see SlideQuality); any other value
    // means no item is selected and gives a 0 x 0 slide size.
    int qualityIndex = static_cast<int>(SlideQuality::Normal);

    bool openAfterConversion = false;  // "After Conversion": "Open PDF File"
    bool hideToolBar = false;          // "Hide Tool Bar"
    bool fullScreen = false;           // "Full Screen Mode"
    bool animation = false;            // "Animation": dissolve between pages
    bool encrypt = false;              // "Encrypt PDF File", 128-bit
    std::string userPassword;          // system code page bytes
    std::string ownerPassword;
    std::string author;                // document information Author
    std::string creator;               // document information Creator
    bool addSlideNotes = true;         // "Add Note": notes as a note annotation
    bool addToc = false;               // "Add TOC": slide titles as outline entries
};

// Pixel size of the slide bitmaps and pages.
struct SlidePixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const SlidePixelSize&) const = default;
};

// The size chosen by qualityIndex; for DefaultSlide the slide's own size in
// points, each rounded to the nearest integer (ties to even).
SlidePixelSize SlideSizeFor(int qualityIndex, double slideWidthPoints, double slideHeightPoints);

// Item texts of the quality choice, in index order.
inline constexpr const char* kQualityItems[] = {"Normal", "High", "Very High", "Default Slide"};

}  // namespace slidemint
