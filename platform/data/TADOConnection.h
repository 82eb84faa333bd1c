#pragma once

#include "platform/data/Statement.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;

namespace db {

class TCustomADODataSet;

// Creates a new, empty database file. Refuses (EDatabaseError) when the file
// already exists, so that no store is ever overwritten.
void CreateDatabaseFile(const std::filesystem::path& file);

// The connection to one database file. The file is named by the "Data Source"
// of the connection string; a name without a directory is looked for in the
// process's current directory. SQLite is the engine; the other keys of the
// string (Provider, User ID, the Jet OLEDB settings) are kept and can be read
// but configure nothing here. "Mode" is honoured: "Read" opens the file
// read-only; "Share Exclusive", "Share Deny Read" and "Share Deny Write" keep
// the file locked against other programs from the first access on; "Share Deny
// None", the usual mode, lets other programs use the file at the same time.
//
// The connection never creates a file: a missing file, a file that is no
// database (an Access file is named as such) and a file another program keeps
// locked are refused with an error that names the file and the cause. Once
// open, a file deleted or replaced under the program is refused as well.
class TADOConnection {
public:
    TADOConnection() = default;
    ~TADOConnection();
    TADOConnection(const TADOConnection&) = delete;
    TADOConnection& operator=(const TADOConnection&) = delete;

    std::string ConnectionString;
    // How long a statement waits for a file another program holds busy before
    // it fails with the engine's "database is locked".
    std::chrono::milliseconds CommandTimeout { 5000 };

    void Open();
    // Closes every dataset of this connection, then the file.
    void Close();
    bool Connected() const { return m_db != nullptr; }
    void SetConnected(bool value) { value ? Open() : Close(); }

    // The file named by the connection string, as written there.
    std::filesystem::path DataSource() const;

    // For the datasets of this connection: a prepared statement for `sql`, kept
    // for reuse while the connection is open. The caller resets it when done
    // (StatementScope). A statement a dataset is still reading rows from is
    // never given out: the same text then gets a statement of its own.
    //
    // Before a statement that writes is given out, every dataset of the
    // connection that reads its rows as needed reads the rest of them, so that
    // the rows a dataset holds are never changed by a write half-way through
    // reading them.
    Statement& Prepare(const std::string& sql);
    // The same for a statement Prepare gave before, which the caller keeps
    // while the connection keeps its statements: without looking its text up
    // again when it is idle.
    Statement& PrepareAgain(Statement& kept);
    // Runs one or more statements that take no values (schema scripts,
    // transactions); datasets read the rest of their rows first, as above.
    void ExecuteScript(const std::string& sql);
    // Whether a transaction begun with "begin" is open.
    bool InTransaction() const;
    // Rows changed by the last insert, update or delete, and the key of the last inserted row.
    int ChangedRows() const;
    std::int64_t LastInsertRowId() const;

private:
    friend class TCustomADODataSet;

    void Attach(TCustomADODataSet* dataSet);
    void Detach(TCustomADODataSet* dataSet);
    void CheckConnected() const;
    // A statement checked and made ready to be given out (see Prepare).
    Statement& GiveOut(Statement& statement);
    [[noreturn]] void FailOpen(const std::filesystem::path& file, const std::string& cause);
    // Refuses every statement once the file that was opened is no longer at
    // its path (deleted, or replaced by another file): what the program
    // wrote would go into a file nobody can find again. Inside a transaction
    // a statement that only reads is let through once one was checked: the
    // transaction reads the state of the file that was in place then.
    void CheckFileInPlace(const Statement& statement);
    void FinishReadingRows();

    sqlite3* m_db { nullptr };
    // The file opened, by its full path and its identity on the disk.
    std::filesystem::path m_openedFile;
    std::uint64_t m_device { 0 };
    std::uint64_t m_inode { 0 };
    // Whether a statement of the transaction open now found the file in place.
    bool m_fileCheckedInTransaction { false };
    // The prepared statements by their text: usually one each, more while
    // datasets read rows from them.
    std::unordered_map<std::string, std::vector<std::unique_ptr<Statement>>> m_statements;
    std::vector<TCustomADODataSet*> m_dataSets;
};

} // namespace db
