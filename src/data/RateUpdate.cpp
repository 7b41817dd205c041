#include "data/RateUpdate.h"
#include "platform/Translations.h"
#include "platform/Language.h"

#include "data/SqliteRateTable.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace quorvane {
namespace {

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

std::string number(double v) { return QByteArray::number(v, 'g', 12).toStdString(); }

IncomingRates parseJson(const std::string& bytes) {
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &err);
    if (doc.isNull())
        throw RateFileError(fillIn(trs("RateFile", "it is not valid JSON (%1 at byte %2)"),
                                   {err.errorString().toStdString(), std::to_string(err.offset)}));
    const QJsonObject top = doc.object();
    IncomingRates in;
    in.date = top.value("date").toString().toStdString();
    if (!isIsoDate(in.date)) throw RateFileError(trs("RateFile", "it carries no date of the form YYYY-MM-DD"));
    const QJsonValue usd = top.value("usd");
    if (!usd.isObject()) throw RateFileError(trs("RateFile", "it holds no rates per US dollar (no \"usd\" object)"));
    const QJsonObject rates = usd.toObject();
    for (auto it = rates.begin(); it != rates.end(); ++it) {
        if (!it.value().isDouble())
            throw RateFileError(fillIn(trs("RateFile", "the rate of %1 is not a number"), {upper(it.key().toStdString())}));
        // Six significant digits, as the shipped rates: the rate boxes show the rate as stored.
        in.byCode[upper(it.key().toStdString())] = QByteArray::number(it.value().toDouble(), 'g', 6).toDouble();
    }
    return in;
}

void checkRate(const std::string& what, double rate) {
    if (!std::isfinite(rate) || rate <= 0)
        throw RateFileError(
            fillIn(trs("RateFile", "the rate of %1 is %2, not a positive number"), {what, number(rate)}));
}

}  // namespace

IncomingRates parseRateFile(const std::string& bytes, const std::string& csvDate) {
    const auto start = bytes.find_first_not_of(" \t\r\n");
    if (start == std::string::npos) throw RateFileError(trs("RateFile", "it is empty"));
    if (bytes[start] == '{') return parseJson(bytes);
    if (bytes.compare(start, 12, "Country,Curr") != 0)
        throw RateFileError(trs("RateFile", "it is neither the daily rates file (JSON) nor a Quorvane CSV file"));
    if (!isIsoDate(csvDate))
        throw RateFileError(
            trs("RateFile", "a CSV file carries no date; give the date of its rates with --date YYYY-MM-DD"));
    IncomingRates in;
    in.date = csvDate;
    try {
        in.rows = ratesFromCsv(bytes.substr(start));
    } catch (const StoreError& e) {
        throw RateFileError(e.what());
    }
    return in;
}

int RatePlan::count(RateChange what) const {
    return static_cast<int>(std::count_if(rates.begin(), rates.end(), [&](const auto& r) { return r.what == what; }));
}

RatePlan planRateUpdate(const RateSet& table, const std::set<std::string>& typed, const IncomingRates& in,
                        const std::string& source, PlanOptions options) {
    if (std::string problem = ratesDateProblem(in.date); !problem.empty()) throw RateFileError(problem);
    if (!table.date.empty() && in.date < table.date)
        throw RateFileError(
            fillIn(trs("RateFile", "its rates are of %1, older than the table's of %2"), {in.date, table.date}));
    for (const auto& r : in.rows) checkRate(r.country, r.roe);

    std::map<std::string, const RateRecord*> byCountry;
    for (const auto& r : in.rows) byCountry.emplace(r.country, &r);

    RatePlan plan;
    plan.date = in.date;
    plan.toMerge.date = in.date;
    plan.toMerge.source = source;
    std::set<std::string> present, refused;
    for (const RateRecord& have : table.rows) {
        present.insert(have.country);
        PlannedRate p{have.country, have.code, have.roe, 0, RateChange::NoRate};
        RateRecord want = have;
        if (in.rows.empty()) {
            auto it = have.code.empty() ? in.byCode.end() : in.byCode.find(upper(have.code));
            if (it == in.byCode.end()) {
                plan.rates.push_back(p);
                continue;
            }
            checkRate(it->first, it->second);
            want.roe = it->second;
        } else {
            auto it = byCountry.find(have.country);
            if (it == byCountry.end()) {
                plan.rates.push_back(p);
                continue;
            }
            want = *it->second;
            p.code = want.code;
        }
        p.newRate = want.roe;
        p.what = RateChange::Update;
        const bool isTyped = countsAsTyped(have, want, typed.count(have.country) > 0, !table.date.empty());
        const bool jump = have.roe > 0 && std::max(want.roe / have.roe, have.roe / want.roe) > kJumpFactor;
        if (isTyped && !options.replaceTyped)
            p.what = RateChange::KeptTyped;
        else if (have.roe == want.roe)
            p.what = RateChange::Same;
        else if (jump && !options.force)
            p.what = RateChange::Refused;
        else
            p.jump = jump;
        if (p.what == RateChange::Refused)
            refused.insert(have.country);
        else if (in.rows.empty())
            plan.toMerge.rows.push_back(want);
        plan.rates.push_back(p);
    }
    for (const auto& r : in.rows) {
        if (refused.count(r.country)) continue;
        plan.toMerge.rows.push_back(r);
        if (present.insert(r.country).second)
            plan.rates.push_back({r.country, r.code, 0, r.roe, RateChange::Added});
    }
    if (plan.count(RateChange::NoRate) == static_cast<int>(table.rows.size()) && !table.rows.empty())
        throw RateFileError(trs("RateFile", "it has no rate for any currency of the table"));
    return plan;
}

std::string readableDate(const std::string& isoDate) {
    const QDate d = QDate::fromString(QString::fromStdString(isoDate), Qt::ISODate);
    // In the language of the program's texts; the pattern is translated with them.
    return d.isValid() ? QLocale(QString::fromStdString(uiLanguage()))
                             .toString(d, QCoreApplication::translate("RateUpdate", "d MMMM yyyy", "date pattern"))
                             .toStdString()
                       : isoDate;
}

}  // namespace quorvane
