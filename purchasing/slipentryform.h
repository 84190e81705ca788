#pragma once
// The slip-entry family: one child window per slip kind, turned into its
// return variant by SlipMode. A header (number, date for the administrator
// only, operator, partner, discount, remark), the goods lookup, an entry row
// (code, quantity, price) whose Enter chain adds goods lines to the line
// list, running totals, an optional payment pair (cash paid, difference),
// and the form's own keys: PageDown saves, F4 deletes a line, F5 goes to the
// cash, F6 to the goods filter, Esc returns. The save goes through the slip
// core; after it the form stays open, empty, with the next number.
//
// A member hands over a SlipEntryDesign: its name and caption, the slip
// design of its mode, the line list's columns, the payment captions, the
// goods lookup's variant and its stock checks. What a member adds (keys,
// pickers, boxes of its own) goes around the family through the protected
// controls and addKeys().
#include "goodslookup.h"
#include "goodslookuplist.h"
#include "keypreview.h"
#include "slipdesign.h"
#include "sliplinesmodel.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <optional>

class QDateEdit;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class FocusHighlight;

// The captions of the difference: nothing owed, cash beyond the total, cash short.
struct PaymentLabels {
    QString settled;
    QString surplus;
    QString shortfall;
};

struct SlipEntryDesign {
    QString formName;
    QString caption;
    const SlipDesign* slip = nullptr;
    QString partnerCaption; // the label of TextProvider
    QList<LineColumn> lineColumns;
    PaymentLabels payment; // empty: the slip has no payment boxes
    GoodsLookupDesign lookup;
    // Goods the slip takes out of stock: the refusal of a goods whose stock
    // shows as 0.00, and the warning (%1 the stock) when the quantity entered
    // with the goods' lines goes beyond it. Empty: no stock check.
    QString noStockMessage;
    QString overStockMessage;
    // The number dialog through which F7 and F8 change the selected line's
    // quantity and price; empty: the slip has no such keys.
    QString inputDialog;
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
    // The line the list has selected, -1 when none.
    int selectedLine() const;
    // Shows the totals of the lines.
    void showTotals();
    // Takes the slip as paid in full: the cash paid is the total.
    void payInFull();
    bool hasPayment() const { return !m_design.payment.settled.isEmpty(); }

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QLineEdit* Textid;
    QDateEdit* DTPicker0;
    QLineEdit* TextOperator;
    QLineEdit* TextProvider;
    QPushButton* ComEnd;
    QLineEdit* TextDiscount;
    QLineEdit* TextBZ;
    QLineEdit* TextName;
    QLineEdit* TextQty;
    QLineEdit* TextPrice;
    QTreeView* ListView1;
    QLineEdit* TextQtys;
    QLineEdit* TextMoneys;
    QPushButton* ComPD;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* lblDedt = nullptr;

private:
    void buildControls();
    void Form_Load();
    void TextDiscount_KeyDown();
    void TextQty_KeyDown();
    bool TextPrice_KeyDown(QKeyEvent* event);
    void TextQty_Change();
    void Text3_Change();
    void Text3_KeyDown();
    void enterLine();
    void changeLine(bool quantity);
    bool saveSlip();
    void clearSlip();
    void prompt(const QString& text, QWidget* focus);

    SlipEntryDesign m_design;
    SlipLinesModel* m_lines = nullptr;
    GoodsLookupList* m_lookup = nullptr;
    FocusHighlight* m_highlight = nullptr;
    KeyPreview* m_preview = nullptr;
    QHash<QObject*, std::function<bool(QKeyEvent*)>> m_keyHandlers;
    std::optional<GoodsItem> m_held; // the goods being entered (ss1 to ss10)
    Amount m_loadedStock;            // its stock, where the slip checks it
};
