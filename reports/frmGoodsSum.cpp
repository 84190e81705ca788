#include "frmGoodsSum.h"
#include "clock.h"
#include "exporttoexcel.h"
#include "formparts.h"
#include "keypreview.h"
#include "listexport.h"
#include "masterrecord.h"
#include "messagebox.h"
#include "recordgrid.h"
#include "reportchart.h"
#include "reportsums.h"
#include "slipbook.h"
#include "unloadform.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

using FormParts::button;
using FormParts::figureBox;
using FormParts::label;
using FormParts::named;
using FormParts::pixels;

namespace {
struct GroupedAnalysis {
    const char* button;
    const char* caption;
    SalesGrouping grouping;
};

// The six buttons from the top of their column.
const GroupedAnalysis Analyses[] = {
    {"ComOK5", "客户消费降序", {SalesGroupBy::Customer, SalesOrder::BySales, true}},
    {"ComOK4", "客户消费升序", {SalesGroupBy::Customer, SalesOrder::BySales, false}},
    {"ComOK", "产品利润降序", {SalesGroupBy::Goods, SalesOrder::ByProfit, true}},
    {"ComOK2", "产品利润升序", {SalesGroupBy::Goods, SalesOrder::ByProfit, false}},
    {"ComOK7", "业务员分析降序", {SalesGroupBy::Salesman, SalesOrder::BySales, true}},
    {"ComOK6", "业务员分析升序", {SalesGroupBy::Salesman, SalesOrder::BySales, false}},
};
const SalesGrouping GoodsByProfit = Analyses[2].grouping;

const ChartDesign TrendChart{ChartKind::Line,
                             {{QStringLiteral("销售额"), QColor(Qt::red)}, {QStringLiteral("利润额"), QColor(Qt::green)}}};

// A grid of the window: a narrow selector column, then the query's columns.
RecordGrid* reportGrid(QWidget* parent, const char* name, QList<ListColumn> columns)
{
    columns.prepend({.widthTwips = 30});
    auto* grid = named(new RecordGrid(std::move(columns), parent), QString::fromLatin1(name));
    grid->header()->setMinimumSectionSize(pixels(30));
    grid->setMinimumSize(grid->columnsWidth() + 24, pixels(3600));
    grid->keepTextWidths();
    return grid;
}

// A grid's columns after its selector, holding rows of values in their
// order, to a template: its headers, figures as numbers, points in full.
ExcelExport gridExport(const QString& templateName, const RecordGrid* grid, QList<QVariantList> rows)
{
    auto shown = std::make_shared<RecordTableModel>(WholeFiguresInFull(grid->records()->columns().mid(1)));
    shown->setRows(std::move(rows));
    return ShownListExport(templateName, std::move(shown));
}

QVBoxLayout* column(std::initializer_list<QWidget*> widgets)
{
    auto* layout = new QVBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    return layout;
}
}

frmGoodsSum::frmGoodsSum(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmGoodsSum"));
    setWindowTitle(QStringLiteral("商品进销存统计明细表"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFilterRow());
    SSTab1 = named(new QTabWidget(this), QStringLiteral("SSTab1"));
    SSTab1->addTab(buildGroupsTab(), QStringLiteral("销售分类分析"));
    SSTab1->addTab(buildTrendTab(), QStringLiteral("销售走势分析"));
    layout->addWidget(SSTab1, 1);
    Form_Load();
}

QWidget* frmGoodsSum::buildFilterRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto box = [row](const char* name) { return named(new QLineEdit(row), QString::fromLatin1(name)); };
    DTPicker1 = FormParts::datePicker(row, QStringLiteral("DTPicker1"));
    DTPicker2 = FormParts::datePicker(row, QStringLiteral("DTPicker2"));
    Text1 = box("Text1");
    CobType = named(new QComboBox(row), QStringLiteral("CobType"));
    CobType->setEditable(true);
    CobType->setInsertPolicy(QComboBox::NoInsert);
    CobType->setMinimumContentsLength(6);
    Text2 = box("Text2");
    Text3 = box("Text3");
    auto* close = button(row, QStringLiteral("ComRtn"), QStringLiteral("关闭 ESC"));
    connect(close, &QPushButton::clicked, this, &frmGoodsSum::ComRtn_Click);

    const std::pair<const char*, QWidget*> fields[] = {{"日期", DTPicker1}, {"至", DTPicker2}, {"商品", Text1},
                                                       {"类别", CobType},   {"客户", Text2},   {"业务员", Text3}};
    for (const auto& [caption, field] : fields) {
        layout->addWidget(label(row, {}, QString::fromUtf8(caption)));
        layout->addWidget(field, field == DTPicker1 || field == DTPicker2 ? 0 : 1);
    }
    layout->addWidget(label(row, QStringLiteral("Label5"), QStringLiteral("(留空即全选)")));
    layout->addWidget(close);
    return row;
}

