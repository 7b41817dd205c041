// Readable colours, focus marks and grid lines of the converter window under a
// light and a dark desktop palette; names of the about window's controls.
#include "about/AboutORVE.h"
#include "converter/FrmConvert.h"
#include "platform/FocusMark.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QtTest>

using namespace quorvane;

class AccessibleTest : public QObject {
    Q_OBJECT
    test::TempRates rates_;
    test::FakeUi ui_;
    test::FakePrinters printers_;

    static double contrast(const QColor& a, const QColor& b) { return contrastRatio(toRgb(a), toRgb(b)); }

private slots:
    void initTestCase() { QVERIFY(rates_.copyProgramTable().isEmpty()); }

    void readableAndMarkedUnderAnyPalette_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void readableAndMarkedUnderAnyPalette() {
        QFETCH(bool, dark);
        struct Restore { QPalette p; ~Restore() { QApplication::setPalette(p); } } restore{QApplication::palette()};
        QPalette pal = restore.p;
        if (dark)
            for (auto [role, c] : {std::pair{QPalette::Window, QColor(53, 53, 53)}, {QPalette::WindowText, Qt::white},
                                   {QPalette::Base, QColor(42, 42, 42)}, {QPalette::Text, Qt::white},
                                   {QPalette::Button, QColor(53, 53, 53)}, {QPalette::ButtonText, Qt::white},
                                   {QPalette::Highlight, QColor(18, 96, 138)}})
                pal.setColor(role, c);
        QApplication::setPalette(pal);
        FrmConvert w(rates_.folder(), &ui_, &printers_);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* list = w.findChild<QListView*>("List1");
        ChartGrid* grid = w.grid();
        const QColor listText = list->palette().color(QPalette::Text), head = grid->item(0, 0)->foreground().color();
        QVERIFY(contrast(listText, list->palette().color(QPalette::Base)) >= kTextContrast);
        QVERIFY(contrast(head, grid->item(0, 0)->background().color()) >= kTextContrast);
        if (!dark) QCOMPARE(std::pair(listText, head), std::pair(pal.color(QPalette::WindowText), pal.color(QPalette::ButtonText)));

        // The mark on the current entry stands out from the entry's own colour.
        QVERIFY(w.chooseCountry(ListId::Origin, "Algeria"));
        grid->setCurrentCell(1, 0);
        for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(list), static_cast<QAbstractItemView*>(grid)}) {
            view->setFocus();
            QTRY_VERIFY(view->hasFocus());
            const QRect r = view->visualRect(view->currentIndex());
            const QImage shot = view->viewport()->grab().toImage();
            const QColor mark = shot.pixelColor(r.right() - 3, r.top()), inside = shot.pixelColor(r.right() - 3, r.top() + 3);
            QVERIFY2(contrast(mark, inside) >= kMarkContrast, view->objectName().toLatin1());
            if (const QString out = qEnvironmentVariable("QUORVANE_TEST_OUTPUT"); !out.isEmpty() && QDir().mkpath(out))
                w.grab().save(out + (dark ? "/window_dark.png" : "/window_light.png"));
        }
        // Light grey lines between the cells, black ones between the header cells.
        const QImage cells = grid->viewport()->grab().toImage();
        const int x = grid->columnViewportPosition(1) + grid->columnWidth(1) - 1;
        QCOMPARE(cells.pixelColor(x, grid->rowViewportPosition(0) + 5), QColor(Qt::black));
        QCOMPARE(cells.pixelColor(x, grid->rowViewportPosition(5) + 5), QColor(192, 192, 192));
    }

    // Whatever the keyboard reaches is named; the icon is named though it is not reached.
    void aboutWindowControlsAreNamed() {
        AboutORVE about(nullptr, &ui_);
        for (QWidget* c : about.findChildren<QWidget*>())
            if (c->focusPolicy() & Qt::TabFocus || c->objectName() == "picIcon")
                QVERIFY2(!QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).isEmpty(), c->objectName().toLatin1());
        QCOMPARE(about.findChild<QLabel*>("picIcon")->focusPolicy(), Qt::NoFocus);
    }
};

QTEST_MAIN(AccessibleTest)
#include "qtest_accessible.moc"
