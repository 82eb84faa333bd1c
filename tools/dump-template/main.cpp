// Prints what a report template file holds as JSON, or the error that refused
// it (exit status 1).
#include "report/objects/TfrRichObject.h"
#include "report/template/TemplateFormat.h"
#include "tools/support/TemplateJson.h"

#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: dump-template <template file>\n";
        return 2;
    }
    std::string file_name = argv[1];
    std::ifstream file(file_name, std::ios::binary);
    if (!file) {
        std::cout << report::TemplateErrorToJson(file_name, "the file cannot be opened");
        return 1;
    }
    std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    report::AddInRegistry add_ins;
    report::TfrRichObject rich_text(add_ins);
    report::TfrReport loaded;
    try {
        int version = report::ReadTemplate(bytes, loaded, add_ins, {});
        std::cout << report::TemplateToJson(loaded, version);
    } catch (const report::TemplateError& error) {
        std::cout << report::TemplateErrorToJson(file_name, error.what());
        return 1;
    }
    return 0;
}
