#include "pdf/viewer_preferences.hpp"

#include <gtest/gtest.h>

namespace slidemint {
namespace {

TEST(ViewerPreferences, DefaultsWriteModeLayoutAndAnEmptyDictionary) {
    TveViewerPreferences preferences;
    EXPECT_EQ(preferences.GetViewerEntries(),
              "/PageMode/UseNone/PageLayout/OneColumn/ViewerPreferences << >>");
    EXPECT_EQ(TveViewerPreferences::GetTransitionEntries(preferences.PresentationMode.Duration,
                                                         preferences.PresentationMode.TransitionEffect),
              "/Dur 1/Trans <</Type/Trans/D 1/S/R >>");
}

TEST(ViewerPreferences, FullScreenConverterSettings) {
    TveViewerPreferences p;
    p.HideToolBar = true;  // set in another order than written
    p.HideMenuBar = true;
    p.FitWindow = true;
    p.CenterWindow = true;
    p.PageMode = TvePageMode::pmFullScreen;
    p.NonFullScreenPageMode = TveNonFullScreenPageMode::nfspmUseThumbs;
    p.PageLayout = TvePageLayout::plTwoColumnLeft;
    EXPECT_EQ(p.GetViewerEntries(),
              "/PageMode/FullScreen/PageLayout/TwoColumnLeft/ViewerPreferences <<"
              "/CenterWindow true/FitWindow true/HideMenubar true/HideToolbar true"
              "/NonFullScreenPageMode/UseThumbs >>");
    p.HideWindowUI = true;
    EXPECT_NE(p.GetViewerEntries().find("/FitWindow true/HideWindowUI true/HideMenubar true"),
              std::string::npos);
}

TEST(ViewerPreferences, NonFullScreenModeOnlyWithFullScreen) {
    const struct {
        TvePageMode mode;
        TvePageLayout layout;
        const char* text;
    } cases[] = {
        {TvePageMode::pmUseThumbs, TvePageLayout::plSinglePage,
         "/PageMode/UseThumbs/PageLayout/SinglePage/ViewerPreferences << >>"},
        {TvePageMode::pmUseOutlines, TvePageLayout::plTwoColumnRight,
         "/PageMode/UseOutlines/PageLayout/TwoColumnRight/ViewerPreferences << >>"},
        {TvePageMode::pmFullScreen, TvePageLayout::plOneColumn,
         "/PageMode/FullScreen/PageLayout/OneColumn/ViewerPreferences <</NonFullScreenPageMode/UseThumbs >>"},
        {static_cast<TvePageMode>(9), static_cast<TvePageLayout>(9),
         "/PageMode/UseNone/PageLayout/OneColumn/ViewerPreferences << >>"},
    };
    for (const auto& c : cases) {
        TveViewerPreferences p;
        p.NonFullScreenPageMode = TveNonFullScreenPageMode::nfspmUseThumbs;
        p.PageMode = c.mode;
        p.PageLayout = c.layout;
        EXPECT_EQ(p.GetViewerEntries(), c.text);
    }
}

TEST(ViewerPreferences, EveryTransitionEffectHasItsStyle) {
    using E = TveTransitionEffect;
    const struct {
        E effect;
        const char* style;
    } cases[] = {
        {E::teNone, "/R"},
        {E::teSplitHorizontalInward, "/Split/Dm/H/M/I"},
        {E::teSplitHorizontalOutward, "/Split/Dm/H/M/O"},
        {E::teSplitVerticalInward, "/Split/Dm/V/M/I"},
        {E::teSplitVerticalOutward, "/Split/Dm/V/M/O"},
        {E::teBlindsHorizontal, "/Blinds/Dm/H"},
        {E::teBlindsVertical, "/Blinds/Dm/V"},
        {E::teBoxInward, "/Box/M/I"},
        {E::teBoxOutward, "/Box/M/O"},
        {E::teWipeLeftToRight, "/Wipe/Di 0"},
        {E::teWipeBottomToTop, "/Wipe/Di 90"},
        {E::teWipeRightToLeft, "/Wipe/Di 180"},
        {E::teWipeTopToBottom, "/Wipe/Di 270"},
        {E::teDissolve, "/Dissolve"},
        {E::teGlitterLeftToRight, "/Glitter/Di 0"},
        {E::teGlitterTopToBottom, "/Glitter/Di 270"},
        {E::teGlitterTopLeftToBottomRight, "/Glitter/Di 315"},
        {static_cast<E>(17), "/R"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TveViewerPreferences::GetTransitionEntries(2, c.effect),
                  std::string("/Dur 2/Trans <</Type/Trans/D 2/S") + c.style + " >>");
    }
    EXPECT_EQ(TveViewerPreferences::GetTransitionEntries(0, E::teDissolve),
              "/Dur 0/Trans <</Type/Trans/D 0/S/Dissolve >>");
}

}  // namespace
}  // namespace slidemint
