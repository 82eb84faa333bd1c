#include "BandEngineSupport.h"

#include "report/expr/ValueConvert.h"
#include "report/output/EMFPagesPdf.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace report::testing {

const TfrDataField* RecordsDataset::FindField(const std::string& name)
{
    bool known = std::ranges::any_of(m_records, [&name](const auto& record) { return record.contains(name); });
    if (!known && !m_fields.contains(name))
        return nullptr;
    auto& field = m_fields[name];
    if (!field)
        field = std::make_unique<Field>(*this, name);
    return field.get();
}

Variant RecordsDataset::Field::Value() const
{
    int row = m_owner.RecNo();
    if (row < 0 || row >= static_cast<int>(m_owner.m_records.size()))
        return {};
    const auto& record = m_owner.m_records[static_cast<std::size_t>(row)];
    auto found = record.find(m_name);
    if (found == record.end())
        return {};
    const std::string& text = found->second;
    bool numeric = !text.empty() && text.find_first_not_of("0123456789.-") == std::string::npos;
    if (auto number = TextToNumber(text); number && numeric)
        return *number == static_cast<int>(*number) ? Variant(static_cast<int>(*number)) : Variant(*number);
    return Variant(text);
}

ReportInCode::ReportInCode() : page(report.AddPage())
{
    report.Expressions = &engine;
    page.LeftMargin = page.TopMargin = page.RightMargin = page.BottomMargin = 36;
    report.OnBuildError = [this](const std::string& text, const std::string&) { errors.push_back(text); };
}

TfrBandView& ReportInCode::Band(BandType type, std::int32_t top, std::int32_t height, std::string dataset)
{
    auto band = std::make_unique<TfrBandView>();
    band->Name = report.FreeObjectName("Band");
    band->SetBandType(type);
    band->Top = top;
    band->Height = height;
    band->Width = 600;
    band->FormatText = std::move(dataset);
    return m_target->Add(std::move(band));
}

TfrMemoView& ReportInCode::Memo(std::string text, std::int32_t top, std::int32_t height, std::int32_t left,
    std::int32_t width)
{
    auto memo = std::make_unique<TfrMemoView>();
    memo->Name = report.FreeObjectName("Memo");
    memo->Memo = { std::move(text) };
    memo->Top = top;
    memo->Height = height;
    memo->Left = left;
    memo->Width = width;
    return m_target->Add(std::move(memo));
}

TfrLineView& ReportInCode::Line(std::int32_t top, std::int32_t width)
{
    auto line = std::make_unique<TfrLineView>();
    line->Name = report.FreeObjectName("Line");
    line->Top = top;
    line->Width = width;
    line->Height = 0;
    line->FrameTyp = frftTop;
    return m_target->Add(std::move(line));
}

TfrSubReportView& ReportInCode::SubReport(std::int32_t top, std::int32_t left, std::int32_t subPage)
{
    auto sub = std::make_unique<TfrSubReportView>();
    sub->Name = report.FreeObjectName(sub->NamePrefix());
    sub->Top = top;
    sub->Left = left;
    sub->Width = 200;
    sub->Height = 20;
    sub->SubPage = subPage;
    return m_target->Add(std::move(sub));
}

RecordsDataset& ReportInCode::Records(std::string name, std::vector<std::map<std::string, std::string>> records)
{
    m_datasets.push_back(std::make_unique<RecordsDataset>(name, std::move(records)));
    report.Datasets.Register(name, *m_datasets.back());
    return *m_datasets.back();
}

bool ReportInCode::Build()
{
    return report.BuildReport();
}

std::vector<Printed> ReportInCode::Page(int index)
{
    std::vector<Printed> objects;
    for (const auto& view : report.EMFPages.PageObjects(index).PageObjects) {
        std::string text;
        for (const std::string& line : view->Memo)
            text += (text.empty() ? "" : "\n") + line;
        objects.push_back({ view->Name, text, view->Left, view->Top, view->Width, view->Height });
    }
    return objects;
}

std::vector<std::string> ReportInCode::Texts()
{
    std::vector<std::string> texts;
    for (int index = 0; index < PageCount(); ++index)
        for (const Printed& object : Page(index))
            if (!object.text.empty())
                texts.push_back(std::to_string(index + 1) + ":" + object.text);
    return texts;
}

std::vector<std::string> ReportInCode::TextsOf(const std::string& name)
{
    std::vector<std::string> texts;
    for (int index = 0; index < PageCount(); ++index)
        for (const Printed& object : Page(index))
            if (object.name == name)
                texts.push_back(object.text);
    return texts;
}

void ReportInCode::SaveSnapshotPdf(const std::string& name)
{
    const char* folder = std::getenv("VELTRIN_SNAPSHOT_DIR");
    if (!folder)
        return;
    std::filesystem::create_directories(folder);
    WritePreparedPagesPdf(report.EMFPages, std::filesystem::path(folder) / (name + ".pdf"));
}

} // namespace report::testing
