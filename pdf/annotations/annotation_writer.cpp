#include "pdf/annotations/annotation_writer.hpp"

#include <cstdio>

#include "pdf/pdf_format.hpp"

namespace slidemint {

namespace {

// The annotation's rectangle in default user space: x and y in points,
// y flipped at the page height (not flipped when the page was not output).
std::string RectEntry(const TveRect& rect, int pageNumber, const TveAnnotationServices& services) {
    const double scale = services.PointsPerPixel();
    const double height = services.PageHeight(pageNumber).value_or(0.0);
    const auto x = [&](double value) { return FormatReal(value * scale); };
    const auto y = [&](double value) { return FormatReal(height - value * scale); };
    return "/Rect [" + x(rect.Left) + " " + y(rect.Top) + " " + x(rect.Right) + " " + y(rect.Bottom) + "]";
}

// Escapes the bytes of a literal string so that a reader gets every byte
// back. The general escaping turns tabs into blanks, which is harmless for
// plain text but would corrupt an encrypted string; tabs are written as
// "\t" instead, everything else is escaped as usual.
std::string EscapeStringBytes(std::string_view bytes) {
    std::string escaped;
    std::size_t start = 0;
    for (std::size_t tab = bytes.find('\t'); tab != std::string_view::npos; tab = bytes.find('\t', start)) {
        escaped += EscapeLiteralString(bytes.substr(start, tab - start)) + "\\t";
        start = tab + 1;
    }
    return escaped + EscapeLiteralString(bytes.substr(start));
}

}  // namespace

std::string AnnotationDate(const LocalDateTime& moment) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%04d%02d%02d%02d%02d%02d", moment.year, moment.month, moment.day,
                  moment.hour, moment.minute, moment.second);
    return std::string("D:") + digits + "+05'30'";
}

std::string TextAnnotationBody(const TvePDFTextAnnot& annot, int objectNumber, const std::string& date,
                               TveAnnotationServices& services) {
    std::string body = "/Type /Annot" + RectEntry(annot.Rect, annot.PageNo, services);
    body += "/Subtype /Text";
    body += " /T <" + services.TextToPdfHex(annot.Title, objectNumber) + ">";
    body += "/C [" + services.ColorToRGBText(annot.Color) + "]";
    body += "/Subj<" + services.TextToPdfHex(annot.Subject, objectNumber) + ">";
    body += "/M(" + EscapeStringBytes(services.EncryptString(date, objectNumber)) + ")";
    body += std::string("/Name /") + TextAnnotIconName(annot.Icon);
    body += "/Contents <" + services.TextToPdfHex(annot.Contents, objectNumber) + ">";
    body += annot.Open ? "/Open true" : "/Open false";
    return body + std::string(kCrLf);
}

void WriteAnnotationObjects(const TveAnnotationList& list, const LocalDateTime& moment,
                            TveAnnotationServices& services) {
    const std::string date = AnnotationDate(moment);
    for (const TveAnnotationEntry& entry : list.Entries())
        services.WriteObject(TextAnnotationBody(*entry.Annot, entry.ObjectNumber, date, services),
                             entry.ObjectNumber);
}

}  // namespace slidemint
