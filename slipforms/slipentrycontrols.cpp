#include "slipentryform.h"
#include "appstate.h"
#include "focushighlight.h"
#include "formparts.h"
#include "moneybox.h"
#include "recordgrid.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

// The slip-entry form's controls, their layout, and the wiring of their keys,
// changes and focus.

using FormParts::button;
using FormParts::label;
using FormParts::named;

namespace {
const QString CashCaption = QStringLiteral("现金支付");

QString bracketed(const QString& caption) { return QLatin1Char('[') + caption + QLatin1Char(']'); }

QLineEdit* box(QWidget* form, const char* name, const QString& text = {})
{
    return named(new QLineEdit(text, form), QString::fromLatin1(name));
}

// The widgets of a layout in reading order: a grid row by row, left to right,
// a nested layout where it stands.
void collectWidgets(QLayout* layout, QList<QWidget*>& widgets)
{
    QList<std::pair<QPoint, QLayoutItem*>> items;
    auto* grid = qobject_cast<QGridLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        QPoint place(i, 0);
        if (grid) {
            int row = 0;
            int column = 0;
            int rows = 0;
            int columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            place = QPoint(row, column);
        }
        items.append({place, layout->itemAt(i)});
    }
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.x(), a.first.y()) < std::pair(b.first.x(), b.first.y());
    });
    for (const auto& [place, item] : items) {
        if (QWidget* widget = item->widget())
            widgets << widget;
        else if (QLayout* nested = item->layout())
            collectWidgets(nested, widgets);
    }
}

// A box only the program fills: no Tab stop, though a click may still select its text.
bool showsOnly(const QWidget* widget)
{
    const auto* box = qobject_cast<const QLineEdit*>(widget);
    return box && box->isReadOnly();
}

}

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
    const bool counts = slipDesign().lineRule == LineRule::Count;
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

    m_lines = new SlipLinesModel(m_design.lineColumns, slipDesign().lineRule, this);
    auto* lineList = new RecordView(this);
    ListView1 = lineList;
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(m_lines);
    QList<int> widths;
    for (const LineColumn& column : m_design.lineColumns) {
        const bool cost = column.field == LineField::UnitCost || column.field == LineField::CostAmount
                          || column.field == LineField::Profit;
        widths << (cost && !seesCosts ? 0 : column.widthTwips);
    }
    SetUpRecordView(ListView1, widths);
    FitColumnsEachChange(lineList);

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
    if (hasPayment()) {
        auto* cmdMoney = button(this, QStringLiteral("cmdMoney"), QStringLiteral("付款填写 F5"));
        connect(cmdMoney, &QPushButton::clicked, this, &SlipEntryForm::cmdMoney_Click);
        buttons->addWidget(cmdMoney);
        m_buttons << cmdMoney;
    }
    ComPD = button(this, QStringLiteral("ComPD"), QStringLiteral("确认单据 PageDown"));
    auto* ComDel = button(this, QStringLiteral("ComDel"), QStringLiteral("删除 F4"));
    auto* ComRtn = button(this, QStringLiteral("ComRtn"), QStringLiteral("返回 ESC"));
    connect(ComPD, &QPushButton::clicked, this, &SlipEntryForm::ComPD_Click);
    connect(ComDel, &QPushButton::clicked, this, &SlipEntryForm::ComDel_Click);
    connect(ComRtn, &QPushButton::clicked, this, &SlipEntryForm::ComRtn_Click);
    for (QPushButton* b : {ComPD, ComDel, ComRtn}) {
        buttons->addWidget(b);
        m_buttons << b;
    }
    // Enter presses the focused button, as a click does.
    for (QPushButton* b : m_buttons + QList<QPushButton*>{ComEnd}) {
        if (b)
            onEnter(b, [b] { b->click(); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addLayout(options);
    layout->addLayout(entry);
    layout->addWidget(m_lookup->list(), 2);
    layout->addWidget(ListView1, 3);
    layout->addLayout(totals);
    layout->addLayout(payment);
    layout->addLayout(buttons);

    onEnter(TextName, [this] { LoadGoods(); });
    onEnter(TextQty, [this] { TextQty_KeyDown(); });
    onKey(TextPrice, [this](QKeyEvent* event) { return TextPrice_KeyDown(event); });
    connect(TextQty, &QLineEdit::textChanged, this, &SlipEntryForm::TextQty_Change);

    m_highlight = new FocusHighlight(this);
    for (QLineEdit* plain : {TextProvider, TextName}) {
        if (plain)
            m_highlight->watch(plain, FocusHighlight::Role::Plain);
    }
    // A whole discount shows the whole number it feeds once left; else it
    // stands as typed.
    if (TextDiscount)
        m_highlight->watch(TextDiscount, FocusHighlight::Role::Plain,
                           MoneyBox::Design{.caption = QStringLiteral("折扣"),
                                            .shape = slipDesign().wholeDiscount ? MoneyBox::Shape::Whole
                                                                                : MoneyBox::Shape::AsTyped,
                                            .select = MoneyBox::Select::Nothing});
    m_highlight->watch(TextQty, FocusHighlight::Role::Number, MoneyBox::Design{.caption = quantityCaption});
    m_highlight->watch(TextPrice, FocusHighlight::Role::Number, MoneyBox::Design{.caption = PriceCaption});
    // The cash paid is a payment: the books' limit holds it, as the total it is filled with.
    if (Text3)
        m_highlight->watch(Text3, FocusHighlight::Role::Cash,
                           MoneyBox::Design{.caption = CashCaption, .limit = Amount::bookLimit()});
}

void SlipEntryForm::orderTabs()
{
    // The header's Enter chain, and the goods boxes, quantity and price as
    // Enter walks them; the header's other boxes before them in reading
    // order; then the rest as it reads from the entry row down, the options
    // and the header's picker buttons first.
    QList<QWidget*> header;
    collectWidgets(m_headerGrid, header);
    QList<QWidget*> chain;
    QList<QWidget*> pickers;
    for (QWidget* widget : std::as_const(header)) {
        if (qobject_cast<QPushButton*>(widget))
            pickers << widget;
        else if (!m_enterChain.contains(widget) && !showsOnly(widget) && widget->focusPolicy() != Qt::NoFocus)
            chain << widget;
    }
    chain << m_enterChain << m_lookup->barcodeBox() << m_lookup->filterBox() << TextName << TextQty << TextPrice << Check1;
    for (QRadioButton* option : m_lookup->options())
        chain << option;
    chain << pickers << m_lookup->list() << ListView1 << Text3;
    for (QPushButton* b : std::as_const(m_buttons))
        chain << b;
    chain.removeAll(nullptr);
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        if (showsOnly(box))
            box->setFocusPolicy(Qt::ClickFocus);
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}
