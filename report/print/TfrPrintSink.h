#pragma once

#include "report/printer/TfrPrinter.h"

#include "platform/graphics/TPageCanvas.h"

#include <string>

namespace report {

// What a print job asks of the printer besides its pages.
struct TfrPrintDocument {
    std::string Title;
    int Copies { 1 };
    bool Collate { true };
};

// A sheet of the current paper: its size in points (1/72 inch) as it lies,
// and the points per printer pixel, the drawing unit of the page's canvas.
struct TfrSheet {
    double WidthPoints { 0 };
    double HeightPoints { 0 };
    double PointsPerPixel { 1 };
};

// Where printed pages go: one document per run of pages on one paper, one
// sheet per page. The printer layer's selected printer and paper at
// BeginDoc are those of the document.
class TfrPrintSink {
public:
    virtual ~TfrPrintSink() = default;
    virtual void BeginDoc(const TfrPrintDocument& document, const TfrPrinter& printer) = 0;
    // A canvas in printer pixels with its origin at the sheet's top-left
    // corner, valid until EndPage.
    virtual gfx::TPageCanvas& BeginPage(const TfrSheet& sheet) = 0;
    virtual void EndPage() = 0;
    // Hands the document to the printer.
    virtual void EndDoc() = 0;
    // Drops the open document: nothing of it is printed.
    virtual void Abort() = 0;
};

} // namespace report
