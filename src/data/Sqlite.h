#pragma once
// The one SQLite layer of the rate store: a database file, a statement over it
// and a write transaction, all failing with a StoreError a person can act on.
#include "data/RecordCursor.h"

#include <functional>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace quorvane {

// How long a read or write waits for another program that holds the file.
inline constexpr int kBusyTimeoutMs = 2000;

class Database {
public:
    // Opens an existing file, read-write where the file may be written and
    // read-only otherwise (a table left half-changed by a killed writer is put
    // right on the first read only over a connection that may write). Never
    // creates a file unless create.
    explicit Database(const std::string& path, bool create = false);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    sqlite3* handle() const { return db_; }
    const std::string& path() const { return path_; }
    std::string message() const;
    // Throws StoreError(number) "<what> '<path>': <SQLite's message>", or the
    // plain words for a half-changed table that cannot be put right.
    [[noreturn]] void fail(const std::string& what, int number = kErrStore) const;
    void exec(const char* sql);
    bool hasTable(const char* name) const;
    // Changes whenever another connection (another program) committed a change.
    long long dataVersion() const;
    // Why the last failure refused a write, in words a person can act on.
    std::string whyNotWritten() const;
    // Copies this whole database into `to` with SQLite's backup, which reads one
    // consistent state even while another program writes.
    void backupInto(Database& to) const;

private:
    std::string path_;
    sqlite3* db_ = nullptr;
    mutable int lastFailure_ = 0;  // SQLite's extended code of the last failure
};

class Statement {
public:
    Statement(const Database& db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int i, const std::string& s);
    Statement& bind(int i, double v);
    Statement& bind(int i, long long v);
    // Steps once: true for a row, false when done; a failure throws.
    bool row();
    // Steps to the end, then makes the statement ready for new bindings.
    void run();
    void reset();
    std::string text(int c) const;
    double real(int c) const;
    long long integer(int c) const;
    bool isNull(int c) const;

private:
    const Database& db_;
    sqlite3_stmt* st_ = nullptr;
};

// BEGIN IMMEDIATE now; ROLLBACK unless commit() was reached.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();

private:
    Database& db_;
    bool open_ = true;
};

// Makes the file at path from what fill writes into a new temporary file beside
// it (unique name), without ever replacing a file: false when one is there
// already, whether before or made meanwhile. Throws StoreError when it fails;
// the temporary file never stays.
bool publishNewFile(const std::string& path, const std::function<void(const std::string& temporary)>& fill);

}  // namespace quorvane
