#pragma once

#include <cstdint>

namespace slidemint {

// Bits of TveCustomDocumentEngine::EngineCapabilities(), fixed by each
// concrete engine class in its constructor.
namespace capability {
inline constexpr std::uint16_t AcceptsText = 0x0001;
inline constexpr std::uint16_t AcceptsImages = 0x0002;
inline constexpr std::uint16_t AcceptsShapes = 0x0004;
inline constexpr std::uint16_t HeaderOnFirstPageOnly = 0x0008;
inline constexpr std::uint16_t FooterOnFirstPageOnly = 0x0010;
inline constexpr std::uint16_t BackgroundOnFirstPageOnly = 0x0020;
inline constexpr std::uint16_t ForegroundOnFirstPageOnly = 0x0040;
inline constexpr std::uint16_t ImagesAtOwnPixelSize = 0x0080;
inline constexpr std::uint16_t ImagePreparation = 0x0100;
inline constexpr std::uint16_t NoMetafileRescaling = 0x0200;
inline constexpr std::uint16_t BaseEngine = 0x0007;
}  // namespace capability

// Engine status values (EngineStatus()).
enum TveEngineStatus : std::uint8_t {
    esIdle = 0, esDocumentBegun = 1, esDocumentEnded = 2, esSetupCancelled = 3, esOutputFailed = 4
};

// Result of a setup dialog: 1 OK, 2 cancel.
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

}  // namespace slidemint
