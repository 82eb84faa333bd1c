#pragma once

#include "report/build/TfrBand.h"
#include "report/build/TfrEMFPages.h"
#include "report/expr/TfrInterpretator.h"
#include "report/expr/TfrReportScope.h"
#include "report/objects/TfrPrintContext.h"

#include <array>
#include <functional>
#include <map>
#include <stdexcept>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace report {

class TfrExpressionEngine;
class TfrPage;
class TfrReport;
class TfrStretcheable;
class TfrSubReportView;

// The bands of one template page, collected before a build.
struct TfrPageBands {
    TfrPage* Page { nullptr };
    int PageIndex { 0 };
    std::vector<std::unique_ptr<TfrBand>> Bands;
    // The first band of each type; a band object exists for every type.
    std::array<TfrBand*, kBandTypeCount> ByType {};
    bool UsedAsSubReport { false };
    std::vector<std::string> Script;
    // The cross band (header, data or footer) each object inside one
    // belongs to; such objects print in every band whose rows they cross.
    std::map<const TfrView*, TfrBand*> CrossBandOf;

    TfrBand& First(BandType type) const { return *ByType[static_cast<std::size_t>(type)]; }
};

// Raised when a template cannot be built as it stands (a sub-report that
// contains itself, a child band that leads back to itself); the message names
// the band or object.
class TemplateStructureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The band engine: one pass of a report's pages over its datasets into
// prepared pages. It is also the report as expressions see it while it runs.
class TfrReportBuilder : public TfrReportScope {
public:
    // `report` gives the datasets, options and events; `working` is the copy
    // of its template this pass builds from and may change freely.
    TfrReportBuilder(TfrReport& report, TfrReport& working, TfrExpressionEngine& engine, TfrEMFPages& pages);
    ~TfrReportBuilder() override;

    // Runs the report body once. `finalPass` is false in the first pass of a
    // two-pass build; `totalPages` is what that pass counted (0 otherwise).
    void RunPass(bool finalPass, int totalPages);

    bool Stopped() const { return m_stopped; }
    // The first error collected; empty when there was none.
    const std::string& Error() const { return m_error; }
    // The prepared page being filled, from 0.
    int PageNumber() const { return m_pageNo; }
    // Told the number of every page that is finished, to show progress.
    std::function<void(int page)> OnPageDone;
    // The text a script set as PROGRESS.
    std::function<void(const std::string&)> OnProgressText;

    // --- the report as expressions see it --------------------------------
    bool OnGetValue(const std::string& name, Variant& value) override;
    bool OnUserFunction(const std::string& name, const std::string& p1, const std::string& p2,
        const std::string& p3, Variant& value) override;
    std::optional<std::string> DictionaryVariable(const std::string& name) const override;
    bool SetDictionaryVariable(const std::string& name, const std::string& valueText) override;
    std::string ResolveDatasetAlias(const std::string& name) const override;
    const TfrDataField* FindField(const std::string& dataset, const std::string& field) override;
    std::optional<Variant> BuiltInValue(TfrBuiltIn which) const override;
    bool SetBuildValue(TfrBuildSetting which, const Variant& value) override;
    bool GetObjectProperty(const TfrObjectPath& path, Variant& value) override;
    bool SetObjectProperty(const TfrObjectPath& path, const Variant& value) override;
    bool CallObjectMethod(const TfrObjectPath& path, const std::vector<Variant>& args, Variant& result) override;
    void StopReport() override { m_stopped = true; }
    bool StopRequested() const override { return m_stopped; }
    void NewPage() override;
    void NewColumn() override;
    bool ShowBand(const std::string& name) override;
    TfrAggregates* Aggregates(const std::string& dataBand) override;
    std::string CurrentBandName() const override;
    std::string InputBox(const std::string& prompt, const std::string& defaultText) override;
    int MessageBox(const std::string& text, const std::string& caption, int flags) override;

private:
    // --- band collection (BandCollection.cpp) -----------------------------
    void CollectPages();
    std::unique_ptr<TfrPageBands> CollectBands(TfrPage& page, int pageIndex);
    void AssignObjects(TfrPageBands& bands, TfrPage& page);
    void LinkHeadersAndFooters(TfrPageBands& bands);
    void LinkGroups(TfrPageBands& bands);
    void LinkChildren(TfrPageBands& bands);
    void CollectCrossBands(TfrPageBands& bands, TfrPage& page);
    void ResolveCrossDatasets(TfrPageBands& bands);
    void RegisterAggregates(TfrPageBands& bands);
    void CheckSubReports();

    // Forms the report pages once; `continueFirst` puts the first of them on
    // the prepared page the previous repetition ended on.
    void FormPages(bool continueFirst);

    // --- page forming and the data loop (DataLoop.cpp) ----------------------
    void FormPage(TfrPageBands& bands, bool continuing);
    void DataLoop(int level);
    void RunDataBand(TfrBand& band, int level, bool deeperLevel);
    void HandleGroupBreak(TfrBand& band);
    void OpenDataset(TfrDataset& dataset);
    void CloseDatasets();
    void Queue(TfrBand* band) { m_queue.push_back(band); }
    void FlushQueue();
    bool QueueHolds(const TfrBand* band) const;
    void DropFromQueue(const TfrBand* band);

