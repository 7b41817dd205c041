// quorvane-rates update against a server on 127.0.0.1 and a file, then the
// window on the updated table.
#include "converter/FrmConvert.h"
#include "data/UserRateTable.h"
#include "platform/Language.h"
#include "platform/CardPdf.h"
#include "rates/RateDownload.h"
#include "rates/RatesCommand.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <sys/stat.h>

using namespace quorvane;

namespace {
QByteArray daily(const char* date, const char* eur) {
    return QByteArray(R"({"date":")") + date + R"(","usd":{"eur":)" + eur + R"(,"jpy":150,"usd":1}})";
}
QByteArray ok(const QByteArray& body) {
    return "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}
}  // namespace

class RatesCommandTest : public QObject {
    Q_OBJECT
    test::TempRates rates_;
    QTcpServer server_;
    QMap<QByteArray, QByteArray> replies_;  // by path; an empty reply is never sent (a server that hangs)
    QString output_;
    NumberFormat format_;

    int run(QStringList args, QStringList dailyRates = {}, QString userFolder = {}, QString programFolder = {}) {
        output_.clear();
        QTextStream out(&output_), err(&output_);
        const RatesCommandContext context{programFolder.isEmpty() ? rates_.folder() : programFolder, userFolder, false,
                                          dailyRates, format_, [](auto& file, auto& cells, auto& footer) {
                                              writeCardPdf(file, cells, footer);
                                          }, uiLanguage()};
        return runRatesCommand(QStringList{"quorvane-rates"} + args, context, out, err);
    }

private slots:
    void initTestCase() {
        setTodayForTests("2026-12-07");
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        replies_ = {{"/good.json", ok(daily("2026-12-01", "0.9"))},
                    {"/moved", "HTTP/1.1 302 Found\r\nLocation: /good.json\r\nContent-Length: 0\r\n\r\n"},
                    {"/bad.json", ok(daily("2026-12-01", "0.9").chopped(3))},
                    {"/jump.json", ok(daily("2026-12-01", "880"))},
                    {"/slow.json", ""}};
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* s = server_.nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                const QByteArray reply = replies_.value(s->readAll().split(' ').value(1));
                if (!reply.isEmpty()) s->write(reply), s->disconnectFromHost();
            });
        });
        QVERIFY(server_.listen(QHostAddress::LocalHost));
    }
    // Austria and Germany on the euro, Japan typed at 140, Tuvalu's currency not in the file.
    void init() {
        format_ = {};
        QFile::remove(rates_.folder() + "/installed-folder");
        rates_.make("Austria,1 Euro,Euro,EUR,0.88,AT\nGermany,1 Euro,Euro,EUR,0.88,DE\nJapan,1 Yen,Yen,JPY,157\n"
                    "Tuvalu,1 D,Dollar,TVD,1.5\n", "Zelvik.MDB", "2026-09-29");
        SqliteCursor typing(rates_.file());
        typing.refresh(), typing.findFirst("Japan"), typing.setPendingRate("140"), typing.moveNext();
    }

    void updateMergesOrLeavesTheTableAsItWas_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<double>("euro");  // 0: the file is byte for byte as it was
        QTest::addColumn<QString>("says");
        const QString at = QString("http://127.0.0.1:%1").arg(server_.serverPort());
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString closedPort = QString("http://127.0.0.1:%1/good.json").arg(closed.serverPort());
        QTest::newRow("good") << at + "/good.json" << QStringList() << 0 << 0.9 << "2 changed, 1 kept as typed, 1 skipped";
        QTest::newRow("redirected") << at + "/moved" << QStringList() << 0 << 0.9 << "2 changed";
        QTest::newRow("dry run") << at + "/good.json" << QStringList{"--dry-run"} << 0 << 0. << "nothing was written";
        QTest::newRow("forced") << at + "/jump.json" << QStringList{"--force"} << 0 << 880. << "taken as forced";
        QTest::newRow("slow") << at + "/slow.json" << QStringList{"--timeout", "1"} << 1 << 0. << "No answer from";
        QTest::newRow("closed port") << closedPort << QStringList() << 1 << 0. << "Connection refused";
        // Files of any size or kind: refused at once, never a crash or a wait.
        const QString dir = rates_.folder() + "/";
        QFile big(dir + "big.json");
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(kMaxRateFileBytes + 1));
        QVERIFY(::mkfifo(QFile::encodeName(dir + "fifo").constData(), 0600) == 0);
        QVERIFY(test::writeFile(dir + "markup.csv", "Country,Currency,Description,CODE,ROE\n"
                                                    "Austria,1 Euro,<img src=\"/dev/zero\">,EUR,0.9\n"));
        const QStringList dated{"--date", "2026-12-01"};
        QTest::newRow("fifo") << dir + "fifo" << QStringList() << 1 << 0. << "is a named pipe";
        QTest::newRow("device") << "/dev/zero" << QStringList() << 1 << 0. << "is a device";
        QTest::newRow("folder") << dir << QStringList() << 1 << 0. << "is a folder";
        QTest::newRow("too large") << dir + "big.json" << QStringList() << 1 << 0. << "larger than 16 MB";
        QTest::newRow("markup") << dir + "markup.csv" << dated << 1 << 0. << "line 2 cannot be taken";
        QTest::newRow("future") << at + "/good.json" << QStringList() << 1 << 0. << "lies in the future";
    }
    void updateMergesOrLeavesTheTableAsItWas() {
        QFETCH(QString, source);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(double, euro);
        QFETCH(QString, says);
        if (QByteArray(QTest::currentDataTag()) == "future") setTodayForTests("2026-11-28");
        const QByteArray before = test::readFile(rates_.folder() + "/Zelvik.MDB");
        QCOMPARE(run(QStringList{"update", "--source", source} + options), status);
        QVERIFY2(output_.contains(says), qPrintable(output_));
        setTodayForTests("2026-12-07");
        QVERIFY(euro != 0 || test::readFile(rates_.folder() + "/Zelvik.MDB") == before);
        if (euro == 0) return;
        for (auto [country, rate] : {std::pair{"Austria", euro}, {"Germany", euro}, {"Japan", 140.}, {"Tuvalu", 1.5}})
            QCOMPARE(rates_.storedRate(country), rate);
        QCOMPARE(QString::fromStdString(readRatesInfo(rates_.file()).source), "daily rates file " + source);
    }

    // 0 done, 1 refused or failed, 2 wrong usage: for every command.
    // Japan: typed at 140 over the shipped 157.
    void exitStatusSaysWhatHappened_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::addColumn<double>("japan");  // Japan's stored rate afterwards
        const auto row = [](const char* name, QStringList args, int status, const char* says, double japan = 140) {
            QTest::newRow(name) << args << status << QString(says) << japan;
        };
        row("nothing", {}, 2, "say update, show, set, reset or chart");
        row("unknown command", {"frobnicate"}, 2, "not 'frobnicate'");
        row("unknown option", {"show", "--bogus"}, 2, "Unknown option");
        row("help", {"--help"}, 0, "Usage: quorvane-rates");
        row("version", {"--version"}, 0, "quorvane-rates 1.");
        row("update with countries", {"update", "Japan"}, 2, "takes no countries");
        row("show with update options", {"show", "--all"}, 2, "show takes no options");
        row("timeout zero", {"update", "--timeout", "0"}, 2, "--timeout takes");
        row("impossible date", {"update", "--date", "2026-02-31"}, 2, "--date takes");
        row("ftp source", {"update", "--source", "ftp://example.org/usd.json"}, 2, "--source takes");
        row("missing file", {"update", "--source", "/nonexistent/usd.json"}, 1, "was not changed");
        row("show all", {"show"}, 0, "Tuvalu");
        row("show one", {"show", "JAPAN"}, 0, "Japan");
        row("show unknown", {"show", "Japan", "Narnia"}, 1, "no country 'Narnia'");
        row("show typed", {"show", "Japan"}, 0, "140             typed (was 157 of 29 September 2026)");
        row("set", {"set", "tuv", "1.6"}, 0, "Tuvalu: 1.6 per US dollar, typed (was 1.5 of 29 September 2026)");
        row("set again keeps the first", {"set", "Japan", "150"}, 0, "150 per US dollar, typed (was 157 of", 150);
        row("set per", {"set", "Japan", "2", "--per", "Austria"}, 0, "Japan: 1.76 per US dollar", 1.76);
        row("set the same", {"set", "Tuvalu", "1.5"}, 0, "Tuvalu: 1.5 per US dollar, as it was");
        row("set under LANG=de_DE.UTF-8", {"set", "Deutschland", "1.1"}, 0, "Deutschland: 1.1 per US dollar");
        row("set zero", {"set", "Japan", "0"}, 1, "Please check the Exchange Rate! You entered 0");
        row("set negative", {"set", "Japan", "-5"}, 1, "You entered -5;");
        row("set no number", {"set", "Japan", "abc"}, 1, "You entered abc;");
        row("set per negative", {"set", "Japan", "2", "--per", "Austria", "--per", "x"}, 1, "no country 'x'");
        row("set ambiguous", {"set", "", "2"}, 1, "could be any of Austria, Germany, Japan, Tuvalu");
        row("set one word", {"set", "Japan"}, 2, "set takes a country and a rate");
        row("set --all", {"set", "Japan", "2", "--all"}, 2, "set takes no --all");
        row("reset", {"reset", "JAPAN"}, 0, "Japan: 157 per US dollar again, the rate of 29 September 2026.", 157);
        row("reset untyped", {"reset", "Tuvalu", "Japan"}, 0, "Tuvalu was not typed", 157);
        row("reset all", {"reset", "--all"}, 0, "Japan: 157 per US dollar again", 157);
        row("reset unknown", {"reset", "Narnia", "Japan"}, 1, "no country 'Narnia'", 157);
        row("reset nothing", {"reset"}, 2, "reset takes countries or --all");
        row("reset both", {"reset", "Japan", "--all"}, 2, "reset takes countries or --all");
        row("chart", {"chart", "jap", "austria"}, 0, "\n  100     0.63     500     3.14\n");
        row("chart one country", {"chart", "Japan"}, 2, "chart takes an origin and a destination");
        row("chart option", {"chart", "Japan", "Austria", "--force"}, 2, "chart takes no --force");
        row("chart pdf", {"chart", "Japan", "Austria", "--pdf", rates_.folder() + "/card.pdf"}, 0, "/card.pdf.");
        row("chart pdf nowhere", {"chart", "Japan", "Austria", "--pdf", rates_.folder()}, 1, "the card was not written");
    }
    void exitStatusSaysWhatHappened() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(double, japan);
        const bool german = QByteArray(QTest::currentDataTag()).endsWith("de_DE.UTF-8");
        qputenv("LC_ALL", german ? "de_DE.UTF-8" : "en_US.UTF-8");
        QCOMPARE(run(args), status);
        qputenv("LC_ALL", "en_US.UTF-8");
        QVERIFY2(output_.contains(says), qPrintable(output_));
        QCOMPARE(rates_.storedRate("Japan"), japan);
    }

    // Rates read and charts written as the window does in German settings; a
    // rate no chart can be made of.
    void setAndChartFollowTheLocale() {
        format_ = {",", ".", "-"};
        QCOMPARE(run({"set", "Japan", "158,2"}), 0);
        QCOMPARE(rates_.storedRate("Japan"), 158.2);
        QCOMPARE(run({"set", "Japan", "1.5"}), 1);  // another locale's decimals
        QCOMPARE(run({"chart", "Austria", "Japan"}), 0);
        QVERIFY2(output_.contains(QRegularExpression("^Austria +Japan +Austria +Japan\n(.*\n){19} +20 +3.595,45 +100 +17.977,27\n$")),
                 qPrintable(output_));
        QCOMPARE(run({"set", "Tuvalu", "2000000"}), 0);
        QCOMPARE(run({"chart", "Tuvalu", "Japan"}), 1);
        QVERIFY2(output_.contains("Please check the Exchange Rate! The rate of Tuvalu, 2000000 per US dollar, makes no chart."),
                 qPrintable(output_));
    }

    // An installed program folder: every command reads and writes the user's own table.
    void commandsUseTheUsersTableWhenTheyHaveOne() {
        QVERIFY(test::writeFile(rates_.folder() + "/installed-folder", rates_.folder().toUtf8()));
        const QByteArray shipped = test::readFile(rates_.folder() + "/Zelvik.MDB");
        test::TempRates home;
        QCOMPARE(run({"show", "Japan"}, {}, home.folder()), 0);
        QVERIFY2(output_.contains("Rate table " + QString::fromStdString(home.file())), qPrintable(output_));
        QVERIFY(test::writeFile(home.folder() + "/usd.json", daily("2026-12-01", "0.9")));
        QCOMPARE(run({"update", "--source", home.folder() + "/usd.json"}, {}, home.folder()), 0);
        QCOMPARE(home.storedRate("Austria"), 0.9);
        QCOMPARE(test::readFile(rates_.folder() + "/Zelvik.MDB"), shipped);
    }

    void triesTheSecondAddressWhenTheFirstFails() {  // here: a file cut short
        const QString at = QString("http://127.0.0.1:%1").arg(server_.serverPort());
        QCOMPARE(run({"update"}, {at + "/bad.json", at + "/good.json"}), 0);
        QVERIFY2(output_.contains("not valid JSON") && output_.contains("2 changed"), qPrintable(output_));
    }

    // The whole road: a file's rates; the window tells their date.
    void windowShowsTheRatesDate() {
        QVERIFY(test::writeFile(rates_.folder() + "/usd.json", daily("2026-12-01", "0.9")));
        QCOMPARE(run({"update", "--source", rates_.folder() + "/usd.json"}), 0);
        test::FakeUi ui;
        test::FakePrinters printers;
        FrmConvert w(rates_.folder(), &ui, &printers);
        QWidget* client = w.findChild<QWidget*>("client");
        QMouseEvent move(QEvent::MouseMove, QPointF(20, 2), client->mapToGlobal(QPointF(20, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);  // over the background, above the first caption
        QApplication::sendEvent(client, &move);
        QCOMPARE(w.hintText(), "Quorvane: rates of 1 December 2026 \u2014 newer ones: quorvane-rates update");

        // Another update while the window is open: coming back to it shows the table's rate, and
        // typing the number it showed before writes that number.
        QVERIFY(w.chooseCountry(ListId::Origin, "Austria"));
        auto* box = w.findChild<QLineEdit*>("MaskEntry");  // made at the first choice
        QTRY_COMPARE(box->text(), "0.9");
        QVERIFY(test::writeFile(rates_.folder() + "/usd.json", daily("2026-12-02", "0.95")));
        QCOMPARE(run({"update", "--source", rates_.folder() + "/usd.json"}), 0);
        QEvent activated(QEvent::ActivationChange);
        QApplication::sendEvent(&w, &activated);
        QTRY_COMPARE(box->text(), "0.95");
        QVERIFY(test::writeFile(rates_.folder() + "/usd.json", daily("2026-12-03", "0.97")));
        QCOMPARE(run({"update", "--source", rates_.folder() + "/usd.json"}), 0);
        box->selectAll();
        QTest::keyClicks(box, "0.95");  // typed, then the box is left
        w.converter().rateBoxFocusOut(RateBox::Origin);
        QCOMPARE(rates_.storedRate("Austria"), 0.95);
    }
};

QTEST_MAIN(RatesCommandTest)
#include "qtest_rates_command.moc"
