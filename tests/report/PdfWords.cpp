#include "PdfWords.h"

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>

namespace report::testing {

bool HavePdfToText() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

std::string PopplerOutput(const std::string& tool, const std::filesystem::path& pdf, const std::string& after)
{
    std::string command = tool + " '" + pdf.string() + "' " + after + " 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    pclose(pipe);
    return out;
}

std::vector<PdfWord> ReadWords(const std::filesystem::path& pdf)
{
    std::string out = PopplerOutput("pdftotext -bbox", pdf, "-");
    std::vector<PdfWord> words;
    std::regex word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    int page = 0;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<page ") != std::string::npos)
            ++page;
        std::smatch m;
        if (std::regex_search(line, m, word))
            words.push_back({ page, std::stod(m[1].str()), std::stod(m[2].str()), std::stod(m[3].str()),
                std::stod(m[4].str()), m[5].str() });
    }
    return words;
}

} // namespace report::testing
