#pragma once
// The slip-entry family: one child window per slip kind, turned into its
// return variant by SlipMode. A header (number, date for the administrator
// only, operator, an optional partner and discount, remark), the goods
// lookup, an entry row (code, quantity, price; a stocktake's book quantity
// beside its count) whose Enter chain adds goods lines to the line list,
// running totals, an optional payment pair (cash paid, difference), and the
// form's own keys: PageDown saves, F4 deletes a line, F5 goes to the cash,
// F6 to the goods filter, Esc returns. The save goes through the slip core;
// after it the form stays open, empty, with the next number.
//
// A member hands over a SlipEntryDesign: its name and captions, the slip
// design of its mode (which holds the line rule and whether the discount is
// whole), the header boxes it has, the line list's columns, the payment
// captions, the goods lookup's variant, how a picked goods becomes a line and
// its stock checks. A line's figures come from LineFiguresOf, every typed
// figure goes through a money box. What a member adds (keys, pickers, boxes
// of its own) goes around the family through the protected controls, the
// header's layout, the Enter chain, addKeys() and the header hooks of the save.
#include "goodslookup.h"
#include "goodslookuplist.h"
#include "keypreview.h"
#include "slipdesign.h"
#include "sliplinesmodel.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QDateEdit;
class QGridLayout;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class FocusHighlight;

// The captions of the difference: nothing owed, cash beyond the total, cash
// short; and the names of the cash label and the difference label.
struct PaymentLabels {
    QString settled;
    QString surplus;
    QString shortfall;
    QString cashName = QStringLiteral("lblCash");
    QString differenceName = QStringLiteral("lblDedt");
};

struct SlipEntryDesign {
    QString formName;
    QString caption;
    const SlipDesign* slip = nullptr;
    QString numberCaption = QStringLiteral("[单据号]"); // the labels of Textid and DTPicker0
    QString dateCaption = QStringLiteral("[日  期]");
    // The label of TextProvider; empty: the slip names no partner (no
    // TextProvider, no ComEnd).
    QString partnerCaption = {};
    // A count (the slip design's line rule) shows the goods' book quantity
    // (TextQty1) beside the counted one (TextQty2 in place of TextQty).
    QList<LineColumn> lineColumns;
    // After each line the remark shows "-".
    bool lineDashesRemark = false;
    PaymentLabels payment = {}; // empty: the slip has no payment boxes
    GoodsLookupDesign lookup = {};
    // The discount box, per cent; empty: the slip has none and its lines
    // take no discount. The slip design says whether it is a whole number.
    QString discountName = QStringLiteral("TextDiscount");
    // Every key in the price box refuses a discount of exactly "0".
    bool priceNeedsDiscount = true;
    // The quantity each goods starts from.
    QString startQuantity = QStringLiteral("0.00");
    // A code that is no goods: the message, and whether the pick ends there
    // (else the price shows "0" and the quantity is next).
    QString unknownGoodsMessage = QStringLiteral("无该商品信息,请先在期初设置录入。");
    bool unknownGoodsEndsPick = false;
    // Lines carry the goods' average cost (TextPrice2): each line's cost and
    // profit, and their totals (TextMoneys2, TextMoneys3). Only the
    // administrator sees the costs.
    bool costs = false;
    // The quick-entry box (Check1, kept in config.ini): checked, a picked
    // goods becomes a line at once.
    bool quickEntry = false;
    // Goods the slip takes out of stock: the refusal of a goods whose stock
    // shows as 0.00 (and its title), and the message (%1 the stock) when the
    // quantity entered with the goods' lines goes beyond it. Empty: no stock
    // check.
    QString noStockMessage = {};
    QString noStockTitle = QStringLiteral("提示");
    QString overStockMessage = {};
    // After that message the quantity starts again; else it only warns.
    bool overStockResetsQuantity = false;
    // The number dialog through which F7 and F8 change the selected line's
    // quantity and price (their key hints quantityHint and lblF8); empty: the
    // slip has no such keys.
    QString inputDialog = {};
    QString quantityHint = QStringLiteral("lblF7");
    QString saveQuestion = QStringLiteral("确认要保存该信息吗？");
};

class SlipEntryForm : public QWidget {
    Q_OBJECT
public:
    const SlipDesign& slipDesign() const { return *m_design.slip; }
    SlipLinesModel* lines() const { return m_lines; }
    GoodsLookupList* lookup() const { return m_lookup; }

    void ComPD_Click();
    void ComDel_Click();
    void cmdMoney_Click();
    void ComRtn_Click();
    void FocusGoodsInput();
    void NextSlipNumber();
    // Reads the goods of the code box for a line: its price, and where the
    // design says so its unit cost and its stock; with quick entry on, the
    // line is entered at once (the sales slip's AddGoodsLine).
    void LoadGoods();
    // F7 and F8.
    void changeQuantity();
    void changePrice();

protected:
    explicit SlipEntryForm(SlipEntryDesign design, QWidget* parent = nullptr);

