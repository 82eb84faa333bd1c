#include "report/expr/TfrExpressionEngine.h"

#include "platform/time/Calendar.h"
#include "report/expr/Constants.h"
#include "report/expr/ExprError.h"
#include "report/expr/ExprOperators.h"
#include "report/expr/ExprScanner.h"
#include "report/expr/TDatabaseFunctionLibrary.h"
#include "report/expr/TfrStdFunctionLibrary.h"
#include "report/expr/ValueConvert.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <cmath>

namespace report {
namespace {

struct NamedBuiltIn {
    std::string_view name;
    TfrBuiltIn which;
};

constexpr NamedBuiltIn kBuildState[] = {
    { "PAGE#", TfrBuiltIn::Page }, { "DATE", TfrBuiltIn::Date }, { "TIME", TfrBuiltIn::Time },
    { "LINE#", TfrBuiltIn::Line }, { "LINETHROUGH#", TfrBuiltIn::LineThrough }, { "COLUMN#", TfrBuiltIn::Column },
    { "CURRENT#", TfrBuiltIn::Current }, { "TOTALPAGES", TfrBuiltIn::TotalPages },
    { "REPORTCOMMENT", TfrBuiltIn::ReportComment }, { "REPORTNAME", TfrBuiltIn::ReportName },
    { "REPORTAUTOR", TfrBuiltIn::ReportAutor }, { "VMAJOR", TfrBuiltIn::VMajor }, { "VMINOR", TfrBuiltIn::VMinor },
    { "VRELEASE", TfrBuiltIn::VRelease }, { "VBUILD", TfrBuiltIn::VBuild }, { "REPORTDATE", TfrBuiltIn::ReportDate },
    { "REPORTLASTCHANGE", TfrBuiltIn::ReportLastChange }, { "CALCWIDTH", TfrBuiltIn::CalcWidth },
};

constexpr NamedBuiltIn kPageState[] = {
    { "CURY", TfrBuiltIn::CurY }, { "FREESPACE", TfrBuiltIn::FreeSpace }, { "FINALPASS", TfrBuiltIn::FinalPass },
    { "PAGEHEIGHT", TfrBuiltIn::PageHeight }, { "PAGEWIDTH", TfrBuiltIn::PageWidth },
};

template<size_t N>
const NamedBuiltIn* Lookup(const NamedBuiltIn (&table)[N], const std::string& upper)
{
    for (const NamedBuiltIn& entry : table)
        if (entry.name == upper)
            return &entry;
    return nullptr;
}

// Marks a name as being evaluated for as long as the guard lives.
class Marker {
public:
    Marker(std::vector<std::string>& list, std::string name) : m_list(list) { m_list.push_back(std::move(name)); }
    ~Marker() { m_list.pop_back(); }
    Marker(const Marker&) = delete;
    Marker& operator=(const Marker&) = delete;

private:
    std::vector<std::string>& m_list;
};

bool Contains(const std::vector<std::string>& list, const std::string& name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

// Splits at the dots outside double quotes.
std::vector<std::string_view> DottedParts(std::string_view name)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    size_t i = 0;
    while (i < name.size()) {
        if (name[i] == '"') {
            size_t end = SkipQuoted(name, i);
            i = end == std::string_view::npos ? name.size() : end;
            continue;
        }
        if (name[i] == '.') {
            parts.push_back(name.substr(start, i - start));
            start = i + 1;
        }
        i += text::Utf8CharLength(name, i);
    }
    parts.push_back(name.substr(start));
    return parts;
}

std::string Unquoted(std::string_view text)
{
    text = Trimmed(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

// The SETARRAY/GETARRAY array name: as written, or the text of a quoted string.
std::string ArrayName(const std::string& text)
{
    if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'')
        return text.substr(1, text.size() - 2);
    return text;
}

} // namespace

TfrExpressionEngine::TfrExpressionEngine()
{
    AddStandardConstants(m_constants);
    RegisterFunctionLibrary<TfrStdFunctionLibrary>();
    RegisterFunctionLibrary<TDatabaseFunctionLibrary>();
    m_parser.GetValue = [this](const std::string& name, Variant& value) { value = GetValue(name); };
    m_parser.CallFunction = [this](const std::string& name, const std::string& p1, const std::string& p2,
                                const std::string& p3, Variant& value) { value = CallFunction(name, p1, p2, p3); };
    m_buildStart = dt::Now();
}

void TfrExpressionEngine::StartBuild()
{
    m_fieldCache.clear();
    m_buildStart = dt::Now();
}

std::optional<TfrObjectPath> TfrExpressionEngine::ParseObjectPath(std::string_view name)
{
    std::vector<std::string_view> parts = DottedParts(Trimmed(name));
    if (parts.size() < 2)
        return std::nullopt;
    TfrObjectPath path;
    size_t first = 0;
    std::string head = UpperName(parts[0]);
    if (parts.size() >= 3 && head.size() > 4 && head.compare(0, 4, "PAGE") == 0
        && head.find_first_not_of("0123456789", 4) == std::string::npos) {
        path.page = SaturatedInt32(ValueToNumber(Variant(head.substr(4))));
        first = 1;
    }
    path.object = std::string(parts[first]);
    for (size_t i = first + 1; i < parts.size(); ++i) {
        if (i > first + 1)
            path.member += '.';
        path.member += UpperName(parts[i]);
    }
    if (path.object.empty() || path.member.empty())
        return std::nullopt;
    return path;
}

const TfrDataField* TfrExpressionEngine::FindField(const std::string& reference)
{
    if (!m_scope)
        return nullptr;
    std::string key = UpperName(Trimmed(reference));
    if (auto cached = m_fieldCache.find(key); cached != m_fieldCache.end())
        return cached->second;
    std::string_view name = Trimmed(reference);
    std::vector<std::string_view> parts = DottedParts(name);
    std::string dataset;
    std::string field;
    if (parts.size() == 1) {
        field = Unquoted(name);
    } else {
        size_t lastDot = static_cast<size_t>(parts.back().data() - name.data()) - 1;
        dataset = m_scope->ResolveDatasetAlias(Unquoted(name.substr(0, lastDot)));
        field = Unquoted(parts.back());
    }
    if (field.empty())
        return nullptr;
    const TfrDataField* found = m_scope->FindField(dataset, field);
    if (found)
        m_fieldCache[key] = found;
    return found;
}

Variant TfrExpressionEngine::FieldResult(const TfrDataField& field) const
{
    if (field.Kind() == TfrFieldKind::LargeInt || field.HasTextHandler())
        return Variant(field.DisplayText());
    Variant value = field.Value();
    if (!value.IsNull())
        return value;
    switch (field.Kind()) {
    case TfrFieldKind::Text:
        return Variant("");
    case TfrFieldKind::Boolean:
        return Variant(false);
    default:
        return Variant(0);
    }
}

bool TfrExpressionEngine::FromDictionary(const std::string& name, Variant& value)
{
    if (!m_scope)
        return false;
    if (auto cached = m_fieldCache.find(UpperName(name)); cached != m_fieldCache.end()) {
        value = FieldResult(*cached->second);
        return true;
    }
    if (auto text = m_scope->DictionaryVariable(name)) {
        if (m_globals.Contains(name)) {
            value = m_globals.Get(name);
            return true;
        }
        std::string upper = UpperName(name);
        if (Contains(m_evaluatingVariables, upper))
            throw ExprError("Variable \"" + name + "\" refers to itself");
        Marker marker(m_evaluatingVariables, upper);
        value = m_parser.Evaluate(*text);
        return true;
    }
    if (const TfrDataField* field = FindField(name)) {
        value = FieldResult(*field);
        return true;
    }
    return false;
}

bool TfrExpressionEngine::FromBuildState(const std::string& upper, Variant& value)
{
    const NamedBuiltIn* entry = Lookup(kBuildState, upper);
    if (!entry)
        return false;
    if (m_scope) {
        if (auto answer = m_scope->BuiltInValue(entry->which)) {
            value = *answer;
            return true;
        }
    }
    if (entry->which == TfrBuiltIn::Date || entry->which == TfrBuiltIn::Time) {
        double date = std::trunc(m_buildStart.value);
        value = Variant(TDateTime { entry->which == TfrBuiltIn::Date ? date : m_buildStart.value - date });
        return true;
    }
    return false;
}

bool TfrExpressionEngine::FromPageState(const std::string& upper, const std::string& name, Variant& value)
{
    if (!m_scope)
        return false;
    if (const NamedBuiltIn* entry = Lookup(kPageState, upper)) {
        if (auto answer = m_scope->BuiltInValue(entry->which)) {
            value = *answer;
            return true;
        }
        return false;
    }
    auto path = ParseObjectPath(name);
    return path && m_scope->GetObjectProperty(*path, value);
}

Variant TfrExpressionEngine::GetValue(const std::string& rawName)
{
    std::string name(Trimmed(rawName));
    std::string upper = UpperName(name);
    Variant value;
    if (m_scope && m_scope->OnGetValue(name, value))
        return value;
    if (FromDictionary(name, value))
        return value;
    if (upper == "VALUE")
        return m_lastValue;
    if (FromBuildState(upper, value))
        return value;
    if (m_globals.Contains(name))
        return m_globals.Get(name);
    if (FromPageState(upper, name, value))
        return value;
    if (m_constants.Contains(name))
        return m_constants.Get(name);
    if (name.empty() || Contains(m_evaluatingNames, upper))
        throw ExprError("Undefined symbol \"" + name + "\"");
    Marker marker(m_evaluatingNames, upper);
    return m_parser.Evaluate(name);
}

Variant TfrExpressionEngine::CallFunction(const std::string& rawName, const std::string& p1, const std::string& p2,
    const std::string& p3)
{
    std::string name(Trimmed(rawName));
    TfrFunctionCall call { UpperName(name), { p1, p2, p3 }, *this };
    Variant result;
    for (auto& library : m_libraries)
        if (library.second->OnFunction(call, result))
            return result;
    if (CallReportProcedure(call.name, name, call.args, result))
        return result;
    if (m_scope && m_scope->OnUserFunction(name, p1, p2, p3, result))
        return result;
    throw ExprError("Unknown function " + name);
}

bool TfrExpressionEngine::CallReportProcedure(const std::string& upper, const std::string& name,
    const std::array<std::string, 3>& args, Variant& result)
{
    auto needScope = [&]() -> TfrReportScope& {
        if (!m_scope)
            throw ExprError(name + " needs a running report");
        return *m_scope;
    };
    if (upper == "STOPREPORT") {
        needScope().StopReport();
    } else if (upper == "NEWPAGE") {
        needScope().NewPage();
    } else if (upper == "NEWCOLUMN") {
        needScope().NewColumn();
    } else if (upper == "SHOWBAND") {
        if (!needScope().ShowBand(args[0]))
            throw ExprError("Band " + args[0] + " not found");
    } else if (upper == "INC" || upper == "DEC") {
        Variant value = GetValue(args[0]);
        SetValue(args[0], upper == "INC" ? OpAdd(value, Variant(1)) : OpSubtract(value, Variant(1)));
    } else if (upper == "SETARRAY" || upper == "GETARRAY") {
        std::string array = ArrayName(args[0]);
        Variant index = Evaluate(args[1]);
        bool set = upper == "SETARRAY";
        if (auto path = ParseObjectPath(array); path && array.find('.') != std::string::npos) {
            std::vector<Variant> methodArgs { Variant(path->member), index };
            if (set)
                methodArgs.push_back(Evaluate(args[2]));
            path->member = set ? "SETINDEXPROPERTY" : "GETINDEXPROPERTY";
            if (!needScope().CallObjectMethod(*path, methodArgs, result))
                throw ExprError("Object " + path->object + " has no indexed property " + std::string(methodArgs[0].AsString()));
        } else if (set) {
            m_globals.Set("Arr_" + array + ValueToText(index, Settings()), Evaluate(args[2]));
        } else {
            result = m_globals.Get("Arr_" + array + ValueToText(index, Settings()));
        }
    } else if (auto path = ParseObjectPath(name); path && m_scope) {
        std::vector<Variant> evaluated;
        for (const std::string& arg : args)
            if (!arg.empty())
                evaluated.push_back(Evaluate(arg));
        return m_scope->CallObjectMethod(*path, evaluated, result);
    } else {
        return false;
    }
    return true;
}

void TfrExpressionEngine::SetValue(const std::string& rawName, const Variant& value)
{
    std::string name(Trimmed(rawName));
    if (name.empty())
        throw ExprError("Assignment needs a name");
    if (m_globals.Contains(name)) {
        m_globals.Set(name, value);
        return;
    }
    if (m_scope) {
        if (m_scope->SetDictionaryVariable(name, ValueToExpressionText(value)))
            return;
        std::string upper = UpperName(name);
        std::optional<TfrBuildSetting> setting;
        if (upper == "MODALRESULT")
            setting = TfrBuildSetting::ModalResult;
        else if (upper == "CURY")
            setting = TfrBuildSetting::CurY;
        else if (upper == "PROGRESS")
            setting = TfrBuildSetting::Progress;
        if (setting && m_scope->SetBuildValue(*setting, value))
            return;
        if (auto path = ParseObjectPath(name); path && m_scope->SetObjectProperty(*path, value))
            return;
    }
    m_globals.Set(name, value);
}

} // namespace report
