#pragma once
// The converter window: its controls, menu and status bar, forwarding events to
// the converter's logic.
#include "converter/Converter.h"
#include "converter/MenuCommands.h"
#include "data/LocalNames.h"
#include "data/SqliteRateTable.h"
#include "platform/ChartGrid.h"
#include "platform/Language.h"
#include "platform/PrinterSystem.h"
#include "platform/QtServices.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>

#include <memory>

class QAction;
class QMenu;
class QCloseEvent;
class QFrame;
class QTimer;

namespace quorvane {

// A rate box: an edit box that reports gaining and losing the keyboard focus.
class RateEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
signals:
    void focusGained();
    void focusLost();
    // The box's context menu is about to open: Qt's edit actions are in it, and
    // a separator after them.
    void menuRequested(QMenu* menu);
protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

class StatusPanels;
class CountryListModel;

// The program's folder (help file, help viewer) and the folder of the rate table
// the cursors use: the same folder unless the user has a copy of their own;
// ratesProblem, when set, is why typed rates are not kept, shown as the notice line.
struct ConverterFolders {
    ConverterFolders(const QString& folder) : program(folder), rates(folder) {}
    ConverterFolders(QString program, QString rates, QString ratesProblem = {})
        : program(std::move(program)), rates(std::move(rates)), ratesProblem(std::move(ratesProblem)) {}
    QString program, rates, ratesProblem;
    // The language of the country and currency names shown: the user's.
    std::string language = uiLanguage();
};

class FrmConvert : public QMainWindow, private ConverterView {
    Q_OBJECT
public:
    // Start-up makes folders.rates current. ui and printers default to the real
    // message boxes and printer list; tests pass their own.
    explicit FrmConvert(ConverterFolders folders, UiServices* ui = nullptr, Printers* printers = nullptr,
                        QWidget* parent = nullptr);
    ~FrmConvert() override;

    Converter& converter() { return *converter_; }
    ChartGrid* grid() const { return grid_; }
    PrinterSystem& printerSystem() { return *printerSystem_; }
    QString hintText() const;
    // Where Help Topics and Internet Databank go; the real viewer and browser by default.
    void setHelpLauncher(HelpLauncher* h) { helpLauncher_ = h; }
    void setUrlOpener(UrlOpener* o) { urlOpener_ = o; }
    // The row of a list showing a country's name, or an invalid index.
    QModelIndex countryIndex(ListId list, const QString& name) const;
    // Chooses a country as the keyboard would; false when the list has no such name.
    bool chooseCountry(ListId list, const QString& name);
    // The line printed under the chart, from what the window shows and the table says.
    std::string cardFooterText() const;

public slots:
    void mnuCalculate_Click();
    void mnuDatabank_Click();
    void mnuPrint_Click();
    void mnuZelvikHelp_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // ConverterView
    void setCountries(ListId list, std::vector<std::string> names, std::vector<std::string> shown) override;
    void showSameCountries(ListId list, ListId from) override;
    std::string selectedCountry(ListId list) const override;
    std::string rateText(RateBox box) const override;
    void setRateText(RateBox box, const std::string& text) override;
    void setRateBoxVisible(RateBox box, bool visible) override;
    bool rateBoxVisible(RateBox box) const override;
    void setRateBoxTabStop(RateBox box, bool inTabOrder) override;
    void setMenuEnabled(Menu menu, bool enabled) override;
    void setTitlesOpaque() override;
    void focusOriginList() override;

    void buildControls();
    void addRateBoxActions(QMenu* menu, RateBox b);
    void buildMenu();
    void installHints();
    void watchPrinters();  // keeps the printer count and Print up to date
    void countPrintersOnce();
    bool hintEventFilter(QObject* watched, QEvent* event);
    QString noticeHint();
    std::string ratesDate() const;  // of the table in use (YYYY-MM-DD); empty when unknown
    void setHint(const QString& text);
    void watchChoices(ListId list);
    void showRecord(ListId side);  // the bound controls show the cursor's current record
    // The rate boxes are made when first needed: hidden until a country is
    // chosen, they would cost start-up their font and edit machinery for nothing.
    void buildRateBoxes();
    RateEdit* box(RateBox b);
    RateEdit* builtBox(RateBox b) const { return b == RateBox::Origin ? MaskEntry : MaskEntry2; }
    void showRate(RateBox b, const QString& text);
    QListView* list(ListId l) const { return l == ListId::Origin ? List1 : List2; }
    SqliteCursor& cursor(ListId l) const { return l == ListId::Origin ? *Data1 : *Data2; }

    QString programFolder_;
    QString rateFolder_;
    QString ratesProblem_;
    std::unique_ptr<HelpLauncher> ownHelpLauncher_;
    std::unique_ptr<UrlOpener> ownUrlOpener_;
    HelpLauncher* helpLauncher_ = nullptr;
    UrlOpener* urlOpener_ = nullptr;
    std::unique_ptr<QtUiServices> ownUi_;
    // Stopped first when the window goes: no printer call outlives the window.
    std::unique_ptr<PrinterSystem> printerSystem_;
    std::unique_ptr<QtPrinters> ownPrinters_;
    UiServices* ui_;
    Printers* printers_;
    std::unique_ptr<SqliteCursor> Data1, Data2;
    LocalNames names_;
    std::unique_ptr<Converter> converter_;
    NumberFormat format_;
    bool printersAsked_ = false;  // the first printer count has been asked for
    // What a rate box not made yet holds: its bound text and its keyboard order.
    QString unbuiltRate_[2];
    Qt::FocusPolicy unbuiltFocus_[2] = {Qt::StrongFocus, Qt::StrongFocus};

    QWidget* client_ = nullptr;
    QLabel *lblList1 = nullptr, *lblCodeFrom = nullptr, *lblList2 = nullptr, *lblCodeTo = nullptr;
    QListView *List1 = nullptr, *List2 = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel *lblTitle1 = nullptr, *lblTitle2 = nullptr, *lblUSD1 = nullptr, *lblUSD2 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    RateEdit *MaskEntry = nullptr, *MaskEntry2 = nullptr;
    std::unique_ptr<QLineEdit> ownText1_, ownText2_;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr;
    ChartGrid* grid_ = nullptr;
    StatusPanels* StatusBar1 = nullptr;
    QAction *mnuCalculate = nullptr, *mnuDatabank = nullptr, *mnuPrint = nullptr, *mnuZelvikHelp = nullptr,
            *mnuAbout = nullptr, *mnuExit = nullptr;
};

}  // namespace quorvane
