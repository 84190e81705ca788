#include "slipentryform.h"
#include "appstate.h"
#include "boxlimit.h"
#include "childactivation.h"
#include "clock.h"
#include "focushighlight.h"
#include "inputdialog.h"
#include "formparts.h"
#include "messagebox.h"
#include "module2.h"
#include "mdlini.h"
#include "outcomemessage.h"
#include "recordgrid.h"
#include "slipnumber.h"
#include "slipbook.h"
#include "slipsave.h"
#include "slipwrite.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

using FormParts::button;
using FormParts::label;
using FormParts::named;

namespace {
const QString ZeroMoney = QStringLiteral("0.00");
const QString PriceCaption = QStringLiteral("单价");
const QString CashCaption = QStringLiteral("现金支付");

QString bracketed(const QString& caption) { return QLatin1Char('[') + caption + QLatin1Char(']'); }

QLineEdit* box(QWidget* form, const char* name, const QString& text = {})
{
    return named(new QLineEdit(text, form), QString::fromLatin1(name));
}

Amount valueOf(const QLineEdit* box) { return Amount::fromText(box->text()); }

bool isEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

bool isModifierOrTab(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

void setTextColour(QLineEdit* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, colour);
    box->setPalette(palette);
}
}

SlipEntryForm::SlipEntryForm(SlipEntryDesign design, QWidget* parent)
    : QWidget(parent)
    , m_design(std::move(design))
{
    setObjectName(m_design.formName);
    setWindowTitle(m_design.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    m_preview = KeyPreview::install(this, {{Qt::Key_PageDown, [this] { ComPD_Click(); }},
                                           {Qt::Key_F4, [this] { ComDel_Click(); }},
                                           {Qt::Key_F6, [this] { FocusGoodsInput(); }},
                                           {Qt::Key_Escape, [this] { ComRtn_Click(); }}});
    if (hasPayment())
        addKeys({{Qt::Key_F5, [this] { cmdMoney_Click(); }}});
    if (!m_design.inputDialog.isEmpty())
        addKeys({{Qt::Key_F7, [this] { changeQuantity(); }}, {Qt::Key_F8, [this] { changePrice(); }}});
    QList<EnterStep> chain;
    if (TextDiscount)
        chain << EnterStep{TextDiscount, QStringLiteral("请输入折扣。")};
    if (TextProvider)
        chain << EnterStep{TextProvider, {}};
    chainEnter(chain);
    ChildActivation::install(this, [this] { m_lookup->goodsInput()->setFocus(Qt::OtherFocusReason); });
    Form_Load();
}

void SlipEntryForm::addKeys(const KeyPreview::Keys& keys) { m_preview->add(keys); }

void SlipEntryForm::buildControls()
{
    Textid = box(this, "Textid");
    DTPicker0 = FormParts::datePicker(this, QStringLiteral("DTPicker0"));
    TextOperator = box(this, "TextOperator");
    TextBZ = box(this, "TextBZ");

    auto* header = m_headerGrid = new QGridLayout;
    header->addWidget(label(this, {}, m_design.numberCaption), 0, 0);
    header->addWidget(Textid, 0, 1);
    header->addWidget(label(this, {}, m_design.dateCaption), 0, 2);
    header->addWidget(DTPicker0, 0, 3);
    header->addWidget(label(this, {}, QStringLiteral("[操作员]")), 0, 4);
    header->addWidget(TextOperator, 0, 5);
    if (!m_design.partnerCaption.isEmpty()) {
        TextProvider = box(this, "TextProvider");
        ComEnd = button(this, QStringLiteral("ComEnd"), QStringLiteral("End"));
        header->addWidget(label(this, {}, m_design.partnerCaption), 1, 0);
        auto* partner = m_partnerRow = new QHBoxLayout;
        partner->addWidget(TextProvider, 1);
        partner->addWidget(ComEnd);
        header->addLayout(partner, 1, 1);
    }
    if (!m_design.discountName.isEmpty()) {
        TextDiscount = named(new QLineEdit(QStringLiteral("100"), this), m_design.discountName);
        header->addWidget(label(this, {}, QStringLiteral("[折  扣]")), 1, 2);
        header->addWidget(TextDiscount, 1, 3);
    }
    header->addWidget(label(this, {}, QStringLiteral("备注")), 1, 4);
    header->addWidget(TextBZ, 1, 5);

    TextName = box(this, "TextName");
    FormParts::fitBarcode(TextName);
    const bool counts = m_design.lineRule == LineRule::Count;
    const QString quantityCaption = counts ? QStringLiteral("盘后数量") : QStringLiteral("数量");
    if (counts)
        TextQty1 = box(this, "TextQty1", ZeroMoney);
    TextQty = box(this, counts ? "TextQty2" : "TextQty", m_design.startQuantity);
    TextPrice = box(this, "TextPrice", ZeroMoney);
    m_lookup = new GoodsLookupList(this, m_design.lookup, TextName, [this] { LoadGoods(); });
    // The boxes a code is scanned or typed into show it whole.
    FormParts::fitBarcode(m_lookup->filterBox());
    if (QLineEdit* barcode = m_lookup->barcodeBox())
        FormParts::fitBarcode(barcode);
    // The search options sit above the boxes, so that the code boxes keep
    // their width on a 1024-pixel screen.
    auto* options = new QHBoxLayout;
    if (m_design.quickEntry) {
        Check1 = named(new QCheckBox(QStringLiteral("快速录入模式"), this), QStringLiteral("Check1"));
        connect(Check1, &QCheckBox::clicked, this, &SlipEntryForm::Check1_Click);
        options->addWidget(Check1);
    }
    for (QRadioButton* option : m_lookup->options())
        options->addWidget(option);
    options->addStretch();
    auto* entry = new QHBoxLayout;
    if (QLineEdit* barcode = m_lookup->barcodeBox()) {
        entry->addWidget(label(this, {}, QStringLiteral("[条码]")));
        entry->addWidget(barcode, 1);
    }
    entry->addWidget(label(this, {}, m_design.lookup.filterCaption));
    entry->addWidget(m_lookup->filterBox(), 1);
    entry->addWidget(TextName);
    if (TextQty1) {
        entry->addWidget(label(this, {}, QStringLiteral("[盘前数量]")));
        entry->addWidget(TextQty1);
    }
    entry->addWidget(label(this, {}, bracketed(quantityCaption)));
    entry->addWidget(TextQty);
    entry->addWidget(label(this, {}, bracketed(PriceCaption)));
    entry->addWidget(TextPrice);

    // The costs are the administrator's to see.
    const bool seesCosts = appState().isAdministrator();
    auto addCost = [&](QHBoxLayout* row, const char* name, const QString& caption) {
        QLineEdit* cost = box(this, name, ZeroMoney);
        QLabel* costLabel = label(this, {}, caption);
        row->addWidget(costLabel);
        row->addWidget(cost);
        costLabel->setVisible(seesCosts);
        cost->setVisible(seesCosts);
        return cost;
    };
    if (m_design.costs)
        TextPrice2 = addCost(entry, "TextPrice2", QStringLiteral("[单位成本]"));

    m_lines = new SlipLinesModel(m_design.lineColumns, m_design.lineRule, this);
    ListView1 = new RecordView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(m_lines);
    QList<int> widths;
    for (const LineColumn& column : m_design.lineColumns) {
        const bool cost = column.field == LineField::UnitCost || column.field == LineField::CostAmount
                          || column.field == LineField::Profit;
        widths << (cost && !seesCosts ? 0 : column.widthTwips);
    }
    SetUpRecordView(ListView1, widths);
    FitColumnsEachChange(ListView1);

    TextQtys = box(this, "TextQtys", ZeroMoney);
    TextMoneys = box(this, "TextMoneys", ZeroMoney);
    auto* totals = new QHBoxLayout;
    totals->addWidget(label(this, {}, QStringLiteral("[合计数量]")));
    totals->addWidget(TextQtys);
    totals->addWidget(label(this, {}, QStringLiteral("[合计金额]")));
    totals->addWidget(TextMoneys);
    QList<QLineEdit*> shownOnly{TextQtys, TextMoneys};
    if (TextQty1)
        shownOnly << TextQty1;
    if (m_design.costs) {
        TextMoneys2 = addCost(totals, "TextMoneys2", QStringLiteral("[合计成本]"));
        TextMoneys3 = addCost(totals, "TextMoneys3", QStringLiteral("[合计利润]"));
        shownOnly << TextPrice2 << TextMoneys2 << TextMoneys3;
    }
    totals->addStretch();
    // The payment has a row of its own: beside the totals its figure boxes
    // would pass a 1024-pixel screen.
    auto* payment = new QHBoxLayout;
    if (hasPayment()) {
        Text3 = box(this, "Text3", ZeroMoney);
        Text4 = box(this, "Text4", ZeroMoney);
        lblDedt = label(this, m_design.payment.differenceName, QStringLiteral("[现金差额]"));
        payment->addWidget(label(this, m_design.payment.cashName, bracketed(CashCaption)));
        payment->addWidget(Text3);
        payment->addWidget(lblDedt);
        payment->addWidget(Text4);
        payment->addStretch();
        shownOnly << Text4;
        connect(Text3, &QLineEdit::textChanged, this, &SlipEntryForm::Text3_Change);
        onEnter(Text3, [this] { Text3_KeyDown(); });
    }
    // The program fills these; the totals are the sums of the lines.
    for (QLineEdit* shown : shownOnly)
        shown->setReadOnly(true);
    // A total, and the cash that takes it, shows the largest figure whole.
    for (QLineEdit* figure : {TextQtys, TextMoneys, Text3, Text4, TextMoneys2, TextMoneys3}) {
        if (figure)
            FormParts::fitWidestFigure(figure);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(label(this, QStringLiteral("Label10"), QStringLiteral("F6：输入商品")));
    if (!m_design.inputDialog.isEmpty()) {
        buttons->addWidget(label(this, m_design.quantityHint, QStringLiteral("F7：修改数量")));
        buttons->addWidget(label(this, QStringLiteral("lblF8"), QStringLiteral("F8：修改进价")));
    }
    buttons->addStretch();
    QList<QPushButton*> pushButtons;
    if (ComEnd)
        pushButtons << ComEnd;
    if (hasPayment()) {
        auto* cmdMoney = button(this, QStringLiteral("cmdMoney"), QStringLiteral("付款填写 F5"));
        connect(cmdMoney, &QPushButton::clicked, this, &SlipEntryForm::cmdMoney_Click);
        buttons->addWidget(cmdMoney);
        pushButtons << cmdMoney;
    }
    ComPD = button(this, QStringLiteral("ComPD"), QStringLiteral("确认单据 PageDown"));
    auto* ComDel = button(this, QStringLiteral("ComDel"), QStringLiteral("删除 F4"));
    auto* ComRtn = button(this, QStringLiteral("ComRtn"), QStringLiteral("返回 ESC"));
    connect(ComPD, &QPushButton::clicked, this, &SlipEntryForm::ComPD_Click);
    connect(ComDel, &QPushButton::clicked, this, &SlipEntryForm::ComDel_Click);
    connect(ComRtn, &QPushButton::clicked, this, &SlipEntryForm::ComRtn_Click);
    for (QPushButton* b : {ComPD, ComDel, ComRtn}) {
        buttons->addWidget(b);
        pushButtons << b;
    }
    // Enter presses the focused button, as a click does.
    for (QPushButton* b : std::as_const(pushButtons))
        onEnter(b, [b] { b->click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addLayout(options);
    layout->addLayout(entry);
    layout->addWidget(m_lookup->list(), 2);
    layout->addWidget(ListView1, 3);
    layout->addLayout(totals);
    layout->addLayout(payment);
    layout->addLayout(buttons);

    if (TextDiscount && m_design.wholeDiscount)
        connect(TextDiscount, &QLineEdit::textChanged, this, &SlipEntryForm::TextDiscount_Change);
    onEnter(TextName, [this] { LoadGoods(); });
    onEnter(TextQty, [this] { TextQty_KeyDown(); });
    onKey(TextPrice, [this](QKeyEvent* event) { return TextPrice_KeyDown(event); });
    connect(TextQty, &QLineEdit::textChanged, this, &SlipEntryForm::TextQty_Change);

    m_highlight = new FocusHighlight(this);
    for (QLineEdit* plain : {TextDiscount, TextProvider, TextName}) {
        if (plain)
            m_highlight->watch(plain, FocusHighlight::Role::Plain);
    }
    m_highlight->watch(TextQty, FocusHighlight::Role::Number, quantityCaption);
    m_highlight->watch(TextPrice, FocusHighlight::Role::Number, PriceCaption);
    if (Text3)
        m_highlight->watch(Text3, FocusHighlight::Role::Cash, CashCaption);
}

void SlipEntryForm::Form_Load()
{
    // Only the administrator dates a slip other than today.
    DTPicker0->setEnabled(appState().isAdministrator());
    NextSlipNumber();
    DTPicker0->setDate(Clock::now().date());
    m_lookup->refill();
    m_lookup->restoreOption();
    if (Check1) {
        // Only a saved 0 or 1 sets the box.
        bool whole = false;
        const int saved = mdlINI::ReadIni(QStringLiteral("check1"), QStringLiteral("name")).trimmed().toInt(&whole);
        if (whole && (saved == 0 || saved == 1))
            Check1->setChecked(saved == 1);
    }
}

void SlipEntryForm::Check1_Click()
{
    mdlINI::WriteIni(QStringLiteral("check1"), QStringLiteral("name"),
                     Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void SlipEntryForm::NextSlipNumber()
{
    auto number = Database::read([this](DbSession& s) { return ::NextSlipNumber(s, slipDesign()); });
    if (number)
        Textid->setText(*number);
    TextOperator->setText(appState().currentOperator);
}

void SlipEntryForm::onKey(QWidget* widget, std::function<bool(QKeyEvent*)> handler)
{
    m_keyHandlers.emplace(widget, std::move(handler));
    widget->installEventFilter(this);
}

void SlipEntryForm::onEnter(QWidget* control, std::function<void()> action)
{
    onKey(control, [action = std::move(action)](QKeyEvent* event) {
        if (!isEnter(event))
            return false;
        action();
        return true;
    });
}

bool SlipEntryForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto handler = m_keyHandlers.constFind(watched);
    return handler != m_keyHandlers.constEnd() && (*handler)(static_cast<QKeyEvent*>(event));
}

void SlipEntryForm::prompt(const QString& text, QWidget* focus)
{
    MessageBox::show(this, text, MessageBox::NoticeTitle);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

void SlipEntryForm::chainEnter(const QList<EnterStep>& steps)
{
    for (qsizetype i = 0; i < steps.size(); ++i) {
        QLineEdit* box = steps[i].box;
        QLineEdit* next = i + 1 < steps.size() ? steps[i + 1].box : nullptr;
        onEnter(box, [this, box, next, refusal = steps[i].emptyMessage] {
            if (box->text().isEmpty() && !refusal.isEmpty())
                prompt(refusal, box);
            else
                (next ? next : m_lookup->goodsInput())->setFocus(Qt::OtherFocusReason);
        });
    }
}

void SlipEntryForm::TextDiscount_Change()
{
    const QString whole = Module2::FormatInt(TextDiscount->text());
    if (whole != TextDiscount->text())
        TextDiscount->setText(whole);
}

Amount SlipEntryForm::discount() const { return TextDiscount ? valueOf(TextDiscount) : Amount::whole(100); }

void SlipEntryForm::TextQty_KeyDown()
{
    if (TextQty->text() == ZeroMoney)
        prompt(QStringLiteral("请填上数量。"), TextQty);
    else
        TextPrice->setFocus(Qt::OtherFocusReason);
}

bool SlipEntryForm::TextPrice_KeyDown(QKeyEvent* event)
{
    if (isModifierOrTab(event->key()))
        return false;
    if (TextDiscount && m_design.priceNeedsDiscount && TextDiscount->text() == QStringLiteral("0")) {
        MessageBox::show(this, QStringLiteral("请填上折扣。"), MessageBox::NoticeTitle);
        return true;
    }
    if (!isEnter(event))
        return false;
    if (TextPrice->text() == ZeroMoney)
        MessageBox::show(this, QStringLiteral("请填上单价。"), MessageBox::NoticeTitle);
    else
        enterLine();
    return true;
}

void SlipEntryForm::TextQty_Change()
{
    // Only the quantity of a goods being entered is checked, not the reset after a line.
    if (m_design.overStockMessage.isEmpty() || TextName->text().isEmpty())
        return;
    if (valueOf(TextQty) + m_lines->quantityOf(TextName->text()) <= m_loadedStock)
        return;
    MessageBox::show(this, m_design.overStockMessage.arg(m_loadedStock.toMoneyText()), MessageBox::NoticeTitle);
    if (m_design.overStockResetsQuantity)
        TextQty->setText(m_design.startQuantity);
}

void SlipEntryForm::LoadGoods()
{
    const QString code = TextName->text();
    if (code.isEmpty())
        return;
    auto load = Database::read([&](DbSession& s) { return ::LoadGoods(s, code, slipDesign().newLinePrice); });
    // What was read before is no goods to enter a line for, whatever this read gives.
    m_held.reset();
    if (!load) {
        MessageBox::show(this, load.error().text());
        return;
    }
    m_held = load->goods;
    if (!m_held) {
        MessageBox::show(this, m_design.unknownGoodsMessage, MessageBox::NoticeTitle);
        if (m_design.unknownGoodsEndsPick)
            return;
        TextPrice->setText(QStringLiteral("0"));
    } else {
        TextPrice->setText(m_held->price);
        TextName->setText(m_held->code);
        // A goods without a stock row has no cost yet.
        if (TextPrice2)
            TextPrice2->setText(load->stock ? load->stock->averageCost.toMoneyText() : ZeroMoney);
    }
    const Amount stock = load->stock ? load->stock->quantity : Amount();
    if (TextQty1)
        TextQty1->setText(stock.toMoneyText());
    if (!m_design.noStockMessage.isEmpty()) {
        m_loadedStock = stock;
        if (m_loadedStock.toMoneyText() == ZeroMoney) {
            refuseGoods();
            return;
        }
    }
    if (m_held && Check1 && Check1->isChecked())
        enterLine(true);
    else
        TextQty->setFocus(Qt::OtherFocusReason);
}

void SlipEntryForm::refuseGoods()
{
    MessageBox::show(this, m_design.noStockMessage, m_design.noStockTitle);
    m_lookup->filterBox()->setFocus(Qt::OtherFocusReason);
    TextName->clear();
    m_held.reset();
    TextQty->setText(m_design.startQuantity);
    TextPrice->setText(ZeroMoney);
}

void SlipEntryForm::enterLine(bool quick)
{
    // Without a goods loaded there is nothing to enter.
    if (!m_held)
        return;
    // Enter in the price box adds the line before either box is left.
    if (BoxLimit::refuses(TextQty) || BoxLimit::refuses(TextPrice))
        return;
    const Amount quantity = valueOf(TextQty);
    const Amount added = LineAmount(quantity, valueOf(TextPrice), discount());
    const Amount unitCost = TextPrice2 ? valueOf(TextPrice2) : Amount();
    const Amount cost = LineCost(quantity, unitCost);
    // Merged into the first line of the goods at the same price text, once.
    if (const int row = m_lines->find(m_held->code, TextPrice->text()); row >= 0) {
        EntryLine line = m_lines->line(row);
        const Amount merged = line.values.quantity + quantity;
        line.quantityText = merged.toMoneyText();
        line.values.amount += added;
        line.values.costAmount += cost;
        if (merged.isOutOfRange() || !m_lines->holds(line, row)) {
            BoxLimit::refuseComputed(TextPrice);
            return;
        }
        m_lines->change(row, line);
    } else {
        SlipLine values;
        values.goodsCode = m_held->code;
        values.goodsName = m_held->name;
        values.size = m_held->size;
        values.unit = m_held->unit;
        values.category = m_held->category;
        values.upperLimit = Amount::fromText(m_held->upperLimit);
        values.lowerLimit = Amount::fromText(m_held->lowerLimit);
        values.amount = added;
        values.unitCost = unitCost;
        values.costAmount = cost;
        if (TextQty1)
            values.bookQuantity = valueOf(TextQty1);
        const EntryLine line{values, TextQty->text(), TextPrice->text()};
        if (!m_lines->holds(line, -1)) {
            BoxLimit::refuseComputed(TextPrice);
            return;
        }
        m_lines->add(line);
    }
    showTotals();
    payInFull();
    m_lookup->filterBox()->clear();
    if (quick && m_lookup->barcodeBox())
        m_lookup->barcodeBox()->clear();
    if (TextPrice2)
        TextPrice2->setText(ZeroMoney);
    TextName->clear();
    if (TextQty1)
        TextQty1->setText(ZeroMoney);
    TextQty->setText(m_design.startQuantity);
    TextPrice->setText(ZeroMoney);
    if (m_design.lineDashesRemark)
        TextBZ->setText(QStringLiteral("-"));
    m_lookup->goodsInput()->setFocus(Qt::OtherFocusReason);
}

void SlipEntryForm::showTotals()
{
    SlipHeader totals;
    m_lines->fillTotals(totals);
    TextQtys->setText(totals.totalQuantity.toMoneyText());
    TextMoneys->setText(totals.totalAmount.toMoneyText());
    if (TextMoneys2) {
        TextMoneys2->setText(totals.totalCost.toMoneyText());
        TextMoneys3->setText(totals.totalProfit.toMoneyText());
    }
}

void SlipEntryForm::payInFull()
{
    if (!Text3)
        return;
    // A line deleted, or the slip emptied, can leave the cash box holding the
    // text it had, which changes nothing by itself; the difference follows
    // the new total all the same.
    if (Text3->text() == TextMoneys->text())
        Text3_Change();
    else
        Text3->setText(TextMoneys->text());
}

void SlipEntryForm::changeQuantity() { changeLine(true); }
void SlipEntryForm::changePrice() { changeLine(false); }

void SlipEntryForm::changeLine(bool quantity)
{
    if (m_lines->isEmpty())
        return;
    const std::optional<Amount> value = quantity ? InputDialog::askNumber(this, m_design.inputDialog, QStringLiteral("修改数量"),
                                                                          QStringLiteral("请输入数量："), QStringLiteral("数量"))
                                                 : InputDialog::askNumber(this, m_design.inputDialog, QStringLiteral("修改单价"),
                                                                          QStringLiteral("请输入单价："), PriceCaption);
    const int row = selectedLine();
    // Cancelled, closed or 0: the line stays as it is.
    if (!value || row < 0)
        return;
    EntryLine line = m_lines->line(row);
    (quantity ? line.quantityText : line.priceText) = value->toMoneyText();
    // The line's amount without the slip's discount.
    line.values.amount = Amount::product(quantity ? *value : line.values.quantity, quantity ? line.values.price : *value, 2);
    if (!m_lines->holds(line, row)) {
        BoxLimit::refuseComputed(ListView1);
        return;
    }
    m_lines->change(row, line);
    showTotals();
}

void SlipEntryForm::Text3_Change()
{
    Text4->setText((valueOf(Text3) - valueOf(TextMoneys)).toMoneyText());
    const Amount difference = valueOf(Text4);
    if (difference.isZero()) {
        lblDedt->setText(m_design.payment.settled);
        setTextColour(Text4, Qt::black);
    } else if (difference < Amount()) {
        lblDedt->setText(m_design.payment.shortfall);
        setTextColour(Text4, QColor(255, 0, 0));
    } else {
        lblDedt->setText(m_design.payment.surplus);
        setTextColour(Text4, QColor(0, 0, 255));
    }
}

void SlipEntryForm::Text3_KeyDown()
{
    if (BoxLimit::refuses(Text3))
        return;
    const bool shortOfTotal = valueOf(TextMoneys) > valueOf(Text3);
    if (shortOfTotal
        && MessageBox::show(this, QStringLiteral("付款金额小于实付金额, 是否允许欠款？"), MessageBox::NoticeTitle,
                            QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No)
               != QMessageBox::Yes) {
        Text3->setFocus(Qt::OtherFocusReason);
        return;
    }
    Text4->setText((valueOf(Text3) - valueOf(TextMoneys)).toMoneyText());
    ComPD->setFocus(Qt::OtherFocusReason);
}

void SlipEntryForm::cmdMoney_Click() { Text3->setFocus(Qt::OtherFocusReason); }

void SlipEntryForm::FocusGoodsInput() { m_lookup->filterBox()->setFocus(Qt::OtherFocusReason); }

int SlipEntryForm::selectedLine() const
{
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void SlipEntryForm::ComDel_Click()
{
    const int row = selectedLine();
    if (row >= 0
        && MessageBox::show(this, QStringLiteral("确认要删除该记录吗？"), MessageBox::NoticeTitle, QMessageBox::Information,
                            QMessageBox::Yes | QMessageBox::No)
               == QMessageBox::Yes) {
        m_lines->remove(row);
        showTotals();
    }
    // Deleted or not, the cash paid is the total again.
    payInFull();
}

void SlipEntryForm::ComRtn_Click()
{
    if (!m_lines->isEmpty()
        && MessageBox::show(this, QStringLiteral("还没保存，要退出吗？"), MessageBox::NoticeTitle, QMessageBox::NoIcon,
                            QMessageBox::Yes | QMessageBox::No)
               != QMessageBox::Yes)
        return;
    appState().slipMode.clear();
    Module2::UnloadForm(this);
}

void SlipEntryForm::closeEvent(QCloseEvent* event)
{
    // Form_Unload: the next form opened is an ordinary one unless the main window says otherwise.
    appState().slipMode.clear();
    QWidget::closeEvent(event);
}

void SlipEntryForm::ComPD_Click()
{
    for (QLineEdit* named : dashedBoxes()) {
        if (named->text().isEmpty())
            named->setText(QStringLiteral("-"));
    }
    if (TextDiscount && TextDiscount->text() == QStringLiteral("0")) {
        prompt(QStringLiteral("请填上折扣。"), TextDiscount);
        return;
    }
    if (hasPayment()) {
        if (BoxLimit::refuses(Text3))
            return;
        if ((valueOf(Text3) - valueOf(TextMoneys)).isOutOfRange()) {
            BoxLimit::refuseComputed(Text3);
            return;
        }
        const Amount cash = valueOf(Text3);
        const Amount difference = valueOf(Text4);
        if ((cash.isZero() && difference.isZero()) || difference.toMoneyText() != (cash - valueOf(TextMoneys)).toMoneyText()) {
            prompt(QStringLiteral("请先确认金额。 "), Text3);
            return;
        }
    }
    if (m_lines->isEmpty())
        return;
    if (MessageBox::show(this, m_design.saveQuestion, MessageBox::NoticeTitle, QMessageBox::NoIcon,
                         QMessageBox::Ok | QMessageBox::Cancel)
            == QMessageBox::Ok
        && !saveSlip())
        return;
    m_lookup->refill();
    m_lookup->goodsInput()->setFocus(Qt::OtherFocusReason);
}

bool SlipEntryForm::saveSlip()
{
    SlipHeader header;
    header.number = Textid->text();
    header.date = DTPicker0->date();
    header.time = Clock::now().time();
    header.operatorName = appState().currentOperator;
    if (TextProvider)
        header.partner = TextProvider->text();
    header.remark = TextBZ->text();
    header.discount = discount();
    m_lines->fillTotals(header);
    if (Text4)
        header.difference = valueOf(Text4);
    fillHeader(header);

    std::optional<DbResult<QString>> next;
    // Another running copy may have saved a slip under this number since the
    // form took it: the slip then takes the next free one and keeps its lines.
    bool numberTaken = false;
    const SlipOutcome outcome = writeSlip([&](DbSession& s) {
        SlipOutcome saved = SaveSlip(s, slipDesign(), header, m_lines->slipLines());
        if (!saved && saved.state() == SlipOutcome::State::Refused) {
            const DbResult<bool> held = SlipBook::numberHeld(s, slipDesign(), header.number);
            numberTaken = held && *held;
        }
        if (saved || numberTaken)
            next.emplace(::NextSlipNumber(s, slipDesign()));
        return saved;
    });
    if (numberTaken && *next) {
        Textid->setText(**next);
        MessageBox::show(this, QStringLiteral("单号已被占用，已改为 ") + **next + QStringLiteral("，请再次保存。"),
                         MessageBox::NoticeTitle);
        return false;
    }
    if (!showOutcome(this, outcome, AnswerTitle::Notice))
        return false;
    // Saved: the form starts the next slip even when its number cannot be
    // read, and an empty number is never saved.
    clearSlip();
    Textid->setText(*next ? **next : QString());
    TextOperator->setText(appState().currentOperator);
    if (!*next)
        MessageBox::show(this, next->error().text());
    return true;
}

QList<QLineEdit*> SlipEntryForm::dashedBoxes() const
{
    if (TextProvider)
        return {TextBZ, TextProvider};
    return {TextBZ};
}

void SlipEntryForm::fillHeader(SlipHeader&) const {}

void SlipEntryForm::clearHeader()
{
    if (TextProvider)
        TextProvider->clear();
    TextBZ->clear();
}

void SlipEntryForm::clearSlip()
{
    clearHeader();
    m_lines->clear();
    showTotals();
    payInFull();
}
