#include "frmStock.h"
#include "exporttoexcel.h"
#include "formparts.h"
#include "inputdialog.h"
#include "keypreview.h"
#include "messagebox.h"
#include "recordgrid.h"
#include "unloadform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace FormParts;
using StockQuery::View;

namespace {
constexpr int ShownRows = 20;

QList<ListColumn> stockColumns()
{
    QList<ListColumn> columns{textColumn("商品类别", 1300),   textColumn("商品编号", 1300),
                              textColumn("商品名称", 2400),   textColumn("规格", 1200),
                              textColumn("单位", 800),        figureColumn("均价", 1100),
                              figureColumn("库存金额", 1300), figureColumn("库存上限", 1100),
                              figureColumn("库存下限", 1100), textColumn("现有库存", 1100, CellFormat::Money)};
    // Each shows the query's column in its place.
    const QStringList& names = StockQuery::columns();
    for (int c = 0; c < columns.size(); ++c)
        columns[c].column = names[c];
    return columns;
}
}

frmStock::frmStock(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmStock"));
    setWindowTitle(QStringLiteral("库存商品管理"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* ComF2 = button(this, QStringLiteral("ComF2"), QStringLiteral("按商品名称查询"));
    auto* ComF9 = button(this, QStringLiteral("ComF9"), QStringLiteral("按商品类别查询"));
    auto* ComF5 = button(this, QStringLiteral("ComF5"), QStringLiteral("库存上限报警"));
    auto* ComF6 = button(this, QStringLiteral("ComF6"), QStringLiteral("库存下限报警(需进货)"));
    auto* ComExcel = button(this, QStringLiteral("ComExcel"), QStringLiteral("导出"));
    auto* ComRtn = button(this, QStringLiteral("ComRtn"), QStringLiteral("关闭 ESC"));
    connect(ComF2, &QPushButton::clicked, this, &frmStock::ComF2_Click);
    connect(ComF9, &QPushButton::clicked, this, &frmStock::ComF9_Click);
    connect(ComF5, &QPushButton::clicked, this, &frmStock::ComF5_Click);
    connect(ComF6, &QPushButton::clicked, this, &frmStock::ComF6_Click);
    connect(ComExcel, &QPushButton::clicked, this, &frmStock::ComExcel_Click);
    connect(ComRtn, &QPushButton::clicked, this, &frmStock::ComRtn_Click);

    ListView1 = named(new RecordGrid(stockColumns(), this), QStringLiteral("ListView1"));
    // Ten columns at their twips pass a 1024-pixel screen: each takes what
    // its header and the listed goods need. The list opens showing a useful
    // page of goods.
    ListView1->fitEachFill();
    ListView1->setShownRows(ShownRows);
    TextSum1 = figureBox(this, QStringLiteral("TextSum1"), QStringLiteral("0.00"));
    TextSum2 = figureBox(this, QStringLiteral("TextSum2"), QStringLiteral("0.00"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : {ComF2, ComF9, ComF5, ComF6, ComExcel, ComRtn})
        buttons->addWidget(each);
    buttons->addStretch();
    auto* totals = new QHBoxLayout;
    totals->addStretch();
    totals->addWidget(label(this, QStringLiteral("Label1"), QStringLiteral("[合计数量]")));
    totals->addWidget(TextSum1);
    totals->addWidget(label(this, QStringLiteral("Label2"), QStringLiteral("[合计金额]")));
    totals->addWidget(TextSum2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(ListView1, 1);
    layout->addLayout(totals);

    KeyPreview::install(this, {{Qt::Key_Escape, [this] { ComRtn_Click(); }}});
    list(View::Category);
}

void frmStock::list(View view, const QString& text)
{
    ListView1->clear();
    auto read = Database::read([&](DbSession& s) { return StockQuery::read(s, view, text); });
    Amount quantity;
    Amount value;
    if (read) {
        quantity = read->quantity;
        value = read->value;
        ListView1->fill(std::move(read->rows));
    }
    TextSum1->setText(quantity.toMoneyText());
    TextSum2->setText(value.toMoneyText());
    if (!read)
        MessageBox::show(this, read.error().text());
}

QString frmStock::askCondition(const QString& prompt)
{
    return InputDialog::askText(this, QStringLiteral("frmStock1"), QStringLiteral("查询条件"), prompt);
}

void frmStock::ComF2_Click() { list(View::Name, askCondition(QStringLiteral("请输入商品名称："))); }
void frmStock::ComF9_Click() { list(View::Category, askCondition(QStringLiteral("请输入商品类别："))); }
void frmStock::ComF5_Click() { list(View::AboveUpperLimit); }
void frmStock::ComF6_Click() { list(View::BelowLowerLimit); }

// Every row below its lower limit, whatever the list shows, values as
// stored under the list's headers. Failures pass silently.
void frmStock::ComExcel_Click()
{
    ExcelExport request;
    request.templateName = QStringLiteral("data5.xls");
    request.clearRanges = {QStringLiteral("a1:m65536")};
    QList<CellFormat> formats;
    for (const ListColumn& column : ListView1->records()->columns()) {
        request.headers << column.header;
        formats << column.format;
    }
    if (const auto low = Database::read([](DbSession& s) { return StockQuery::read(s, View::BelowLowerLimit); })) {
        ExportCells cells = ExportCells::query({low->rows.columns(), low->rows.data()});
        cells.formats = formats;
        request.data = {cells};
    }
    ExportToExcel(request);
}

void frmStock::ComRtn_Click() { Module2::UnloadForm(this); }
