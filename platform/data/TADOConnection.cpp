#include "platform/data/TADOConnection.h"

#include "platform/data/EDatabaseError.h"
#include "platform/data/TConnectionString.h"
#include "platform/data/TCustomADODataSet.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db {

namespace {

struct OpenMode {
    bool readOnly { false };
    bool exclusive { false };
};

// "Mode" holds one or more of ADO's mode names joined by '|'.
OpenMode ParseMode(const std::string& text)
{
    OpenMode mode;
    bool write = text.empty();
    std::size_t position = 0;
    while (position <= text.size()) {
        auto end = text.find('|', position);
        if (end == std::string::npos)
            end = text.size();
        std::string word = text.substr(position, end - position);
        word.erase(0, word.find_first_not_of(' '));
        word.erase(word.find_last_not_of(' ') + 1);
        if (word == "Read")
            mode.readOnly = true;
        else if (word == "Write" || word == "ReadWrite" || word == "Share Deny None")
            write = true;
        else if (word == "Share Exclusive" || word == "Share Deny Read" || word == "Share Deny Write")
            write = mode.exclusive = true;
        else if (!word.empty())
            throw EDatabaseError("Connection string: the mode \"" + word + "\" is not known");
        position = end + 1;
    }
    if (write)
        mode.readOnly = false;
    return mode;
}

// The cause for a file the engine does not take for a database. Access files
// are named by their format: they start with a page whose bytes 4 to 19 read
// "Standard Jet DB" (Jet 3 and 4) or "Standard ACE DB" (Access 2007 and
// later); the byte at 0x14 tells the Jet versions apart.
std::string NotADatabaseCause(const std::filesystem::path& file)
{
    char header[0x15] {};
    std::ifstream(file, std::ios::binary).read(header, sizeof header);
    const std::string_view signature(header + 4, 16);
    if (signature == std::string_view("Standard Jet DB\0", 16)) {
        const char* version = header[0x14] == 0 ? "Jet 3" : header[0x14] == 1 ? "Jet 4.0" : "Jet";
        return std::string("the file is a Microsoft Access database (") + version
            + " format), which this program cannot read; the notes must be moved into a store of this program";
    }
    if (signature == std::string_view("Standard ACE DB\0", 16))
        return "the file is a Microsoft Access database (Access 2007 or later format), which this program cannot "
               "read; the notes must be moved into a store of this program";
    return "the file is not a database";
}

} // namespace

void CreateDatabaseFile(const std::filesystem::path& file)
{
    // An empty file is an empty SQLite database; O_EXCL makes sure an existing
    // file is never taken over.
    const int handle = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (handle < 0) {
        const std::string cause = errno == EEXIST ? "the file already exists" : std::strerror(errno);
        throw EDatabaseError("Cannot create the database \"" + file.string() + "\": " + cause);
    }
    ::close(handle);
}

TADOConnection::~TADOConnection()
{
    Close();
    for (auto* dataSet : m_dataSets)
        dataSet->m_connection = nullptr;
}

std::filesystem::path TADOConnection::DataSource() const
{
    return TConnectionString(ConnectionString).Value("Data Source");
}

void TADOConnection::FailOpen(const std::filesystem::path& file, const std::string& cause)
{
    Close();
    std::error_code error;
    const auto full = std::filesystem::absolute(file, error);
    throw EDatabaseError("Cannot open the database \"" + file.string() + "\" (" + (error ? file : full).string()
        + "): " + cause);
}

