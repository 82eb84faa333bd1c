#include "platform/printing/CupsPrintService.h"

#include <cups/cups.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <mutex>
#include <string_view>
#include <thread>

namespace printing {
namespace {

// An open connection to the CUPS server that gives up on a request after the
// timeout instead of retrying.
class Connection {
public:
    explicit Connection(std::chrono::milliseconds timeout)
    {
        const int ms = static_cast<int>(timeout.count());
        m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, ms, nullptr);
        if (!m_http)
            throw PrintError("The print server cannot be reached: " + std::string(cupsLastErrorString()));
        httpSetTimeout(m_http, static_cast<double>(ms) / 1000.0, [](http_t*, void*) { return 0; }, nullptr);
    }
    ~Connection() { httpClose(m_http); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    http_t* Get() const { return m_http; }

private:
    http_t* m_http { nullptr };
};

struct DestList {
    cups_dest_t* Dests { nullptr };
    int Count { 0 };
    ~DestList() { cupsFreeDests(Count, Dests); }
};

PrinterListing QueryPrinters(std::chrono::milliseconds timeout)
{
    PrinterListing listing;
    Connection connection(timeout);
    DestList list;
    list.Count = cupsGetDests2(connection.Get(), &list.Dests);
    for (int i = 0; i < list.Count; ++i) {
        const cups_dest_t& dest = list.Dests[i];
        if (dest.instance)
            continue; // instances are option sets of a printer already listed
        listing.Names.emplace_back(dest.name);
        if (dest.is_default)
            listing.Default = dest.name;
    }
    return listing;
}

int DotsPerInch(int value, ipp_res_t units)
{
    return units == IPP_RES_PER_CM ? static_cast<int>(value * 2.54 + 0.5) : value;
}

MediaSize ToMediaSize(http_t* http, cups_dest_t* dest, cups_dinfo_t* info, cups_size_t& size)
{
    MediaSize media;
    media.Name = size.media;
    const char* shown = cupsLocalizeDestMedia(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &size);
    media.DisplayName = shown ? shown : size.media;
    media.Width = size.width;
    media.Length = size.length;
    media.Left = size.left;
    media.Right = size.right;
    media.Top = size.top;
    media.Bottom = size.bottom;
    return media;
}

// Hundredths of a millimetre as the decimal millimetres of a custom media name.
std::string Millimetres(int hundredths)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", hundredths / 100.0);
    return text;
}

const char* SidesKeyword(PrintSides sides)
{
    switch (sides) {
    case PrintSides::TwoSidedLongEdge:
        return "two-sided-long-edge";
    case PrintSides::TwoSidedShortEdge:
        return "two-sided-short-edge";
    case PrintSides::OneSided:
        break;
    }
    return "one-sided";
}

// The printer's current paper: the user's own choice for the queue, else the
// server's default, else what the client library derives. The library's
// derivation alone is not enough: for a queue with a driver it can name the
// first paper of the list instead of the queue's default.
int DefaultMediaIndex(http_t* http, cups_dest_t* dest, cups_dinfo_t* info, const std::vector<MediaSize>& media)
{
    std::vector<std::string> names;
    if (const char* chosen = cupsGetOption("media", dest->num_options, dest->options))
        names.emplace_back(chosen);
    if (ipp_attribute_t* server = cupsFindDestDefault(http, dest, info, "media"))
        if (const char* name = ippGetString(server, 0, nullptr))
            names.emplace_back(name);
    cups_size_t derived {};
    if (cupsGetDestMediaDefault(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &derived))
        names.emplace_back(derived.media);
    for (const std::string& name : names)
        for (std::size_t i = 0; i < media.size(); ++i)
            if (media[i].Name == name)
                return static_cast<int>(i);
    return -1;
}

PrinterDetails QueryDetails(const std::string& printer, std::chrono::milliseconds timeout)
{
    Connection connection(timeout);
    http_t* http = connection.Get();
    std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(cupsGetNamedDest(http, printer.c_str(), nullptr),
        [](cups_dest_t* d) { cupsFreeDests(1, d); });
    if (!dest)
        throw PrintError("The printer \"" + printer + "\" is not known to the print server.");
    std::unique_ptr<cups_dinfo_t, void (*)(cups_dinfo_t*)> info(cupsCopyDestInfo(http, dest.get()), cupsFreeDestInfo);
    if (!info)
        throw PrintError("The printer \"" + printer + "\" does not report its settings: " + cupsLastErrorString());

    PrinterDetails details;
    const int count = cupsGetDestMediaCount(http, dest.get(), info.get(), CUPS_MEDIA_FLAGS_DEFAULT);
    for (int i = 0; i < count; ++i) {
        cups_size_t size {};
        if (cupsGetDestMediaByIndex(http, dest.get(), info.get(), i, CUPS_MEDIA_FLAGS_DEFAULT, &size)
            && size.width > 0 && size.length > 0)
            details.Media.push_back(ToMediaSize(http, dest.get(), info.get(), size));
    }
    details.DefaultMedia = DefaultMediaIndex(http, dest.get(), info.get(), details.Media);
    if (ipp_attribute_t* sources = cupsFindDestSupported(http, dest.get(), info.get(), "media-source"))
        for (int i = 0; i < ippGetCount(sources); ++i) {
            const char* keyword = ippGetString(sources, i, nullptr);
            if (!keyword || std::string_view(keyword) == "auto")
                continue; // the printer's own choice is the list's "Default"
            const char* shown = cupsLocalizeDestValue(http, dest.get(), info.get(), "media-source", keyword);
            details.Bins.push_back({ keyword, shown ? shown : keyword });
        }
    if (ipp_attribute_t* resolution = cupsFindDestDefault(http, dest.get(), info.get(), "printer-resolution")) {
        int yres = 0;
        ipp_res_t units = IPP_RES_PER_INCH;
        const int xres = ippGetResolution(resolution, 0, &yres, &units);
        if (xres > 0 && yres > 0) {
            details.DpiX = DotsPerInch(xres, units);
            details.DpiY = DotsPerInch(yres, units);
        }
    }
    return details;
}

// Runs a query of the server on a worker thread and waits for it no longer
// than `limit`, however many requests the query makes: a server that is slow
// to answer each of them cannot hold the program. The worker owns its half of
// the shared state, so it may finish after the caller has given up on it. The
// query's own PrintError reaches the caller; running out of time is one too.
template <typename Result>
Result RunBounded(std::function<Result()> query, std::chrono::milliseconds limit)
{
    struct Shared {
        std::mutex Mutex;
        std::condition_variable Done;
        bool Finished { false };
        std::optional<Result> Value;
        std::exception_ptr Error;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, query = std::move(query)] {
        std::optional<Result> value;
        std::exception_ptr error;
        try {
            value = query();
        } catch (...) {
            error = std::current_exception();
        }
        const std::lock_guard lock(shared->Mutex);
        shared->Value = std::move(value);
        shared->Error = error;
        shared->Finished = true;
        shared->Done.notify_all();
    }).detach();
    std::unique_lock lock(shared->Mutex);
    if (!shared->Done.wait_for(lock, limit, [&shared] { return shared->Finished; }))
        throw PrintError("The print server did not answer in time.");
    if (shared->Error)
        std::rethrow_exception(shared->Error);
    return std::move(*shared->Value);
}

} // namespace

