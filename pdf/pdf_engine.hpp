#pragma once

#include "pdf/ex_pdf_engine.hpp"

namespace slidemint {

// The PDF engine component that applications create and configure.
class TvePDFEngine : public TveExPDFEngine {
public:
    TvePDFEngine() = default;
};

}  // namespace slidemint
