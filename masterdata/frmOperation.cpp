#include "frmOperation.h"
#include "frmOperation1.h"
#include "module2.h"

#include <QVBoxLayout>

namespace {
ListDesign salesmanListDesign()
{
    ListDesign design;
    design.table = QStringLiteral("业务员");
    auto column = [](const char* name, int width) {
        return ListColumn{QString::fromUtf8(name), QString::fromUtf8(name), width};
    };
    design.columns = {
        column("编号", 1100),   column("姓名", 1000), column("性别", 700),     column("部门", 1200),
        column("职务", 900),    column("身份证号", 1800), column("电话", 1500), column("地址", 1500),
        column("入职日期", 1500), column("备注", 2000), column("拼音码", 1000), column("五笔码", 1000),
    };
    // The choice of option is not kept: the list always starts by pinyin.
    design.filters = {
        {QStringLiteral("Option1"), QStringLiteral("按拼音码"), QStringLiteral("拼音码"), QStringLiteral("输入拼音码筛选"), {}},
        {QStringLiteral("Option2"), QStringLiteral("按五笔码"), QStringLiteral("五笔码"), QStringLiteral("输入五笔码筛选"), {}},
    };
    design.deleteForAdministratorOnly = true;
    design.doubleClickViews = true;
    design.openEditor = showModally<frmOperation1>();
    return design;
}
}

frmOperation::frmOperation(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmOperation"));
    setWindowTitle(QStringLiteral("业务员资料(双击表格可以修改)"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    m_list = new MasterListPanel(salesmanListDesign(), this);
    layout->addWidget(m_list);
    connect(m_list, &MasterListPanel::returnRequested, this, [this] { Module2::UnloadForm(this); });
}
