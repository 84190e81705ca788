#include "frmCustomer.h"
#include "appstate.h"
#include "clock.h"
#include "customers.h"
#include "formparts.h"
#include "frmCustomer1.h"
#include "listexport.h"

#include <QHBoxLayout>
#include <QPushButton>

ListDesign customerListDesign()
{
    return {
        .table = "客户",
        .columns =
            {
                {.header = "编号", .column = "编号", .widthTwips = 1100},
                {.header = "积分", .column = "积分", .widthTwips = 1000, .format = CellFormat::Whole},
                {.header = "名称", .column = "名称", .widthTwips = 1500},
                {.header = "电话", .column = "电话", .widthTwips = 1500},
                {.header = "传真", .column = "传真", .widthTwips = 1200},
                {.header = "地址", .column = "地址", .widthTwips = 1500},
                {.header = "联系人", .column = "联系人", .widthTwips = 0},
                {.header = "QQ号码", .column = "QQ号码", .widthTwips = 1200},
                {.header = "开户银行", .column = "开户银行", .widthTwips = 0},
                {.header = "银行帐号", .column = "帐号", .widthTwips = 0},
                {.header = "备注", .column = "备注", .widthTwips = 2000},
                {.header = "维护日期", .column = "维护日期", .widthTwips = 1440},
                {.header = "拼音码", .column = "拼音码", .widthTwips = 1000},
                {.header = "五笔码", .column = "五笔码", .widthTwips = 1000},
            },
        .filters =
            {
                {.objectName = "Option5",
                 .caption = "按拼音码",
                 .column = "拼音码",
                 .hint = "输入拼音码筛选",
                 .iniSection = "option5"},
                {.objectName = "Option6",
                 .caption = "按五笔码",
                 .column = "五笔码",
                 .hint = "输入五笔码筛选",
                 .iniSection = "option6"},
                {.objectName = "Option7",
                 .caption = "按编号码",
                 .column = "编号",
                 .hint = "输入编号码筛选",
                 .iniSection = "option7"},
                {.objectName = "Option8",
                 .caption = "按电话号",
                 .column = "电话",
                 .hint = "输入电话号筛选",
                 .iniSection = "option8"},
            },
        .iniKey = "nameC",
        .fillOnOpen = false,
        .emptyFilterClears = true,
        .deleteForAdministratorOnly = true,
        .doubleClickViews = true,
        .openEditor = showModally<frmCustomer1>(),
    };
}

namespace {
CustomerFilter dueToday() { return Customers::dueOn(Clock::now().date()); }
}

frmCustomer::frmCustomer(QWidget* parent)
    : MasterListForm("frmCustomer", "会员客户资料(双击表格可以详细信息)", {customerListDesign()}, parent)
{
    auto* fills = new QHBoxLayout;
    auto* all = FormParts::button(this, QStringLiteral("ComAll"), QStringLiteral("显示全部"));
    auto* exportAll = FormParts::button(this, QStringLiteral("ComExcel"), QStringLiteral("导出"));
    auto* due = FormParts::button(this, QStringLiteral("ComTime"), QStringLiteral("到期维护"));
    auto* exportDue = FormParts::button(this, QStringLiteral("ComExcel2"), QStringLiteral("导出"));
    for (QPushButton* narrow : {exportAll, exportDue})
        narrow->setMaximumWidth(narrow->fontMetrics().horizontalAdvance(narrow->text()) + 24);
    fills->addWidget(all);
    fills->addWidget(exportAll);
    fills->addWidget(due);
    fills->addWidget(exportDue);
    fills->addStretch();
    addTopRow(fills);

    const bool administrator = appState().isAdministrator();
    exportAll->setEnabled(administrator);
    exportDue->setEnabled(administrator);
    connect(all, &QPushButton::clicked, this, &frmCustomer::ComAll_Click);
    connect(due, &QPushButton::clicked, this, &frmCustomer::ComTime_Click);
    connect(exportAll, &QPushButton::clicked, this, &frmCustomer::ComExcel_Click);
    connect(exportDue, &QPushButton::clicked, this, &frmCustomer::ComExcel2_Click);
}

void frmCustomer::ComAll_Click() { list()->fillWhere(); }
void frmCustomer::ComTime_Click()
{
    const CustomerFilter due = dueToday();
    list()->fillWhere(due.condition, due.values);
}
void frmCustomer::ComExcel_Click() { exportCustomers({}); }
void frmCustomer::ComExcel2_Click() { exportCustomers(dueToday()); }

// The export reads the table, not the list: every customer asked for, in
// the columns the list shows, points in full. Failures pass silently.
void frmCustomer::exportCustomers(const CustomerFilter& filter)
{
    auto rows = Database::read([&filter](DbSession& s) { return Customers::read(s, filter); });
    ExportToExcel(ShownListExport(QStringLiteral("data.xls"), WholeFiguresInFull(list()->design().columns),
                                  rows ? std::move(*rows) : Rows()));
}
