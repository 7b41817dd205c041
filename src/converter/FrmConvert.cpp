#include "converter/FrmConvert.h"

#include "converter/RateText.h"
#include "data/RateUpdate.h"
#include "platform/Centring.h"
#include "platform/CountryListModel.h"
#include "platform/FocusMark.h"
#include "platform/ProgramFolder.h"
#include "platform/StatusPanels.h"
#include "platform/Twips.h"
#include "resources/AppIcon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QContextMenuEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace quorvane {

namespace {
// Switching windows, opening a menu or the menu bar taking the keyboard (Alt
// alone) leaves the box the control the user works in.
bool leavesBoxInUse(Qt::FocusReason r) {
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason || r == Qt::MenuBarFocusReason;
}
}  // namespace

void RateEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (!leavesBoxInUse(e->reason())) emit focusGained();
}

void RateEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (!leavesBoxInUse(e->reason())) emit focusLost();
}

void RateEdit::contextMenuEvent(QContextMenuEvent* e) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    menu->addSeparator();
    emit menuRequested(menu.get());
    menu->exec(e->globalPos());
}

void RateEdit::keyPressEvent(QKeyEvent* e) {
    // Shift+F10 opens the context menu as the Menu key does, at the text cursor.
    if (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier) {
        const QPoint at = cursorRect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        contextMenuEvent(&menu);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

namespace {

QFont arial(double points, bool bold = false) {
    QFont f("Arial");
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// A label with a one-pixel black border drawn over its background. Colours go
// through palettes: a style sheet would switch the whole window to slower drawing.
class BoxLabel : public QLabel {
public:
    using QLabel::QLabel;
    bool bordered = false;

protected:
    void paintEvent(QPaintEvent* e) override {
        QLabel::paintEvent(e);
        if (!bordered) return;
        QPainter p(this);
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QLabel* makeLabel(QWidget* parent, const char* name, QRect geo, const QString& text, const QColor& fg,
                  const QColor& bg, const QFont& font, bool bordered, Qt::Alignment align) {
    auto* l = new BoxLabel(text, parent);
    l->bordered = bordered;
    l->setObjectName(name);
    l->setGeometry(geo);
    l->setFont(font);
    l->setAlignment(align);
    // Table data comes from rate files: never markup, never a picture to load.
    l->setTextFormat(Qt::PlainText);
    if (bordered) l->setContentsMargins(2, 1, 2, 1);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, fg);
    pal.setColor(QPalette::Window, bg);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
    l->setFocusPolicy(Qt::NoFocus);
    l->setAccessibleName(text);
    return l;
}

const QColor kGreen(0, 128, 0);
const QColor kRed(192, 0, 0);
const QColor kLightGrey(192, 192, 192);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
QColor buttonFace() { return QGuiApplication::palette().color(QPalette::Button); }

void setColours(QWidget* w, QPalette::ColorRole textRole, const QColor& text, QPalette::ColorRole backRole,
                const QColor& back) {
    QPalette pal = w->palette();
    pal.setColor(textRole, text);
    pal.setColor(backRole, back);
    w->setPalette(pal);
}

NumberFormat systemNumberFormat() {
    QLocale loc = QLocale::system();
    return NumberFormat{loc.decimalPoint().toStdString(), loc.groupSeparator().toStdString(),
                        loc.negativeSign().toStdString()};
}

}  // namespace

FrmConvert::FrmConvert(ConverterFolders folders, UiServices* ui, Printers* printers, QWidget* parent)
    : QMainWindow(parent), programFolder_(std::move(folders.program)), rateFolder_(std::move(folders.rates)),
      ratesProblem_(std::move(folders.ratesProblem)), names_(folders.language) {
    setObjectName("frmconvert");
    if (!ui) {
        ownUi_ = std::make_unique<QtUiServices>(this);
        ui = ownUi_.get();
    }
    printerSystem_ = std::make_unique<PrinterSystem>();
    if (!printers) {
        ownPrinters_ = std::make_unique<QtPrinters>(*printerSystem_, false);
        printers = ownPrinters_.get();
        // Counting printers loads the print system's libraries, which the window
        // need not wait for: the first count starts once it has been drawn, or
        // from the event loop when it is not shown.
        QTimer::singleShot(0, this, [this] { if (!isVisible()) countPrintersOnce(); });
    }
    ui_ = ui;
    printers_ = printers;

    format_ = systemNumberFormat();
    // Both cursors name the file without a folder: it is found in the current
    // folder, which start-up makes the rate table's folder.
    auto parse = [format = format_](const std::string& text) { return numericValue(text, format); };
    Data1 = std::make_unique<SqliteCursor>("Zelvik.MDB", parse);
    Data2 = std::make_unique<SqliteCursor>("Zelvik.MDB", parse);

    setWindowTitle("Quorvane");
    setWindowIcon(appIcon());
    buildControls();
    Data1->setMovedHandler([this] { showRecord(ListId::Origin); });
    Data2->setMovedHandler([this] { showRecord(ListId::Destination); });
    for (SqliteCursor* c : {Data1.get(), Data2.get()})
        c->setCountryNamer([this](const RateRecord& r) { return names_.country(r); });
    buildMenu();
    installHints();
    watchPrinters();

    converter_ = std::make_unique<Converter>(static_cast<ConverterView&>(*this), *grid_, *Data1, *Data2, *ui_, *printers_, format_);
    converter_->setLocalNames(&names_);
    converter_->startup([this] { makeFolderCurrent(rateFolder_); });

    // A session that ends, or a program that is told to quit, writes a rate
    // still being typed like a close of the window does.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { converter_->closing(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { converter_->closing(); });

    // Centred on the screen at opening, by its outer frame as the about window is.
    resize(twipsToPixels(9510), twipsToPixels(6225) + menuBar()->sizeHint().height());
    centreWhenShown(this);
}

// The printer system's thread is joined before anything else goes, so that no
// printer call is left running when the application object, and with it Qt's
// print support, goes after the window.
FrmConvert::~FrmConvert() { printerSystem_->stop(); }

void FrmConvert::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->setAutoFillBackground(true);
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    client_->setPalette(pal);
    client_->setMinimumSize(1, 1);
    client_->setMouseTracking(true);
    setCentralWidget(client_);
    setMouseTracking(true);

    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto centre = Qt::AlignCenter;
    lblList1 = makeLabel(client_, "lblList1", twipsRect(0, 105, 2670, 270), tr("Select Country to convert from:"),
                         kWhite, kGreen, arial(8.25, true), true, left);
    lblCodeFrom = makeLabel(client_, "lblCodeFrom", twipsRect(2650, 105, 540, 270), "", kGreen, backgroundFor(kGreen, buttonFace()),
                            arial(8.25, true), true, centre);
    lblList2 = makeLabel(client_, "lblList2", twipsRect(-30, 2985, 2670, 285), tr("Select Country to convert to:"),
                         kWhite, kRed, arial(8.25, true), true, left);
    lblCodeTo = makeLabel(client_, "lblCodeTo", twipsRect(2625, 2985, 540, 285), "", kRed, backgroundFor(kRed, buttonFace()),
                          arial(8.25, true), true, centre);
    for (ListId id : {ListId::Origin, ListId::Destination}) {
        auto* l = new QListView(client_);
        l->setObjectName(id == ListId::Origin ? "List1" : "List2");
        l->setGeometry(id == ListId::Origin ? twipsRect(0, 375, 3195, 2580) : twipsRect(0, 3255, 3195, 2580));
        l->setFont(arial(8.25));
        setColours(l, QPalette::Text, readableOn(QGuiApplication::palette().color(QPalette::WindowText), kLightGrey),
                   QPalette::Base, kLightGrey);
        l->setItemDelegate(new FocusMarkDelegate(l));
        l->setUniformItemSizes(true);
        l->setLayoutMode(QListView::Batched);
        l->setEditTriggers(QAbstractItemView::NoEditTriggers);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        l->setAccessibleName(id == ListId::Origin ? tr("Origin country") : tr("Destination country"));
        l->setMouseTracking(true);
        (id == ListId::Origin ? List1 : List2) = l;
    }
    Frame1 = new QFrame(client_);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(twipsRect(3210, 0, 6255, 855));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
    setColours(Frame1, QPalette::WindowText, QColor(128, 128, 128), QPalette::Window, buttonFace());
    Frame1->setAutoFillBackground(true);
    Frame1->setAccessibleName(tr("Exchange rates"));
    lblTitle1 = makeLabel(Frame1, "lblTitle1", twipsRect(10, 120, 3127, 250), "", kWhite, kGreen, arial(8.25),
                          true, centre);
    lblTitle2 = makeLabel(Frame1, "lblTitle2", twipsRect(3125, 120, 3127, 250), "", kWhite, kRed, arial(8.25),
                          true, centre);
    lblUSD1 = makeLabel(Frame1, "lblUSD1", twipsRect(45, 465, 660, 285), tr("1 USD ="), kBlack, kLightGrey,
                        arial(8.25), false, left);
    Label1 = makeLabel(Frame1, "Label1", twipsRect(1695, 390, 1380, 420), "", kBlack, kLightGrey, arial(8.25),
                       false, centre);
    lblUSD2 = makeLabel(Frame1, "lblUSD2", twipsRect(3120, 465, 615, 285), tr("1 USD ="), kBlack, kLightGrey,
                        arial(8.25), false, left);
    Label2 = makeLabel(Frame1, "Label2", twipsRect(4785, 390, 1380, 420), "", kBlack, kLightGrey, arial(8.25),
                       false, centre);
    Label1->setWordWrap(true);
    Label2->setWordWrap(true);
    // Never shown, so kept out of the window: a screen reader would list them as
    // nameless fields.
    ownText1_ = std::make_unique<QLineEdit>();
    Text1 = ownText1_.get();
    Text1->setObjectName("Text1");
    ownText2_ = std::make_unique<QLineEdit>("Text2");
    Text2 = ownText2_.get();
    Text2->setObjectName("Text2");

    grid_ = new ChartGrid(client_);
    grid_->move(twipsToPixels(3270), twipsToPixels(870));
    grid_->setAccessibleName(tr("Conversion chart"));
    grid_->setMouseTracking(true);

    StatusBar1 = new StatusPanels(client_);
    StatusBar1->setGeometry(twipsRect(0, 5850, 9510, 375));
    // The panels stand on the window's fixed grey: the desktop's text colour only where it reads there.
    setColours(StatusBar1, QPalette::WindowText,
               readableOn(QGuiApplication::palette().color(QPalette::WindowText), kLightGrey), QPalette::Window,
               kLightGrey);

    // Only the lists, the grid and the rate boxes take the focus, in this order.
    for (QWidget* w : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(StatusBar1)})
        w->setFocusPolicy(Qt::NoFocus);
    setTabOrder(List1, List2);
    setTabOrder(List2, grid_);
    for (QWidget* w : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2)}) w->setFocusPolicy(Qt::NoFocus);

    client_->installEventFilter(this);
}

