#include "data/Sqlite.h"
#include "platform/Translations.h"

#include "data/SqliteRateTable.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace quorvane {

Database::Database(const std::string& path, bool create) : path_(path) {
    std::error_code ec;
    if (!create && !std::filesystem::is_regular_file(path, ec))
        throw StoreError(kErrNotOpen, fillIn(trs("RateTable", "The rate table file '%1' was not found."), {path}));
    // SQLite falls back to read-only where the file cannot be written.
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        std::string msg = message();
        sqlite3_close(db_);
        db_ = nullptr;
        throw StoreError(kErrNotOpen,
                         fillIn(trs("RateTable", "The rate table file '%1' could not be opened: %2"), {path, msg}));
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
}

Database::~Database() { sqlite3_close(db_); }

std::string Database::message() const { return db_ ? sqlite3_errmsg(db_) : trs("RateTable", "out of memory"); }

void Database::fail(const std::string& what, int number) const {
    lastFailure_ = sqlite3_extended_errcode(db_);
    if (sqlite3_extended_errcode(db_) == SQLITE_READONLY_ROLLBACK) throw StoreError(kErrNotOpen, halfWrittenMessage(path_));
    throw StoreError(number, what + " '" + path_ + "': " + message());
}

void Database::exec(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail("Could not write the rate table");
}

bool Database::hasTable(const char* name) const {
    Statement st(*this, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    return st.bind(1, std::string(name)).row();
}

long long Database::dataVersion() const {
    Statement st(*this, "PRAGMA data_version");
    return st.row() ? st.integer(0) : -1;
}

std::string Database::whyNotWritten() const {
    switch (lastFailure_ & 0xff) {
    case SQLITE_READONLY: return trs("RateTable", "the rate table is read-only");
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return trs("RateTable", "another program is using the rate table; close it and try again");
    case SQLITE_FULL: return trs("RateTable", "the disk is full");
    case SQLITE_CANTOPEN: return trs("RateTable", "its folder is read-only");
    default: return fillIn(trs("RateTable", "the rate table could not be written (%1)"), {message()});
    }
}

void Database::backupInto(Database& to) const {
    sqlite3_backup* b = sqlite3_backup_init(to.handle(), "main", db_, "main");
    const int rc = b ? sqlite3_backup_step(b, -1) : sqlite3_errcode(to.handle());
    if (b) sqlite3_backup_finish(b);
    if (rc != SQLITE_DONE) to.fail(trs("RateTable", "The copy could not be written to"));
}

Statement::Statement(const Database& db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &st_, nullptr) != SQLITE_OK)
        db.fail(trs("RateTable", "Could not read the rate table"));
}
Statement::~Statement() { sqlite3_finalize(st_); }

Statement& Statement::bind(int i, const std::string& s) {
    sqlite3_bind_text(st_, i, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    return *this;
}
Statement& Statement::bind(int i, double v) { sqlite3_bind_double(st_, i, v); return *this; }
Statement& Statement::bind(int i, long long v) { sqlite3_bind_int64(st_, i, v); return *this; }

bool Statement::row() {
    int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) {
        sqlite3_reset(st_);
        db_.fail(trs("RateTable", "Could not read or write the rate table"));
    }
    return false;
}

void Statement::run() {
    while (row()) {}
    reset();
}

void Statement::reset() {
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
}

std::string Statement::text(int c) const {
    auto* t = sqlite3_column_text(st_, c);
    return t ? std::string(reinterpret_cast<const char*>(t), static_cast<size_t>(sqlite3_column_bytes(st_, c)))
             : std::string();
}
double Statement::real(int c) const { return sqlite3_column_double(st_, c); }
long long Statement::integer(int c) const { return sqlite3_column_int64(st_, c); }
bool Statement::isNull(int c) const { return sqlite3_column_type(st_, c) == SQLITE_NULL; }

Transaction::Transaction(Database& db) : db_(db) { db_.exec("BEGIN IMMEDIATE"); }
Transaction::~Transaction() {
    if (open_) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}
void Transaction::commit() {
    if (sqlite3_exec(db_.handle(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        db_.fail(trs("RateTable", "The change could not be saved in"));
    open_ = false;
}

bool publishNewFile(const std::string& path, const std::function<void(const std::string&)>& fill) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) return false;
    std::vector<char> name(path.begin(), path.end());
    for (char c : std::string(".part-XXXXXX")) name.push_back(c);
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) throw StoreError(kErrStore, fillIn(trs("RateTable", "'%1' could not be created: %2."), {path, std::strerror(errno)}));
    // The permissions a file created the ordinary way gets (mkstemp gives 0600).
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    const std::string tmp(name.data());
    try {
        fill(tmp);
    } catch (...) {
        std::filesystem::remove(tmp, ec);
        throw;
    }
    // link() never replaces: a file made meanwhile is kept.
    const int rc = ::link(tmp.c_str(), path.c_str());
    const int err = errno;
    std::filesystem::remove(tmp, ec);
    if (rc == 0) return true;
    if (err == EEXIST) return false;
    throw StoreError(kErrStore, fillIn(trs("RateTable", "'%1' could not be created: %2."), {path, std::strerror(err)}));
}

}  // namespace quorvane
