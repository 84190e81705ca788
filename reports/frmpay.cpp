#include "frmpay.h"
#include "appstate.h"
#include "clock.h"
#include "dbsession.h"
#include "dialogrules.h"
#include "expensebook.h"
#include "formparts.h"
#include "keypreview.h"
#include "messagebox.h"
#include "moneybox.h"
#include "module2.h"
#include "outcomemessage.h"
#include "recordgrid.h"
#include "slipwrite.h"
#include "unloadform.h"

#include <QDateEdit>
#include <QHash>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>

using FormParts::button;
using FormParts::label;
using FormParts::named;

namespace {

// The list shows the table's columns under their names, after a narrow
// selector column; amounts as money.
QList<ListColumn> listColumns()
{
    QList<ListColumn> columns{{.widthTwips = 20}, textColumn("单号", 1800), textColumn("日期", 1100), textColumn("操作员", 930)};
    const int widths[] = {1000, 1000, 1000, 1000, 1100, 1000, 1000, 1200};
    for (int i = 0; const QString& column : ExpenseBook::amountColumns())
        columns << figureColumn(column, widths[i++]);
    columns << textColumn(ExpenseBook::DescriptionColumn, 2200);
    return columns;
}

bool ask(QWidget* form, const QString& question)
{
    return MessageBox::askYesNo(form, question, MessageBox::NoticeTitle, QMessageBox::Information);
}
}

