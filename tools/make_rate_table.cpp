// make_rate_table CSV DB [DATE [SOURCE]]: creates the rate table DB from CSV,
// or, when DB exists, brings it up to date with CSV rates newer than its own,
// keeping every rate typed into it.
#include "data/SqliteRateTable.h"
#include "data/UserRateTable.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 5) {
        std::cerr << "usage: make_rate_table RATES.csv Zelvik.MDB [YYYY-MM-DD [SOURCE]]\n";
        return 2;
    }
    const std::string csv = argv[1], db = argv[2];
    const std::string date = argc > 3 ? argv[3] : "", source = argc > 4 ? argv[4] : "";
    if (!date.empty() && !quorvane::isIsoDate(date)) {
        std::cerr << "make_rate_table: the rates' date '" << date << "' is not of the form YYYY-MM-DD\n";
        return 2;
    }
    std::ifstream in(csv, std::ios::binary);
    if (!in) {
        std::cerr << "make_rate_table: cannot read " << csv << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    try {
        std::error_code ec;
        if (std::filesystem::exists(db, ec)) {
            if (date.empty()) return 0;  // nothing to compare with: an existing table is left alone
            const auto rows = quorvane::ratesFromCsv(text.str());
            auto sum = quorvane::mergeRates(db, {rows, date, source});
            // Rates of the same date: the table still takes the countries' codes it lacks.
            if (!sum.merged && quorvane::addCountryCodes(db, rows)) std::cout << "Country codes added to " << db << "\n";
            if (sum.merged)
                std::cout << "Rates of " << date << " in " << db << ": " << sum.changed << " changed, "
                          << sum.keptTyped << " typed kept, " << sum.added << " added\n";
            return 0;
        }
        std::filesystem::create_directories(std::filesystem::path(db).parent_path(), ec);
        quorvane::RateDatabase::createFromCsv(db, text.str(), date, source);
    } catch (const std::exception& e) {
        std::cerr << "make_rate_table: " << e.what() << "\n";
        return 1;
    }
    std::cout << "Created " << db << "\n";
    return 0;
}