CupsPrintService::CupsPrintService(std::chrono::milliseconds timeout) : m_timeout(timeout) { }

PrinterListing CupsPrintService::ListPrinters()
{
    const std::chrono::milliseconds timeout = m_timeout;
    try {
        return RunBounded<PrinterListing>([timeout] { return QueryPrinters(timeout); }, m_timeout * 2);
    } catch (const std::exception&) {
        return {}; // no server, or one that does not answer: no printers
    }
}

PrinterDetails CupsPrintService::Describe(const std::string& printer)
{
    const std::chrono::milliseconds timeout = m_timeout;
    return RunBounded<PrinterDetails>([printer, timeout] { return QueryDetails(printer, timeout); }, m_timeout * 2);
}

int CupsPrintService::Submit(const PrintJob& job)
{
    Connection connection(m_timeout);
    int optionCount = 0;
    cups_option_t* options = nullptr;
    optionCount = cupsAddOption("copies", std::to_string(std::max(job.Copies, 1)).c_str(), optionCount, &options);
    optionCount = cupsAddOption("collate", job.Collate ? "true" : "false", optionCount, &options);
    std::string media = job.Media;
    if (media.empty() && job.CustomWidth > 0 && job.CustomLength > 0)
        media = "Custom." + Millimetres(job.CustomWidth) + "x" + Millimetres(job.CustomLength) + "mm";
    if (!media.empty())
        optionCount = cupsAddOption("media", media.c_str(), optionCount, &options);
    if (!job.MediaSource.empty())
        optionCount = cupsAddOption("media-source", job.MediaSource.c_str(), optionCount, &options);
    optionCount = cupsAddOption("sides", SidesKeyword(job.Options.Sides), optionCount, &options);
    if (job.Options.Grayscale)
        optionCount = cupsAddOption("print-color-mode", "monochrome", optionCount, &options);
    const int id = cupsPrintFile2(connection.Get(), job.Printer.c_str(), job.PdfFile.c_str(), job.Title.c_str(),
        optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (id == 0)
        throw PrintError("The printer \"" + job.Printer + "\" did not take the job: " + cupsLastErrorString());
    return id;
}

} // namespace printing
