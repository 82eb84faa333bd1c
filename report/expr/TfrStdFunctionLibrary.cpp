#include "report/expr/TfrStdFunctionLibrary.h"

#include "platform/time/Calendar.h"
#include "platform/time/DateTimeFormat.h"
#include "platform/time/DateTimeParse.h"
#include "report/expr/ExprError.h"
#include "report/expr/ExprOperators.h"
#include "report/expr/ExprScanner.h"
#include "report/expr/MaskFormat.h"
#include "report/expr/NumberFormat.h"
#include "report/expr/TAggregateFunctionsSplitter.h"
#include "report/expr/TfrAggregates.h"
#include "report/expr/TfrExpressionEngine.h"
#include "report/expr/TfrReportScope.h"
#include "report/expr/ValueConvert.h"
#include "platform/text/Utf8.h"

namespace report {
namespace {

enum Function { DayOf, MonthOf, YearOf, FormatDateTimeFn, FormatFloatFn, FormatTextFn, Input, Length, LowerCase,
    UpperCase, Trim, Pos, NameCase, MaxNum, MinNum, MessageBoxFn, Sum, Avg, Min, Max, CountFn };

TDateTime DateArgument(const Variant& value, const TFormatSettings& settings)
{
    if (value.IsString()) {
        if (auto date = dt::ParseDate(value.AsString(), settings))
            return *date;
        throw ExprError("'" + value.AsString() + "' is not a valid date");
    }
    return ValidDate(TDateTime { ValueToNumber(value) });
}

dt::TDateParts DateOf(const Variant& value, const TFormatSettings& settings)
{
    return *dt::DecodeDate(DateArgument(value, settings));
}

std::string AsciiCase(std::string text, bool upper)
{
    for (char& c : text) {
        if (upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (!upper && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// Blanks and control characters at both ends go.
std::string TrimControls(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return text.substr(begin, end - begin);
}

int CharacterPosition(std::string_view sub, std::string_view text)
{
    if (sub.empty())
        return 0;
    size_t at = text.find(sub);
    // A match must start on a character boundary to count.
    while (at != std::string_view::npos) {
        size_t i = 0;
        int index = 1;
        while (i < at) {
            i += text::Utf8CharLength(text, i);
            ++index;
        }
        if (i == at)
            return index;
        at = text.find(sub, at + 1);
    }
    return 0;
}

Variant Aggregate(TfrAggregateKind kind, const TfrFunctionCall& call)
{
    std::vector<std::string> args(call.args.begin(), call.args.end());
    TfrAggregateCall aggregate = TAggregateFunctionsSplitter::FromArguments(kind, args);
    TfrReportScope* scope = call.engine.Scope();
    TfrAggregates* aggregates = scope ? scope->Aggregates(aggregate.band) : nullptr;
    if (aggregates) {
        std::string key = TfrAggregates::Key(scope->CurrentBandName(), kind, aggregate.expression, aggregate.flag);
        if (auto value = aggregates->Result(key))
            return *value;
    }
    throw ExprError("Aggregate " + call.name + " is not available outside the footers of a data band");
}

TfrReportScope& UserScope(const TfrFunctionCall& call)
{
    TfrReportScope* scope = call.engine.Scope();
    if (!scope)
        throw ExprError(call.name + " needs a running report");
    return *scope;
}

} // namespace

TfrStdFunctionLibrary::TfrStdFunctionLibrary()
{
    List = { "DAYOF", "MONTHOF", "YEAROF", "FORMATDATETIME", "FORMATFLOAT", "FORMATTEXT", "INPUT", "LENGTH",
        "LOWERCASE", "UPPERCASE", "TRIM", "POS", "NAMECASE", "MAXNUM", "MINNUM", "MESSAGEBOX", "SUM", "AVG", "MIN",
        "MAX", "COUNT" };
}

void TfrStdFunctionLibrary::DoFunction(int index, const TfrFunctionCall& call, Variant& result)
{
    const TFormatSettings& settings = call.engine.Settings();
    switch (static_cast<Function>(index)) {
    case DayOf:
        result = Variant(DateOf(call.Evaluate(0), settings).Day);
        break;
    case MonthOf:
        result = Variant(DateOf(call.Evaluate(0), settings).Month);
        break;
    case YearOf:
        result = Variant(DateOf(call.Evaluate(0), settings).Year);
        break;
    case FormatDateTimeFn:
        result = Variant(dt::FormatDateTime(call.EvaluateText(0), DateArgument(call.Evaluate(1), settings), settings));
        break;
    case FormatFloatFn:
        result = Variant(FormatFloat(call.EvaluateText(0), call.EvaluateNumber(1), settings.DecimalSeparator,
            settings.ThousandSeparator));
        break;
    case FormatTextFn:
        result = Variant(FormatMaskText(call.EvaluateText(0) + ";0; ", call.EvaluateText(1), settings.TimeSeparator,
            settings.DateSeparator));
        break;
    case Input:
        result = Variant(UserScope(call).InputBox(call.EvaluateText(0), call.EvaluateText(1)));
        break;
    case Length:
        result = IntegerVariant(static_cast<std::int64_t>(text::CodePointCount(call.EvaluateText(0))));
        break;
    case LowerCase:
        result = Variant(AsciiCase(call.EvaluateText(0), false));
        break;
    case UpperCase:
        result = Variant(AsciiCase(call.EvaluateText(0), true));
        break;
    case Trim:
        result = Variant(TrimControls(call.EvaluateText(0)));
        break;
    case Pos:
        result = Variant(CharacterPosition(call.EvaluateText(0), call.EvaluateText(1)));
        break;
    case NameCase: {
        std::string text = call.EvaluateText(0);
        size_t first = text.empty() ? 0 : text::Utf8CharLength(text, 0);
        result = Variant(AsciiCase(text.substr(0, first), true) + AsciiCase(text.substr(first), false));
        break;
    }
    case MaxNum:
    case MinNum: {
        Variant a = call.Evaluate(0);
        Variant b = call.Evaluate(1);
        int order = CompareValues(a, b);
        result = (index == MaxNum ? order >= 0 : order <= 0) ? a : b;
        break;
    }
    case MessageBoxFn: {
        std::string text = call.EvaluateText(0);
        std::string caption = call.EvaluateText(1);
        int flags = SaturatedInt32(call.EvaluateNumber(2));
        result = Variant(UserScope(call).MessageBox(text, caption, flags));
        break;
    }
    case Sum:
        result = Aggregate(TfrAggregateKind::Sum, call);
        break;
    case Avg:
        result = Aggregate(TfrAggregateKind::Avg, call);
        break;
    case Min:
        result = Aggregate(TfrAggregateKind::Min, call);
        break;
    case Max:
        result = Aggregate(TfrAggregateKind::Max, call);
        break;
    case CountFn:
        result = Aggregate(TfrAggregateKind::Count, call);
        break;
    }
}

} // namespace report
