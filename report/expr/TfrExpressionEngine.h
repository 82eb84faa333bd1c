#pragma once

#include "report/expr/FormatSettings.h"
#include "report/expr/TfrFunctionLibrary.h"
#include "report/expr/TfrParser.h"
#include "report/expr/TfrReportScope.h"
#include "report/expr/TfrVariables.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

namespace report {

// The expression engine of the report: the parser, the global variables, the
// constants and the function libraries, and the chain that resolves names,
// functions and assignments against the running report. The program keeps
// one engine; a report attaches itself with SetScope at the start of every
// build.
//
// Names resolve in this order:
//   1. the report's OnGetValue event;
//   2. the data dictionary: a cached dataset field; a dictionary variable
//      (its value text evaluated as an expression, unless a global variable of
//      the same name exists, whose value wins); a field reference
//      (Dataset.Field split at the last dot outside double quotes, or a field
//      of the current data band's dataset);
//   3. "VALUE", the value of the most recent bracket expansion;
//   4. the built-in variables (PAGE#, DATE, TIME, LINE#, …);
//   5. the global variables;
//   6. CURY, FREESPACE, FINALPASS, PAGEHEIGHT, PAGEWIDTH; Object.Property and
//      PageN.Object.Property; the constants;
//   7. the name itself evaluated as an expression; meeting the same name again
//      there raises "Undefined symbol "name"".
// A dictionary variable whose value refers back to itself, directly or
// through others, raises an error naming it.
class TfrExpressionEngine {
public:
    TfrExpressionEngine();
    TfrExpressionEngine(const TfrExpressionEngine&) = delete;
    TfrExpressionEngine& operator=(const TfrExpressionEngine&) = delete;

    // Attaches the running report (nullptr detaches it).
    void SetScope(TfrReportScope* scope) { m_scope = scope; }
    TfrReportScope* Scope() const { return m_scope; }
    // Called at the start of every build: forgets cached dataset fields and
    // takes the build's DATE and TIME.
    void StartBuild();

    Variant Evaluate(std::string_view expression) { return m_parser.Evaluate(expression); }
    Variant GetValue(const std::string& name);
    Variant CallFunction(const std::string& name, const std::string& p1, const std::string& p2,
        const std::string& p3);
    // Stores a value by the script assignment rules: an existing global
    // variable; else an existing dictionary variable; else MODALRESULT, CURY or
    // PROGRESS of the build; else Object.Property; else a new global variable.
    void SetValue(const std::string& name, const Variant& value);

    // The value of the most recent bracket expansion ("VALUE").
    void SetLastValue(Variant value) { m_lastValue = std::move(value); }

    // Registers a library once; later registrations of the same class are
    // ignored. Libraries are asked in registration order.
    template<typename Library> void RegisterFunctionLibrary()
    {
        std::type_index type(typeid(Library));
        for (const auto& entry : m_libraries)
            if (entry.first == type)
                return;
        m_libraries.emplace_back(type, std::make_unique<Library>());
    }
    int FunctionLibraryCount() const { return static_cast<int>(m_libraries.size()); }

    // A dataset field by reference (Dataset."Field" or Field), cached for the
    // build; null when there is no such field or no report.
    const TfrDataField* FindField(const std::string& reference);
    // Splits Object.Member and PageN.Object.Member; nothing for names
    // without a dot.
    static std::optional<TfrObjectPath> ParseObjectPath(std::string_view name);

    TfrParser& Parser() { return m_parser; }
    TfrVariables& Globals() { return m_globals; }
    const TfrVariables& Constants() const { return m_constants; }
    const TFormatSettings& Settings() const { return *m_parser.Settings; }

private:
    bool FromDictionary(const std::string& name, Variant& value);
    bool FromBuildState(const std::string& upper, Variant& value);
    bool FromPageState(const std::string& upper, const std::string& name, Variant& value);
    bool CallReportProcedure(const std::string& upper, const std::string& name,
        const std::array<std::string, 3>& args, Variant& result);
    Variant FieldResult(const TfrDataField& field) const;

    TfrParser m_parser;
    TfrVariables m_globals { true };
    TfrVariables m_constants { true };
    std::vector<std::pair<std::type_index, std::unique_ptr<TfrFunctionLibrary>>> m_libraries;
    TfrReportScope* m_scope { nullptr };
    std::map<std::string, const TfrDataField*> m_fieldCache;
    Variant m_lastValue;
    TDateTime m_buildStart;
    // Names being evaluated as expressions (step 7) and dictionary variables
    // being evaluated, to catch references back to themselves.
    std::vector<std::string> m_evaluatingNames;
    std::vector<std::string> m_evaluatingVariables;
};

} // namespace report