void FrmConvert::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("menuBar");
    auto add = [&](QMenu* into, const char* name, const QString& caption, void (FrmConvert::*slot)()) {
        QAction* a = into ? into->addAction(caption) : bar->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    mnuCalculate = add(nullptr, "mnuCalculate", tr("&Calculate"), &FrmConvert::mnuCalculate_Click);
    mnuDatabank = add(nullptr, "mnuDatabank", tr("Internet &Databank"), &FrmConvert::mnuDatabank_Click);
    mnuPrint = add(nullptr, "mnuPrint", tr("&Print"), &FrmConvert::mnuPrint_Click);
    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName("mnuHelp");
    mnuZelvikHelp = add(help, "mnuZelvikHelp", tr("&Help Topics"), &FrmConvert::mnuZelvikHelp_Click);
    mnuAbout = add(help, "mnuAbout", tr("&About"), &FrmConvert::mnuAbout_Click);
    mnuExit = add(nullptr, "mnuExit", tr("E&xit"), &FrmConvert::mnuExit_Click);
    // The desktop's own help key; the menu item itself has no shortcut.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, &FrmConvert::mnuZelvikHelp_Click);
}

bool FrmConvert::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        // The status bar follows the bottom edge and the window's width; nothing else moves.
        StatusBar1->setGeometry(0, client_->height() - twipsToPixels(375), client_->width(), twipsToPixels(375));
    }
    if (watched == client_ && event->type() == QEvent::Paint) countPrintersOnce();
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::WindowActivate)
        StatusBar1->updateNumLock();
    return hintEventFilter(watched, event) || QMainWindow::eventFilter(watched, event);
}

