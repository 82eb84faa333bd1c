// Feeds arbitrary text to the expression language: the first byte picks what
// the rest is run as (an expression, a memo line with bracketed expressions,
// a script, a postfix text, number and date format texts, or a dictionary of
// variables followed by an expression). Errors are
// expected and caught; crashes, hangs and sanitizer reports are findings.
#include "platform/time/DateTimeFormat.h"
#include "report/expr/DisplayFormat.h"
#include "report/expr/ExprError.h"
#include "report/expr/MaskFormat.h"
#include "report/expr/NumberFormat.h"
#include "report/expr/TAggregateFunctionsSplitter.h"
#include "report/expr/TextExpander.h"
#include "report/expr/TfrExpressionEngine.h"
#include "report/expr/TfrInterpretator.h"
#include "report/expr/TfrVariables.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace {

// A report whose dictionary comes from the input ("name=value text" lines),
// so variables may refer to each other in any way, and whose objects answer
// every property and method.
class FuzzReport : public report::TfrReportScope {
public:
    std::optional<std::string> DictionaryVariable(const std::string& name) const override
    {
        auto it = dictionary.find(report::UpperName(name));
        return it == dictionary.end() ? std::nullopt : std::optional(it->second);
    }
    bool SetDictionaryVariable(const std::string& name, const std::string& text) override
    {
        auto it = dictionary.find(report::UpperName(name));
        if (it == dictionary.end())
            return false;
        it->second = text;
        return true;
    }
    std::optional<report::Variant> BuiltInValue(report::TfrBuiltIn which) const override
    {
        return report::Variant(static_cast<int>(which));
    }
    bool GetObjectProperty(const report::TfrObjectPath& path, report::Variant& value) override
    {
        value = report::Variant(path.object + "." + path.member);
        return true;
    }
    bool SetObjectProperty(const report::TfrObjectPath&, const report::Variant&) override { return true; }
    bool CallObjectMethod(const report::TfrObjectPath&, const std::vector<report::Variant>& args,
        report::Variant& result) override
    {
        result = report::Variant(static_cast<int>(args.size()));
        return true;
    }
    std::string InputBox(const std::string&, const std::string& text) override { return text; }
    int MessageBox(const std::string&, const std::string&, int flags) override { return flags; }

    std::map<std::string, std::string> dictionary;
};

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
    FuzzReport fuzzReport;
    switch (mode % 7) {
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
        dt::FormatDateTime(text, dt::TDateTime { 36114.1136 });
        report::FormatMaskText(text, "abc标题123");
        break;
    case 5: {
        engine.Parser().ToPostfix(text);
        report::TfrDisplayFormat format;
        if (report::ParseFormatSuffix(text, format))
            report::FormatValue(report::Variant(1234.5), format);
        break;
    }
    case 6: {
        std::vector<std::string> lines = Lines(text);
        for (size_t i = 0; i + 1 < lines.size(); ++i) {
            size_t equals = lines[i].find('=');
            if (equals != std::string::npos)
                fuzzReport.dictionary[report::UpperName(lines[i].substr(0, equals))] = lines[i].substr(equals + 1);
        }
        engine.SetScope(&fuzzReport);
        engine.Evaluate(lines.back());
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
