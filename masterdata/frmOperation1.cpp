#include "frmOperation1.h"
#include "appstate.h"
#include "clock.h"
#include "dialogrules.h"
#include "formparts.h"
#include "messagebox.h"
#include "salesmanperformance.h"
#include "saleslinesgrid.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
EditorDesign salesmanEditorDesign()
{
    using enum FieldRule;
    return {
        .number = NumberSchemes::Salesmen,
        .fields =
            {
                {.objectName = "Text1", .label = "编    号", .column = "编号", .rule = Required},
                {.objectName = "Text2", .label = "姓    名", .column = "姓名", .rule = Required},
                {.objectName = "Text3",
                 .label = "性    别",
                 .column = "性别",
                 .rule = Required,
                 .kind = FieldKind::Combo,
                 .items = {"男", "女"},
                 .initialText = "男"},
                {.objectName = "Text4", .label = "部    门", .column = "部门"},
                {.objectName = "Text5", .label = "职    务", .column = "职务"},
                {.objectName = "Text6", .label = "身份证号", .column = "身份证号"},
                {.objectName = "Text7", .label = "电    话", .column = "电话"},
                {.objectName = "Text8", .label = "地    址", .column = "地址"},
                {.objectName = "Text9", .label = "入职日期", .column = "入职日期"},
                {.objectName = "Text10", .label = "备    注", .column = "备注", .kind = FieldKind::MultiLine},
                {.objectName = "Text11", .label = "拼 音 码", .column = "拼音码", .rule = Required},
                {.objectName = "Text12", .label = "五 笔 码", .column = "五笔码", .rule = Required, .sameRow = true},
            },
        .viewCaption = "业务员信息",
        .nameField = "Text2",
        .pinyinField = "Text11",
        .wubiField = "Text12",
    };
}

using FormParts::label;

QString dayText(const QDateEdit* picker) { return picker->date().toString(QStringLiteral("yyyy-MM-dd")); }
}

frmOperation1::frmOperation1(MasterListPanel& list, EditorMode mode, QWidget* parent)
    : MasterEditor(salesmanEditorDesign(), list, mode, parent)
{
    // Only the administrator sees the sales, and only when viewing; for anyone
    // else the part is not built and its queries never run.
    if (mode != EditorMode::View || !appState().isAdministrator())
        return;
    addSidePart(buildPerformancePart());
    DialogRules::CenterForm(this);
    fillPerformance(std::nullopt);
}

QWidget* frmOperation1::buildPerformancePart()
{
    auto* part = new QWidget(this);
    auto* grid = new QGridLayout(part);
    grid->setContentsMargins(0, 0, 0, 0);

    // Text14 to Text19: the sums of the sales, of the returns, then the net figures in bold.
    for (int i = 0; i < 6; ++i) {
        auto* box = new QLineEdit(part);
        box->setObjectName(QStringLiteral("Text%1").arg(14 + i));
        box->setAlignment(Qt::AlignRight);
        box->setEnabled(false);
        QPalette face = box->palette();
        face.setColor(QPalette::Disabled, QPalette::Base, face.color(QPalette::Button));
        box->setPalette(face);
        if (i >= 4) {
            QFont font = box->font();
            font.setBold(true);
            box->setFont(font);
        }
        m_totals << box;
    }
    auto totalsRow = [&](int row, QLabel* leftLabel, int left, QLabel* rightLabel) {
        auto* line = new QHBoxLayout;
        line->addWidget(leftLabel);
        line->addWidget(m_totals[left], 1);
        line->addWidget(rightLabel);
        line->addWidget(m_totals[left + 1], 1);
        grid->addLayout(line, row, 0);
    };

    m_salesGrid = new SalesLinesGrid(part);
    m_salesGrid->setObjectName(QStringLiteral("MSHFlexGrid1"));
    m_returnsGrid = new SalesLinesGrid(part);
    m_returnsGrid->setObjectName(QStringLiteral("MSHFlexGrid2"));

    grid->addWidget(label(part, QStringLiteral("Label17"), QStringLiteral("业 务 员 销 售 情 况")), 0, 0, Qt::AlignHCenter);
    grid->addWidget(m_salesGrid, 1, 0);
    totalsRow(2, label(part, QStringLiteral("Label13"), QStringLiteral("销售总额")), 0,
              label(part, QStringLiteral("Label16"), QStringLiteral("利润总额")));
    grid->addWidget(label(part, QStringLiteral("Label18"), QStringLiteral("销 售 退 货 情 况")), 3, 0, Qt::AlignHCenter);
    grid->addWidget(m_returnsGrid, 4, 0);
    totalsRow(5, label(part, QStringLiteral("Label14"), QStringLiteral("退货总额")), 2,
              label(part, QStringLiteral("Label15"), QStringLiteral("利润扣回")));
    totalsRow(6, label(part, QStringLiteral("Label20"), QStringLiteral("实际销售")), 4,
              label(part, QStringLiteral("Label19"), QStringLiteral("实际利润")));

    // The period starts as this month up to today.
    const QDate today = Clock::now().date();
    m_first = FormParts::datePicker(part, QStringLiteral("DTPicker1"), QDate(today.year(), today.month(), 1));
    m_last = FormParts::datePicker(part, QStringLiteral("DTPicker2"), today);
    auto* query = FormParts::button(part, QStringLiteral("ComQuery"), QStringLiteral("查询"));
    connect(query, &QPushButton::clicked, this, &frmOperation1::ComQuery_Click);
    auto* period = new QHBoxLayout;
    period->addWidget(m_first, 1);
    period->addWidget(label(part, QStringLiteral("Label21"), QStringLiteral("至")));
    period->addWidget(m_last, 1);
    period->addWidget(query);
    grid->addLayout(period, 7, 0);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(4, 1);
    return part;
}

void frmOperation1::ComQuery_Click() { fillPerformance(DatePeriod{dayText(m_first), dayText(m_last)}); }

void frmOperation1::fillPerformance(const std::optional<DatePeriod>& period)
{
    // The name as it stands in the box, also when it was changed here.
    const QString salesman = text(QStringLiteral("Text2"));
    const auto performance = Database::read([&](DbSession& s) { return ReadSalesmanPerformance(s, salesman, period); });
    if (!performance) {
        m_salesGrid->setLines({});
        m_returnsGrid->setLines({});
        for (QLineEdit* box : std::as_const(m_totals))
            box->clear();
        MessageBox::show(this, performance.error().text());
        return;
    }
    m_salesGrid->setLines(performance->sales);
    m_returnsGrid->setLines(performance->returns);
    const QStringList totals{performance->salesTotal(), performance->profitTotal(), performance->returnsTotal(),
                             performance->profitBack(), performance->netSales(),    performance->netProfit()};
    for (int i = 0; i < m_totals.size(); ++i)
        m_totals[i]->setText(totals.value(i));
}