    // The form's keys beside the family's.
    void addKeys(const KeyPreview::Keys& keys);
    // What a key pressed in a control does, before the control sees it:
    // the handler tells whether it took the key. One handler per control;
    // a later one replaces the family's.
    void onKey(QWidget* control, std::function<bool(QKeyEvent*)> handler);
    // Enter in a control runs the action and goes no further; other keys pass.
    void onEnter(QWidget* control, std::function<void()> action);
    // A box of the header's Enter chain: Enter moves to the next box (after
    // the last to the goods input), or, when the box is empty and there is a
    // message, shows it and stays.
    struct EnterStep {
        QLineEdit* box;
        QString emptyMessage;
    };
    // The header's Enter chain, in place of the family's (discount, partner).
    // Tab follows it too.
    void chainEnter(const QList<EnterStep>& steps);
    // The header's grid (rows 0 and 1 hold the family's boxes) and the row
    // of the partner box and its picker button (none without a partner).
    QGridLayout* headerGrid() const { return m_headerGrid; }
    QHBoxLayout* partnerRow() const { return m_partnerRow; }
    FocusHighlight* highlight() const { return m_highlight; }
    // The line the list has selected, -1 when none.
    int selectedLine() const;
    // Shows the totals of the lines.
    void showTotals();
    // Takes the slip as paid in full: the cash paid is the total.
    void payInFull();
    bool hasPayment() const { return !m_design.payment.settled.isEmpty(); }

    // The save's header: the boxes that take "-" when empty, in order; what
    // the member adds to the header; and the boxes emptied for the next slip.
    virtual QList<QLineEdit*> dashedBoxes() const;
    virtual void fillHeader(SlipHeader& header) const;
    virtual void clearHeader();

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QLineEdit* Textid;
    QDateEdit* DTPicker0;
    QLineEdit* TextOperator;
    QLineEdit* TextProvider = nullptr; // where the slip names a partner
    QPushButton* ComEnd = nullptr;
    QLineEdit* TextDiscount = nullptr; // where the slip has a discount
    QLineEdit* TextBZ;
    QLineEdit* TextName;
    QLineEdit* TextQty1 = nullptr; // the book quantity, where the slip counts
    QLineEdit* TextQty;            // TextQty2 where the slip counts
    QLineEdit* TextPrice;
    QTreeView* ListView1;
    QLineEdit* TextQtys;
    QLineEdit* TextMoneys;
    QPushButton* ComPD;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* lblDedt = nullptr;
    // Where the design has costs.
    QLineEdit* TextPrice2 = nullptr;
    QLineEdit* TextMoneys2 = nullptr;
    QLineEdit* TextMoneys3 = nullptr;
    QCheckBox* Check1 = nullptr; // where the design has quick entry

private:
    static inline const QString ZeroMoney = QStringLiteral("0.00");
    static inline const QString PriceCaption = QStringLiteral("单价");

    // The controls, their layout and wiring (slipentrycontrols.cpp).
    void buildControls();
    // Tab goes the Enter chain's way through the header and the entry row,
    // and in reading order through the rest; boxes the program fills take
    // no Tab stop. Made once the member has added its controls.
    void orderTabs();
    void Form_Load();
    void TextQty_KeyDown();
    bool TextPrice_KeyDown(QKeyEvent* event);
    void TextQty_Change();
    void Text3_Change();
    void Text3_KeyDown();
    void Check1_Click();
    void refuseGoods();
    // Adds the goods being entered as a line, or to its line at the same
    // price, and readies the entry for the next goods; the quick entry's
    // also empties the barcode box.
    void enterLine(bool quick = false);
    void changeLine(bool quantity);
    bool saveSlip();
    void clearSlip();
    void prompt(const QString& text, QWidget* focus);
    // The discount lines take, per cent.
    Amount discount() const;
    // "请填上折扣。": the discount box feeds 0 ("0.4" in a whole discount does).
    bool discountIsZero() const;
    // Whether the box (where the form has it) holds a figure past its limit: told, the focus in it.
    static bool refusesFigure(QLineEdit* box);

    SlipEntryDesign m_design;
    SlipLinesModel* m_lines = nullptr;
    GoodsLookupList* m_lookup = nullptr;
    FocusHighlight* m_highlight = nullptr;
    KeyPreview* m_preview = nullptr;
    QGridLayout* m_headerGrid = nullptr;
    QHBoxLayout* m_partnerRow = nullptr;
    QHash<QObject*, std::function<bool(QKeyEvent*)>> m_keyHandlers;
    QList<QWidget*> m_enterChain;  // the header boxes Enter walks, in order
    QList<QPushButton*> m_buttons; // the row of buttons at the bottom
    bool m_tabsOrdered = false;
    std::optional<GoodsItem> m_held; // the goods being entered (ss1 to ss10)
    Amount m_loadedStock;            // its stock, where the slip checks it
};