// Back at the window: another program (quorvane-rates) may have changed the table.
void FrmConvert::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && converter_) converter_->tableMayHaveChanged();
    QMainWindow::changeEvent(event);
}

void FrmConvert::countPrintersOnce() {
    if (!ownPrinters_ || printersAsked_) return;
    printersAsked_ = true;
    // After the paint under way.
    QMetaObject::invokeMethod(this, [this] { ownPrinters_->refresh(); }, Qt::QueuedConnection);
}

QString FrmConvert::hintText() const { return StatusBar1->hint(); }
void FrmConvert::setHint(const QString& text) { StatusBar1->setHint(text); }

void FrmConvert::buildRateBoxes() {
    for (RateBox b : {RateBox::Origin, RateBox::Destination}) {
        bool origin = b == RateBox::Origin;
        auto* e = new RateEdit(Frame1);
        e->setObjectName(origin ? "MaskEntry" : "MaskEntry2");
        e->setGeometry(origin ? twipsRect(690, 390, 990, 345) : twipsRect(3750, 390, 990, 345));
        e->setFont(arial(9, true));
        e->setMaxLength(64);
        setColours(e, QPalette::Text, origin ? kGreen : kRed, QPalette::Base, kLightGrey);
        e->setToolTip(origin ? tr("Origin Country Exchange Rate versus 1 USD. Enter changes to Rate here.")
                             : tr("Destination Country Exchange Rate versus 1 USD. Enter changes to Rate here."));
        e->setAccessibleName(origin ? tr("Origin rate") : tr("Destination rate"));
        // A move over a box is not the background's.
        e->setAttribute(Qt::WA_NoMousePropagation);
        e->setFocusPolicy(unbuiltFocus_[origin ? 0 : 1]);
        e->setText(unbuiltRate_[origin ? 0 : 1]);
        e->setCursorPosition(0);
        e->hide();
        (origin ? MaskEntry : MaskEntry2) = e;
        ListId side = origin ? ListId::Origin : ListId::Destination;
        // What the user types is the cursor's pending edit, written when it moves.
        connect(e, &QLineEdit::textEdited, this,
                [this, side](const QString& t) { cursor(side).setPendingRate(t.toStdString()); });
        connect(e, &RateEdit::focusGained, this, [this, b] { converter_->rateBoxFocusIn(b); });
        connect(e, &RateEdit::focusLost, this, [this, b] { converter_->rateBoxFocusOut(b); });
        connect(e, &RateEdit::menuRequested, this, [this, b](QMenu* menu) { addRateBoxActions(menu, b); });
    }

    setTabOrder(grid_, MaskEntry2);
    setTabOrder(MaskEntry2, MaskEntry);
}