QWidget* frmGoodsSum::buildGroupsTab()
{
    auto* tab = new QWidget(SSTab1);
    MSHFlexGrid1 = reportGrid(tab, "MSHFlexGrid1",
                              {textColumn(GroupColumn(GoodsByProfit.by), 1800), figureColumn("销售额", 1200, CellFormat::Whole),
                               figureColumn("利润额", 1200, CellFormat::Whole),
                               figureColumn("毛利率", 700, CellFormat::Percent)});
    MSHFlexGrid4 = reportGrid(tab, "MSHFlexGrid4",
                              {textColumn("商品名称", 1600), figureColumn("销量", 1200, CellFormat::Number)});
    MSHFlexGrid3 = reportGrid(tab, "MSHFlexGrid3", {textColumn("客户", 1600), figureColumn("积分", 1200, CellFormat::Whole)});

    auto* analyses = column({label(tab, {}, QStringLiteral("需先设置时间段"))});
    for (const GroupedAnalysis& analysis : Analyses) {
        auto* run = button(tab, QString::fromLatin1(analysis.button), QString::fromUtf8(analysis.caption));
        connect(run, &QPushButton::clicked, this, [this, grouping = analysis.grouping] { ShowGroups(grouping); });
        analyses->addWidget(run);
    }
    analyses->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addWidget(MSHFlexGrid1, 1);
    groups->addLayout(analyses);

    Text4 = figureBox(tab, QStringLiteral("Text4"));
    Text5 = figureBox(tab, QStringLiteral("Text5"));
    auto* totals = new QHBoxLayout;
    totals->addWidget(label(tab, {}, QStringLiteral("销售总额")));
    totals->addWidget(Text4);
    totals->addWidget(label(tab, {}, QStringLiteral("利润总额")));
    totals->addWidget(Text5);
    totals->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(groups, 1);
    left->addLayout(totals);

    auto* count = button(tab, QStringLiteral("CommOK9"), QStringLiteral("商品销量"));
    auto* exportCount = button(tab, QStringLiteral("CommOK11"), QStringLiteral("导出到Excel"));
    auto* points = button(tab, QStringLiteral("CommOK7"), QStringLiteral("客户积分降序"));
    auto* exportPoints = button(tab, QStringLiteral("CommOK8"), QStringLiteral("导出到Excel"));
    connect(count, &QPushButton::clicked, this, &frmGoodsSum::CommOK9_Click);
    connect(exportCount, &QPushButton::clicked, this, &frmGoodsSum::CommOK11_Click);
    connect(points, &QPushButton::clicked, this, &frmGoodsSum::CommOK7_Click);
    connect(exportPoints, &QPushButton::clicked, this, &frmGoodsSum::CommOK8_Click);

    auto* layout = new QHBoxLayout(tab);
    layout->addLayout(left, 3);
    layout->addLayout(column({MSHFlexGrid4, label(tab, {}, QStringLiteral("需先设置时间段")), count, exportCount}), 2);
    layout->addLayout(column({MSHFlexGrid3, label(tab, {}, QStringLiteral("不受首排条件限制")), points, exportPoints}), 2);
    return tab;
}

