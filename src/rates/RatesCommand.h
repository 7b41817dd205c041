#pragma once
// quorvane-rates: shows the rate table the program opens and brings it up to
// date with newer daily rates.
#include "data/Numbers.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <array>
#include <functional>
#include <string>

namespace quorvane {

// Where the daily file of rates per US dollar is published: first address, fallback.
inline constexpr const char* kDailyRatesUrls[] = {
    "https://cdn.jsdelivr.net/npm/@fawazahmed0/currency-api@latest/v1/currencies/usd.json",
    "https://latest.currency-api.pages.dev/v1/currencies/usd.json",
};

struct RatesCommandContext {
    QString programFolder;  // holds the shipped rate table
    QString userFolder;     // the user's data folder, for their own copy
    bool terminal = false;  // err is a terminal: show a progress line while downloading
    QStringList dailyRates{kDailyRatesUrls[0], kDailyRatesUrls[1]};  // tried in turn without --source
    NumberFormat format{};  // the user's number conventions: set reads RATE, chart writes numbers so
    // chart --pdf: writes the card's page (row 0 the names, then the 20 rows) with
    // the line under it; throws std::runtime_error with the reason. Unset: no PDF.
    std::function<void(const QString& file, const std::array<std::array<std::string, 4>, 21>& cells,
                       const std::string& footer)>
        writePdf;
    // The language of the country names shown, and taken besides the stored ones (uiLanguage()).
    std::string language = "en";
};

// Runs the command line (arguments[0] is the program's name); returns the exit status:
// 0 done, 1 failed with the table unchanged, 2 wrong usage.
int runRatesCommand(const QStringList& arguments, const RatesCommandContext& context, QTextStream& out,
                    QTextStream& err);

}  // namespace quorvane
