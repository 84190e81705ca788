#include "frmOperation1.h"
#include "appstate.h"
#include "clock.h"
#include "dialogrules.h"
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
    EditorDesign design;
    design.number = NumberSchemes::Salesmen;
    auto field = [](const char* name, const char* label, const char* column, FieldRule rule, int listColumn) {
        return EditorField{QString::fromLatin1(name), QString::fromUtf8(label), QString::fromUtf8(column),
                           QString::fromUtf8(column), rule, listColumn};
    };
    design.fields = {
        field("Text1", "编    号", "编号", FieldRule::Required, 0),
        field("Text2", "姓    名", "姓名", FieldRule::Required, 1),
        field("Text3", "性    别", "性别", FieldRule::Required, 2),
        field("Text4", "部    门", "部门", FieldRule::Optional, 3),
        field("Text5", "职    务", "职务", FieldRule::Optional, 4),
        field("Text6", "身份证号", "身份证号", FieldRule::Optional, 5),
        field("Text7", "电    话", "电话", FieldRule::Optional, 6),
        field("Text8", "地    址", "地址", FieldRule::Optional, 7),
        field("Text9", "入职日期", "入职日期", FieldRule::Optional, 8),
        field("Text10", "备    注", "备注", FieldRule::Optional, 9),
        field("Text11", "拼 音 码", "拼音码", FieldRule::Required, 10),
        field("Text12", "五 笔 码", "五笔码", FieldRule::Required, 11),
    };
    design.fields[2].kind = FieldKind::Combo;
    design.fields[2].items = {QStringLiteral("男"), QStringLiteral("女")};
    design.fields[2].initialText = QStringLiteral("男");
    design.fields[9].kind = FieldKind::MultiLine;
    design.fields[11].sameRow = true;
    design.viewCaption = QStringLiteral("业务员信息");
    design.nameField = QStringLiteral("Text2");
    design.pinyinField = QStringLiteral("Text11");
    design.wubiField = QStringLiteral("Text12");
    return design;
}

QLabel* namedLabel(const char* name, const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

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

    grid->addWidget(namedLabel("Label17", "业 务 员 销 售 情 况", part), 0, 0, Qt::AlignHCenter);
    grid->addWidget(m_salesGrid, 1, 0);
    totalsRow(2, namedLabel("Label13", "销售总额", part), 0, namedLabel("Label16", "利润总额", part));
    grid->addWidget(namedLabel("Label18", "销 售 退 货 情 况", part), 3, 0, Qt::AlignHCenter);
    grid->addWidget(m_returnsGrid, 4, 0);
    totalsRow(5, namedLabel("Label14", "退货总额", part), 2, namedLabel("Label15", "利润扣回", part));
    totalsRow(6, namedLabel("Label20", "实际销售", part), 4, namedLabel("Label19", "实际利润", part));

    // The period starts as this month up to today.
    const QDate today = Clock::now().date();
    auto picker = [part](const char* name, const QDate& date) {
        auto* edit = new QDateEdit(date, part);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        return edit;
    };
    m_first = picker("DTPicker1", QDate(today.year(), today.month(), 1));
    m_last = picker("DTPicker2", today);
    auto* query = new QPushButton(QStringLiteral("查询"), part);
    query->setObjectName(QStringLiteral("ComQuery"));
    query->setAutoDefault(false);
    connect(query, &QPushButton::clicked, this, &frmOperation1::ComQuery_Click);
    auto* period = new QHBoxLayout;
    period->addWidget(m_first, 1);
    period->addWidget(namedLabel("Label21", "至", part));
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
    const QStringList totals{performance->salesTotal(),   performance->profitTotal(), performance->returnsTotal(),
                             performance->profitBack(),   performance->netSales(),    performance->netProfit()};
    for (int i = 0; i < m_totals.size(); ++i)
        m_totals[i]->setText(totals.value(i));
}
