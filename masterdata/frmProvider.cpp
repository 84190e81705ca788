#include "frmProvider.h"
#include "frmProvider1.h"
#include "module2.h"

#include <QVBoxLayout>

namespace {
ListDesign providerListDesign()
{
    ListDesign design;
    design.table = QStringLiteral("供应商");
    auto column = [](const char* header, const char* column, int width) {
        return ListColumn{QString::fromUtf8(header), QString::fromUtf8(column), width};
    };
    design.columns = {
        column("编号", "编号", 1100),     column("名称", "名称", 1800),         column("电话", "电话", 1600),
        column("传真", "传真", 1600),     column("地址", "地址", 1200),         column("联系人", "联系人", 1200),
        column("开户银行", "开户银行", 1500), column("银行帐号", "帐号", 1500), column("备注", "备注", 1500),
        column("拼音码", "拼音码", 900),  column("五笔码", "五笔码", 900),
    };
    design.filters = {
        {QStringLiteral("Option1"), QStringLiteral("按拼音码"), QStringLiteral("拼音码"), QStringLiteral("输入拼音码筛选"), {}},
        {QStringLiteral("Option2"), QStringLiteral("按五笔码"), QStringLiteral("五笔码"), QStringLiteral("输入五笔码筛选"), {}},
    };
    design.openEditor = showModally<frmProvider1>();
    return design;
}
}

frmProvider::frmProvider(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmProvider"));
    setWindowTitle(QStringLiteral("供应商资料(双击表格记录可以修改)"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    m_list = new MasterListPanel(providerListDesign(), this);
    layout->addWidget(m_list);
    connect(m_list, &MasterListPanel::returnRequested, this, [this] { Module2::UnloadForm(this); });
}
