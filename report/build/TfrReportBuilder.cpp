#include "report/build/TfrReportBuilder.h"

#include "report/expr/TfrExpressionEngine.h"
#include "report/objects/PropertyValue.h"
#include "report/objects/TfrBandView.h"
#include "report/objects/TfrMemoView.h"
#include "report/objects/TfrReport.h"

#include <algorithm>
#include <cmath>

namespace report {

TfrReportBuilder::TfrReportBuilder(TfrReport& report, TfrReport& working, TfrExpressionEngine& engine,
    TfrEMFPages& pages)
    : m_report(report), m_template(working), m_engine(engine), m_pages(pages), m_interpreter(engine)
{
}

TfrReportBuilder::~TfrReportBuilder()
{
    // Datasets go back to where they were even when a pass ends in an error.
    try {
        CloseDatasets();
    } catch (const std::exception&) {
    }
}

void TfrReportBuilder::RunPass(bool finalPass, int totalPages)
{
    m_finalPass = finalPass;
    m_totalPages = totalPages;
    try {
        CollectPages();
        TfrDataset* repeatOver = m_report.ReportType == TfrReportType::rtMultiple ? m_report.Dataset : nullptr;
        if (repeatOver) {
            // The report's pages repeat for every record of its dataset, each
            // repetition going on where the one before ended.
            OpenDataset(*repeatOver);
            repeatOver->First();
            for (bool first = true; !repeatOver->Eof() && !m_stopped; first = false) {
                FormPages(!first);
                repeatOver->Next();
            }
        } else {
            FormPages(false);
        }
        if (m_pageNo >= 0)
            m_pages.Finish(m_pageNo);
        CloseDatasets();
    } catch (const std::exception& error) {
        CollectError(error.what());
    }
}

void TfrReportBuilder::FormPages(bool continueFirst)
{
    bool firstFormed = true;
    for (std::size_t index = 0; index < m_pageBands.size() && !m_stopped; ++index) {
        TfrPageBands& bands = *m_pageBands[index];
        TfrPage& page = *bands.Page;
        // Dialog pages ask the user before the report is built. This program
        // has no dialog controls, so each counts as confirmed and prints
        // nothing.
        if (page.Type != ptReport)
            continue;
        if (!page.Visible) {
            m_current = m_host = &bands;
            RunScript(bands.Script);
            continue;
        }
        if (bands.UsedAsSubReport)
            continue;
        bool continuing = (page.PrintToPrevPage || (firstFormed && continueFirst)) && !m_pages.Empty();
        firstFormed = false;
        if (m_report.OnManualBuild) {
            m_current = m_host = &bands;
            ComputePageGeometry();
            if (!continuing)
                AddPreparedPage();
            m_report.OnManualBuild(page);
            continue;
        }
        FormPage(bands, continuing);
    }
}

TfrBand* TfrReportBuilder::FindBand(const std::string& name) const
{
    for (const auto& page : m_pageBands)
        for (const auto& band : page->Bands)
            if (band->Exists() && SameText(band->Name, name))
                return band.get();
    return nullptr;
}

TfrBand* TfrReportBuilder::CurrentDataBand() const
{
    if (m_currentBand && m_currentBand->IsDataBand() && m_currentBand->DataSet)
        return m_currentBand;
    if (m_loopBand)
        return m_loopBand;
    if (m_current) {
        TfrBand& master = m_current->First(BandType::MasterData);
        if (master.Exists())
            return &master;
    }
    return nullptr;
}

// --- the report as expressions see it -----------------------------------------

bool TfrReportBuilder::OnGetValue(const std::string& name, Variant& value)
{
    return m_report.OnGetValue && m_report.OnGetValue(name, value);
}

bool TfrReportBuilder::OnUserFunction(const std::string& name, const std::string& p1, const std::string& p2,
    const std::string& p3, Variant& value)
{
    return m_report.OnUserFunction && m_report.OnUserFunction(name, p1, p2, p3, value);
}

std::optional<std::string> TfrReportBuilder::DictionaryVariable(const std::string& name) const
{
    for (const DictionaryEntry& entry : m_template.Dictionary.Variables)
        if (!DataDictionary::IsCategory(entry) && SameText(entry.Name, name))
            return entry.Value;
    return std::nullopt;
}

bool TfrReportBuilder::SetDictionaryVariable(const std::string& name, const std::string& valueText)
{
    for (DictionaryEntry& entry : m_template.Dictionary.Variables)
        if (!DataDictionary::IsCategory(entry) && SameText(entry.Name, name)) {
            entry.Value = valueText;
            return true;
        }
    return false;
}

std::string TfrReportBuilder::ResolveDatasetAlias(const std::string& name) const
{
    for (const DictionaryEntry& entry : m_template.Dictionary.FieldAliases)
        if (SameText(entry.Name, name) && !entry.Value.empty())
            return entry.Value;
    return name;
}

const TfrDataField* TfrReportBuilder::FindField(const std::string& dataset, const std::string& field)
{
    TfrDataset* source = nullptr;
    if (dataset.empty()) {
        TfrBand* band = CurrentDataBand();
        source = band ? band->DataSet : nullptr;
    } else {
        source = m_report.Datasets.Find(ResolveDatasetAlias(dataset));
    }
    return source ? source->FindField(field) : nullptr;
}

std::optional<Variant> TfrReportBuilder::BuiltInValue(TfrBuiltIn which) const
{
    TfrBand* data = CurrentDataBand();
    const ReportInfo& info = m_template.Info;
    switch (which) {
    case TfrBuiltIn::Page:
        return Variant(m_pageNo + 1);
    case TfrBuiltIn::Line:
        return Variant(data ? data->RecordNo : 0);
    case TfrBuiltIn::LineThrough:
        return Variant(data ? data->OverallRecordNo : 0);
    case TfrBuiltIn::Column:
        return Variant(m_crossColumn);
    case TfrBuiltIn::Current:
        return Variant(m_recordCounter);
    case TfrBuiltIn::TotalPages:
        return Variant(m_totalPages);
    case TfrBuiltIn::ReportComment:
        return Variant(info.Comment);
    case TfrBuiltIn::ReportName:
        return Variant(info.Name);
    case TfrBuiltIn::ReportAutor:
        return Variant(info.Author);
    case TfrBuiltIn::VMajor:
        return Variant(info.VersionMajor);
    case TfrBuiltIn::VMinor:
        return Variant(info.VersionMinor);
    case TfrBuiltIn::VRelease:
        return Variant(info.VersionRelease);
    case TfrBuiltIn::VBuild:
        return Variant(info.VersionBuild);
    case TfrBuiltIn::ReportDate:
        return Variant(info.CreationDate);
    case TfrBuiltIn::ReportLastChange:
        return Variant(info.LastChange);
    case TfrBuiltIn::CalcWidth:
        return m_currentObject ? std::optional<Variant>(Variant(m_currentObject->Width)) : std::nullopt;
    case TfrBuiltIn::CurY:
        return Variant(static_cast<double>(m_curY));
    case TfrBuiltIn::FreeSpace:
        return Variant(static_cast<double>(m_bottomY - m_curY));
    case TfrBuiltIn::FinalPass:
        return Variant(m_finalPass);
    case TfrBuiltIn::PageHeight:
        return Variant(static_cast<double>(m_bottomY));
    case TfrBuiltIn::PageWidth:
        return Variant(static_cast<double>(m_rightEdge));
    case TfrBuiltIn::Date:
    case TfrBuiltIn::Time:
        return std::nullopt;
    }
    return std::nullopt;
}

bool TfrReportBuilder::SetBuildValue(TfrBuildSetting which, const Variant& value)
{
    switch (which) {
    case TfrBuildSetting::CurY: {
        auto position = ToDouble(value);
        if (!position || !std::isfinite(*position))
            return false;
        m_curY = static_cast<std::int64_t>(std::clamp(*position, -1e9, 1e9));
        return true;
    }
    case TfrBuildSetting::Progress:
        if (OnProgressText)
            OnProgressText(ToText(value));
        return true;
    case TfrBuildSetting::ModalResult:
        return true;
    }
    return false;
}

namespace {

TfrObject* FindObjectOf(TfrReport& report, const TfrObjectPath& path, const TfrPage* current)
{
    if (path.page > 0) {
        if (static_cast<std::size_t>(path.page) > report.Pages.size())
            return nullptr;
        TfrPage& page = *report.Pages[static_cast<std::size_t>(path.page - 1)];
        return path.object.empty() ? static_cast<TfrObject*>(&page) : page.FindObject(path.object);
    }
    for (const auto& page : report.Pages)
        if (SameText(page->Name, path.object))
            return page.get();
    if (current)
        if (TfrView* view = current->FindObject(path.object))
            return view;
    return report.FindObject(path.object);
}

} // namespace

bool TfrReportBuilder::GetObjectProperty(const TfrObjectPath& path, Variant& value)
{
    TfrObject* object = FindObjectOf(m_template, path, m_current ? m_current->Page : nullptr);
    if (!object)
        return false;
    if (auto* view = dynamic_cast<TfrBandView*>(object); view && path.member == "EOF") {
        for (const auto& page : m_pageBands)
            for (const auto& band : page->Bands)
                if (band->SourceView == view && band->DataSet) {
                    value = Variant(band->DataSet->Eof());
                    return true;
                }
        value = Variant(true);
        return true;
    }
    auto found = object->GetProperty(path.member);
    if (!found)
        return false;
    value = *found;
    return true;
}

bool TfrReportBuilder::SetObjectProperty(const TfrObjectPath& path, const Variant& value)
{
    TfrObject* object = FindObjectOf(m_template, path, m_current ? m_current->Page : nullptr);
    if (!object || !object->SetProperty(path.member, value))
        return false;
    // Visibility and size of a band view act on the running band.
    if (auto* view = dynamic_cast<TfrBandView*>(object))
        for (const auto& page : m_pageBands)
            for (const auto& band : page->Bands)
                if (band->SourceView == view) {
                    band->Visible = view->Visible;
                    band->Height = std::max(0, view->Height);
                }
    return true;
}

bool TfrReportBuilder::CallObjectMethod(const TfrObjectPath& path, const std::vector<Variant>& args, Variant& result)
{
    TfrObject* object = FindObjectOf(m_template, path, m_current ? m_current->Page : nullptr);
    if (!object)
        return false;
    if (auto* view = dynamic_cast<TfrBandView*>(object);
        view && (path.member == "NEXT" || path.member == "PRIOR" || path.member == "FIRST")) {
        for (const auto& page : m_pageBands)
            for (const auto& band : page->Bands)
                if (band->SourceView == view && band->DataSet) {
                    if (path.member == "NEXT")
                        band->DataSet->Next();
                    else if (path.member == "PRIOR")
                        band->DataSet->Prior();
                    else
                        band->DataSet->First();
                }
        result = Variant();
        return true;
    }
    if (auto* memo = dynamic_cast<TfrMemoView*>(object); memo && path.member == "CALCHEIGHT") {
        result = Variant(memo->CalcHeight(m_engine));
        return true;
    }
    auto answer = object->CallMethod(path.member, args);
    if (!answer)
        return false;
    result = *answer;
    return true;
}

bool TfrReportBuilder::ShowBand(const std::string& name)
{
    TfrBand* band = FindBand(name);
    if (!band)
        return false;
    Show(*band);
    return true;
}

TfrAggregates* TfrReportBuilder::Aggregates(const std::string& dataBand)
{
    if (!dataBand.empty()) {
        TfrBand* band = FindBand(dataBand);
        return band ? &band->Aggregates : nullptr;
    }
    if (!m_currentBand || !m_current)
        return nullptr;
    if (m_currentBand->GroupDataBand)
        return &m_currentBand->GroupDataBand->Aggregates;
    if (m_currentBand->LinkedDataBand)
        return &m_currentBand->LinkedDataBand->Aggregates;
    BandType type = m_currentBand->Type == BandType::DetailFooter      ? BandType::DetailData
                    : m_currentBand->Type == BandType::SubDetailFooter ? BandType::SubDetailData
                                                                       : BandType::MasterData;
    TfrBand& data = m_current->First(type);
    return data.Exists() ? &data.Aggregates : nullptr;
}

std::string TfrReportBuilder::CurrentBandName() const
{
    return m_currentBand ? m_currentBand->Name : std::string {};
}

std::string TfrReportBuilder::InputBox(const std::string& prompt, const std::string& defaultText)
{
    return m_report.OnInputBox ? m_report.OnInputBox(prompt, defaultText) : defaultText;
}

int TfrReportBuilder::MessageBox(const std::string& text, const std::string& caption, int flags)
{
    // Without a way to ask, a question counts as cancelled (mrCancel).
    constexpr int kCancelled = 2;
    return m_report.OnMessageBox ? m_report.OnMessageBox(text, caption, flags) : kCancelled;
}

} // namespace report
