#include "report/build/TfrProgressForm.h"

#include "platform/controls/TApplication.h"

namespace report {

TfrProgressForm::TfrProgressForm(const TfrReport& report) : TForm(nullptr)
{
    SetCaption(report.Title.empty() ? "Preparing report" : "Preparing report - " + report.Title);
    SetBorderStyle(ctl::TFormBorderStyle::bsDialog);
    SetBorderIcons({});
    SetClientSize(260, 96);
    SetPosition(ctl::TPosition::poScreenCenter);

    PageLabel = new ctl::TLabel(this);
    PageLabel->SetBounds(12, 12, 236, 16);
    PageLabel->SetParent(this);
    TextLabel = new ctl::TLabel(this);
    TextLabel->SetBounds(12, 32, 236, 16);
    TextLabel->SetParent(this);

    CancelButton = new ctl::TButton(this);
    CancelButton->SetCaption("Cancel");
    CancelButton->SetBounds(92, 60, 75, 25);
    CancelButton->SetCancel(true);
    CancelButton->OnClick = [this](ctl::TObject*) { m_cancelled = true; };
    CancelButton->SetParent(this);
    Show();
}

void TfrProgressForm::StartPass(bool finalPass, int totalPages)
{
    m_finalPass = finalPass;
    m_totalPages = totalPages;
    PageDone(0);
}

void TfrProgressForm::PageDone(int page)
{
    std::string text = (m_finalPass ? "Processing page:" : "Performing 1st pass:") + std::string("  ") + std::to_string(page);
    if (m_finalPass && m_totalPages > 0)
        text += " from " + std::to_string(m_totalPages);
    PageLabel->SetCaption(text);
    ctl::Application->ProcessMessages();
}

void TfrProgressForm::SetText(const std::string& text)
{
    TextLabel->SetCaption(text);
    ctl::Application->ProcessMessages();
}

bool TfrProgressForm::CancelRequested()
{
    return m_cancelled;
}

} // namespace report
