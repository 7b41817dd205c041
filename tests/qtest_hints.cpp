// Mouse-over hints: moves sent to the real controls of the converter window.
#include "converter/FrmConvert.h"
#include "converter/Hints.h"
#include "support/Fakes.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorvane;

class HintsTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;  // no rate table: empty lists, which the hints don't mind
    test::FakeUi ui_;
    test::FakePrinters printers_;
    std::unique_ptr<FrmConvert> w_;

    QWidget* control(const QString& name) {
        auto* c = w_->findChild<QWidget*>(name);
        if (!c) qFatal("no control %s", qPrintable(name));
        return c;
    }
    // A move without a button, as the pointer makes it, after something else was in the panel.
    QString hintAfterMove(QWidget* target, QPoint at = {-1, -1}) {
        control("StatusBar1")->findChild<QLabel*>("panelHint")->setText("something else");
        QPointF p = at.x() < 0 ? QPointF(target->rect().center()) : QPointF(at);
        QMouseEvent ev(QEvent::MouseMove, p, target->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &ev);
        return w_->hintText();
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        w_ = std::make_unique<FrmConvert>(folder_.path(), &ui_, &printers_);
        w_->show();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        QCOMPARE(w_->hintText(), QString());  // empty at creation
    }
    void cleanupTestCase() { w_.reset(); }

    void eachControlWritesItsHint_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        const char* rows[][2] = {
            {"GridConvert", "Print the filled Quorvane list and carry it with you"},
            {"Label1", "Origin Country Currency name."},
            {"Label2", "Destination Country Currency name."},
            {"lblCodeFrom", "Origin Country ISO Code."},
            {"lblCodeTo", "Destination Country ISO Code."},
            {"lblTitle1", "Currency Unit information for Origin Country."},
            {"lblTitle2", "Currency Unit information for Destination Country."},
            {"List1", "Choose origin country from this list"},
            {"List2", "Choose destination country from this list"},
            {"lblList1", ""}, {"lblList2", ""}, {"lblUSD1", ""}, {"lblUSD2", ""},
        };
        for (auto& r : rows) QTest::newRow(r[0]) << r[0] << r[1];
    }
    // The control itself and, for the lists and the grid, the viewport the pointer is really over.
    void eachControlWritesItsHint() {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        QWidget* c = control(name);
        QList<QWidget*> targets{c};
        if (auto* area = qobject_cast<QAbstractScrollArea*>(c)) targets << area->viewport();
        for (QWidget* t : targets) {
            QVERIFY(t->hasMouseTracking());
            QCOMPARE(hintAfterMove(t), hint);
        }
    }

    void backgroundShowsTheNoticeLineAndOtherControlsLeaveThePanel() {
        QWidget* client = control("client");
        const QPoint bare(20, 2);  // above the origin list's caption
        QVERIFY(!client->childAt(bare));
        QCOMPARE(hintAfterMove(client, bare), QString::fromUtf8(kNoticeLine.data(), kNoticeLine.size()));
        QVERIFY(w_->hintText().startsWith("Quorvane ") && !w_->hintText().contains('\n'));

        QWidget* status = control("StatusBar1");
        QList<QWidget*> quiet{control("MaskEntry"), control("MaskEntry2"), status, control("Frame1"), w_->menuBar()};
        quiet << status->findChildren<QWidget*>();  // the panels inside the status bar
        for (QWidget* q : quiet) QCOMPARE(hintAfterMove(q), QString("something else"));
    }
};

QTEST_MAIN(HintsTest)
#include "qtest_hints.moc"
