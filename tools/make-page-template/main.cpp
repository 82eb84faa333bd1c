// Writes the program's default print layout, "PAGE.frf", to the given path.
#include "report/template/PageTemplate.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make-page-template <output file>\n";
        return 2;
    }
    auto bytes = report::PageTemplateBytes();
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "make-page-template: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
