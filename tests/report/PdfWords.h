#pragma once

// PDF files read back through poppler's command-line tools, for tests of
// everything that writes PDF: what a tool prints about a file, and the words
// on its pages with their boxes.
#include <filesystem>
#include <string>
#include <vector>

namespace report::testing {

// A word pdftotext found, with its box in points.
struct PdfWord {
    int Page;
    double XMin, YMin, XMax, YMax;
    std::string Text;
};

// True when poppler's pdftotext is installed (tests that read PDF back skip without it).
bool HavePdfToText();

// What a poppler tool prints about a PDF file.
std::string PopplerOutput(const std::string& tool, const std::filesystem::path& pdf, const std::string& after = "");

std::vector<PdfWord> ReadWords(const std::filesystem::path& pdf);

} // namespace report::testing