RateEdit* FrmConvert::box(RateBox b) {
    if (!MaskEntry) buildRateBoxes();
    return builtBox(b);
}

// After Qt's own edit actions: the cross rate a bank quotes.
void FrmConvert::addRateBoxActions(QMenu* menu, RateBox b) {
    const Converter::CrossRateOffer offer = converter_->crossRateOffer(b);
    QAction* cross = menu->addAction(QString::fromStdString(offer.label()));
    cross->setObjectName("crossRate");
    cross->setEnabled(offer.enabled);
    // Once the menu has closed: the dialog is a window of its own.
    connect(cross, &QAction::triggered, this,
            [this, b] { QMetaObject::invokeMethod(this, [this, b] { converter_->askCrossRate(b); }, Qt::QueuedConnection); });

    // Back to the shipped or downloaded rate, named by the date of those rates.
    const Converter::RestoreOffer restore = converter_->restoreOffer(b);
    const std::string date = restore.date.empty() ? ratesDate() : restore.date;
    QAction* undo = menu->addAction(date.empty() ? tr("Restore the rate it replaced")
                                                 : tr("Restore the rate of %1").arg(QString::fromStdString(readableDate(date))));
    undo->setObjectName("restoreRate");
    undo->setEnabled(restore.enabled);
    connect(undo, &QAction::triggered, this, [this, b] { converter_->restoreRate(b); });
}

namespace {
// A table text in its label, in a smaller font where it would not fit (some
// languages' currency names are long): the window's layout stays as it is.
void showFitted(QLabel* label, const QString& text) {
    QFont font = arial(8.25);
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    for (; font.pointSizeF() > 6; font.setPointSizeF(font.pointSizeF() - 0.25)) {
        const QRect needed = QFontMetrics(font).boundingRect(room, flags, text);
        if (needed.width() <= room.width() && needed.height() <= room.height()) break;
    }
    label->setFont(font);
    label->setText(text);
}
}  // namespace

// Bound controls show the cursor's current record.
void FrmConvert::showRecord(ListId side) {
    auto rec = cursor(side).current();
    bool origin = side == ListId::Origin;
    auto text = [&rec](std::string RateRecord::*field) { return rec ? QString::fromStdString((*rec).*field) : QString(); };
    (origin ? Text1 : Text2)->setText(text(&RateRecord::country));
    showFitted(origin ? lblTitle1 : lblTitle2, rec ? QString::fromStdString(names_.unit(*rec)) : QString());
    showFitted(origin ? Label1 : Label2, rec ? QString::fromStdString(names_.currency(*rec)) : QString());
    (origin ? lblCodeFrom : lblCodeTo)->setText(text(&RateRecord::code));
    // A rate being typed stays when the record is read again.
    if (!cursor(side).hasPendingEdit())
        showRate(origin ? RateBox::Origin : RateBox::Destination,
                 rec ? QString::fromStdString(rateToBoxText(rec->roe, format_)) : QString());
}

