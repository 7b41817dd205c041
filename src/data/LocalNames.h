#pragma once
// Country and currency names in the user's language, from Debian's iso-codes:
// its JSON files give each ISO code its English name, its gettext catalogues
// translate those names. A row keeps the name the table stores wherever there
// is nothing to translate with: no code, a code iso-codes does not know, no
// catalogue for the language, no iso-codes at all, or English.
#include "data/RecordCursor.h"

#include <string>
#include <unordered_map>

namespace quorvane {

class LocalNames {
public:
    static constexpr const char* kJsonFolder = "/usr/share/iso-codes/json";
    static constexpr const char* kLocaleFolder = "/usr/share/locale";

    // language: as uiLanguage() gives it. "en" reads nothing: the table's names
    // are English already, and stay exactly as stored.
    explicit LocalNames(const std::string& language = "en", const std::string& jsonFolder = kJsonFolder,
                        const std::string& localeFolder = kLocaleFolder);

    // Every name shows as stored: nothing needs to be read for one.
    bool asStored() const { return countries_.empty() && currencies_.empty(); }

    // The row's country in the language: the translated common name of its
    // Alpha2 (its name where it has no common one), and for a row named after
    // its currency, "Zimbabwe (US Dollar)", the currency in the brackets translated too.
    std::string country(const RateRecord& row) const;
    // The translated name of the row's CODE, or its stored Description.
    std::string currency(const RateRecord& row) const;
    // The row's unit information with the currency's name translated: "1 Euro =
    // 100 Cents" keeps its minor unit's name (iso-codes has none), "1 Japanese Yen,
    // no minor unit" is said in the language. Anything else as stored.
    std::string unit(const RateRecord& row) const;

private:
    std::unordered_map<std::string, std::string> countries_;   // alpha-2 code -> translated name
    std::unordered_map<std::string, std::string> currencies_;  // ISO 4217 code -> translated name
};

// A gettext catalogue (.mo) as msgid -> msgstr. A missing, damaged or hostile
// file yields no translations: every offset and length is checked against the file.
std::unordered_map<std::string, std::string> readCatalogue(const std::string& path);

}  // namespace quorvane
