// The note store under the load of a user with years of notes: the refresh's
// data sequence (category list, the titles of each category, the note
// count), the keyword search and saving new notes. Each figure is measured through our
// data module and through the raw SQLite C API running the same statements,
// and the ratio is printed at the end.
//
// Stores are built once per size in /dev/shm when it exists (so that the disk's
// flush time, which is the same for both, does not hide the layer's own cost),
// otherwise in the temporary directory.

#include "app/TData.h"
#include "platform/data/Statement.h"
#include "platform/text/Utf8.h"
#include "platform/time/Calendar.h"
#include "platform/time/IsoDateTimeText.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int CategoryCount = 200;
// Put into one note in a thousand, and into one note in twenty.
const std::string RareKeyword = "红烧肉";
const std::string CommonKeyword = "Meeting";

// Bodies are drawn from the 3,000 most-used range of CJK ideographs and from
// made-up Latin words, so that a keyword is as selective as in real notes.
std::string ChineseCharacter(std::mt19937& random)
{
    return text::EncodeUtf8(static_cast<char32_t>(0x4E00 + random() % 3000));
}

std::string LatinWord(std::mt19937& random)
{
    std::string word;
    const int length = 2 + static_cast<int>(random() % 8);
    for (int i = 0; i < length; ++i)
        word += static_cast<char>((i == 0 && random() % 3 == 0 ? 'A' : 'a') + random() % 26);
    return word;
}

std::filesystem::path BenchDirectory()
{
    const std::filesystem::path shm = "/dev/shm";
    const auto base = std::filesystem::exists(shm) ? shm : std::filesystem::temp_directory_path();
    const auto directory = base / ("veltrin-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    return directory;
}

struct Cleanup {
    ~Cleanup() { std::filesystem::remove_all(BenchDirectory()); }
} cleanup;

std::string Body(std::mt19937& random)
{
    std::string body;
    if (random() % 1000 == 0)
        body += RareKeyword;
    if (random() % 20 == 0)
        body += CommonKeyword + ' ';
    int characters = 0;
    while (characters < 500) {
        if (random() % 5 == 0) {
            const std::string word = LatinWord(random) + ' ';
            body += word;
            characters += static_cast<int>(word.size());
        } else {
            body += ChineseCharacter(random);
            ++characters;
        }
        if (random() % 60 == 0) {
            body += "\r\n";
            characters += 2;
        }
    }
    return body;
}

class RawDb {
public:
    // Opened as the dataset layer opens its file, without the engine's lock
    // around every call (each connection is used from one thread), so that
    // both sides pay for the same engine work.
    explicit RawDb(const std::filesystem::path& file)
    {
        if (sqlite3_open_v2(file.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
    }
    ~RawDb() { sqlite3_close_v2(m_db); }
    sqlite3* get() const { return m_db; }
    void Exec(const char* sql)
    {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
    }

private:
    sqlite3* m_db { nullptr };
};

class RawStatement {
public:
    RawStatement(sqlite3* db, const std::string& sql)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &m_statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
    }
    ~RawStatement() { sqlite3_finalize(m_statement); }
    sqlite3_stmt* get() const { return m_statement; }
    void Text(int index, const std::string& value)
    {
        sqlite3_bind_text(m_statement, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    }
    std::string Column(int column) const
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column))) : "";
    }

private:
    sqlite3_stmt* m_statement { nullptr };
};

