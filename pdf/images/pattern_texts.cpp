#include "pdf/images/pattern_texts.hpp"

#include "pdf/pdf_format.hpp"

namespace slidemint {

std::string DashText(TPenStyle style) {
    switch (style) {
    case psSolid: return "[]0 d ";
    case psDash: return "[16 8]0 d ";
    case psDot: return "[3 4]0 d ";
    case psDashDot: return "[8 4 2 4]0 d ";
    case psDashDotDot: return "[8 4 2 4 2 8]0 d ";
    case psClear:
    case psInsideFrame: break;
    }
    return "";
}

std::string HatchPatternName(TBrushStyle style) {
    switch (style) {
    case bsHorizontal: return "PH";
    case bsVertical: return "PV";
    case bsFDiagonal: return "PFD";
    case bsBDiagonal: return "PBD";
    case bsCross: return "PC";
    case bsDiagCross: return "PDC";
    case bsSolid:
    case bsClear: break;
    }
    return "";
}

std::string HatchPatternStream(const std::string& name) {
    const std::string prefix = "2 J 2 j 0.3 w ";
    if (name == "PH") return prefix + "0 2.5 m 5 2.5 l S";
    if (name == "PV") return prefix + "2.5 0 m 2.5 5 l S";
    if (name == "PFD") return prefix + "0 2.5 m 2.5 0 l 5 2.5 m 2.5 5 l S";
    if (name == "PBD") return prefix + "0 2.5 m 2.5 5 l 2.5 0 m 5 2.5 l S";
    if (name == "PC") return prefix + "0 2.5 m 5 2.5 l 2.5 0 m 2.5 5 l S";
    if (name == "PDC") return prefix + "2.5 0 m 5 2.5 l 2.5 5 l 0 2.5 l s";
    return "";
}

std::string HatchPatternDictionary() {
    return "/Type /Pattern\r\n/Resources << /ProcSet [/PDF ] >>\r\n/PatternType 1\r\n/PaintType 2\r\n"
           "/TilingType 1\r\n/BBox [0 0 5 5]\r\n/XStep 5\r\n/YStep 5\r\n";
}

std::string PatternLengthEntries(bool compressed, int lengthObject, std::size_t byteCount) {
    if (compressed) return "/Length\r\n" + ObjectRef(lengthObject) + "/Filter/FlateDecode";
    return "/Length " + IntToStr(static_cast<long long>(byteCount)) + "\r\n";
}

BackgroundPlacement PlaceBackground(TveBackgroundDisplayType type, double pageWidth, double pageHeight,
                                    int pictureWidth, int pictureHeight) {
    BackgroundPlacement placement{static_cast<double>(pictureWidth), static_cast<double>(pictureHeight), 0, 0};
    if (type == dtTile) return placement;
    bool centreColumn = type == dtTopCenter || type == dtCenter || type == dtBottomCenter;
    bool rightColumn = type == dtTopRight || type == dtCenterRight || type == dtBottomRight;
    bool middleRow = type == dtCenterLeft || type == dtCenter || type == dtCenterRight;
    bool topRow = type == dtTopLeft || type == dtTopCenter || type == dtTopRight;
    if (centreColumn) placement.x = pageWidth / 2 - placement.width / 2;
    if (rightColumn) placement.x = pageWidth - placement.width;
    if (middleRow) placement.y = pageHeight / 2 - placement.height / 2;
    if (topRow) placement.y = pageHeight - placement.height;
    return placement;
}

std::string BackgroundFillText(TveBackgroundDisplayType type, const BackgroundPlacement& placement,
                               double pageWidth, double pageHeight) {
    bool tile = type == dtTile;
    return "/CSP cs /PI scn n " + FormatReal(tile ? 0 : placement.x) + " " + FormatReal(tile ? 0 : placement.y) +
           " " + FormatReal(tile ? pageWidth : placement.width) + " " +
           FormatReal(tile ? pageHeight : placement.height) + " re f";
}

std::string BackgroundPatternDictionary(int imageObject, const BackgroundPlacement& placement) {
    std::string width = FormatReal(placement.width);
    std::string height = FormatReal(placement.height);
    return "/Type/Pattern/PatternType 1/PaintType 1/Resources << /ProcSet [/PDF /ImageC] /XObject << /Img0 " +
           ObjectRef(imageObject) + " >> \r\n>>/TilingType 1/BBox [0 0 " + width + " " + height +
           "]/Matrix [1 0 0 1 " + FormatReal(placement.x) + " " + FormatReal(placement.y) + "]/XStep " + width +
           "/YStep " + height;
}

std::string BackgroundPatternStream(const BackgroundPlacement& placement) {
    return "\r\nq\r\n" + FormatReal(placement.width) + " 0 0 " + FormatReal(placement.height) + " 0 0 cm\r\n/Img0 Do\r\nQ";
}

}  // namespace slidemint