frmpay::frmpay(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmpay"));
    setWindowTitle(QStringLiteral("日常支出"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    KeyPreview::install(this, {{Qt::Key_PageDown, [this] { ComPD_Click(); }},
                               // Only while their buttons are enabled: the administrator's.
                               {Qt::Key_F4,
                                [this] {
                                    if (ComDel->isEnabled())
                                        ComDel_Click();
                                }},
                               {Qt::Key_F5,
                                [this] {
                                    if (ComAlter->isEnabled())
                                        ComAlter_Click();
                                }},
                               {Qt::Key_F6, [this] { ComClear_Click(); }},
                               {Qt::Key_Escape, [this] { ComRtn_Click(); }}});
    // Enter on a focused button presses it.
    DialogKeyFilter::install(this);
    Form_Load();
}

void frmpay::buildControls()
{
    const auto box = [this](const char* name) { return named(new QLineEdit(this), QString::fromLatin1(name)); };
    Textid = box("Textid");
    TextOperator = box("TextOperator");
    TextOperator->setReadOnly(true);
    DTPicker0 = FormParts::datePicker(this, QStringLiteral("DTPicker0"));
    auto* top = new QHBoxLayout;
    top->addWidget(label(this, {}, QStringLiteral("[单据号]")));
    top->addWidget(Textid);
    top->addWidget(label(this, {}, QStringLiteral("[操作员]")));
    top->addWidget(TextOperator);
    top->addWidget(label(this, {}, QStringLiteral("[日  期]")));
    top->addWidget(DTPicker0);
    top->addStretch();

    LabelTips = label(this, QStringLiteral("LabelTips"), QStringLiteral("点击列表中的项目即可进行修改"));
    MSHFlexGrid1 = named(new RecordGrid(listColumns(), this), QStringLiteral("MSHFlexGrid1"));
    // The selector column is narrower than a header section would be by
    // itself: as wide as its empty cells' margins. Each fill fits every
    // column to its header and what it lists; the window opens as wide as
    // that, within the screen.
    MSHFlexGrid1->header()->setMinimumSectionSize(1);
    MSHFlexGrid1->fitEachFill();
    MSHFlexGrid1->setMinimumHeight(FormParts::pixels(4000));
    connect(MSHFlexGrid1, &QAbstractItemView::clicked, this, &frmpay::MSHFlexGrid1_Click);

    Text4 = box("Text4");
    Text5 = box("Text5");
    Text6 = box("Text6");
    Text7 = box("Text7");
    Text8 = box("Text8");
    Text9 = box("Text9");
    Text10 = box("Text10");
    Text11 = box("Text11");
    TextMoneys = FormParts::figureBox(this, QStringLiteral("TextMoneys"));
    ComClear = button(this, QStringLiteral("ComClear"), QStringLiteral("清空F6"));
    auto* boxes = new QGridLayout;
    const std::pair<const char*, QLineEdit*> labelled[] = {{"[铺 租]", Text4},        {"[水 费]", Text5},
                                                           {"[电 费]", Text6},        {"[备注其他项目]", Text7},
                                                           {"[其他项目价格]", Text8}, {"[人员工资]", Text9},
                                                           {"[业务提成]", Text10},    {"[税 费]", Text11},
                                                           {"[合计金额]", TextMoneys}};
    QHash<QLineEdit*, QString> captions;
    for (int column = 0; const auto& [caption, edit] : labelled) {
        boxes->addWidget(label(this, {}, QString::fromUtf8(caption)), 0, column);
        boxes->addWidget(edit, 1, column++);
        // A refusal names the box by its label, without brackets and blanks.
        captions.insert(edit, QString::fromUtf8(caption).remove(QRegularExpression(QStringLiteral("[\\[\\] ]"))));
    }
    boxes->setColumnStretch(3, 2);
    boxes->addWidget(ComClear, 1, int(std::size(labelled)));
    for (QLineEdit* amount : amountBoxes()) {
        amount->setText(QStringLiteral("0.00"));
        amount->setAlignment(Qt::AlignRight);
        // The total follows the seven amounts; its own rule only reformats
        // it. It is a total, held to the books' limit.
        const bool total = amount == TextMoneys;
        MoneyBox::install(amount, {.caption = captions.value(amount),
                                   .limit = total ? Amount::bookLimit() : Amount::boxLimit(),
                                   .rewrite = MoneyBox::Rewrite::OnEveryChange,
                                   .select = MoneyBox::Select::All,
                                   .changed = total ? std::function<void()>() : [this] { TotalAmounts(); }});
    }
    EnterToNext::install({Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11}, [this] { ComPD_Click(); });

    ComPD = button(this, QStringLiteral("ComPD"), QStringLiteral("新增 PageDown"));
    ComAlter = button(this, QStringLiteral("ComAlter"), QStringLiteral("修 改 F5"));
    ComDel = button(this, QStringLiteral("ComDel"), QStringLiteral("删除 F4"));
    ComRtn = button(this, QStringLiteral("ComRtn"), QStringLiteral("返回 ESC"));
    connect(ComPD, &QPushButton::clicked, this, &frmpay::ComPD_Click);
    connect(ComAlter, &QPushButton::clicked, this, &frmpay::ComAlter_Click);
    connect(ComDel, &QPushButton::clicked, this, &frmpay::ComDel_Click);
    connect(ComClear, &QPushButton::clicked, this, &frmpay::ComClear_Click);
    connect(ComRtn, &QPushButton::clicked, this, &frmpay::ComRtn_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(LabelTips);
    layout->addWidget(MSHFlexGrid1, 1);
    layout->addLayout(boxes);
    layout->addLayout(FormParts::buttonRow({ComPD, ComAlter, ComDel, ComRtn}));
}

std::array<QLineEdit*, 8> frmpay::amountBoxes() const { return {Text4, Text5, Text6, Text8, Text9, Text10, Text11, TextMoneys}; }

void frmpay::Form_Load()
{
    LoadList();
    TextOperator->setText(appState().currentOperator);
    DTPicker0->setDate(Clock::now().date());
    const bool administrator = appState().isAdministrator();
    ComDel->setEnabled(administrator);
    ComAlter->setEnabled(administrator);
    DTPicker0->setEnabled(administrator);
}

void frmpay::LoadList()
{
    auto rows = Database::read([](DbSession& s) { return ExpenseBook::readAll(s); });
    if (!rows) {
        MSHFlexGrid1->clear();
        MessageBox::show(this, rows.error().text());
        return;
    }
    MSHFlexGrid1->fill(std::move(*rows));
}

void frmpay::TotalAmounts()
{
    Amount total;
    for (QLineEdit* amount : amountBoxes()) {
        if (amount != TextMoneys)
            total += Amount::fromText(amount->text());
    }
    TextMoneys->setText(total.toPlainText());
}

bool frmpay::refusesAmounts() const
{
    const auto amounts = amountBoxes();
    return std::any_of(amounts.begin(), amounts.end(), [](QLineEdit* amount) { return MoneyBox::of(amount)->refuses(); });
}

void frmpay::ComPD_Click()
{
    // Enter in the last box adds before the box is left.
    if (refusesAmounts())
        return;
    if (Text7->text().isEmpty())
        Text7->setText(QStringLiteral("-"));
    if (Amount::fromText(TextMoneys->text()).isZero()) {
        MessageBox::show(this, QStringLiteral("请填写项目费用"));
        return;
    }
    const auto number = Database::read([](DbSession& s) { return ExpenseBook::nextNumber(s); });
    if (!number) {
        MessageBox::show(this, number.error().text());
        return;
    }
    Textid->setText(*number);
    if (ask(this, QStringLiteral("确定要添加该项记录？"))) {
        TextOperator->setText(appState().currentOperator);
        // Only the administrator chooses the date; anyone else books today.
        if (!appState().isAdministrator())
            DTPicker0->setDate(Clock::now().date());
        ExpenseBook::Entry entry{*number, DTPicker0->date(), appState().currentOperator, {}, Text7->text()};
        for (QLineEdit* amount : amountBoxes())
            entry.amounts << Amount::fromText(amount->text());
        const SlipOutcome added = writeSlip([&entry](DbSession& s) { return ExpenseBook::add(s, entry); });
        if (showOutcome(this, added, AnswerTitle::Notice)) {
            for (QLineEdit* emptied : {Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, TextMoneys})
                emptied->clear();
            m_clicked.reset();
        }
    }
    LoadList();
}

ExpenseBook::Change frmpay::changeFromBoxes() const
{
    const bool sameEntry = m_clicked && m_clicked->number == Textid->text();
    const auto value = [&](int field, const QVariant& typed, const QString& shown) {
        return sameEntry && m_clicked->shown[field] == shown ? m_clicked->stored[field] : typed;
    };
    ExpenseBook::Change change;
    for (int field = 0; QLineEdit * amount : amountBoxes()) {
        change.amounts << value(field, Amount::fromText(amount->text()).toDouble(), amount->text());
        ++field;
    }
    change.description = value(8, Text7->text(), Text7->text());
    return change;
}

void frmpay::actOnEntry(const QString& question, const QString& success, const EntryWrite& write)
{
    const QString number = Textid->text();
    const auto held = Database::read([&number](DbSession& s) { return ExpenseBook::holds(s, number); });
    if (!held) {
        MessageBox::show(this, held.error().text());
    } else if (!*held) {
        MessageBox::show(this, SlipOutcome::notFound().message());
    } else if (ask(this, question)) {
        if (showOutcome(this, writeSlip([&](DbSession& s) { return write(s, number); }), AnswerTitle::Program))
            MessageBox::show(this, success);
    }
    LoadList();
}

void frmpay::ComAlter_Click()
{
    if (refusesAmounts())
        return;
    const ExpenseBook::Change change = changeFromBoxes();
    actOnEntry(QStringLiteral("确定要修改该项记录？"), QStringLiteral("修改成功"),
               [&change](DbSession& s, const QString& number) { return ExpenseBook::change(s, number, change); });
}

void frmpay::ComDel_Click()
{
    actOnEntry(QStringLiteral("确定要删除该项记录？"), QStringLiteral("删除成功"), &ExpenseBook::remove);
}

void frmpay::ComClear_Click()
{
    for (QLineEdit* emptied : {Text4, Text5, Text6, Text8, Text9, Text10, Text11, TextMoneys})
        emptied->clear();
    Text7->setText(QStringLiteral("-"));
}

void frmpay::ComRtn_Click() { Module2::UnloadForm(this); }

void frmpay::MSHFlexGrid1_Click()
{
    const int row = MSHFlexGrid1->currentIndex().row();
    if (row < 0)
        return;
    const auto stored = [this, row](int column) {
        return MSHFlexGrid1->records()->index(row, column).data(RecordTableModel::RawValueRole);
    };
    Textid->setText(stored(1).toString());
    // Anyone but the administrator books today, whatever entry was clicked.
    if (appState().isAdministrator())
        DTPicker0->setDate(QDate::fromString(stored(2).toString(), QStringLiteral("yyyy-MM-dd")));
    TextOperator->setText(stored(3).toString());
    Clicked clicked{stored(1).toString(), {}, {}};
    for (int field = 0; QLineEdit * amount : amountBoxes()) {
        clicked.stored[field] = stored(4 + field);
        amount->setText(Module2::NumberText(clicked.stored[field]).trimmed());
        ++field;
    }
    clicked.stored[8] = stored(12);
    Text7->setText(stored(12).toString());
    for (int field = 0; QLineEdit * amount : amountBoxes())
        clicked.shown[field++] = amount->text();
    clicked.shown[8] = Text7->text();
    m_clicked = std::move(clicked);
}