// A store of `notes` notes over 200 categories, made once per size.
const std::filesystem::path& Store(int notes)
{
    static std::map<int, std::filesystem::path> stores;
    auto found = stores.find(notes);
    if (found != stores.end())
        return found->second;
    const auto file = BenchDirectory() / ("notes-" + std::to_string(notes) + ".mdb");
    app::TData::CreateStore(file);
    RawDb db(file);
    db.Exec("begin");
    {
        RawStatement category(db.get(), "insert into 类别 (类别) values (?)");
        for (int i = 0; i < CategoryCount; ++i) {
            category.Text(1, "类别" + std::to_string(i));
            sqlite3_step(category.get());
            sqlite3_reset(category.get());
        }
        std::mt19937 random(notes);
        RawStatement note(db.get(), "insert into 笔记 (类别, 日期, 标题, 内容) values (?, ?, ?, ?)");
        for (int i = 0; i < notes; ++i) {
            note.Text(1, "类别" + std::to_string(random() % CategoryCount));
            note.Text(2, "2024-01-01 08:00:00");
            note.Text(3, "笔记 " + ChineseCharacter(random) + ChineseCharacter(random) + " " + std::to_string(i));
            note.Text(4, Body(random));
            sqlite3_step(note.get());
            sqlite3_reset(note.get());
        }
    }
    db.Exec("commit");
    return stores.emplace(notes, file).first->second;
}

// The whole tree read at once: the category list, the titles of each
// category, the count, read from one state of the file as the refresh reads.
void TreeBuildOurs(benchmark::State& state)
{
    app::TData data(app::TData::ConnectionStringFor(Store(static_cast<int>(state.range(0)))));
    for (auto _ : state) {
        db::ReadTransaction snapshot(data.ADOConnection1);
        std::vector<std::vector<std::string>> tree;
        data.LB.SetActive(false);
        data.LB.SetActive(true);
        data.LB.First();
        const int categories = data.LB.RecordCount();
        const db::TField& category = data.LB.FieldByName("类别");
        for (int i = 0; i < categories; ++i) {
            data.OpenCategoryNotes(category.AsString());
            auto& branch = tree.emplace_back();
            const int notes = data.QBZ.RecordCount();
            const db::TField& title = data.QBZ.FieldByName("标题");
            for (int n = 0; n < notes; ++n) {
                branch.push_back(title.AsString());
                data.QBZ.Next();
            }
            data.LB.Next();
        }
        benchmark::DoNotOptimize(data.NoteCount());
        benchmark::DoNotOptimize(tree);
    }
}

void TreeBuildRaw(benchmark::State& state)
{
    RawDb db(Store(static_cast<int>(state.range(0))));
    RawStatement categories(db.get(), "select rowid, * from 类别 order by rowid");
    RawStatement notes(db.get(), "select rowid, 标题 from 笔记 where 类别 = ?1 order by rowid");
    RawStatement count(db.get(), "select count(*) from 笔记");
    for (auto _ : state) {
        db.Exec("begin");
        // The category list is read to its end before the notes, as the
        // dataset does.
        std::vector<std::string> names;
        while (sqlite3_step(categories.get()) == SQLITE_ROW)
            names.push_back(categories.Column(1));
        sqlite3_reset(categories.get());
        std::vector<std::vector<std::string>> tree;
        for (const auto& name : names) {
            notes.Text(1, name);
            auto& branch = tree.emplace_back();
            while (sqlite3_step(notes.get()) == SQLITE_ROW)
                branch.push_back(notes.Column(1));
            sqlite3_reset(notes.get());
        }
        sqlite3_step(count.get());
        benchmark::DoNotOptimize(sqlite3_column_int(count.get(), 0));
        sqlite3_reset(count.get());
        db.Exec("commit");
        benchmark::DoNotOptimize(tree);
    }
}

void SearchOurs(benchmark::State& state, const std::string& keyword)
{
    app::TData data(app::TData::ConnectionStringFor(Store(100000)));
    for (auto _ : state) {
        data.SearchNotes(keyword);
        benchmark::DoNotOptimize(data.ADOQuery3.RecordCount());
    }
    state.counters["rows"] = data.ADOQuery3.RecordCount();
}

// What the results window needs before its first screen can be drawn: the
// search and the titles of one screen of rows (289 pixels of 13-pixel items);
// the rest of the rows are read afterwards, a slice at a time.
constexpr int ScreenRows = 22;

