#include "frmDataSum.h"
#include "amount.h"
#include "clock.h"
#include "dialogrules.h"
#include "formparts.h"
#include "keypreview.h"
#include "messagebox.h"
#include "periodsummary.h"
#include "reportsums.h"
#include "unloadform.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using FormParts::button;
using FormParts::label;

namespace {
// The boxes that show minus their sum.
const QStringList Negated{QStringLiteral("TextD7"), QStringLiteral("TextF2"), QStringLiteral("TextMoneys")};

QStringList names(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* name : list)
        result << QString::fromLatin1(name);
    return result;
}

// A pass and the boxes of its equal and its other group, in the order the
// statement runs them.
struct PassBoxes {
    const SummaryPass& pass;
    QStringList equal;
    QStringList other;
};

const PassBoxes Passes[] = {
    {SummaryPasses::StockIn, names({"TextA1", "TextA2", "TextA4", "TextA5"}), names({"TextB1", "TextB2", "TextB4", "TextB5"})},
    {SummaryPasses::Sales, names({"TextC1", "TextC2", "TextC4", "TextC5", "TextC6", "TextC7"}),
     names({"TextD1", "TextD2", "TextD4", "TextD5", "TextD6", "TextD7"})},
    // Transfers (调拔) are no loss: only the other group is shown.
    {SummaryPasses::Loss, {}, names({"TextF1", "TextF2"})},
    {SummaryPasses::Expenses, names({"Text4", "Text5", "Text6", "Text8", "Text9", "Text10", "Text11", "TextMoneys"}), {}},
};

using BoxTexts = QHash<QString, QString>;

// Every figure of the statement by box, or the error that stopped a pass.
DbResult<BoxTexts> statementTexts(DbSession& session, const QDate& first, const QDate& last)
{
    BoxTexts texts;
    const auto put = [&texts](const QStringList& boxes, const QList<Amount>& amounts) {
        for (int i = 0; i < boxes.size(); ++i)
            texts.insert(boxes[i], ReportSums::text(Negated.contains(boxes[i]) ? -amounts[i] : amounts[i]));
    };
    for (const PassBoxes& boxes : Passes) {
        const auto sums = SumPass(session, boxes.pass, first, last);
        if (!sums)
            return sums.error();
        put(boxes.equal, sums->equal);
        put(boxes.other, sums->other);
    }
    // The shown texts, to two decimals, make the results.
    const auto valueOf = [&texts](const char* name) { return ReportSums::read(texts.value(QString::fromLatin1(name))); };
    texts.insert(QStringLiteral("TextG1"), ReportSums::text(valueOf("TextC7") + valueOf("TextD7") + valueOf("TextF2")));
    const Amount profit = valueOf("TextMoneys") + valueOf("TextG1");
    texts.insert(QStringLiteral("TextProfit"), profit.isOutOfRange() ? ReportSums::text(profit) : profit.toPlainText());
    return texts;
}
}