void TADOConnection::Open()
{
    if (Connected())
        return;
    const TConnectionString settings(ConnectionString);
    const std::filesystem::path file = settings.Value("Data Source");
    if (file.empty())
        throw EDatabaseError("Connection string: no \"Data Source\" names the database file");
    const OpenMode mode = ParseMode(settings.Value("Mode"));

    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found)
        FailOpen(file, "the file does not exist");
    if (error)
        FailOpen(file, error.message());
    if (status.type() != std::filesystem::file_type::regular)
        FailOpen(file, "it is not a file");

    const int flags = (mode.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(file.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        const int systemError = m_db ? sqlite3_system_errno(m_db) : 0;
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        FailOpen(file, systemError ? std::string(std::strerror(systemError)) + " (" + message + ")" : message);
    }
    sqlite3_busy_timeout(m_db, static_cast<int>(CommandTimeout.count()));
    if (mode.exclusive)
        sqlite3_exec(m_db, "pragma locking_mode = exclusive", nullptr, nullptr, nullptr);

    // SQLite reads a file only when it is first used: read the schema now, so a
    // file that is no database or is locked is refused here and not later.
    const int result = sqlite3_exec(m_db, "select count(*) from sqlite_schema", nullptr, nullptr, nullptr);
    if (result == SQLITE_NOTADB)
        FailOpen(file, NotADatabaseCause(file) + " (" + sqlite3_errmsg(m_db) + ")");
    if (result == SQLITE_BUSY || result == SQLITE_LOCKED)
        FailOpen(file, "another program keeps the file locked (" + std::string(sqlite3_errmsg(m_db)) + ")");
    if (result != SQLITE_OK)
        FailOpen(file, sqlite3_errmsg(m_db));

    struct stat opened {};
    if (::stat(file.c_str(), &opened) != 0)
        FailOpen(file, std::strerror(errno));
    m_openedFile = std::filesystem::absolute(file);
    m_device = opened.st_dev;
    m_inode = opened.st_ino;
}

void TADOConnection::CheckFileInPlace(const Statement& statement)
{
    // A transaction begins and ends in ExecuteScript or in a statement that
    // runs outside one, and both clear the mark: it never outlives its
    // transaction.
    const bool inTransaction = InTransaction();
    if (inTransaction && m_fileCheckedInTransaction && statement.ReadOnly())
        return;
    struct stat now {};
    if (::stat(m_openedFile.c_str(), &now) == 0 && now.st_dev == m_device && now.st_ino == m_inode) {
        m_fileCheckedInTransaction = inTransaction;
        return;
    }
    throw EDatabaseError("The database \"" + m_openedFile.string()
        + "\" was deleted or replaced by another file while the program had it open; nothing was read or "
          "written. Restart the program to open the file that is there now.");
}

void TADOConnection::Close()
{
    if (!Connected())
        return;
    for (auto* dataSet : m_dataSets)
    {
        dataSet->Close();
        dataSet->ForgetStatements();
    }
    m_statements.clear();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

void TADOConnection::CheckConnected() const
{
    if (!Connected())
        throw EDatabaseError("The connection to the database is not open");
}

Statement& TADOConnection::Prepare(const std::string& sql)
{
    CheckConnected();
    auto& prepared = m_statements[sql];
    auto idle = std::ranges::find_if(prepared, [](const auto& statement) { return !statement->Busy(); });
    if (idle == prepared.end())
        idle = prepared.insert(idle, std::make_unique<Statement>(m_db, sql));
    return GiveOut(**idle);
}

Statement& TADOConnection::PrepareAgain(Statement& kept)
{
    if (kept.Busy())
        return Prepare(kept.Sql());
    CheckConnected();
    return GiveOut(kept);
}

Statement& TADOConnection::GiveOut(Statement& statement)
{
    CheckFileInPlace(statement);
    if (!statement.ReadOnly())
        FinishReadingRows();
    return statement;
}

void TADOConnection::FinishReadingRows()
{
    for (auto* dataSet : m_dataSets)
        dataSet->ReadRemainingRows();
}

void TADOConnection::ExecuteScript(const std::string& sql)
{
    CheckConnected();
    FinishReadingRows();
    m_fileCheckedInTransaction = false;
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : sqlite3_errmsg(m_db);
        sqlite3_free(message);
        throw EDatabaseError(EngineFailureMessage(m_db, sql, std::move(text)));
    }
}

bool TADOConnection::InTransaction() const
{
    return Connected() && sqlite3_get_autocommit(m_db) == 0;
}

int TADOConnection::ChangedRows() const
{
    CheckConnected();
    return sqlite3_changes(m_db);
}

std::int64_t TADOConnection::LastInsertRowId() const
{
    CheckConnected();
    return sqlite3_last_insert_rowid(m_db);
}

void TADOConnection::Attach(TCustomADODataSet* dataSet)
{
    m_dataSets.push_back(dataSet);
}

void TADOConnection::Detach(TCustomADODataSet* dataSet)
{
    std::erase(m_dataSets, dataSet);
}

} // namespace db