    // --- showing bands (BandShowing.cpp) -----------------------------------
    void Show(TfrBand& band, bool repeatingHeader = false);
    void ShowIfExists(TfrBand& band) { if (band.Exists()) Show(band); }
    std::int64_t BandHeight(TfrBand& band);
    bool Fits(std::int64_t height) const;
    // Whether something of this height fits from `top` down, above the
    // column footer.
    bool FitsAt(std::int64_t top, std::int64_t height) const;
    void Draw(TfrBand& band, std::int64_t height);
    void DrawBreaked(TfrBand& band, std::int64_t height);
    TfrPrintContext PrintContext(const TfrBand& band, std::int64_t top, std::int64_t height);
    // Writes the object at this place on the current prepared page.
    void WriteObject(TfrView& view, std::int64_t left, std::int64_t top, TfrPrintContext context,
        bool partial = false, bool continuation = false);
    void ObjectError(const TfrView& view, const std::exception& error);
    // --- sub-reports (SubReports.cpp) -----------------------------------------
    // Forms the sub-report's page at the object's place; the position below
    // what it printed.
    std::int64_t DrawSubReport(TfrSubReportView& view, std::int64_t top, std::int64_t left);
    // Moves on to where a band that does not fit goes: the next column or
    // page, or, for a sub-report being formed, the next page at its left.
    void MoveOn();
    // Writes a band's objects that lie in cross bands: the header's once,
    // the cross data's once for every record of its dataset side by side,
    // the footer's after the last of them, in further lines below when they
    // pass the page's right edge (CrossColumns.cpp). Returns the position
    // below the last line.
    std::int64_t DrawCrossColumns(TfrBand& band, const std::vector<TfrView*>& objects, std::int64_t top,
        std::int64_t height, const TfrPrintContext& context);
    void AdvanceBandColumn(TfrBand& band, std::int64_t height);
    void CloseBandColumnRow(TfrBand& shown);
    void NewColumnOrPage();
    void StartNewPage();
    void AddPreparedPage();
    void ShowPageFooter();
    void RepeatHeaders();
    void RunScript(const std::vector<std::string>& compiled);
    void AccumulateAggregates(TfrBand& band);
    void CollectError(const std::string& message);

    // --- page geometry ------------------------------------------------------
    void ComputePageGeometry();
    std::int64_t ColumnFooterHeight() const;

    TfrBand* FindBand(const std::string& name) const;
    TfrBand* CurrentDataBand() const;

    TfrReport& m_report;
    TfrReport& m_template;
    TfrExpressionEngine& m_engine;
    TfrEMFPages& m_pages;
    TfrInterpretator m_interpreter;

    std::vector<std::unique_ptr<TfrPageBands>> m_pageBands;
    // The page whose data loop runs (a sub-report's page while it runs), and
    // the page being formed, whose headers, footers and margins frame every
    // prepared page.
    TfrPageBands* m_current { nullptr };
    TfrPageBands* m_host { nullptr };
    std::vector<TfrDataset*> m_openDatasets;

    // Build state of the page being formed.
    std::int64_t m_curY { 0 };
    std::int64_t m_bottomY { 0 };
    std::int64_t m_columnOffsetX { 0 };
    int m_pageColumn { 0 };
    std::int64_t m_columnWidth { 0 };
    std::int64_t m_columnsTopY { 0 };
    // Where bands start on a fresh page or column, below its headers: a band
    // that does not fit there is split rather than moved on again.
    std::int64_t m_freshY { 0 };
    bool m_reserveColumnFooter { true };
    std::int64_t m_leftMargin { 0 };
    std::int64_t m_topMargin { 0 };
    std::int64_t m_rightEdge { 0 };
    std::int64_t m_bottomEdge { 0 };
    int m_recordCounter { 0 };
    // The cross-data column being written, from 1 (COLUMN#); 0 outside one.
    int m_crossColumn { 0 };
    bool m_suppressRepeatedHeaders { false };
    std::int64_t m_savedCurY { 0 };
    std::int64_t m_savedBottomY { 0 };

    int m_pageNo { -1 };
    bool m_finalPass { true };
    int m_totalPages { 0 };
    bool m_stopped { false };
    std::string m_error;

    TfrBand* m_currentBand { nullptr };
    TfrBand* m_lastShownBand { nullptr };
    TfrBand* m_openColumnRow { nullptr };
    TfrBand* m_loopBand { nullptr };
    TfrView* m_currentObject { nullptr };
    std::vector<TfrBand*> m_queue;
    // Bands being shown, to refuse a child band that leads back to itself.
    std::vector<const TfrBand*> m_showing;
    // Sub-report pages being formed, to refuse a sub-report inside itself.
    std::vector<int> m_subReportPages;
    // Where the sub-report being formed starts on every page it reaches.
    std::optional<std::int64_t> m_subReportLeft;
    std::set<std::string> m_objectsOnce;
};

} // namespace report
