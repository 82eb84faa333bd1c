#pragma once

#include "report/objects/TfrReport.h"

#include "platform/controls/TButton.h"
#include "platform/controls/TForm.h"
#include "platform/controls/TLabel.h"

#include <string>

namespace report {

// The window a build shows while it runs: the pass and the page being
// filled, a line a script may set, and Cancel, which stops the build at its
// next band or record. Messages are handled at every page, so the window
// repaints and Cancel works while the build runs on the one thread.
class TfrProgressForm : public ctl::TForm, public TfrBuildProgress {
public:
    explicit TfrProgressForm(const TfrReport& report);

    void StartPass(bool finalPass, int totalPages) override;
    void PageDone(int page) override;
    void SetText(const std::string& text) override;
    bool CancelRequested() override;

    ctl::TLabel* PageLabel { nullptr };
    ctl::TLabel* TextLabel { nullptr };
    ctl::TButton* CancelButton { nullptr };

private:
    bool m_finalPass { true };
    int m_totalPages { 0 };
    bool m_cancelled { false };
};

} // namespace report
