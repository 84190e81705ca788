#include "slipentryform.h"
#include "appstate.h"
#include "childactivation.h"
#include "clock.h"
#include "inputdialog.h"
#include "messagebox.h"
#include "mdlini.h"
#include "module2.h"
#include "moneybox.h"
#include "outcomemessage.h"
#include "slipnumber.h"
#include "slipbook.h"
#include "slipsave.h"
#include "slipwrite.h"
#include "unloadform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeView>

namespace {
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

void SlipEntryForm::showEvent(QShowEvent* event)
{
    if (!std::exchange(m_tabsOrdered, true))
        orderTabs();
    QWidget::showEvent(event);
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
    m_enterChain.clear();
    for (const EnterStep& step : steps)
        m_enterChain << step.box;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        QLineEdit* box = steps[i].box;
        QLineEdit* next = i + 1 < steps.size() ? steps[i + 1].box : nullptr;
        onEnter(box, [this, box, next, refusal = steps[i].emptyMessage] {
            if (refusesFigure(box))
                return;
            if (box->text().isEmpty() && !refusal.isEmpty())
                prompt(refusal, box);
            else
                (next ? next : m_lookup->goodsInput())->setFocus(Qt::OtherFocusReason);
        });
    }
}

bool SlipEntryForm::refusesFigure(QLineEdit* box)
{
    MoneyBox* money = box ? MoneyBox::of(box) : nullptr;
    return money && money->refuses();
}

// The figure the discount box feeds (a whole discount: its whole number);
// one past the limit is refused before any use.
Amount SlipEntryForm::discount() const
{
    return TextDiscount ? MoneyBox::of(TextDiscount)->value().value_or(Amount::outOfRange()) : Amount::whole(100);
}

bool SlipEntryForm::discountIsZero() const { return TextDiscount && discount().isZero(); }

void SlipEntryForm::TextQty_KeyDown()
{
    if (refusesFigure(TextQty))
        return;
    if (TextQty->text() == ZeroMoney)
        prompt(QStringLiteral("请填上数量。"), TextQty);
    else
        TextPrice->setFocus(Qt::OtherFocusReason);
}

bool SlipEntryForm::TextPrice_KeyDown(QKeyEvent* event)
{
    if (isModifierOrTab(event->key()))
        return false;
    if (m_design.priceNeedsDiscount && discountIsZero()) {
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
    if (refusesFigure(TextDiscount) || refusesFigure(TextQty) || refusesFigure(TextPrice))
        return;
    SlipLine entered;
    entered.quantity = valueOf(TextQty);
    entered.price = valueOf(TextPrice);
    if (TextPrice2)
        entered.unitCost = valueOf(TextPrice2);
    if (TextQty1)
        entered.bookQuantity = valueOf(TextQty1);
    const LineFigures added = LineFiguresOf(slipDesign().lineRule, entered, discount());
    // Merged into the first line of the goods at the same price text, once.
    if (const int row = m_lines->find(m_held->code, TextPrice->text()); row >= 0) {
        EntryLine line = m_lines->line(row);
        const Amount merged = line.values.quantity + entered.quantity;
        line.quantityText = merged.toMoneyText();
        line.values.amount += added.amount;
        line.values.costAmount += added.cost;
        if (merged.isOutOfRange() || !m_lines->holds(line, row)) {
            MoneyBox::refuseComputed(TextPrice);
            return;
        }
        m_lines->change(row, line);
    } else {
        SlipLine values = entered;
        values.goodsCode = m_held->code;
        values.goodsName = m_held->name;
        values.size = m_held->size;
        values.unit = m_held->unit;
        values.category = m_held->category;
        values.upperLimit = Amount::fromText(m_held->upperLimit);
        values.lowerLimit = Amount::fromText(m_held->lowerLimit);
        values.amount = added.amount;
        values.costAmount = added.cost;
        const EntryLine line{values, TextQty->text(), TextPrice->text()};
        if (!m_lines->holds(line, -1)) {
            MoneyBox::refuseComputed(TextPrice);
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
    (quantity ? line.values.quantity : line.values.price) = *value;
    // The line's amount without the slip's discount.
    line.values.amount = LineFiguresOf(slipDesign().lineRule, line.values).amount;
    if (!m_lines->holds(line, row)) {
        MoneyBox::refuseComputed(ListView1);
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
    if (refusesFigure(Text3))
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
    if (discountIsZero()) {
        prompt(QStringLiteral("请填上折扣。"), TextDiscount);
        return;
    }
    if (refusesFigure(TextDiscount))
        return;
    if (hasPayment()) {
        if (refusesFigure(Text3))
            return;
        if ((valueOf(Text3) - valueOf(TextMoneys)).isOutOfRange()) {
            MoneyBox::refuseComputed(Text3);
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
