#include "rates/RatesCommand.h"

#include "data/RateUpdate.h"
#include "data/UserRateTable.h"
#include "platform/ProgramFolder.h"
#include "rates/RateDownload.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace quorvane {
namespace {

constexpr int kDone = 0, kFailed = 1, kUsage = 2;
constexpr const char* kName = "quorvane-rates";

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString rateText(double v) { return QString::number(v, 'g', 12); }

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
        if (!d.error.isEmpty()) return {{}, d.error + ". Give a rate file that exists and you may read."};
        return {d.body.toStdString(), {}};
    }
    DownloadProgress progress;
    if (terminal) {
        progress = [&](qint64 received, qint64 total) {
            err << "\rDownloading " << s.name() << ": " << (received + 1023) / 1024 << " kB";
            if (total > 0) err << " of " << (total + 1023) / 1024 << " kB";
            err << "\x1b[K" << Qt::flush;
        };
        progress(0, -1);
    }
    const Download d = downloadFile(s.url, std::chrono::milliseconds(qint64(timeout * 1000)), progress);
    if (terminal) err << "\r\x1b[K" << Qt::flush;
    if (d.error.isEmpty()) return {d.body.toStdString(), {}};
    return {{}, d.error + ". Check your network connection and try again later, allow more time with "
                          "--timeout SECONDS, or load rates from a file with --source FILE."};
}

void listRate(QTextStream& out, const PlannedRate& r) {
    out << "  " << qs(r.country) << " (" << qs(r.code) << "): ";
    if (r.what == RateChange::Added) {
        out << "new, " << rateText(r.newRate) << "\n";
        return;
    }
    out << rateText(r.oldRate) << " -> " << rateText(r.newRate);
    if (r.what == RateChange::Refused) out << ", more than tenfold: left as it is (--force takes it)";
    if (r.jump) out << ", more than tenfold: taken as forced";
    out << "\n";
}

int update(const QCommandLineParser& p, const std::string& table, const RatesCommandContext& ctx, QTextStream& out,
           QTextStream& err) {
    bool ok = false;
    const double timeout = p.value("timeout").toDouble(&ok);
    if (!ok || timeout <= 0 || timeout > 3600) {
        err << kName << ": --timeout takes a number of seconds above 0, at most 3600, not '" << p.value("timeout")
            << "'.\n";
        return kUsage;
    }
    const std::string csvDate = p.value("date").toStdString();
    if (p.isSet("date") && !isIsoDate(csvDate)) {
        err << kName << ": --date takes a date of the form YYYY-MM-DD, not '" << p.value("date") << "'.\n";
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
            err << kName << ": --source takes an http or https address or a file, not '" << given << "'.\n";
            return kUsage;
        }
    }

    const RateSet have = readRateSet(table);
    const std::set<std::string> typed = readTypedCountries(table);
    const PlanOptions options{p.isSet("all"), p.isSet("force")};
    std::optional<RatePlan> plan;
    for (const Source& s : sources) {
        Fetched f = fetch(s, timeout, ctx.terminal, err);
        if (f.error.isEmpty()) {
            try {
                const QString label = (s.file.isEmpty() ? "daily rates file " : "file ") + s.name();
                plan = planRateUpdate(have, typed, parseRateFile(f.bytes, csvDate), label.toStdString(), options);
                break;
            } catch (const RateFileError& e) {
                f.error = QString("The rates from %1 cannot be used: %2. %3")
                              .arg(s.name(), e.what(), s.file.isEmpty()
                                                           ? "Try again later or give another rate file with --source."
                                                           : "Give another rate file with --source.");
            }
        }
        // Said at once: the fallback may take a while.
        err << kName << ": " << f.error << "\n" << Qt::flush;
    }
    if (!plan) {
        err << kName << ": the rate table " << qs(table) << " was not changed.\n";
        return kFailed;
    }

    const bool dryRun = p.isSet("dry-run");
    // Refused and forced rates are always listed; a dry run lists every change.
    for (const PlannedRate& r : plan->rates)
        if (r.what == RateChange::Refused || r.jump ||
            (dryRun && (r.what == RateChange::Update || r.what == RateChange::Added)))
            listRate(out, r);
    const int skipped = plan->count(RateChange::NoRate) + plan->count(RateChange::Refused);
    out << "Rates of " << qs(readableDate(plan->date)) << " from " << qs(plan->toMerge.source) << ": ";
    if (dryRun) {
        out << plan->count(RateChange::Update) << " would change, " << plan->count(RateChange::KeptTyped)
            << " kept as typed, " << skipped << " skipped";
        if (int added = plan->count(RateChange::Added)) out << ", " << added << " would be added";
        out << ". Dry run: nothing was written.\n";
        return kDone;
    }
    const MergeSummary sum = mergeRates(table, plan->toMerge, options.replaceTyped, true);
    out << sum.changed << " changed, " << sum.keptTyped << " kept as typed, " << skipped << " skipped";
    if (sum.added) out << ", " << sum.added << " added";
    out << ".\n";
    return kDone;
}

