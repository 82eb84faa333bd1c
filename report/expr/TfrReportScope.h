#pragma once

#include "report/expr/Variant.h"

#include <optional>
#include <string>
#include <vector>

namespace report {

class TfrAggregates;

// What kind of value a dataset field holds; decides what a Null field reads as.
enum class TfrFieldKind { Text, Boolean, LargeInt, Other };

// A dataset field as the expression engine reads it. The report's dataset
// layer implements it; the engine caches found fields for a whole build and
// reads them again for every record.
class TfrDataField {
public:
    virtual ~TfrDataField() = default;
    virtual TfrFieldKind Kind() const = 0;
    // The value; Null when the field is Null.
    virtual Variant Value() const = 0;
    // The field's display text (used for large integers and for fields with
    // a text handler).
    virtual std::string DisplayText() const = 0;
    virtual bool HasTextHandler() const = 0;
};

// The report's run-time values that expressions read by name.
enum class TfrBuiltIn {
    Page,             // "PAGE#": prepared page number from 1
    Date,             // "DATE": fixed at the start of the build
    Time,             // "TIME"
    Line,             // "LINE#": current data band's record number in its group
    LineThrough,      // "LINETHROUGH#": … in its whole loop
    Column,           // "COLUMN#"
    Current,          // "CURRENT#": records processed
    TotalPages,       // "TOTALPAGES": from the first pass of a two-pass build
    ReportComment,    // report info block
    ReportName,
    ReportAutor,
    VMajor,
    VMinor,
    VRelease,
    VBuild,
    ReportDate,
    ReportLastChange,
    CalcWidth,        // "CALCWIDTH": width of the current memo's text, or the object's width
    CurY,             // "CURY": next free vertical position
    FreeSpace,        // "FREESPACE": bottom minus CurY
    FinalPass,        // "FINALPASS"
    PageHeight,       // "PAGEHEIGHT"
    PageWidth,        // "PAGEWIDTH": the page's right edge
};

// Values a script may set that belong to the build rather than to a variable.
enum class TfrBuildSetting {
    ModalResult,      // result of the current dialog page
    CurY,             // moves the current vertical position
    Progress,         // second line of the progress window
};

// A report object addressed from an expression: Object.Property,
// PageN.Object.Property, Object.Method(...). `page` is the page number from 1,
// or 0 for the page being built (else the first page that has the object).
// `member` is upper case and may itself hold dots ("FONT.NAME", "MEMO.ADD").
struct TfrObjectPath {
    int page { 0 };
    std::string object;
    std::string member;
};

// The running report as the expression engine sees it. The report (band
// engine) implements this interface and attaches it to the engine at the start
// of every build (TfrExpressionEngine::SetScope). Each query returns false or
// nothing when the report has no such thing, and the engine then goes on down
// its name-resolution chain; the defaults below describe a report with no
// dictionary, no datasets, no objects and no build running.
class TfrReportScope {
public:
    virtual ~TfrReportScope() = default;

    // --- events of TfrReport ---------------------------------------------
    // OnGetValue: asked first for every name; true when it supplied `value`.
    virtual bool OnGetValue(const std::string& /*name*/, Variant& /*value*/) { return false; }
    // OnUserFunction: asked last for every function no library or report
    // procedure answers; the arguments are expression texts (empty when
    // missing). True when it supplied `value`.
    virtual bool OnUserFunction(const std::string& /*name*/, const std::string& /*p1*/,
        const std::string& /*p2*/, const std::string& /*p3*/, Variant& /*value*/)
    {
        return false;
    }

    // --- data dictionary ---------------------------------------------------
    // The value text of a dictionary variable (not a category heading).
    virtual std::optional<std::string> DictionaryVariable(const std::string& /*name*/) const { return std::nullopt; }
    // Stores an expression text as the value of an existing dictionary
    // variable; false when the dictionary has no such variable.
    virtual bool SetDictionaryVariable(const std::string& /*name*/, const std::string& /*valueText*/) { return false; }
    // A dataset name after the dictionary's field aliases and band data
    // sources.
    virtual std::string ResolveDatasetAlias(const std::string& name) const { return name; }
    // The field `field` of dataset `dataset` (already without quotes; an
    // empty dataset means the current data band's dataset), or null. The
    // field must stay valid until the build ends (the engine caches it).
    virtual const TfrDataField* FindField(const std::string& /*dataset*/, const std::string& /*field*/) { return nullptr; }

    // --- build state ---------------------------------------------------------
    virtual std::optional<Variant> BuiltInValue(TfrBuiltIn /*which*/) const { return std::nullopt; }
    virtual bool SetBuildValue(TfrBuildSetting /*which*/, const Variant& /*value*/) { return false; }

    // --- report objects ------------------------------------------------------
    virtual bool GetObjectProperty(const TfrObjectPath& /*path*/, Variant& /*value*/) { return false; }
    virtual bool SetObjectProperty(const TfrObjectPath& /*path*/, const Variant& /*value*/) { return false; }
    // CallMethod of a report object (HIDE, SHOW, CALCHEIGHT, NEXT, PRIOR,
    // FIRST, LOADFROMFILE, MEMO.ADD, …, SETINDEXPROPERTY, GETINDEXPROPERTY);
    // `args` are already evaluated.
    virtual bool CallObjectMethod(const TfrObjectPath& /*path*/, const std::vector<Variant>& /*args*/,
        Variant& /*result*/)
    {
        return false;
    }

    // --- report procedures -------------------------------------------------------
    virtual void StopReport() {}
    // The build's stop flag (set by STOPREPORT, an object error or the
    // progress window's Cancel); a running script ends at its next step.
    virtual bool StopRequested() const { return false; }
    virtual void NewPage() {}
    virtual void NewColumn() {}
    // Shows the band whose view has `name` (case ignored); false when there
    // is none.
    virtual bool ShowBand(const std::string& /*name*/) { return false; }

    // --- aggregates ----------------------------------------------------------------
    // The accumulators of the data band named `dataBand`, or, when it is
    // empty, of the data band of the current footer's level.
    virtual TfrAggregates* Aggregates(const std::string& /*dataBand*/) { return nullptr; }
    // The name of the band being shown (the key of its aggregate entries).
    virtual std::string CurrentBandName() const { return {}; }

    // --- the user ---------------------------------------------------------------------
    // INPUT: asks with an input box (empty caption); returns the text.
    virtual std::string InputBox(const std::string& prompt, const std::string& defaultText) = 0;
    // MESSAGEBOX: shows a message box with mb_ flags; returns the mr value.
    virtual int MessageBox(const std::string& text, const std::string& caption, int flags) = 0;
};

} // namespace report
