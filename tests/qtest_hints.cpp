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

    QWidget* control(const char* name) {
        auto* c = w_->findChild<QWidget*>(name);
        if (!c) qFatal("no control %s", name);
        return c;
    }
    // A move without a button, as the pointer makes it.
    static void moveOver(QWidget* target, QPoint at = {-1, -1}) {
        QPointF local = at.x() < 0 ? QPointF(target->rect().center()) : QPointF(at);
        QMouseEvent ev(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
        QApplication::sendEvent(target, &ev);
    }
    void setPanel(const QString& text) { control("StatusBar1")->findChild<QLabel*>("panelHint")->setText(text); }

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
        QTest::newRow("grid") << "GridConvert" << "Print the filled Quorvane list and carry it with you";
        QTest::newRow("Label1") << "Label1" << "Origin Country Currency name.";
        QTest::newRow("Label2") << "Label2" << "Destination Country Currency name.";
        QTest::newRow("lblCodeFrom") << "lblCodeFrom" << "Origin Country ISO Code.";
        QTest::newRow("lblCodeTo") << "lblCodeTo" << "Destination Country ISO Code.";
        QTest::newRow("lblTitle1") << "lblTitle1" << "Currency Unit information for Origin Country.";
        QTest::newRow("lblTitle2") << "lblTitle2" << "Currency Unit information for Destination Country.";
        QTest::newRow("List1") << "List1" << "Choose origin country from this list";
        QTest::newRow("List2") << "List2" << "Choose destination country from this list";
        QTest::newRow("lblList1") << "lblList1" << "";
        QTest::newRow("lblList2") << "lblList2" << "";
        QTest::newRow("lblUSD1") << "lblUSD1" << "";
        QTest::newRow("lblUSD2") << "lblUSD2" << "";
    }
    void eachControlWritesItsHint() {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        QWidget* c = control(name.toLatin1().constData());
        QVERIFY(c->hasMouseTracking());
        // The control itself, and for the lists and the grid the viewport the
        // pointer is really over.
        QList<QWidget*> targets{c};
        if (auto* area = qobject_cast<QAbstractScrollArea*>(c)) {
            QVERIFY(area->viewport()->hasMouseTracking());
            targets << area->viewport();
        }
        for (QWidget* t : targets) {
            setPanel("something else");
            moveOver(t);
            QCOMPARE(w_->hintText(), hint);
            // Every move writes, also when the panel already holds the text.
            setPanel(hint + "x");
            moveOver(t, QPoint(1, 1));
            QCOMPARE(w_->hintText(), hint);
        }
    }

    void backgroundShowsTheNoticeLine() {
        QWidget* client = control("client");
        // Above the origin list's caption lies bare background.
        QPoint empty(20, 2);
        QVERIFY(!client->childAt(empty));
        moveOver(control("Label1"));
        QCOMPARE(w_->hintText(), QString("Origin Country Currency name."));
        moveOver(client, empty);
        QCOMPARE(w_->hintText(), QString::fromUtf8(kNoticeLine.data(), kNoticeLine.size()));
        QVERIFY(w_->hintText().startsWith("Quorvane ") && !w_->hintText().contains('\n'));
    }

    void controlsWithoutHintLeaveThePanel() {
        moveOver(control("GridConvert"));
        const QString grid = "Print the filled Quorvane list and carry it with you";
        QCOMPARE(w_->hintText(), grid);
        QWidget* status = control("StatusBar1");
        QList<QWidget*> quiet{control("MaskEntry"), control("MaskEntry2"), status, control("Frame1"),
                              control("Text1"), control("Text2"), w_->menuBar()};
        quiet << status->findChildren<QWidget*>();  // the panels inside the status bar
        for (QWidget* q : quiet) {
            moveOver(q);
            QCOMPARE(w_->hintText(), grid);
        }
    }
};

QTEST_MAIN(HintsTest)
#include "qtest_hints.moc"
