#include "engine/image_settings.hpp"

#include <algorithm>
#include <string>

#include "engine/custom_document_engine.hpp"
#include "engine/units.hpp"
#include "platform/desktop_shell.hpp"

namespace slidemint {

TveImageSettings::TveImageSettings(TveCustomDocumentEngine* engine) : sourceDPI_(ScreenPPI()), engine_(engine) {}

TveImageSettings::TveImageSettings(const TveImageSettings& other)
    : ImagePixelFormat(other.ImagePixelFormat), CenterImage(other.CenterImage), ActualSize(other.ActualSize),
      StretchImage(other.StretchImage), TransparentImage(other.TransparentImage),
      KeepAspectRatio(other.KeepAspectRatio), DrawFrame(other.DrawFrame), sourceDPI_(other.sourceDPI_),
      outputImageFormat_(other.outputImageFormat_), jpegQuality_(other.jpegQuality_), engine_(nullptr) {}

void TveImageSettings::Assign(const TveImageSettings& source) {
    if (this == &source) return;
    SetSourceDPI(source.SourceDPI());
    SetOutputImageFormat(source.OutputImageFormat());
    ImagePixelFormat = source.ImagePixelFormat;
    jpegQuality_ = source.jpegQuality_;
    CenterImage = source.CenterImage;
    ActualSize = source.ActualSize;
    StretchImage = source.StretchImage;
    TransparentImage = source.TransparentImage;
    KeepAspectRatio = source.KeepAspectRatio;
    DrawFrame = source.DrawFrame;
}

void TveImageSettings::SetSourceDPI(int dpi) { sourceDPI_ = dpi; }

void TveImageSettings::SetOutputImageFormat(TveOutputImageFormat format) {
    if (engine_) {
        std::string message;
        if (!engine_->SupportsImageFormat(format, message)) {
            DesktopShell::current().showErrorMessage(message);
            return;
        }
    }
    outputImageFormat_ = format;
}

void TveImageSettings::SetJPEGQuality(int quality) { jpegQuality_ = std::clamp(quality, 1, 100); }

}  // namespace slidemint
