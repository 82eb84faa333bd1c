// Feeds arbitrary bytes to the report template reader. A stream is either
// refused with a TemplateError or read; what was read must write, and the
// written template must read back and write the same bytes again.
#include "report/objects/TfrRichObject.h"
#include "report/template/TemplateFormat.h"
#include "tools/support/TemplateJson.h"

#include <cstdlib>

namespace {

const report::AddInRegistry& AddIns()
{
    static report::AddInRegistry add_ins = [] {
        report::AddInRegistry registry;
        report::TfrRichObject rich_text(registry);
        return registry;
    }();
    return add_ins;
}

std::vector<std::uint8_t> Write(const report::TfrReport& report)
{
    io::ByteWriter out;
    report::WriteTemplate(report, out);
    return out.Take();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    report::TfrReport first;
    int version = 0;
    try {
        version = report::ReadTemplate({ data, size }, first, AddIns(), {});
    } catch (const report::TemplateError&) {
        return 0;
    }
    report::TemplateToJson(first, version);

    auto written = Write(first);
    report::TfrReport second;
    report::ReadTemplate(written, second, AddIns(), {});
    if (Write(second) != written)
        std::abort();

    // A refused stream leaves a report untouched.
    report::TfrReport target;
    target.AddPage();
    if (!target.LoadTemplateFromStream({ data, size }) && target.Pages.size() != 1)
        std::abort();
    return 0;
}
