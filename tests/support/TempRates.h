#pragma once
// A temporary program folder holding a real Zelvik.MDB, and rates read back from
// it over a connection of its own, as the next start of the program would.
#include "data/SqliteRateTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <clocale>
#include <string>

namespace quorvane::test {

inline const std::string kRatesHeader = "Country,Currency,Description,CODE,ROE\n";

struct TempRates {
    QTemporaryDir dir;
    TempRates() { std::setlocale(LC_ALL, "en_US.UTF-8"); }
    QString folder() const { return dir.path(); }
    std::string file(const char* name = "Zelvik.MDB") const { return dir.filePath(name).toStdString(); }

    // A fresh table from CSV rows (the header line is added for them).
    std::string make(const std::string& rows, const char* name = "Zelvik.MDB") const {
        QFile::remove(QString::fromStdString(file(name)));
        RateDatabase::createFromCsv(file(name), kRatesHeader + rows);
        return file(name);
    }
    // The shipped rate data; returns why not, or an empty string.
    QString makeShipped() const {
        QFile csv(qEnvironmentVariable("QUORVANE_SOURCE_DIR") + "/data/rates.csv");
        if (!csv.open(QIODevice::ReadOnly)) return "cannot read " + csv.fileName();
        QFile::remove(QString::fromStdString(file()));
        RateDatabase::createFromCsv(file(), csv.readAll().toStdString());
        return {};
    }
    // A copy of the build's own table; returns why not, or an empty string.
    QString copyProgramTable() const {
        QString from = qEnvironmentVariable("QUORVANE_PROGRAM_DIR") + "/Zelvik.MDB";
        return QFile::copy(from, dir.filePath("Zelvik.MDB")) ? QString() : "no rate table at " + from;
    }
    double storedRate(const std::string& country) const { return storedRateIn(file(), country); }

    // The first record's ROE for the country, or -1 when there is none.
    static double storedRateIn(const std::string& path, const std::string& country) {
        sqlite3* db = nullptr;
        sqlite3_stmt* st = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_prepare_v2(db, "SELECT ROE FROM RATES WHERE Country = ?1 ORDER BY rowid LIMIT 1", -1, &st, nullptr);
        sqlite3_bind_text(st, 1, country.c_str(), -1, SQLITE_TRANSIENT);
        double v = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_double(st, 0) : -1;
        sqlite3_finalize(st);
        sqlite3_close(db);
        return v;
    }
};

}  // namespace quorvane::test
