// Readable colours, focus marks and grid lines of the converter window under a
// light and a dark desktop palette; names of the about window's controls.
#include "about/AboutORVE.h"
#include "converter/FrmConvert.h"
#include "platform/FocusMark.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <QAccessible>
#include <QApplication>
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
    void readableAndMarkedUnderAnyPalette() {
        QVERIFY(rates_.copyProgramTable().isEmpty());
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        for (auto [role, c] : {std::pair{QPalette::WindowText, QColor(Qt::white)}, {QPalette::ButtonText, Qt::white},
                               {QPalette::Base, QColor(42, 42, 42)}, {QPalette::Highlight, QColor(18, 96, 138)}})
            dark.setColor(role, c);
        for (const QPalette& pal : {light, dark}) {
            QApplication::setPalette(pal);
            FrmConvert w(rates_.folder(), &ui_, &printers_);
            w.show();
            QVERIFY(QTest::qWaitForWindowActive(&w) && w.chooseCountry(ListId::Origin, "Algeria"));
            auto* list = w.findChild<QListView*>("List1");
            ChartGrid* grid = w.grid();
            const QColor text = list->palette().color(QPalette::Text), head = grid->item(0, 0)->foreground().color();
            QVERIFY(contrast(text, list->palette().color(QPalette::Base)) >= kTextContrast);
            QVERIFY(contrast(head, grid->item(0, 0)->background().color()) >= kTextContrast);
            if (&pal == &light) QCOMPARE(std::pair(text, head), std::pair(pal.color(QPalette::WindowText), pal.color(QPalette::ButtonText)));
            // The mark on the current entry stands out from the entry's own colour.
            grid->setCurrentCell(1, 0);
            for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(list), static_cast<QAbstractItemView*>(grid)}) {
                view->setFocus();
                QTRY_VERIFY(view->hasFocus());
                const QRect r = view->visualRect(view->currentIndex());
                const QImage shot = view->viewport()->grab().toImage();
                QVERIFY(contrast(shot.pixelColor(r.right() - 3, r.top()), shot.pixelColor(r.right() - 3, r.top() + 3)) >= kMarkContrast);
            }
            // Light grey lines between the cells, black ones between the header cells.
            const QImage cells = grid->viewport()->grab().toImage();
            const int x = grid->columnViewportPosition(1) + grid->columnWidth(1) - 1;
            QCOMPARE(cells.pixelColor(x, grid->rowViewportPosition(0) + 5), QColor(Qt::black));
            QCOMPARE(cells.pixelColor(x, grid->rowViewportPosition(5) + 5), QColor(192, 192, 192));
        }
        QApplication::setPalette(light);
    }

    // Whatever the keyboard reaches is named; so is the icon, which it does not reach.
    void aboutWindowControlsAreNamed() {
        AboutORVE about(nullptr, &ui_);
        for (QWidget* c : about.findChildren<QWidget*>())
            if (c->focusPolicy() & Qt::TabFocus || c->objectName() == "picIcon")
                QVERIFY2(!QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).isEmpty(), c->objectName().toLatin1());
        QCOMPARE(about.findChild<QWidget*>("picIcon")->focusPolicy(), Qt::NoFocus);
    }
};

QTEST_MAIN(AccessibleTest)
#include "qtest_accessible.moc"
