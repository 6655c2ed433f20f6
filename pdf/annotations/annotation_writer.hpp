#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/color.hpp"
#include "pdf/annotations/annotation_list.hpp"
#include "platform/system_environment.hpp"

namespace slidemint {

// What the annotation writer needs of the PDF writer.
class TveAnnotationServices {
public:
    virtual ~TveAnnotationServices() = default;
    // Writes a closed object; `body` is a run of dictionary entries ending
    // in CR LF.
    virtual void WriteObject(std::string_view body, int objectNumber) = 0;
    virtual std::string TextToPdfHex(std::u16string_view text, int objectNumber) = 0;
    virtual std::string EncryptString(std::string_view bytes, int objectNumber) = 0;
    virtual std::string ColorToRGBText(TColor color) const = 0;
    // Height in points of an output page; nothing when it was not output.
    virtual std::optional<double> PageHeight(int pageNumber) const = 0;
    virtual double PointsPerPixel() const = 0;
};

// The modification date of an annotation: "D:" + yyyymmddhhnnss of the
// local moment + the fixed zone "+05'30'".
std::string AnnotationDate(const LocalDateTime& moment);

// The dictionary entries of a text annotation written as object
// `objectNumber`, ending in CR LF. Every string is encrypted with that
// number; the date stays a literal string.
std::string TextAnnotationBody(const TvePDFTextAnnot& annot, int objectNumber, const std::string& date,
                               TveAnnotationServices& services);

// Writes every annotation of the list, in list order, dated `moment`.
void WriteAnnotationObjects(const TveAnnotationList& list, const LocalDateTime& moment,
                            TveAnnotationServices& services);

}  // namespace slidemint