int show(const QStringList& countries, const std::string& table, QTextStream& out, QTextStream& err) {
    const RateSet set = readRateSet(table);
    const std::set<std::string> typed = readTypedCountries(table);
    std::vector<const RateRecord*> rows;
    int status = kDone;
    for (const QString& name : countries) {
        const auto before = rows.size();
        // A whole name, or else the names that begin with it: "Zimbabwe" finds
        // "Zimbabwe (US Dollar)" and "Zimbabwe (Zimbabwe Gold)".
        for (int pass = 0; pass < 2 && rows.size() == before; ++pass)
            for (const RateRecord& r : set.rows)
                if (pass ? qs(r.country).startsWith(name, Qt::CaseInsensitive)
                         : qs(r.country).compare(name, Qt::CaseInsensitive) == 0)
                    rows.push_back(&r);
        if (rows.size() == before) {
            err << kName << ": the table has no country '" << name << "'; " << kName << " show lists them all.\n";
            status = kFailed;
        }
    }
    if (countries.isEmpty())
        for (const RateRecord& r : set.rows) rows.push_back(&r);

    out << "Rate table " << qs(table) << "\n"
        << "Rates of " << (set.date.empty() ? QString("an unknown date") : qs(readableDate(set.date)));
    if (!set.source.empty()) out << ", " << qs(set.source);
    out << "\n";
    qsizetype width = 7;
    for (const RateRecord* r : rows) width = std::max(width, qs(r->country).size());
    auto line = [&](const QString& country, const QString& code, const QString& rate, const QString& isTyped) {
        out << (country.leftJustified(width + 2) + code.leftJustified(6) + rate.leftJustified(16) + isTyped).trimmed()
            << "\n";
    };
    line("Country", "Code", "Rate per USD", "Typed");
    for (const RateRecord* r : rows)
        line(qs(r->country), qs(r->code), rateText(r->roe), typed.count(r->country) ? "typed" : "");
    return status;
}

}  // namespace

int runRatesCommand(const QStringList& arguments, const RatesCommandContext& context, QTextStream& out,
                    QTextStream& err) {
    QCommandLineParser p;
    p.setApplicationDescription(
        "Shows the rate table Quorvane opens and brings it up to date with newer rates.\n\n"
        "Commands:\n"
        "  update             Fetch the day's rates per US dollar and merge them into the table:\n"
        "                     rates you never typed take the new value, typed rates stay.\n"
        "  show [COUNTRY...]  List each country's currency code and rate, whether you typed it,\n"
        "                     and the date and source of the table's rates. A COUNTRY that is no\n"
        "                     whole name lists the countries whose names begin with it.");
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    const QCommandLineOption version({"v", "version"}, "Show the version.");
    p.addOption(help);
    p.addOption(version);
    p.addOption({"source", "Take the rates from URL or FILE: a daily rates file (JSON) or a Quorvane CSV file.",
                 "URL|FILE"});
    p.addOption({"date", "The date of the rates in a CSV file, which carries none.", "YYYY-MM-DD"});
    p.addOption({"dry-run", "Show what would change and write nothing."});
    p.addOption({"all", "Replace the rates you typed too."});
    p.addOption({"force", "Also take rates that change more than tenfold."});
    p.addOption({"timeout", "Give up a download after this many seconds (default 20).", "SECONDS", "20"});
    p.addPositionalArgument("command", "update or show", "update|show [COUNTRY...]");

    if (!p.parse(arguments)) {
        err << kName << ": " << p.errorText() << "\nTry " << kName << " --help.\n";
        return kUsage;
    }
    if (p.isSet(help)) {
        // The usage line names the command as it is installed, not the path it was started by.
        QString text = p.helpText();
        out << text.replace(0, text.indexOf(" [options]"), QString("Usage: ") + kName);
        return kDone;
    }
    if (p.isSet(version)) {
        out << kName << " " << QUORVANE_VERSION << "\n";
        return kDone;
    }
    QStringList args = p.positionalArguments();
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    const bool updateOptions = p.isSet("source") || p.isSet("date") || p.isSet("dry-run") || p.isSet("all") ||
                               p.isSet("force") || p.isSet("timeout");
    if (command != "update" && command != "show") {
        err << kName << ": say update or show" << (command.isEmpty() ? "" : ", not '" + command + "'") << ". Try "
            << kName << " --help.\n";
        return kUsage;
    }
    if (command == "update" && !args.isEmpty()) {
        err << kName << ": update takes no countries; it brings all the table's rates up to date.\n";
        return kUsage;
    }
    if (command == "show" && updateOptions) {
        err << kName << ": show takes no options; they belong to update.\n";
        return kUsage;
    }

    // The very table the program would open, made and brought up to date the same way.
    const RateFolder folder = chooseRateFolder(context.programFolder, context.userFolder);
    if (!folder.problem.isEmpty()) err << kName << ": " << folder.problem << "\n";
    if (folder.readOnly && command == "update") {
        err << kName << ": nothing was updated.\n";
        return kFailed;
    }
    const std::string table = (folder.folder + "/" + kRateTableName).toStdString();
    try {
        return command == "update" ? update(p, table, context, out, err) : show(args, table, out, err);
    } catch (const StoreError& e) {
        err << kName << ": " << e.what() << "\n";
        return kFailed;
    }
}

}  // namespace quorvane
