#pragma once
// A temporary program folder holding a real Zelvik.MDB, and rates read back from
// it over a connection of its own, as the next start of the program would; files
// for the tests.
#include "data/SqliteRateTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <clocale>
#include <string>

namespace quorvane::test {

inline const std::string kRatesHeader = "Country,Currency,Description,CODE,ROE\n";

// Runs SQL over a connection of its own: the rows' fields joined by "|", the
// rows by ","; or "error: " and SQLite's message.
inline std::string sql(const std::string& path, const std::string& text) {
    std::string out;
    auto row = [](void* o, int n, char** v, char**) {
        auto& s = *static_cast<std::string*>(o);
        for (int i = 0; i < n; ++i) s += (i ? "|" : s.empty() ? "" : ",") + std::string(v[i] ? v[i] : "");
        return 0;
    };
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    if (sqlite3_exec(db, text.c_str(), row, &out, nullptr) != SQLITE_OK) out = "error: " + std::string(sqlite3_errmsg(db));
    sqlite3_close(db);
    return out;
}

// A file's bytes (to show that nothing at all was written), and a file written whole.
inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline std::string bytes(const std::string& path) { return readFile(QString::fromStdString(path)).toStdString(); }
inline bool writeFile(const QString& path, const QByteArray& bytes, bool executable = false) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() &&
           (!executable || f.setPermissions(f.permissions() | QFileDevice::ExeOwner));
}
// Another program's connection holding the file: `begin` is run now, COMMIT when it ends.
struct OtherProgram {
    sqlite3* db = nullptr;
    OtherProgram(const std::string& path, const char* begin) { sqlite3_open(path.c_str(), &db), run(begin); }
    ~OtherProgram() { run("COMMIT"), sqlite3_close(db); }
    void run(const char* s) { sqlite3_exec(db, s, nullptr, nullptr, nullptr); }
};

struct TempRates {
    QTemporaryDir dir;
    TempRates() { std::setlocale(LC_ALL, "en_US.UTF-8"); }
    QString folder() const { return dir.path(); }
    std::string file(const char* name = "Zelvik.MDB") const { return dir.filePath(name).toStdString(); }

    // A fresh table from CSV rows (the header line is added for them).
    std::string make(const std::string& rows, const char* name = "Zelvik.MDB", const std::string& date = {}) const {
        QFile::remove(QString::fromStdString(file(name)));
        RateDatabase::createFromCsv(file(name), kRatesHeader + rows, date);
        return file(name);
    }
    // The shipped rate data; returns why not, or an empty string.
    QString makeShipped(const std::string& date = {}) const {
        QFile csv(qEnvironmentVariable("QUORVANE_SOURCE_DIR") + "/data/rates.csv");
        if (!csv.open(QIODevice::ReadOnly)) return "cannot read " + csv.fileName();
        QFile::remove(QString::fromStdString(file()));
        RateDatabase::createFromCsv(file(), csv.readAll().toStdString(), date);
        return {};
    }
    double storedRate(const std::string& country) const { return storedRateIn(file(), country); }

    // The first record's ROE for the country, as the next start of the program reads it.
    static double storedRateIn(const std::string& path, const std::string& country) {
        SqliteCursor c(path);
        c.refresh(), c.findFirst(country);
        return c.current()->roe;
    }
};

}  // namespace quorvane::test
