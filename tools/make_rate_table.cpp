// make_rate_table CSV DB: creates the rate table DB from CSV unless DB exists.
#include "data/SqliteRateTable.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_rate_table RATES.csv Zelvik.MDB\n";
        return 2;
    }
    std::error_code ec;
    if (std::filesystem::exists(argv[2], ec)) return 0;  // never replaces a user's rates
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "make_rate_table: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    try {
        std::filesystem::create_directories(std::filesystem::path(argv[2]).parent_path(), ec);
        quorvane::RateDatabase::createFromCsv(argv[2], text.str());
    } catch (const std::exception& e) {
        std::cerr << "make_rate_table: " << e.what() << "\n";
        return 1;
    }
    std::cout << "Created " << argv[2] << "\n";
    return 0;
}