void FrmConvert::showRate(RateBox b, const QString& text) {
    RateEdit* e = builtBox(b);
    if (!e) {
        unbuiltRate_[b == RateBox::Origin ? 0 : 1] = text;
        return;
    }
    e->setText(text);
    // A rate is read from its first digit.
    e->setCursorPosition(0);
}

// ---- ConverterView ----

namespace {
std::string chosenName(const QListView* l) {
    auto* sel = l->selectionModel();
    if (!sel) return {};
    auto rows = sel->selectedIndexes();
    return rows.isEmpty() ? std::string() : rows.front().data(CountryListModel::kStoredNameRole).toByteArray().toStdString();
}
}  // namespace

void FrmConvert::setCountries(ListId l, std::vector<std::string> names, std::vector<std::string> shown) {
    list(l)->setModel(new CountryListModel(std::move(names), std::move(shown), this));
    watchChoices(l);
}

void FrmConvert::showSameCountries(ListId l, ListId from) {
    list(l)->setModel(list(from)->model());
    watchChoices(l);
}

// Any change of the selected entry is a choice, by mouse or keyboard.
void FrmConvert::watchChoices(ListId l) {
    QListView* view = list(l);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, l, view] {
        if (view->selectionModel()->selectedIndexes().isEmpty()) return;
        std::string name = chosenName(view);
        if (l == ListId::Origin)
            converter_->originChosen(name);
        else
            converter_->destinationChosen(name);
    });
}

QModelIndex FrmConvert::countryIndex(ListId l, const QString& name) const {
    auto* model = qobject_cast<CountryListModel*>(list(l)->model());
    int row = model ? model->rowOf(name) : -1;
    return row < 0 ? QModelIndex() : model->index(row);
}

bool FrmConvert::chooseCountry(ListId l, const QString& name) {
    QModelIndex index = countryIndex(l, name);
    if (index.isValid()) list(l)->setCurrentIndex(index);
    return index.isValid();
}

std::string FrmConvert::selectedCountry(ListId l) const { return chosenName(list(l)); }

std::string FrmConvert::rateText(RateBox b) const {
    const RateEdit* e = builtBox(b);
    return (e ? e->text() : unbuiltRate_[b == RateBox::Origin ? 0 : 1]).toStdString();
}

void FrmConvert::setRateText(RateBox b, const std::string& text) {
    showRate(b, QString::fromStdString(text));
    // A text put into a rate box is written back like one the user typed.
    cursor(b == RateBox::Origin ? ListId::Origin : ListId::Destination).setPendingRate(text);
}

void FrmConvert::setRateBoxVisible(RateBox b, bool visible) {
    if (visible || builtBox(b)) box(b)->setVisible(visible);
}
bool FrmConvert::rateBoxVisible(RateBox b) const { return builtBox(b) && !builtBox(b)->isHidden(); }
void FrmConvert::setRateBoxTabStop(RateBox b, bool inTabOrder) {
    Qt::FocusPolicy policy = inTabOrder ? Qt::StrongFocus : Qt::ClickFocus;
    if (RateEdit* e = builtBox(b)) e->setFocusPolicy(policy);
    else unbuiltFocus_[b == RateBox::Origin ? 0 : 1] = policy;
}
void FrmConvert::setMenuEnabled(Menu m, bool enabled) {
    (m == Menu::Calculate ? mnuCalculate : mnuPrint)->setEnabled(enabled);
}
void FrmConvert::setTitlesOpaque() {
    lblTitle1->setAutoFillBackground(true);
    lblTitle2->setAutoFillBackground(true);
}
void FrmConvert::focusOriginList() { List1->setFocus(Qt::OtherFocusReason); }

void FrmConvert::mnuCalculate_Click() { converter_->calculate(); }

// However the window is closed (Exit, the close box, the window manager), a
// rate still being typed is written first.
void FrmConvert::closeEvent(QCloseEvent* event) {
    converter_->closing();
    QMainWindow::closeEvent(event);
}

}  // namespace quorvane
