#include "pdf/viewer_preferences.hpp"

#include "pdf/pdf_format.hpp"

namespace slidemint {

namespace {

const char* PageModeName(TvePageMode mode) {
    switch (mode) {
        case TvePageMode::pmUseOutlines: return "/UseOutlines";
        case TvePageMode::pmUseThumbs: return "/UseThumbs";
        case TvePageMode::pmFullScreen: return "/FullScreen";
        default: return "/UseNone";
    }
}

const char* PageLayoutName(TvePageLayout layout) {
    switch (layout) {
        case TvePageLayout::plSinglePage: return "/SinglePage";
        case TvePageLayout::plTwoColumnLeft: return "/TwoColumnLeft";
        case TvePageLayout::plTwoColumnRight: return "/TwoColumnRight";
        default: return "/OneColumn";
    }
}

const char* NonFullScreenModeName(TveNonFullScreenPageMode mode) {
    switch (mode) {
        case TveNonFullScreenPageMode::nfspmUseOutlines: return "/UseOutlines";
        case TveNonFullScreenPageMode::nfspmUseThumbs: return "/UseThumbs";
        default: return "/UseNone";
    }
}

const char* TransitionStyle(TveTransitionEffect effect) {
    using E = TveTransitionEffect;
    switch (effect) {
        case E::teSplitHorizontalInward: return "/Split/Dm/H/M/I";
        case E::teSplitHorizontalOutward: return "/Split/Dm/H/M/O";
        case E::teSplitVerticalInward: return "/Split/Dm/V/M/I";
        case E::teSplitVerticalOutward: return "/Split/Dm/V/M/O";
        case E::teBlindsHorizontal: return "/Blinds/Dm/H";
        case E::teBlindsVertical: return "/Blinds/Dm/V";
        case E::teBoxInward: return "/Box/M/I";
        case E::teBoxOutward: return "/Box/M/O";
        case E::teWipeLeftToRight: return "/Wipe/Di 0";
        case E::teWipeBottomToTop: return "/Wipe/Di 90";
        case E::teWipeRightToLeft: return "/Wipe/Di 180";
        case E::teWipeTopToBottom: return "/Wipe/Di 270";
        case E::teDissolve: return "/Dissolve";
        case E::teGlitterLeftToRight: return "/Glitter/Di 0";
        case E::teGlitterTopToBottom: return "/Glitter/Di 270";
        case E::teGlitterTopLeftToBottomRight: return "/Glitter/Di 315";
        default: return "/R";
    }
}

}  // namespace

std::string TveViewerPreferences::GetViewerEntries() const {
    std::string text = "/PageMode";
    text += PageModeName(PageMode);
    text += "/PageLayout";
    text += PageLayoutName(PageLayout);
    text += "/ViewerPreferences <<";
    if (CenterWindow) text += "/CenterWindow true";
    if (FitWindow) text += "/FitWindow true";
    if (HideWindowUI) text += "/HideWindowUI true";
    if (HideMenuBar) text += "/HideMenubar true";
    if (HideToolBar) text += "/HideToolbar true";
    if (PageMode == TvePageMode::pmFullScreen) {
        text += "/NonFullScreenPageMode";
        text += NonFullScreenModeName(NonFullScreenPageMode);
    }
    text += " >>";
    return text;
}

std::string TveViewerPreferences::GetTransitionEntries(std::int32_t duration,
                                                       TveTransitionEffect effect) {
    const std::string seconds = IntToStr(duration);
    return "/Dur " + seconds + "/Trans <</Type/Trans/D " + seconds + "/S" + TransitionStyle(effect) +
           " >>";
}

}  // namespace slidemint
