// Printing a large note store with the default template: the band engine
// building PAGE.frf over 1,000, 10,000 and 100,000 notes of about 500
// characters (prepared pages per second, the bytes the prepared pages hold,
// the process's peak memory), and writing the prepared pages as a PDF.
//
// Stores are built once per size in /dev/shm when it exists, otherwise in the
// temporary directory. Sizes run in increasing order, so the peak memory
// reported for a size is the peak up to and including it.

#include "platform/data/TADOConnection.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TADOTable.h"
#include "report/data/TfrDBDataSet.h"
#include "report/objects/TfrReport.h"
#include "report/output/EMFPagesPdf.h"
#include "report/template/PageTemplate.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

namespace {

std::filesystem::path BenchDirectory()
{
    const std::filesystem::path shm = "/dev/shm";
    const auto base = std::filesystem::exists(shm) ? shm : std::filesystem::temp_directory_path();
    const auto directory = base / ("veltrin-report-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    return directory;
}

// About 500 characters of Chinese with a line break every 60 or so.
std::string NoteBody(std::mt19937& random)
{
    std::string text;
    for (int i = 1; i <= 500; ++i) {
        const unsigned code = 0x4E00 + random() % 3000;
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
        if (i % 60 == 0)
            text += "\r\n";
    }
    return text;
}

// A store of `notes` notes with the program's schema, made once per size.
class Store {
public:
    explicit Store(int notes)
    {
        file = BenchDirectory() / ("notes-" + std::to_string(notes) + ".mdb");
        std::filesystem::remove(file);
        db::CreateDatabaseFile(file);
        connection.ConnectionString = "Data Source=\"" + file.string() + "\"";
        connection.Open();
        connection.ExecuteScript("create table 笔记 (类别 text, 日期 datetime, 标题 text, 内容 text);");
        db::TADOTable table("BZ");
        table.SetConnection(&connection);
        table.TableName = "笔记";
        table.Open();
        std::mt19937 random(notes);
        connection.ExecuteScript("begin");
        for (int note = 1; note <= notes; ++note) {
            table.Insert();
            table.FieldByName("类别").SetAsString("类别" + std::to_string(note % 20));
            table.FieldByName("日期").SetAsString("2024-03-04 09:12:30");
            table.FieldByName("标题").SetAsString("笔记 " + std::to_string(note));
            table.FieldByName("内容").SetAsString(NoteBody(random));
            table.Post();
        }
        connection.ExecuteScript("commit");
        query.SetConnection(&connection);
        // The print button's statement for all notes.
        query.SQL.Add("select rowid, * from 笔记 order by rowid");
    }
    ~Store()
    {
        query.Close();
        connection.Close();
        std::filesystem::remove(file);
    }

    std::filesystem::path file;
    db::TADOConnection connection;
    db::TADOQuery query { "ADOQuery5" };
};

Store& StoreOf(int notes)
{
    static std::map<int, std::unique_ptr<Store>> stores;
    auto& store = stores[notes];
    if (!store)
        store = std::make_unique<Store>(notes);
    return *store;
}

double PeakMemoryMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The print button's build: PAGE.frf over frDBDataSet1 on the print query.
struct PrintJob {
    explicit PrintJob(Store& store)
    {
        report.ShowProgress = false;
        report.LoadTemplateFromStream(report::PageTemplateBytes());
        dataset.DataSet = &store.query;
        report.Datasets.Register(dataset.Name, dataset);
    }
    report::TfrReport report;
    report::TfrDBDataSet dataset { "frDBDataSet1" };
};

void BM_BuildPageTemplate(benchmark::State& state)
{
    Store& store = StoreOf(static_cast<int>(state.range(0)));
    PrintJob job(store);
    int pages = 0;
    for (auto _ : state) {
        store.query.Close();
        if (!job.report.BuildReport())
            state.SkipWithError(job.report.BuildError.c_str());
        pages = job.report.EMFPages.Count();
    }
    state.counters["pages"] = pages;
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["prepared_MiB"] = static_cast<double>(job.report.EMFPages.StreamBytes()) / (1024.0 * 1024.0);
    state.counters["peak_MiB"] = PeakMemoryMiB();
}
BENCHMARK(BM_BuildPageTemplate)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_WritePdf(benchmark::State& state)
{
    Store& store = StoreOf(static_cast<int>(state.range(0)));
    PrintJob job(store);
    job.report.BuildReport();
    const auto file = BenchDirectory() / "notes.pdf";
    for (auto _ : state)
        report::WritePreparedPagesPdf(job.report.EMFPages, file);
    state.counters["pages"] = job.report.EMFPages.Count();
    state.counters["pages/s"] = benchmark::Counter(job.report.EMFPages.Count(), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["pdf_MiB"] = static_cast<double>(std::filesystem::file_size(file)) / (1024.0 * 1024.0);
    state.counters["peak_MiB"] = PeakMemoryMiB();
    std::filesystem::remove(file);
}
BENCHMARK(BM_WritePdf)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
