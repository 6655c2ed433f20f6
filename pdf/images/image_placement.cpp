// The operators that paint an image XObject into its rectangle, and the
// optional frame drawn under it.
#include "pdf/custom_pdf_engine.hpp"
#include "pdf/images/pdf_image_writer.hpp"
#include "pdf/pdf_format.hpp"

namespace slidemint {

namespace {

std::string point(double x, double y) { return FormatReal(x) + " " + FormatReal(y); }

}  // namespace

std::string TvePDFImageWriter::PlaceImage(const std::string& name, const TveImageItem& item) {
    double width = item.Width == 0 ? 1.0 : item.Width;
    double height = item.Height == 0 ? 1.0 : item.Height;
    std::string placement = "\r\nq\r\n" + FormatReal(engine_.ToPdfX(width)) + " 0 0 " + FormatReal(lengthY(height)) +
                            " " + point(engine_.ToPdfX(item.X), engine_.ToPdfY(currentPage(), item.Y + height)) +
                            " cm\r\n/" + name + " Do\r\nQ";
    if (!item.ImageSettings.DrawFrame) return placement;
    return FrameText(item) + "\r\n" + placement;
}

std::string TvePDFImageWriter::FrameText(const TveImageItem& item) {
    const TveRect& rect = item.DisplayRect;
    double p = engine_.ToPdfX(rect.Left);
    double q = engine_.ToPdfY(currentPage(), rect.Top);
    // Sized like the placement, so the frame fits the image at any input
    // resolution.
    double fw = engine_.ToPdfX(rect.Right - rect.Left);
    double fh = lengthY(rect.Bottom - rect.Top);
    return frameFill(item, framePath(p, q, fw, fh)) + frameStroke(item, p, q, fw, fh);
}

std::string TvePDFImageWriter::framePath(double p, double q, double fw, double fh) const {
    return point(p, q) + " m " + point(p, q - fh) + " l " + point(p + fw, q - fh) + " l " + point(p + fw, q) +
           " l " + point(p, q) + " l ";
}

std::string TvePDFImageWriter::frameFill(const TveImageItem& item, const std::string& path) {
    std::string colour = engine_.ColorToRGBText(item.Brush.Color);
    if (item.Brush.Style == bsSolid) return "\r\nq\r\n" + colour + " rg\r\n" + path + "\r\nf\r\nQ";
    if (item.Brush.Style == bsClear) return "";
    return "\r\nq\r\n/CSP cs " + colour + " /" + GetHatchPattern(item.Brush.Style) + " scn\r\nn\r\n" + path +
           "\r\nh\r\nf\r\nQ";
}

std::string TvePDFImageWriter::frameStroke(const TveImageItem& item, double p, double q, double fw,
                                           double fh) const {
    const TveFrame& frame = item.Frame;
    bool anySide = frame.DrawLeft || frame.DrawTop || frame.DrawRight || frame.DrawBottom;
    if (item.Pen.Style == psClear || !anySide) return "";
    std::string text = "\r\nq\r\n" + DashText(item.Pen.Style) + FormatReal(item.Pen.Width * engine_.PointsPerPixel()) +
                       " w\r" + engine_.ColorToRGBText(item.Pen.Color) + " RG";
    if (frame.DrawLeft && frame.DrawTop && frame.DrawRight && frame.DrawBottom)
        return text + "\r\n" + framePath(p, q, fw, fh) + "\r\n s Q";
    auto side = [&](bool draw, double x1, double y1, double x2, double y2) {
        if (draw) text += "\r\n" + point(x1, y1) + " m \r\n" + point(x2, y2) + " l ";
    };
    side(frame.DrawLeft, p, q - fh, p, q);
    side(frame.DrawTop, p, q, p + fw, q);
    side(frame.DrawRight, p + fw, q, p + fw, q - fh);
    side(frame.DrawBottom, p + fw, q - fh, p, q - fh);
    return text + "\r\nS\r\nQ";
}

}  // namespace slidemint
