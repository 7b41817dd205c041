#include "data/LocalNames.h"

#include "platform/Translations.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>

namespace quorvane {
namespace {

// iso-codes' files are well under a megabyte; anything far larger is no such file.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

QByteArray readSmallFile(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxFileBytes) return {};
    return f.read(kMaxFileBytes);
}

// Each entry of the JSON list `key` whose code field `code` has a translation:
// code -> translated name, from the first of `nameFields` the entry has with a translation.
std::unordered_map<std::string, std::string> translatedNames(const std::string& jsonPath, const char* key,
                                                             const char* code,
                                                             std::initializer_list<const char*> nameFields,
                                                             const std::unordered_map<std::string, std::string>& mo) {
    std::unordered_map<std::string, std::string> names;
    if (mo.empty()) return names;
    const QJsonArray entries = QJsonDocument::fromJson(readSmallFile(jsonPath)).object().value(key).toArray();
    for (const QJsonValue& v : entries) {
        const QJsonObject entry = v.toObject();
        const std::string id = entry.value(code).toString().toStdString();
        for (const char* field : nameFields) {
            if (!entry.contains(field)) continue;
            // A common name without a translation falls back to the official one.
            auto it = mo.find(entry.value(field).toString().toStdString());
            if (id.empty() || it == mo.end()) continue;
            names.emplace(id, it->second);
            break;
        }
    }
    return names;
}

}  // namespace

std::unordered_map<std::string, std::string> readCatalogue(const std::string& path) {
    const QByteArray bytes = readSmallFile(path);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const std::uint64_t size = static_cast<std::uint64_t>(bytes.size());
    bool bigEndian = false;
    auto word = [&](std::uint64_t at, std::uint64_t& v) {
        if (at + 4 > size) return false;
        v = bigEndian ? (std::uint32_t(p[at]) << 24 | std::uint32_t(p[at + 1]) << 16 | p[at + 2] << 8 | p[at + 3])
                      : (std::uint32_t(p[at + 3]) << 24 | std::uint32_t(p[at + 2]) << 16 | p[at + 1] << 8 | p[at]);
        return true;
    };
    std::uint64_t magic = 0, count = 0, ids = 0, strs = 0;
    if (!word(0, magic)) return {};
    // Written in the byte order of the machine that made it.
    if (magic == 0xde120495) bigEndian = true;
    else if (magic != 0x950412de) return {};
    if (!word(8, count) || !word(12, ids) || !word(16, strs) || ids + count * 8 > size || strs + count * 8 > size)
        return {};
    // The text up to its first NUL (a plural's msgid or msgstr holds more after it).
    auto text = [&](std::uint64_t table, std::uint64_t i, std::string& out) {
        std::uint64_t length = 0, offset = 0;
        if (!word(table + i * 8, length) || !word(table + i * 8 + 4, offset) || offset + length > size) return false;
        out.assign(reinterpret_cast<const char*>(p + offset), length);
        out.resize(out.find('\0') == std::string::npos ? out.size() : out.find('\0'));
        return true;
    };
    std::unordered_map<std::string, std::string> catalogue;
    catalogue.reserve(count);
    std::string id, str;
    for (std::uint64_t i = 0; i < count; ++i) {
        if (!text(ids, i, id) || !text(strs, i, str)) return {};  // one bad entry: nothing is trusted
        if (!id.empty() && !str.empty()) catalogue.emplace(id, str);
    }
    return catalogue;
}

LocalNames::LocalNames(const std::string& language, const std::string& jsonFolder, const std::string& localeFolder) {
    if (language.empty() || language == "en") return;
    const std::string messages = localeFolder + "/" + language + "/LC_MESSAGES/";
    countries_ = translatedNames(jsonFolder + "/iso_3166-1.json", "3166-1", "alpha_2", {"common_name", "name"},
                                 readCatalogue(messages + "iso_3166-1.mo"));
    currencies_ = translatedNames(jsonFolder + "/iso_4217.json", "4217", "alpha_3", {"name"},
                                  readCatalogue(messages + "iso_4217.mo"));
}

std::string LocalNames::country(const RateRecord& row) const {
    const auto it = row.alpha2.empty() ? countries_.end() : countries_.find(row.alpha2);
    if (it == countries_.end()) return row.country;
    const std::string bracket = " (" + row.description + ")";
    if (!row.description.empty() && row.country.size() > bracket.size() && row.country.ends_with(bracket))
        return it->second + " (" + currency(row) + ")";
    return it->second;
}

std::string LocalNames::currency(const RateRecord& row) const {
    const auto it = row.code.empty() ? currencies_.end() : currencies_.find(row.code);
    return it == currencies_.end() ? row.description : it->second;
}

std::string LocalNames::unit(const RateRecord& row) const {
    const std::string shown = currency(row), named = "1 " + row.description;
    if (shown == row.description || !row.currency.starts_with(named)) return row.currency;
    if (row.currency == named + ", no minor unit") return fillIn(trs("LocalNames", "1 %1, no minor unit"), {shown});
    if (row.currency.compare(named.size(), 3, " = ") == 0) return "1 " + shown + row.currency.substr(named.size());
    return row.currency;
}

}  // namespace quorvane
