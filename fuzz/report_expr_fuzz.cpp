// Feeds arbitrary text to the expression language: the first byte picks what
// the rest is run as (an expression, a memo line with bracketed expressions,
// a script, a postfix text, or number and date format texts). Errors are
// expected and caught; crashes, hangs and sanitizer reports are findings.
#include "report/expr/DateFormat.h"
#include "report/expr/DisplayFormat.h"
#include "report/expr/ExprError.h"
#include "report/expr/MaskFormat.h"
#include "report/expr/NumberFormat.h"
#include "report/expr/TAggregateFunctionsSplitter.h"
#include "report/expr/TextExpander.h"
#include "report/expr/TfrExpressionEngine.h"
#include "report/expr/TfrInterpretator.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void Run(std::uint8_t mode, const std::string& text)
{
    report::TfrExpressionEngine engine;
    engine.Globals().Set("x", report::Variant(3));
    engine.Globals().Set("s", report::Variant("标题"));
    engine.Globals().Set("d", report::Variant(report::TDateTime { 45000.75 }));
    switch (mode % 6) {
    case 0:
        engine.Evaluate(text);
        break;
    case 1: {
        report::TfrDisplayFormat format = report::TfrDisplayFormat::Default();
        if (text.size() >= 4)
            format.FormatCode = static_cast<std::int32_t>(static_cast<std::uint8_t>(text[0])
                | static_cast<std::uint8_t>(text[1]) << 8 | (static_cast<std::uint8_t>(text[2]) & 0x0F) << 16
                | (static_cast<std::uint8_t>(text[3]) & 0x07) << 24);
        report::TextExpander expander(engine, format, text.size() % 2 == 0);
        expander.ExpandLines(Lines(text));
        report::TAggregateFunctionsSplitter().Split(Lines(text));
        break;
    }
    case 2: {
        report::TfrInterpretator interpreter(engine);
        interpreter.MaxSteps = 2000;
        interpreter.RunScript(interpreter.CompileScript(Lines(text)));
        break;
    }
    case 3:
        engine.Parser().EvaluatePostfix(text);
        break;
    case 4:
        report::FormatFloat(text, -1234.5678);
        report::FormatFloat(text, 0.0);
        report::FormatDateTime(text, report::TDateTime { 36114.1136 });
        report::FormatMaskText(text, "abc标题123");
        break;
    case 5: {
        engine.Parser().ToPostfix(text);
        report::TfrDisplayFormat format;
        if (report::ParseFormatSuffix(text, format))
            report::FormatValue(report::Variant(1234.5), format);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        Run(data[0], text);
    } catch (const report::ExprError&) {
    }
    return 0;
}
