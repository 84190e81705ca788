#include "frmGoods.h"
#include "frmGoods1.h"
#include "goodslist.h"
#include "module2.h"

#include <QVBoxLayout>

ListDesign goodsListDesign()
{
    ListDesign design;
    design.table = QStringLiteral("商品信息");
    design.numberColumn = QStringLiteral("商品编号");
    design.select = GoodsListSelect();
    auto text = [](const char* header, const char* column, int width) {
        return ListColumn{QString::fromUtf8(header), QString::fromUtf8(column), width};
    };
    auto money = [](const char* header, int width) {
        return ListColumn{QString::fromUtf8(header), QString::fromUtf8(header), width, Qt::AlignRight, CellFormat::Money};
    };
    design.columns = {
        text("商品编号", "商品编号", 1100), text("商品名称", "商品名称", 1500), text("规格", "规格", 1500),
        text("单位", "单位", 700),          text("类别", "类别", 1000),         money("进价", 1000),
        money("批发价", 0),                 money("会员价", 0),                 money("零售价", 1000),
        money("库存上限", 1100),            money("库存下限", 1100),
        {QStringLiteral("库存量"), QStringLiteral("库存量"), 1000, Qt::AlignLeft, CellFormat::Number},
        text("存放位置", "厂家", 2000),     text("拼音码", "拼音码", 900),      text("五笔码", "五笔码", 900),
        text("自编码", "自编码", 1000),     text("条形码", "条形码", 1000),
    };
    auto option = [](const char* name, const char* caption, const char* column, const char* hint, const char* section) {
        return FilterOption{QString::fromLatin1(name), QString::fromUtf8(caption), QString::fromUtf8(column),
                            QString::fromUtf8(hint), QString::fromLatin1(section)};
    };
    design.filters = {
        option("Option9", "按拼音码", "拼音码", "输入拼音码筛选", "option9"),
        option("Option10", "按五笔码", "五笔码", "输入五笔码筛选", "option10"),
        option("Option11", "按自编码", "自编码", "输入自编码筛选", "option11"),
        option("Option12", "按条形码", "条形码", "输入条形码筛选", "option12"),
    };
    design.deleteQuestion = QStringLiteral("库存中的信息将同步删除，确认删除[%1]吗?");
    design.alsoDeleteFrom = {QStringLiteral("库存")};
    design.names.optionFrame = QStringLiteral("Frame2");
    design.openEditor = showModally<frmGoods1>();
    return design;
}

frmGoods::frmGoods(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmGoods"));
    setWindowTitle(QStringLiteral("商品资料(双击表格可以修改)"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    m_list = new MasterListPanel(goodsListDesign(), this);
    layout->addWidget(m_list);
    connect(m_list, &MasterListPanel::returnRequested, this, [this] { Module2::UnloadForm(this); });
}
