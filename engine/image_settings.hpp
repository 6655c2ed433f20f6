#pragma once

#include <cstdint>

namespace slidemint {

class TveCustomDocumentEngine;

enum TveOutputImageFormat : std::uint8_t {
    ifBMP, ifJPEG, ifGIF, ifPNG, ifMetafile, ifCCITT3, ifCCITT4
};

enum TPixelFormat : std::uint8_t {
    pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom
};

// How images are placed (read by DrawImage) and encoded (read by writers).
class TveImageSettings {
public:
    // SourceDPI starts at ScreenPPI. An owning engine is asked before an
    // output format is accepted.
    explicit TveImageSettings(TveCustomDocumentEngine* engine = nullptr);

    // A copy of every value with no owning engine.
    TveImageSettings(const TveImageSettings& other);
    TveImageSettings& operator=(const TveImageSettings&) = delete;

    // Copies every value; OutputImageFormat and SourceDPI go through their
    // setters (so the format check applies).
    void Assign(const TveImageSettings& source);

    int SourceDPI() const { return sourceDPI_; }
    void SetSourceDPI(int dpi);

    // Refused formats (the engine's SupportsImageFormat says no) leave the
    // old value and show the engine's message in an error message box.
    TveOutputImageFormat OutputImageFormat() const { return outputImageFormat_; }
    void SetOutputImageFormat(TveOutputImageFormat format);

    // 1..100; values outside are brought into the range.
    int JPEGQuality() const { return jpegQuality_; }
    void SetJPEGQuality(int quality);

    TPixelFormat ImagePixelFormat = pf24bit;
    bool CenterImage = false;
    bool ActualSize = false;
    bool StretchImage = false;
    bool TransparentImage = false;
    bool KeepAspectRatio = false;
    bool DrawFrame = false;

    TveCustomDocumentEngine* Engine() const { return engine_; }

private:
    int sourceDPI_;
    TveOutputImageFormat outputImageFormat_ = ifBMP;
    int jpegQuality_ = 100;
    TveCustomDocumentEngine* engine_ = nullptr;
};

}  // namespace slidemint
