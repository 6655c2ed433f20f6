#pragma once

#include <cstdint>
#include <string>

namespace slidemint {

enum class TvePageLayout : std::uint8_t { plSinglePage, plOneColumn, plTwoColumnLeft, plTwoColumnRight };

enum class TvePageMode : std::uint8_t { pmUseNone, pmUseOutlines, pmUseThumbs, pmFullScreen };

enum class TveNonFullScreenPageMode : std::uint8_t { nfspmUseNone, nfspmUseOutlines, nfspmUseThumbs };

enum class TveTransitionEffect : std::uint8_t {
    teNone,
    teSplitHorizontalInward,
    teSplitHorizontalOutward,
    teSplitVerticalInward,
    teSplitVerticalOutward,
    teBlindsHorizontal,
    teBlindsVertical,
    teBoxInward,
    teBoxOutward,
    teWipeLeftToRight,
    teWipeBottomToTop,
    teWipeRightToLeft,
    teWipeTopToBottom,
    teDissolve,
    teGlitterLeftToRight,
    teGlitterTopToBottom,
    teGlitterTopLeftToBottomRight,
};

// The transition every page gets in a slide-show viewer and how long each
// page stays on screen (seconds; written as given, without checks).
struct TvePresentationMode {
    std::int32_t Duration = 1;
    TveTransitionEffect TransitionEffect = TveTransitionEffect::teNone;
};

// How a viewer opens the document. The values are read whenever the catalog
// or a page dictionary is written, so they apply to the output that follows.
// Assigning one object to another copies every value, the presentation mode
// included.
struct TveViewerPreferences {
    TvePageLayout PageLayout = TvePageLayout::plOneColumn;
    TvePageMode PageMode = TvePageMode::pmUseNone;
    bool HideToolBar = false;
    bool HideMenuBar = false;
    bool HideWindowUI = false;
    bool FitWindow = false;
    bool CenterWindow = false;
    TveNonFullScreenPageMode NonFullScreenPageMode = TveNonFullScreenPageMode::nfspmUseNone;
    TvePresentationMode PresentationMode;

    // Catalog entries: page mode, page layout and the /ViewerPreferences
    // dictionary, e.g. "/PageMode/UseNone/PageLayout/OneColumn/ViewerPreferences << >>".
    std::string GetViewerEntries() const;

    // Page entries: "/Dur d/Trans <</Type/Trans/D d/S<style> >>".
    static std::string GetTransitionEntries(std::int32_t duration, TveTransitionEffect effect);
};

}  // namespace slidemint