frmDataSum::frmDataSum(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDataSum"));
    setWindowTitle(QStringLiteral("数据汇总及利润盘点统计"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    KeyPreview::install(this, {{Qt::Key_Return, [this] { ComOK_Click(); }},
                               {Qt::Key_Enter, [this] { ComOK_Click(); }},
                               {Qt::Key_Escape, [this] { ComRtn_Click(); }}});
    Form_Load();
}

void frmDataSum::buildControls()
{
    // A figure, or a row's title, which reads from the left.
    const auto box = [this](const QString& name, const QString& title = {}) {
        QLineEdit* b = nullptr;
        if (title.isEmpty()) {
            b = FormParts::figureBox(this, name);
            m_figures << b;
        } else {
            b = FormParts::named(new QLineEdit(title, this), name);
            b->setReadOnly(true);
        }
        m_boxes.insert(name, b);
        return b;
    };
    const auto caption = [this](const char* text) { return label(this, {}, QString::fromUtf8(text)); };

    DTPicker1 = FormParts::datePicker(this, QStringLiteral("DTPicker1"));
    DTPicker2 = FormParts::datePicker(this, QStringLiteral("DTPicker2"));
    auto* dates = new QHBoxLayout;
    dates->addWidget(caption("日 期"));
    dates->addWidget(DTPicker1);
    dates->addWidget(caption("至"));
    dates->addWidget(DTPicker2);
    dates->addStretch();

    // A block of rows under its column labels: each row a title box and its boxes.
    const auto block = [&](QGridLayout* grid, int top, std::initializer_list<const char*> columns,
                           std::initializer_list<std::pair<const char*, const char*>> rows,
                           std::initializer_list<QStringList> boxes) {
        int column = 0;
        for (const char* heading : columns)
            grid->addWidget(caption(heading), top, column++);
        int row = top + 1;
        auto names = boxes.begin();
        for (const auto& [title, text] : rows) {
            grid->addWidget(box(QString::fromLatin1(title), QString::fromUtf8(text)), row, 0);
            for (int c = 0; const QString& name : *names++)
                grid->addWidget(box(name), row, 1 + c++);
            ++row;
        }
    };
    auto* statement = new QGridLayout;
    block(statement, 0, {"[统计项目]", "[合计数量]", "[合计金额]", "[欠款金额]", "[还款金额]", "[商品成本]", "[销售毛利]"},
          {{"TextC", "商品销售"}, {"TextD", "销售退货"}, {"TextF", "商品报废"}},
          {names({"TextC1", "TextC2", "TextC4", "TextC5", "TextC6", "TextC7"}),
           names({"TextD1", "TextD2", "TextD4", "TextD5", "TextD6", "TextD7"}), names({"TextF1", "TextF2"})});
    // The results in a column at the right.
    int row = 0;
    for (const auto& [heading, name] :
         {std::pair{"[毛利合计]", "TextG1"}, std::pair{"[费用合计]", "TextMoneys"}, std::pair{"[净 利 润]", "TextProfit"}}) {
        statement->addWidget(caption(heading), row, 7);
        statement->addWidget(box(QString::fromLatin1(name)), row++, 8);
    }

    auto* expenses = new QGridLayout;
    expenses->addWidget(caption("经营费用支出："), 1, 0);
    for (int column = 1; const auto& [heading, name] :
                         {std::pair{"[铺 租]", "Text4"}, std::pair{"[水 费]", "Text5"}, std::pair{"[电 费]", "Text6"},
                          std::pair{"[其他项目]", "Text8"}, std::pair{"[人员工资]", "Text9"}, std::pair{"[业务提成]", "Text10"},
                          std::pair{"[税 费]", "Text11"}}) {
        expenses->addWidget(caption(heading), 0, column);
        expenses->addWidget(box(QString::fromLatin1(name)), 1, column++);
    }

    auto* purchases = new QGridLayout;
    block(purchases, 0, {"[其他项目]", "[合计数量]", "[合计金额]", "[欠款金额]", "[还款金额]"},
          {{"TextA", "商品入库"}, {"TextB", "入库退货"}},
          {names({"TextA1", "TextA2", "TextA4", "TextA5"}), names({"TextB1", "TextB2", "TextB4", "TextB5"})});

    ComOK = button(this, QStringLiteral("ComOK"), QStringLiteral("统计 ENTER"));
    ComRtn = button(this, QStringLiteral("ComRtn"), QStringLiteral("关闭 ESC"));
    connect(ComOK, &QPushButton::clicked, this, &frmDataSum::ComOK_Click);
    connect(ComRtn, &QPushButton::clicked, this, &frmDataSum::ComRtn_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addLayout(statement);
    layout->addLayout(expenses);
    layout->addLayout(purchases);
    layout->addLayout(FormParts::buttonRow({ComOK, ComRtn}));
}

void frmDataSum::Form_Load()
{
    DTPicker1->setDate(Clock::now().date());
    DTPicker2->setDate(Clock::now().date());
}

void frmDataSum::setBox(const QString& name, const QString& text) { m_boxes.value(name)->setText(text); }

void frmDataSum::ComOK_Click()
{
    // A statement that fails must not leave the last one's figures looking new.
    for (QLineEdit* figure : m_figures)
        figure->clear();
    const QDate first = DTPicker1->date();
    const QDate last = DTPicker2->date();
    const auto texts = Database::read([&](DbSession& s) { return statementTexts(s, first, last); });
    if (!texts) {
        MessageBox::show(this, texts.error().text());
        return;
    }
    for (auto it = texts->cbegin(); it != texts->cend(); ++it)
        setBox(it.key(), it.value());
}

void frmDataSum::ComRtn_Click() { Module2::UnloadForm(this); }
