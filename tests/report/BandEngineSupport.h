#pragma once

// Reports built in code for the band engine's tests: a page with bands and
// memos placed by hand, datasets of records given in the test, and the
// prepared pages read back as the objects they hold.
#include "report/build/TfrEMFPages.h"
#include "report/data/TfrDataset.h"
#include "report/expr/TfrExpressionEngine.h"
#include "report/objects/TfrBandView.h"
#include "report/objects/TfrLineView.h"
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrReport.h"
#include "report/objects/TfrSubReportView.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace report::testing {

// Records held in memory, one map of field texts per record; numbers given as
// texts read as numbers.
class RecordsDataset : public TfrDataset {
public:
    RecordsDataset(std::string name, std::vector<std::map<std::string, std::string>> records)
        : TfrDataset(std::move(name)), m_records(std::move(records))
    {
    }

    bool Eof() override { return RecNo() >= static_cast<int>(m_records.size()) || TfrDataset::Eof(); }
    // Replaces the records (a detail dataset does it when its master moves).
    void SetRecords(std::vector<std::map<std::string, std::string>> records) { m_records = std::move(records); }
    const TfrDataField* FindField(const std::string& name) override;
    int Opened { 0 };
    int Closed { 0 };
    void Open() override { ++Opened; }
    void Close() override { ++Closed; }

private:
    class Field : public TfrDataField {
    public:
        Field(RecordsDataset& owner, std::string name) : m_owner(owner), m_name(std::move(name)) {}
        TfrFieldKind Kind() const override { return TfrFieldKind::Other; }
        Variant Value() const override;
        std::string DisplayText() const override { return Value().IsString() ? Value().AsString() : ""; }
        bool HasTextHandler() const override { return false; }

    private:
        RecordsDataset& m_owner;
        std::string m_name;
    };

    std::vector<std::map<std::string, std::string>> m_records;
    std::map<std::string, std::unique_ptr<Field>> m_fields;
};

// One object of a prepared page as a test looks at it.
struct Printed {
    std::string name;
    std::string text; // the lines joined with "\n"
    std::int32_t left { 0 };
    std::int32_t top { 0 };
    std::int32_t width { 0 };
    std::int32_t height { 0 };
};

class ReportInCode {
public:
    ReportInCode();

    TfrBandView& Band(BandType type, std::int32_t top, std::int32_t height, std::string dataset = {});
    TfrMemoView& Memo(std::string text, std::int32_t top, std::int32_t height = 20, std::int32_t left = 0,
        std::int32_t width = 300);
    TfrLineView& Line(std::int32_t top, std::int32_t width);
    // A sub-report 200 wide and 20 high that prints the page `subPage`.
    TfrSubReportView& SubReport(std::int32_t top, std::int32_t left, std::int32_t subPage);
    RecordsDataset& Records(std::string name, std::vector<std::map<std::string, std::string>> records);
    // Band, Memo and Line add to this page from now on (the first page at
    // the start).
    void AddTo(TfrPage& target) { m_target = &target; }

    // Builds; false when the build failed or was stopped (the error is kept).
    bool Build();
    int PageCount() const { return report.EMFPages.Count(); }
    std::vector<Printed> Page(int index);
    // Every printed text of every page in order, as "page:text".
    std::vector<std::string> Texts();
    // The texts of the objects whose name is `name`, in page order.
    std::vector<std::string> TextsOf(const std::string& name);
    // Writes the prepared pages as `name`.pdf into the test run's snapshot
    // folder, to be looked at; nothing when the run keeps no snapshots.
    void SaveSnapshotPdf(const std::string& name);

    TfrExpressionEngine engine;
    TfrReport report;
    TfrPage& page;
    std::vector<std::string> errors;

private:
    std::vector<std::unique_ptr<RecordsDataset>> m_datasets;
    TfrPage* m_target { &page };
};

} // namespace report::testing
