#include "app/engine_setup.hpp"

#include <memory>

#include "app/conversion_job.hpp"
#include "app/slide_source.hpp"
#include "app/utf8_text.hpp"
#include "pdf/annotations/pdf_annot.hpp"
#include "pdf/pdf_engine.hpp"

namespace slidemint {

namespace {

constexpr int kInputResolution = 96;

void ApplyViewerPreferences(TveViewerPreferences& viewer, const ConversionOptions& options) {
    viewer.CenterWindow = true;
    viewer.FitWindow = true;
    viewer.HideMenuBar = options.hideToolBar;
    viewer.HideToolBar = options.hideToolBar;
    viewer.PageMode = options.fullScreen ? TvePageMode::pmFullScreen : TvePageMode::pmUseOutlines;
    viewer.NonFullScreenPageMode = TveNonFullScreenPageMode::nfspmUseThumbs;
    viewer.PageLayout = TvePageLayout::plTwoColumnLeft;
    viewer.PresentationMode = TvePresentationMode{};
    if (options.animation) {
        viewer.PresentationMode.TransitionEffect = TveTransitionEffect::teDissolve;
        viewer.PresentationMode.Duration = 2;
    }
}

void ApplyEncryption(TvePDFEncryptionSettings& encryption, const ConversionOptions& options) {
    encryption = TvePDFEncryptionSettings{};
    if (!options.encrypt) return;
    encryption.Enabled = true;
    encryption.Level = TvePDFEncryptionLevel::el128bit;
    encryption.UserPassword = options.userPassword;
    encryption.OwnerPassword = options.ownerPassword;
    encryption.UserPermissions = TveUserPermissions{TveUserPermissionsType::AllowCopy};
}

void AddNoteAnnotation(TvePDFEngine& engine, const std::u16string& text, const TveRect& rect) {
    auto note = std::make_unique<TvePDFTextAnnot>();
    note->Rect = rect;
    note->Contents = text;
    note->Open = false;
    note->Icon = TvePDFTextAnnot::kHelp;
    engine.AddAnnotation(std::move(note));
}

}  // namespace

void ApplyJobSettings(TvePDFEngine& engine, SlidePixelSize size, const std::string& fileName) {
    // What the window's engine component is given once at design time: pixel
    // units at 96 pixels per inch, so that the page size below is in pixels.
    engine.SetMeasurementUnit(muPixels);
    engine.InputXRes = kInputResolution;
    engine.InputYRes = kInputResolution;
    engine.Page().SetPaperSize(TvePaperSize::Custom);
    engine.Page().SetWidth(size.width);
    engine.Page().SetHeight(size.height);
    engine.Page().SetOrientation(poPortrait);
    engine.SetFileName(fileName);
    engine.Preferences().SetShowSetupDialog(false);
    engine.SetMeasurementUnit(muPixels);
    engine.Compression().Enabled = true;
    engine.Compression().Level = TveCompressionLevel::clMaxCompress;
    engine.ImageSettings().SetOutputImageFormat(ifJPEG);
}

void ApplyOptionSettings(TvePDFEngine& engine, const ConversionOptions& options) {
    // The job opens the finished file itself, once it has its final name.
    engine.Preferences().SetOpenAfterCreate(false);
    ApplyViewerPreferences(engine.ViewerPreferences(), options);
    ApplyEncryption(engine.Encryption(), options);
    engine.DocInfo().SetAuthor(Utf8ToUtf16(options.author));
    engine.DocInfo().SetSubject(u"");
    engine.DocInfo().SetKeywords(u"");
    engine.DocInfo().SetTitle(u"");
    engine.DocInfo().SetCreator(Utf8ToUtf16(options.creator));
}

void ApplySlideOptions(TvePDFEngine& engine, const ConversionOptions& options, const RenderedSlide& slide,
                       int number, SlidePixelSize size) {
    if (options.addSlideNotes) {
        const std::u16string notes = CleanText(slide.notes);
        const double w = size.width;
        const double h = size.height;
        if (!notes.empty()) AddNoteAnnotation(engine, notes, TveRect{w - 60, h - 60, w - 30, h - 30});
    }
    if (options.addToc) engine.AddOutlineEntry(CleanText(slide.title), -1, number, 0.0);
}

}  // namespace slidemint
