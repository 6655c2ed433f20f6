#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace slidemint {

// The presentation program as the conversion job sees it: it opens a
// presentation file, reports its slides and their size, exports any slide as
// a bitmap file and reads the slide's title and notes. Each member stands for
// one member of the program's automation interface (named in the comments).
//
// Failures are raised as RendererError (renderer_error.hpp) and its kinds.
// One renderer serves one caller at a time; jobs running side by side each
// use a renderer of their own. A Presentation and its Slides must not outlive
// the renderer that opened them.

// One slide of an open presentation (Slides.Item).
class Slide {
public:
    virtual ~Slide() = default;

    // Export(path, "BMP", width, height): writes a 24-bit Windows bitmap of
    // exactly width x height pixels to bitmapFile, replacing any file there.
    virtual void exportBitmap(const std::filesystem::path& bitmapFile, int width, int height) = 0;

    // Shapes.Title.TextFrame.TextRange.Text: the text of the slide's title
    // shape, empty when the slide has none.
    virtual std::u16string title() = 0;

    // NotesPage.Shapes.Item(2).TextFrame.TextRange.Text: the text of the
    // slide's notes, empty when it has none.
    virtual std::u16string notes() = 0;
};

// Slide size in points (1/72 inch), as PageSetup.SlideWidth and SlideHeight.
struct SlideSize {
    double width = 0;
    double height = 0;
};

// An open presentation (the result of Presentations.Open).
class Presentation {
public:
    virtual ~Presentation() = default;

    // Slides.Count.
    virtual int slideCount() = 0;

    // PageSetup.SlideWidth and PageSetup.SlideHeight.
    virtual SlideSize slideSize() = 0;

    // Slides.Item(number), number counted from 1.
    virtual std::unique_ptr<Slide> slide(int number) = 0;

    // Close. Closing twice, or after the program ended, does nothing.
    virtual void close() = 0;
};

// The presentation program itself (the application object).
class PresentationRenderer {
public:
    virtual ~PresentationRenderer() = default;

    // Presentations.Open(file, ...): opens the file read-only without a
    // window. Starts the program when it is not running.
    virtual std::unique_ptr<Presentation> open(const std::filesystem::path& file) = 0;

    // Quit: ends the program. The renderer may be used again afterwards
    // (the next open starts the program anew). Never raises.
    virtual void quit() = 0;
};

}  // namespace slidemint
