#include "frmCustomer.h"
#include "appstate.h"
#include "clock.h"
#include "customers.h"
#include "exporttoexcel.h"
#include "formparts.h"
#include "frmCustomer1.h"
#include "module2.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Headers 1 to 13 head the export; the 14th column is exported without one.
constexpr int ExportedHeaders = 13;

ListDesign customerListDesign()
{
    ListDesign design;
    design.table = QStringLiteral("客户");
    auto column = [](const char* header, const char* column, int width, CellFormat format = CellFormat::Text) {
        return ListColumn{QString::fromUtf8(header), QString::fromUtf8(column), width, Qt::AlignLeft, format};
    };
    design.columns = {
        column("编号", "编号", 1100),       column("积分", "积分", 1000, CellFormat::Whole),
        column("名称", "名称", 1500),       column("电话", "电话", 1500),
        column("传真", "传真", 1200),       column("地址", "地址", 1500),
        column("联系人", "联系人", 0),      column("QQ号码", "QQ号码", 1200),
        column("开户银行", "开户银行", 0),  column("银行帐号", "帐号", 0),
        column("备注", "备注", 2000),       column("维护日期", "维护日期", 1440),
        column("拼音码", "拼音码", 1000),   column("五笔码", "五笔码", 1000),
    };
    auto option = [](const char* name, const char* caption, const char* column, const char* hint, const char* section) {
        return FilterOption{QString::fromLatin1(name), QString::fromUtf8(caption), QString::fromUtf8(column),
                            QString::fromUtf8(hint), QString::fromLatin1(section)};
    };
    design.filters = {
        option("Option5", "按拼音码", "拼音码", "输入拼音码筛选", "option5"),
        option("Option6", "按五笔码", "五笔码", "输入五笔码筛选", "option6"),
        option("Option7", "按编号码", "编号", "输入编号码筛选", "option7"),
        option("Option8", "按电话号", "电话", "输入电话号筛选", "option8"),
    };
    design.iniKey = QStringLiteral("nameC");
    design.fillOnOpen = false;
    design.emptyFilterClears = true;
    design.deleteForAdministratorOnly = true;
    design.doubleClickViews = true;
    design.openEditor = showModally<frmCustomer1>();
    return design;
}

CustomerFilter dueToday() { return Customers::dueOn(Clock::now().date()); }
}

frmCustomer::frmCustomer(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCustomer"));
    setWindowTitle(QStringLiteral("会员客户资料(双击表格可以详细信息)"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
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
    layout->addLayout(fills);
    m_list = new MasterListPanel(customerListDesign(), this);
    layout->addWidget(m_list, 1);

    const bool administrator = appState().isAdministrator();
    exportAll->setEnabled(administrator);
    exportDue->setEnabled(administrator);
    connect(all, &QPushButton::clicked, this, &frmCustomer::ComAll_Click);
    connect(due, &QPushButton::clicked, this, &frmCustomer::ComTime_Click);
    connect(exportAll, &QPushButton::clicked, this, &frmCustomer::ComExcel_Click);
    connect(exportDue, &QPushButton::clicked, this, &frmCustomer::ComExcel2_Click);
    connect(m_list, &MasterListPanel::returnRequested, this, [this] { Module2::UnloadForm(this); });
}

void frmCustomer::ComAll_Click() { m_list->fillWhere(); }
void frmCustomer::ComTime_Click()
{
    const CustomerFilter due = dueToday();
    m_list->fillWhere(due.condition, due.values);
}
void frmCustomer::ComExcel_Click() { exportCustomers({}); }
void frmCustomer::ComExcel2_Click() { exportCustomers(dueToday()); }

// The export reads the table, not the list: every column of every customer
// asked for, under the list's first 13 headers. Failures pass silently.
void frmCustomer::exportCustomers(const CustomerFilter& filter)
{
    ExcelExport request;
    request.templateName = QStringLiteral("data.xls");
    request.clearRanges = {QStringLiteral("a1:m65536")};
    const QList<ListColumn>& columns = m_list->design().columns;
    for (int c = 0; c < ExportedHeaders && c < columns.size(); ++c)
        request.headers << columns[c].header;
    if (const auto rows = Database::read([&filter](DbSession& s) { return Customers::read(s, filter); }))
        request.data = {ExportCells::query({rows->columns(), rows->data()})};
    ExportToExcel(request);
}