void SearchFirstScreenOurs(benchmark::State& state, const std::string& keyword)
{
    app::TData data(app::TData::ConnectionStringFor(Store(100000)));
    db::TADOQuery& query = data.ADOQuery3;
    std::size_t read = 0;
    for (auto _ : state) {
        data.SearchNotes(keyword);
        query.First();
        std::vector<std::string> screen;
        for (int row = 0; row < ScreenRows && !query.Eof(); ++row) {
            screen.push_back(query.FieldByName("标题").AsString());
            query.Next();
        }
        benchmark::DoNotOptimize(screen);
        read = query.RowsRead();
    }
    // Rows whose values the search read for its first screen, and all it finds.
    state.counters["read"] = static_cast<double>(read);
    state.counters["rows"] = query.RecordCount();
}

// The plain statement, as the search runs without the full-text index.
void SearchOursPlain(benchmark::State& state, const std::string& keyword)
{
    app::TData data(app::TData::ConnectionStringFor(Store(100000)));
    db::TADOQuery& query = data.ADOQuery3;
    for (auto _ : state) {
        query.Close();
        query.SQL.Clear();
        query.SQL.Add(app::TData::SearchStatement);
        query.Parameters.ParamByName("pattern").SetAsString("%" + keyword + "%");
        query.Open();
        benchmark::DoNotOptimize(query.RecordCount());
    }
    state.counters["rows"] = query.RecordCount();
}

void SearchRaw(benchmark::State& state, const std::string& statement, const std::string& keyword)
{
    RawDb db(Store(100000));
    RawStatement search(db.get(), statement);
    int rows = 0;
    for (auto _ : state) {
        std::vector<std::vector<std::string>> result;
        // The indexed statement takes the index's query beside the pattern.
        if (const int query = sqlite3_bind_parameter_index(search.get(), ":query"))
            search.Text(query, app::TData::SearchIndexQuery(keyword));
        search.Text(sqlite3_bind_parameter_index(search.get(), ":pattern"), "%" + keyword + "%");
        while (sqlite3_step(search.get()) == SQLITE_ROW) {
            auto& row = result.emplace_back();
            for (int column = 1; column < 5; ++column)
                row.push_back(search.Column(column));
        }
        sqlite3_reset(search.get());
        rows = static_cast<int>(result.size());
        benchmark::DoNotOptimize(result);
    }
    state.counters["rows"] = rows;
}

// A fresh store of 10,000 notes for each run of 1,000 saves.
std::filesystem::path SaveStore()
{
    static int runs = 0;
    const auto file = BenchDirectory() / ("saves-" + std::to_string(++runs) + ".mdb");
    std::filesystem::copy_file(Store(10000), file);
    return file;
}

constexpr int Saves = 1000;

// The save of the main window, a thousand times: BZ re-read, Insert, set, Post.
void SavesOurs(benchmark::State& state)
{
    std::mt19937 random(7);
    for (auto _ : state) {
        state.PauseTiming();
        const auto file = SaveStore();
        {
            app::TData data(app::TData::ConnectionStringFor(file));
            state.ResumeTiming();
            for (int i = 0; i < Saves; ++i) {
                data.BZ.SetActive(false);
                data.BZ.SetActive(true);
                data.BZ.Insert();
                data.BZ.Edit();
                data.BZ.FieldByName("类别").SetAsString("类别7");
                data.BZ.FieldByName("日期").SetAsDateTime(dt::Now());
                data.BZ.FieldByName("标题").SetAsString("新笔记 " + std::to_string(i));
                data.BZ.FieldByName("内容").SetAsString(Body(random));
                data.BZ.Post();
            }
            state.PauseTiming();
        }
        std::filesystem::remove(file);
        state.ResumeTiming();
    }
}

