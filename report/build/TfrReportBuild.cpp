// A report's build: the template snapshot around it, one or two passes of the
// band engine, progress and cancelling, and what is kept when it fails.
#include "report/build/TfrProgressForm.h"
#include "report/build/TfrReportBuilder.h"

#include "report/expr/TfrExpressionEngine.h"
#include "report/objects/TfrReport.h"
#include "report/template/TemplateFormat.h"

#include "platform/controls/TApplication.h"

namespace report {
namespace {

// The program keeps one expression engine for all its reports.
TfrExpressionEngine& ProgramEngine()
{
    static TfrExpressionEngine engine;
    return engine;
}

// Attaches the running pass to the engine and detaches it on every way out.
class ScopeAttachment {
public:
    ScopeAttachment(TfrExpressionEngine& engine, TfrReportScope& scope) : m_engine(engine), m_previous(engine.Scope())
    {
        m_engine.SetScope(&scope);
    }
    ~ScopeAttachment() { m_engine.SetScope(m_previous); }
    ScopeAttachment(const ScopeAttachment&) = delete;
    ScopeAttachment& operator=(const ScopeAttachment&) = delete;

private:
    TfrExpressionEngine& m_engine;
    TfrReportScope* m_previous;
};

// A build started from the running program (the application has its main
// form) shows the progress window with Cancel; tools and tests, which have
// no window to put it over, show none.
std::unique_ptr<TfrBuildProgress> DefaultProgress(const TfrReport& report)
{
    if (!ctl::Application->MainForm())
        return nullptr;
    return std::make_unique<TfrProgressForm>(report);
}

std::string CannotBuild(const std::exception& error)
{
    return std::string("The report cannot be built: ") + error.what();
}

} // namespace

bool TfrReport::BuildReport()
{
    BuildError.clear();
    EMFPages.Clear();
    TfrExpressionEngine& engine = Expressions ? *Expressions : ProgramEngine();
    engine.StartBuild();

    // Every pass builds from a copy of the template, so scripts and the
    // engine may change objects freely while the template, its last-change
    // date included, stays exactly as it was.
    io::ByteWriter snapshot;
    try {
        WriteTemplate(*this, snapshot);
    } catch (const std::exception& error) {
        BuildError = CannotBuild(error);
        if (OnBuildError)
            OnBuildError(BuildError, "Error");
        return false;
    }

    std::unique_ptr<TfrBuildProgress> progress;
    if (ShowProgress && !OnProgress)
        progress = MakeProgress ? MakeProgress(*this) : DefaultProgress(*this);
    if (OnBeginDoc)
        OnBeginDoc();
    bool completed = true;
    int totalPages = 0;
    if (TwoPass) {
        completed = RunBuildPass(engine, snapshot.Data(), false, 0, progress.get());
        totalPages = EMFPages.Count();
        EMFPages.Clear();
        if (!completed) {
            // Stopped in the first pass: nothing of it is worth showing.
            if (OnEndDoc)
                OnEndDoc();
            if (!BuildError.empty() && OnBuildError)
                OnBuildError(BuildError, "Error");
            return false;
        }
    }
    if (BuildError.empty())
        completed = RunBuildPass(engine, snapshot.Data(), true, totalPages, progress.get());
    if (OnEndDoc)
        OnEndDoc();

    if (!BuildError.empty()) {
        EMFPages.Clear();
        if (OnBuildError)
            OnBuildError(BuildError, "Error");
        return false;
    }
    return completed;
}

bool TfrReport::RunBuildPass(TfrExpressionEngine& engine, std::span<const std::uint8_t> snapshot, bool finalPass,
    int totalPages, TfrBuildProgress* progress)
{
    TfrReport working;
    try {
        // Every dictionary entry comes along, whether its dataset exists or not.
        ReadTemplate(snapshot, working, *AddIns, [](std::string_view) { return true; });
    } catch (const std::exception& error) {
        // The copy cannot be read back, as when an object's class is not
        // plugged in: the build fails with the reader's message.
        BuildError = CannotBuild(error);
        return false;
    }
    TfrReportBuilder builder(*this, working, engine, EMFPages);
    bool cancelled = false;
    if (progress) {
        progress->StartPass(finalPass, totalPages);
        builder.OnPageDone = [&](int page) {
            progress->PageDone(page);
            if (progress->CancelRequested()) {
                cancelled = true;
                builder.StopReport();
            }
        };
        builder.OnProgressText = [progress](const std::string& text) { progress->SetText(text); };
    } else if (OnProgress) {
        builder.OnPageDone = [this](int page) { OnProgress(page); };
    }
    {
        ScopeAttachment attachment(engine, builder);
        builder.RunPass(finalPass, totalPages);
    }
    if (!builder.Error().empty() && BuildError.empty())
        BuildError = builder.Error();
    if (progress && !cancelled && progress->CancelRequested())
        cancelled = true;
    return !cancelled && BuildError.empty();
}

} // namespace report
