#include "rates/RatesCommand.h"
#include "platform/Translations.h"

#include "converter/CardFooter.h"
#include "converter/ChartCells.h"
#include "converter/RateText.h"
#include "data/LocalNames.h"
#include "data/RateUpdate.h"
#include "data/SqliteRateTable.h"
#include "data/UserRateTable.h"
#include "platform/ProgramFolder.h"
#include "rates/RateDownload.h"

#include <QCollator>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <stdexcept>
#include <optional>
#include <vector>

namespace quorvane {
namespace {

constexpr int kDone = 0, kFailed = 1, kUsage = 2;
constexpr const char* kName = "quorvane-rates";

QString qs(const std::string& s) { return QString::fromStdString(s); }
// Where a table's rates came from, as the table keeps it: in English, the
// patterns below, or whatever an older table holds.
constexpr const char* kSources[] = {QT_TRANSLATE_NOOP("RatesCommand", "daily rates file %1"),
                                    QT_TRANSLATE_NOOP("RatesCommand", "file %1"),
                                    QT_TRANSLATE_NOOP("RatesCommand", "rates shipped with Quorvane %1")};
QString sourceText(const std::string& stored) {
    const QString s = qs(stored);
    for (const char* pattern : kSources)
        if (const QString head = QString(pattern).section("%1", 0, 0); s.startsWith(head))
            return trq("RatesCommand", pattern).arg(s.mid(head.size()));
    return s;
}

QString tryHelp() { return trq("RatesCommand", "Try %1 --help.").arg(kName); }
// Rates with the decimal symbol of the user's settings and no thousands
// separators, as the rate boxes show them: a rate shown can be typed back.
NumberFormat shownFormat;  // set by each run, from its context
QString rateText(double v) {
    QString text = QString::number(v, 'g', 12).replace('.', qs(shownFormat.decimal));
    return text.startsWith('-') ? text.replace(0, 1, qs(shownFormat.minus)) : text;
}

// Where rates come from: an address, or a file on this machine.
struct Source {
    QUrl url;
    QString file;
    QString name() const { return file.isEmpty() ? url.toDisplayString() : file; }
};

struct Fetched {
    std::string bytes;
    QString error;  // with what to do about it
};

Fetched fetch(const Source& s, double timeout, bool terminal, QTextStream& err) {
    if (!s.file.isEmpty()) {
        const Download d = readLocalFile(s.file);
        if (!d.error.isEmpty()) return {{}, trq("RatesCommand", "%1. Give a rate file that exists and you may read.").arg(d.error)};
        return {d.body.toStdString(), {}};
    }
    DownloadProgress progress;
    if (terminal) {
        progress = [&](qint64 received, qint64 total) {
            const QString got = QString::number((received + 1023) / 1024), size = QString::number((total + 1023) / 1024);
            err << '\r'
                << (total > 0 ? trq("RatesCommand", "Downloading %1: %2 of %3 kB").arg(s.name(), got, size)
                              : trq("RatesCommand", "Downloading %1: %2 kB").arg(s.name(), got));
            err << "\x1b[K" << Qt::flush;
        };
        progress(0, -1);
    }
    const Download d = downloadFile(s.url, std::chrono::milliseconds(qint64(timeout * 1000)), progress);
    if (terminal) err << "\r\x1b[K" << Qt::flush;
    if (d.error.isEmpty()) return {d.body.toStdString(), {}};
    return {{}, trq("RatesCommand", "%1. Check your network connection and try again later, allow more time with "
                                    "--timeout SECONDS, or load rates from a file with --source FILE.")
                    .arg(d.error)};
}

void listRate(QTextStream& out, const PlannedRate& r, const QString& country) {
    out << "  " << country << " (" << qs(r.code) << "): ";
    if (r.what == RateChange::Added) {
        out << trq("RatesCommand", "new, %1").arg(rateText(r.newRate)) << "\n";
        return;
    }
    out << rateText(r.oldRate) << " -> " << rateText(r.newRate);
    if (r.what == RateChange::Refused) out << trq("RatesCommand", ", more than tenfold: left as it is (--force takes it)");
    if (r.jump) out << trq("RatesCommand", ", more than tenfold: taken as forced");
    out << "\n";
}

int update(const QCommandLineParser& p, const std::string& table, const RatesCommandContext& ctx, QTextStream& out,
           QTextStream& err) {
    bool ok = false;
    const double timeout = p.value("timeout").toDouble(&ok);
    if (!ok || timeout <= 0 || timeout > 3600) {
        err << kName << ": "
            << trq("RatesCommand", "--timeout takes a number of seconds above 0, at most 3600, not '%1'.").arg(p.value("timeout"))
            << "\n";
        return kUsage;
    }
    const std::string csvDate = p.value("date").toStdString();
    if (p.isSet("date") && !isIsoDate(csvDate)) {
        err << kName << ": " << trq("RatesCommand", "--date takes a date of the form YYYY-MM-DD, not '%1'.").arg(p.value("date"))
            << "\n";
        return kUsage;
    }
    std::vector<Source> sources;
    if (!p.isSet("source")) {
        for (const QString& url : ctx.dailyRates) sources.push_back({QUrl(url), {}});
    } else {
        const QString given = p.value("source");
        const QUrl url(given);
        if (url.scheme() == "http" || url.scheme() == "https") {
            sources.push_back({url, {}});
        } else if (url.isLocalFile() || url.scheme().size() <= 1) {  // a path, or a file: address
            sources.push_back({{}, QFileInfo(url.isLocalFile() ? url.toLocalFile() : given).absoluteFilePath()});
        } else {
            err << kName << ": " << trq("RatesCommand", "--source takes an http or https address or a file, not '%1'.").arg(given) << "\n";
            return kUsage;
        }
    }

    const RateSet have = readRateSet(table);
    const LocalNames names(ctx.language);  // the table's rows as the user reads them
    std::map<std::string, QString> shown;
    if (!names.asStored())
        for (const RateRecord& r : have.rows) shown.emplace(r.country, qs(names.country(r)));
    const std::set<std::string> typed = readTypedCountries(table);
    const PlanOptions options{p.isSet("all"), p.isSet("force")};
    std::optional<RatePlan> plan;
    for (const Source& s : sources) {
        Fetched f = fetch(s, timeout, ctx.terminal, err);
        if (f.error.isEmpty()) {
            try {
                // Kept in the table in English, whoever updates it; shown in each reader's language.
                const QString label = QString(s.file.isEmpty() ? kSources[0] : kSources[1]).arg(s.name());
                plan = planRateUpdate(have, typed, parseRateFile(f.bytes, csvDate), label.toStdString(), options);
                break;
            } catch (const RateFileError& e) {
                // A reason that ends its own sentence gets no second full stop.
                QString why = e.what();
                if (why.endsWith('.')) why.chop(1);
                f.error = trq("RatesCommand", "The rates from %1 cannot be used: %2. %3")
                              .arg(s.name(), why, s.file.isEmpty()
                                                      ? trq("RatesCommand", "Try again later or give another rate file with --source.")
                                                      : trq("RatesCommand", "Give another rate file with --source."));
            }
        }
        // Said at once: the fallback may take a while.
        err << kName << ": " << f.error << "\n" << Qt::flush;
    }
    if (!plan) {
        err << kName << ": " << trq("RatesCommand", "the rate table %1 was not changed.").arg(qs(table)) << "\n";
        return kFailed;
    }

    const bool dryRun = p.isSet("dry-run");
    // Refused and forced rates are always listed; a dry run lists every change.
    for (const PlannedRate& r : plan->rates)
        if (r.what == RateChange::Refused || r.jump ||
            (dryRun && (r.what == RateChange::Update || r.what == RateChange::Added)))
            listRate(out, r, shown.count(r.country) ? shown.at(r.country) : qs(r.country));
    const int skipped = plan->count(RateChange::NoRate) + plan->count(RateChange::Refused);
    const auto n = [](int count) { return QString::number(count); };
    out << trq("RatesCommand", "Rates of %1 from %2: ").arg(qs(readableDate(plan->date)), sourceText(plan->toMerge.source));
    if (dryRun) {
        out << trq("RatesCommand", "%1 would change, %2 kept as typed, %3 skipped")
                   .arg(n(plan->count(RateChange::Update)), n(plan->count(RateChange::KeptTyped)), n(skipped));
        if (int added = plan->count(RateChange::Added)) out << trq("RatesCommand", ", %1 would be added").arg(n(added));
        out << trq("RatesCommand", ". Dry run: nothing was written.") << "\n";
        return kDone;
    }
    const MergeSummary sum = mergeRates(table, plan->toMerge, options.replaceTyped, true);
    out << trq("RatesCommand", "%1 changed, %2 kept as typed, %3 skipped").arg(n(sum.changed), n(sum.keptTyped), n(skipped));
    if (sum.added) out << trq("RatesCommand", ", %1 added").arg(n(sum.added));
    out << ".\n";
    return kDone;
}

// The table's rows with each country's name as the user reads it.
struct Countries {
    RateSet set;
    std::vector<QString> shown;  // by row
    Countries(const std::string& table, const LocalNames& names) : set(readRateSet(table)) {
        for (const RateRecord& r : set.rows) shown.push_back(qs(names.country(r)));
    }
    QString shownName(const RateRecord* r) const { return shown[static_cast<size_t>(r - set.rows.data())]; }
};

// A whole name in any letter case, else the names that begin with it: "Zimbabwe"
// finds "Zimbabwe (US Dollar)" and "Zimbabwe (Zimbabwe Gold)". Stored names
// first, then the names in the user's language: "Deutschland" is Germany.
std::vector<const RateRecord*> matching(const Countries& countries, const QString& name, bool* whole = nullptr) {
    std::vector<const RateRecord*> rows;
    const auto& all = countries.set.rows;
    for (int pass = 0; pass < 4 && rows.empty(); ++pass) {
        for (size_t i = 0; i < all.size(); ++i) {
            const QString n = pass % 2 ? countries.shown[i] : qs(all[i].country);
            if (pass < 2 ? n.compare(name, Qt::CaseInsensitive) == 0 : n.startsWith(name, Qt::CaseInsensitive))
                rows.push_back(&all[i]);
        }
        if (whole) *whole = pass < 2;
    }
    return rows;
}

void noSuchCountry(const QString& name, QTextStream& err) {
    err << kName << ": " << trq("RatesCommand", "the table has no country '%1'; %2 show lists them all.").arg(name, kName) << "\n";
}

// The one country a name stands for: a whole name (the first of equal names, as
// the window finds it), or the only name that begins with it; said when none or many.
const RateRecord* oneCountry(const Countries& countries, const QString& name, QTextStream& err) {
    bool whole = false;
    const auto rows = matching(countries, name, &whole);
    if (rows.empty()) {
        noSuchCountry(name, err);
        return nullptr;
    }
    if (rows.size() == 1 || whole) return rows[0];
    QStringList names;
    for (const RateRecord* r : rows) names << countries.shownName(r);
    err << kName << ": " << trq("RatesCommand", "'%1' could be any of %2; give more of the name.").arg(name, names.join(", ")) << "\n";
    return nullptr;
}

// "typed (was 157.477 of 29 September 2026)": what a typed rate replaced, as far as the table knows.
QString typedText(const TypedInfo& t) {
    if (!t.typed) return {};
    if (!t.replacedRoe) return trq("RatesCommand", "typed");
    if (t.replacedDate.empty()) return trq("RatesCommand", "typed (was %1)").arg(rateText(*t.replacedRoe));
    return trq("RatesCommand", "typed (was %1 of %2)").arg(rateText(*t.replacedRoe), qs(readableDate(t.replacedDate)));
}

int show(const QStringList& countries, const std::string& table, const LocalNames& names, QTextStream& out,
         QTextStream& err) {
    const Countries all(table, names);
    const RateSet& set = all.set;
    const auto typed = readTypedRates(table);
    std::vector<const RateRecord*> rows;
    int status = kDone;
    for (const QString& name : countries) {
        const auto found = matching(all, name);
        rows.insert(rows.end(), found.begin(), found.end());
        if (found.empty()) {
            noSuchCountry(name, err);
            status = kFailed;
        }
    }
    if (countries.isEmpty()) {
        for (const RateRecord& r : set.rows) rows.push_back(&r);
        // The whole table as the window lists it: in the user's language, in its order.
        if (!names.asStored()) {
            QCollator collator(QLocale::system());
            std::stable_sort(rows.begin(), rows.end(), [&](const RateRecord* a, const RateRecord* b) {
                return collator.compare(all.shownName(a), all.shownName(b)) < 0;
            });
        }
    }

    out << trq("RatesCommand", "Rate table %1").arg(qs(table)) << "\n"
        << trq("RatesCommand", "Rates of %1")
               .arg(set.date.empty() ? trq("RatesCommand", "an unknown date") : qs(readableDate(set.date)));
    if (!set.source.empty()) out << ", " << sourceText(set.source);
    out << "\n";
    qsizetype width = 7;
    for (const RateRecord* r : rows) width = std::max(width, all.shownName(r).size());
    auto line = [&](const QString& country, const QString& code, const QString& rate, const QString& isTyped) {
        out << (country.leftJustified(width + 2) + code.leftJustified(6) + rate.leftJustified(16) + isTyped).trimmed()
            << "\n";
    };
    line(trq("RatesCommand", "Country"), trq("RatesCommand", "Code"), trq("RatesCommand", "Rate per USD"),
         trq("RatesCommand", "Typed"));
    for (const RateRecord* r : rows) {
        const auto t = typed.find(r->country);
        line(all.shownName(r), qs(r->code), rateText(r->roe), t == typed.end() ? QString() : typedText(t->second));
    }
    return status;
}

// set COUNTRY RATE [--per OTHER]: a typed rate, as if typed into a rate box.
int setRate(const QCommandLineParser& p, const QStringList& args, const std::string& table,
            const RatesCommandContext& ctx, const LocalNames& names, QTextStream& out, QTextStream& err) {
    const Countries set(table, names);
    const RateRecord* row = oneCountry(set, args[0], err);
    const RateRecord* per = p.isSet("per") ? oneCountry(set, p.value("per"), err) : nullptr;
    if (!row || (p.isSet("per") && !per)) return kFailed;
    // Read as a rate box reads it; "1 OTHER = RATE" is RATE x OTHER's rate per US dollar.
    std::optional<double> rate = numericValue(args[1].toStdString(), ctx.format);
    if (rate && per) rate = crossRate(*rate, per->roe);
    if (!rate || !(*rate > 0) || !std::isfinite(*rate)) {
        err << kName << ": "
            << trq("RatesCommand", "Please check the Exchange Rate! You entered %1; the rate of %2 stays %3.")
                   .arg(args[1], qs(names.country(*row)), rateText(row->roe))
            << "\n";
        return kFailed;
    }
    SqliteCursor cursor(table);
    cursor.setCountryNamer([&names](const RateRecord& r) { return names.country(r); });
    cursor.refresh();
    cursor.findFirst(row->country);
    const long long at = *cursor.currentRow();
    const auto saved = cursor.saveRate(at, rateToBoxText(*rate));
    if (saved.what != RecordCursor::SaveResult::Saved && saved.what != RecordCursor::SaveResult::Unchanged) {
        err << kName << ": " << qs(saved.message) << "\n";
        return kFailed;
    }
    const QString typed = typedText(cursor.typedInfo(at));
    const QString now = rateText(cursor.current()->roe);
    out << (typed.isEmpty() ? trq("RatesCommand", "%1: %2 per US dollar, as it was.").arg(qs(names.country(*row)), now)
                            : trq("RatesCommand", "%1: %2 per US dollar, %3.").arg(qs(names.country(*row)), now, typed))
        << "\n";
    return kDone;
}

// reset COUNTRY... | --all: the rates typed rates replaced, put back.
int reset(bool all, const QStringList& args, const std::string& table, const LocalNames& names, QTextStream& out,
          QTextStream& err) {
    const Countries set(table, names);
    SqliteCursor cursor(table);
    cursor.setCountryNamer([&names](const RateRecord& r) { return names.country(r); });
    cursor.refresh();
    std::vector<std::pair<std::string, long long>> rows;  // shown name, row
    int status = kDone;
    if (all) {
        for (cursor.moveFirst(); !cursor.eof(); cursor.moveNext())
            if (cursor.typedInfo(*cursor.currentRow()).typed) rows.emplace_back(names.country(*cursor.current()), *cursor.currentRow());
        if (rows.empty()) out << trq("RatesCommand", "No rate is typed; there is nothing to put back.") << "\n";
    }
    for (const QString& name : args) {
        const RateRecord* r = oneCountry(set, name, err);
        if (!r) {
            status = kFailed;
            continue;
        }
        cursor.findFirst(r->country);
        rows.emplace_back(names.country(*r), *cursor.currentRow());
    }
    for (const auto& [country, row] : rows) {
        const TypedInfo before = cursor.typedInfo(row);
        const auto done = cursor.restoreRate(row);
        if (done.what == RecordCursor::RestoreResult::Restored) {
            const QString was = rateText(*before.replacedRoe);
            out << (before.replacedDate.empty()
                        ? trq("RatesCommand", "%1: %2 per US dollar again.").arg(qs(country), was)
                        : trq("RatesCommand", "%1: %2 per US dollar again, the rate of %3.")
                              .arg(qs(country), was, qs(readableDate(before.replacedDate))))
                << "\n";
        } else if (!before.typed) {
            out << qs(done.message) << "\n";  // untyped already: what was asked for
        } else {
            err << kName << ": " << qs(done.message) << "\n";
            status = kFailed;
        }
    }
    return status;
}

// chart ORIGIN DESTINATION: the chart Calculate shows for the two stored rates.
// A printed form (--pdf) would take the same header and cells.
int chart(const QStringList& args, const std::string& table, const RatesCommandContext& ctx, const LocalNames& names,
          const QString& pdf, QTextStream& out, QTextStream& err) {
    const Countries countries(table, names);
    const RateSet& set = countries.set;
    const RateRecord* from = oneCountry(countries, args[0], err);
    const RateRecord* to = oneCountry(countries, args[1], err);
    if (!from || !to) return kFailed;
    // The headings the window's chart shows.
    const QString fromName = countries.shownName(from), toName = countries.shownName(to);
    const auto cells = chartCells(from->roe, to->roe, ctx.format);
    if (!cells) {
        const RateRecord* bad = from->roe > 0 && from->roe < 1000000 ? to : from;
        err << kName << ": "
            << trq("RatesCommand", "Please check the Exchange Rate! The rate of %1, %2 per US dollar, makes no chart.")
                   .arg(qs(names.country(*bad)), rateText(bad->roe))
            << "\n";
        return kFailed;
    }
    if (!pdf.isEmpty()) {
        // The very page Print sends, with the line that says what it was made with.
        const std::set<std::string> typed = readTypedCountries(table);
        const CardFacts facts{from->code, to->code, from->roe, to->roe, set.date,
                              typed.count(from->country) > 0, typed.count(to->country) > 0};
        std::array<std::array<std::string, 4>, 21> page;
        page[0] = {fromName.toStdString(), toName.toStdString(), fromName.toStdString(), toName.toStdString()};
        for (size_t k = 0; k < cells->size() && k < 20; ++k) page[k + 1] = (*cells)[k];
        try {
            if (!ctx.writePdf) throw std::runtime_error(trs("RatesCommand", "this build cannot write PDF files"));
            ctx.writePdf(pdf, page, cardFooter(facts, ctx.format));
        } catch (const std::exception& e) {
            err << kName << ": " << trq("RatesCommand", "the card was not written: %1").arg(e.what()) << "\n";
            return kFailed;
        }
        out << trq("RatesCommand", "The card of %1 to %2 is in %3.").arg(fromName, toName, pdf) << "\n";
        return kDone;
    }
    std::vector<std::array<QString, 4>> lines{{fromName, toName, fromName, toName}};
    for (const ChartRow& row : *cells) lines.push_back({qs(row[0]), qs(row[1]), qs(row[2]), qs(row[3])});
    qsizetype width[4] = {0, 0, 0, 0};
    for (const auto& l : lines)
        for (int c = 0; c < 4; ++c) width[c] = std::max(width[c], l[c].size());
    for (const auto& l : lines) {
        QStringList cellsOfLine;
        for (int c = 0; c < 4; ++c) cellsOfLine << l[c].rightJustified(width[c]);
        out << cellsOfLine.join("  ") << "\n";
    }
    return kDone;
}

}  // namespace

int runRatesCommand(const QStringList& arguments, const RatesCommandContext& context, QTextStream& out,
                    QTextStream& err) {
    shownFormat = context.format;
    QCommandLineParser p;
    p.setApplicationDescription(trq("RatesCommand",
        "Shows the rate table Quorvane opens, brings it up to date with newer rates, and types,\n"
        "puts back and charts rates.\n\n"
        "Commands:\n"
        "  update                 Fetch the day's rates per US dollar and merge them into the table:\n"
        "                         rates you never typed take the new value, typed rates stay.\n"
        "  show [COUNTRY...]      List each country's currency code and rate, whether you typed it\n"
        "                         and what it replaced, and the date and source of the table's rates.\n"
        "  set COUNTRY RATE       Type a rate: RATE units of COUNTRY's currency for 1 US dollar,\n"
        "                         written as in the program's rate boxes (e.g. 158,2 in German\n"
        "                         settings). With --per OTHER: 1 unit of OTHER's currency is worth\n"
        "                         RATE units of COUNTRY's currency.\n"
        "  reset COUNTRY...|--all Put back the rates typed rates replaced.\n"
        "  chart ORIGIN DESTINATION [--pdf FILE]\n"
        "                         Print the conversion chart of the two countries' rates as the\n"
        "                         program's Calculate shows it; with --pdf, write the card that\n"
        "                         Print would print as a one-page PDF file instead.\n"
        "A COUNTRY that is no whole name stands for the countries whose names begin with it;\n"
        "set, reset and chart take it only when it begins one name."));
    const QCommandLineOption help({"h", "help"}, trq("RatesCommand", "Show this help."));
    const QCommandLineOption version({"v", "version"}, trq("RatesCommand", "Show the version."));
    p.addOption(help);
    p.addOption(version);
    p.addOption({"source", trq("RatesCommand", "update: take the rates from URL or FILE: a daily rates file (JSON) or a Quorvane CSV file."),
                 "URL|FILE"});
    p.addOption({"date", trq("RatesCommand", "update: the date of the rates in a CSV file, which carries none."), "YYYY-MM-DD"});
    p.addOption({"dry-run", trq("RatesCommand", "update: show what would change and write nothing.")});
    p.addOption({"all", trq("RatesCommand", "update: replace the rates you typed too. reset: put back every typed rate.")});
    p.addOption({"force", trq("RatesCommand", "update: also take rates that change more than tenfold.")});
    p.addOption({"timeout", trq("RatesCommand", "update: give up a download after this many seconds (default 20)."), "SECONDS", "20"});
    p.addOption({"per", trq("RatesCommand", "set: RATE is the worth of 1 unit of OTHER's currency."), "OTHER"});
    p.addOption({"pdf", trq("RatesCommand", "chart: write the card Print would print, as a one-page PDF file."), "FILE"});
    p.addPositionalArgument("command", trq("RatesCommand", "update, show, set, reset or chart"),
                            "update|show [COUNTRY...]|set COUNTRY RATE|reset COUNTRY...|chart ORIGIN DESTINATION [--pdf FILE]");

    // A negative rate would read as an option; it is kept as a word and refused as a rate.
    QStringList words = arguments;
    QStringList negatives;
    for (qsizetype i = words.indexOf("set") + 1; i > 0 && i < words.size(); ++i)
        if (words[i].size() > 1 && words[i][0] == '-' && (words[i][1].isDigit() || words[i][1] == '.' || words[i][1] == ','))
            negatives << words[i], words[i] = QString("\x1fnegative-%1").arg(negatives.size() - 1);
    if (!p.parse(words)) {
        err << kName << ": " << p.errorText() << "\n" << tryHelp() << "\n";
        return kUsage;
    }
    if (p.isSet(help)) {
        // The usage line names the command as it is installed, not the path it was started by.
        QString text = p.helpText();
        const QString started = QCoreApplication::arguments().value(0);
        if (const qsizetype at = text.indexOf(started); at >= 0 && !started.isEmpty()) text.replace(at, started.size(), kName);
        out << text;
        return kDone;
    }
    if (p.isSet(version)) {
        out << kName << " " << QUORVANE_VERSION << "\n";
        return kDone;
    }
    QStringList args = p.positionalArguments();
    for (QString& a : args)
        if (a.startsWith("\x1fnegative-")) a = negatives.value(a.section('-', 1).toInt());
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    static const QMap<QString, QStringList> kOptions{{"update", {"source", "date", "dry-run", "all", "force", "timeout"}},
                                                     {"show", {}}, {"set", {"per"}}, {"reset", {"all"}}, {"chart", {"pdf"}}};
    if (!kOptions.contains(command)) {
        err << kName << ": "
            << (command.isEmpty() ? trq("RatesCommand", "say update, show, set, reset or chart.")
                                  : trq("RatesCommand", "say update, show, set, reset or chart, not '%1'.").arg(command))
            << " " << tryHelp() << "\n";
        return kUsage;
    }
    for (const QString& option : p.optionNames()) {
        if (kOptions[command].contains(option)) continue;
        err << kName << ": "
            << (kOptions[command].isEmpty() ? trq("RatesCommand", "%1 takes no options.").arg(command)
                                            : trq("RatesCommand", "%1 takes no --%2.").arg(command, option))
            << " " << tryHelp() << "\n";
        return kUsage;
    }
    const bool all = p.isSet("all");
    const qsizetype n = args.size();
    const QString wrong =
        command == "update" && n > 0 ? trq("RatesCommand", "update takes no countries; it brings all the table's rates up to date.")
        : command == "set" && n != 2 ? trq("RatesCommand", "set takes a country and a rate.")
        : command == "reset" && (n > 0) == all ? trq("RatesCommand", "reset takes countries or --all.")
        : command == "chart" && n != 2 ? trq("RatesCommand", "chart takes an origin and a destination country.")
                                       : QString();
    if (!wrong.isEmpty()) {
        err << kName << ": " << wrong << " " << tryHelp() << "\n";
        return kUsage;
    }

    // The very table the program would open, made and brought up to date the same way.
    const RateFolder folder = chooseRateFolder(context.programFolder, context.userFolder);
    if (!folder.problem.isEmpty()) err << kName << ": " << folder.problem << "\n";
    if (folder.readOnly && (command == "update" || command == "set" || command == "reset")) {
        err << kName << ": " << (command == "update" ? trq("RatesCommand", "nothing was updated.") : trq("RatesCommand", "nothing was changed."))
            << "\n";
        return kFailed;
    }
    const std::string table = (folder.folder + "/" + kRateTableName).toStdString();
    try {
        if (command == "update") return update(p, table, context, out, err);
        const LocalNames names(context.language);
        if (command == "set") return setRate(p, args, table, context, names, out, err);
        if (command == "reset") return reset(all, args, table, names, out, err);
        if (command == "chart") return chart(args, table, context, names, p.value("pdf"), out, err);
        return show(args, table, names, out, err);
    } catch (const StoreError& e) {
        err << kName << ": " << e.what() << "\n";
        return kFailed;
    }
}

}  // namespace quorvane