QWidget* frmGoodsSum::buildTrendTab()
{
    auto* tab = new QWidget(SSTab1);
    // A month shows whole, whatever the font.
    const int monthTwips = std::max(730, (fontMetrics().horizontalAdvance(QStringLiteral("0000-00")) + 12) * TwipsPerPixel);
    MSHFlexGrid2 = reportGrid(tab, "MSHFlexGrid2",
                              {textColumn("年月", monthTwips), figureColumn("销售额", 1200, CellFormat::Whole),
                               figureColumn("利润额", 1200, CellFormat::Whole)});
    MSChart1 = named(new QChartView(new QChart, tab), QStringLiteral("MSChart1"));
    MSChart1->setRenderHint(QPainter::Antialiasing);
    MSChart1->setMinimumSize(pixels(6000), pixels(3600));
    auto* run = button(tab, QStringLiteral("ComOK3"), QStringLiteral("销售与利润分析"));
    connect(run, &QPushButton::clicked, this, &frmGoodsSum::ComOK3_Click);

    auto* layout = new QGridLayout(tab);
    layout->addWidget(MSHFlexGrid2, 0, 0);
    layout->addWidget(MSChart1, 0, 1);
    layout->addWidget(run, 1, 0);
    layout->addLayout(column({label(tab, {}, QStringLiteral("红线代表销售额、绿线代表利润额")),
                              label(tab, {}, QStringLiteral("(需先设置时间段)"))}),
                      1, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    return tab;
}

void frmGoodsSum::Form_Load()
{
    const auto categories = Database::read([](DbSession& s) { return ReadNames(s, QStringLiteral("商品类别")); });
    if (categories)
        CobType->addItems(*categories);
    CobType->setCurrentIndex(-1);
    const QDate today = Clock::now().date();
    DTPicker1->setDate(today);
    DTPicker2->setDate(today);
    KeyPreview::install(this, {{Qt::Key_Return, [this] { ComOK_Click(); }},
                               {Qt::Key_Enter, [this] { ComOK_Click(); }},
                               {Qt::Key_Escape, [this] { ComRtn_Click(); }}});
    if (!categories)
        MessageBox::show(this, categories.error().text());
}

SalesFilter frmGoodsSum::filter() const
{
    return {{SlipBook::dateText(DTPicker1->date()), SlipBook::dateText(DTPicker2->date())},
            CobType->currentText(),
            Text1->text(),
            Text2->text(),
            Text3->text()};
}

void frmGoodsSum::ComOK_Click() { ShowGroups(GoodsByProfit); }

void frmGoodsSum::ShowGroups(const SalesGrouping& grouping)
{
    const SalesFilter shown = filter();
    const auto groups = Database::read([&](DbSession& s) { return ReadSalesGroups(s, grouping, shown); });
    MSHFlexGrid1->records()->setHeader(1, GroupColumn(grouping.by));
    if (!groups) {
        MSHFlexGrid1->clear();
        Text4->clear();
        Text5->clear();
        MessageBox::show(this, groups.error().text());
        return;
    }
    QList<QVariantList> rows;
    rows.reserve(groups->groups.size());
    for (const SalesGroup& group : groups->groups) {
        const auto margin = group.marginPercent();
        rows.append({{},
                     group.name,
                     ReportSums::cell(group.sales),
                     ReportSums::cell(group.profit),
                     margin ? ReportSums::cell(*margin) : QVariant()});
    }
    MSHFlexGrid1->records()->setRows(std::move(rows));
    Text4->setText(ReportSums::text(groups->sales));
    Text5->setText(ReportSums::text(groups->profit));
}

void frmGoodsSum::ComOK3_Click()
{
    const SalesFilter shown = filter();
    const auto trend = Database::read([&](DbSession& s) { return ReadMonthTrend(s, shown); });
    const ReportSeries months = trend ? *trend : ReportSeries{};
    QList<QVariantList> rows;
    for (qsizetype m = 0; m < months.categories.size(); ++m)
        rows.append({{}, months.categories[m], months.series[0][m], months.series[1][m]});
    MSHFlexGrid2->records()->setRows(std::move(rows));
    DrawChart(MSChart1->chart(), TrendChart, months);
    if (!trend)
        MessageBox::show(this, trend.error().text());
}

void frmGoodsSum::CommOK7_Click()
{
    auto points = Database::read([](DbSession& s) { return ReadCustomerPoints(s); });
    if (!points) {
        MSHFlexGrid3->clear();
        MessageBox::show(this, points.error().text());
        return;
    }
    MSHFlexGrid3->fill(std::move(*points));
}

// The export runs its own query, whatever the grid shows, into the grid's
// columns; failures pass silently.
void frmGoodsSum::CommOK8_Click()
{
    const auto points = Database::read([](DbSession& s) { return ReadCustomerPoints(s); });
    ExportToExcel(gridExport(QStringLiteral("data4.xls"), MSHFlexGrid3, points ? points->data() : QList<QVariantList>()));
}

void frmGoodsSum::CommOK9_Click()
{
    const SalesFilter shown = filter();
    auto counts = Database::read([&](DbSession& s) { return ReadGoodsCounts(s, shown); });
    if (!counts) {
        MSHFlexGrid4->clear();
        MessageBox::show(this, counts.error().text());
        return;
    }
    MSHFlexGrid4->fill(std::move(*counts));
}

// The count grid as it stands under its headers; the first failure ends
// the export, silently.
void frmGoodsSum::CommOK11_Click()
{
    const RecordTableModel* grid = MSHFlexGrid4->records();
    QList<QVariantList> rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        rows << grid->rawRow(r).mid(1);
    ExcelExport request = gridExport(QStringLiteral("data6.xls"), MSHFlexGrid4, std::move(rows));
    request.skipFailures = false;
    ExportToExcel(request);
}

void frmGoodsSum::ComRtn_Click() { Module2::UnloadForm(this); }