void SavesRaw(benchmark::State& state)
{
    std::mt19937 random(7);
    for (auto _ : state) {
        state.PauseTiming();
        const auto file = SaveStore();
        {
            RawDb db(file);
            RawStatement insert(db.get(), "insert into 笔记 (类别, 日期, 标题, 内容) values (?, ?, ?, ?)");
            state.ResumeTiming();
            for (int i = 0; i < Saves; ++i) {
                insert.Text(1, "类别7");
                insert.Text(2, dt::DateTimeToIsoText(dt::Now()));
                insert.Text(3, "新笔记 " + std::to_string(i));
                insert.Text(4, Body(random));
                sqlite3_step(insert.get());
                sqlite3_reset(insert.get());
            }
            state.PauseTiming();
        }
        std::filesystem::remove(file);
        state.ResumeTiming();
    }
}

// Collects each run's time so that every "ours" figure can be set against its
// "raw" twin after the runs.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // Run with repetitions, a figure is its median, reported after the runs.
        for (const auto& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            m_times[run.run_name.str()] = { run.GetAdjustedRealTime(), run.GetAdjustedCPUTime() };
        }
    }

    // Wall time on a shared machine includes waiting for the processor, so the
    // ratio is given for both wall and processor time.
    void PrintRatios() const
    {
        std::printf("\n%-46s %10s %10s %7s %10s %10s %7s\n", "figure (ms)", "ours wall", "raw wall", "ratio",
            "ours cpu", "raw cpu", "ratio");
        for (const auto& [name, ours] : m_times) {
            const auto mark = name.find("/ours");
            if (mark == std::string::npos)
                continue;
            std::string twin = name;
            twin.replace(mark, 5, "/raw");
            const auto raw = m_times.find(twin);
            if (raw == m_times.end())
                continue;
            std::string figure = name.substr(0, mark);
            std::printf("%-46s %10.3f %10.3f %7.2f %10.3f %10.3f %7.2f\n", figure.c_str(), ours.real,
                raw->second.real, ours.real / raw->second.real, ours.cpu, raw->second.cpu, ours.cpu / raw->second.cpu);
        }
    }

private:
    struct Times {
        double real;
        double cpu;
    };
    std::map<std::string, Times> m_times;
};

} // namespace

int main(int argc, char** argv)
{
    for (int notes : { 1000, 10000, 100000 }) {
        const std::string size = std::to_string(notes);
        benchmark::RegisterBenchmark(("tree build " + size + " notes/ours").c_str(), TreeBuildOurs)
            ->Arg(notes)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("tree build " + size + " notes/raw").c_str(), TreeBuildRaw)
            ->Arg(notes)
            ->Unit(benchmark::kMillisecond);
    }
    for (const std::string& keyword : { RareKeyword, CommonKeyword }) {
        const std::string name = "search '" + keyword + "' 100000 notes";
        benchmark::RegisterBenchmark((name + " indexed/ours").c_str(), SearchOurs, keyword)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(
            (name + " indexed/raw").c_str(), SearchRaw, app::TData::IndexedSearchStatement, keyword)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + " plain/ours").c_str(), SearchOursPlain, keyword)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + " plain/raw").c_str(), SearchRaw, app::TData::SearchStatement, keyword)
            ->Unit(benchmark::kMillisecond);
    }
    // Every note's title holds "笔记": the largest result a keyword can give.
    benchmark::RegisterBenchmark("search every note, first screen 100000 notes", SearchFirstScreenOurs, "笔记")
        ->Unit(benchmark::kMillisecond);
    for (const std::string& keyword : { CommonKeyword, RareKeyword })
        benchmark::RegisterBenchmark(("search '" + keyword + "', first screen 100000 notes").c_str(),
            SearchFirstScreenOurs, keyword)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("1000 saves into 10000 notes/ours", SavesOurs)->Iterations(3)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("1000 saves into 10000 notes/raw", SavesRaw)->Iterations(3)->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
