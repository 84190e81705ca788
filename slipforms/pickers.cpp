#include "pickers.h"

namespace {
FilterOption option(const char* name, const char* caption, const char* column, const char* hint, const char* section = "")
{
    return {.objectName = QString::fromLatin1(name),
            .caption = QString::fromUtf8(caption),
            .column = QString::fromUtf8(column),
            .hint = QString::fromUtf8(hint),
            .iniSection = QString::fromLatin1(section)};
}

// Pinyin, wubi and number, as the supplier and salesman pickers search.
QList<FilterOption> codeOptions()
{
    return {option("Option1", "按拼音码", "拼音码", "输入拼音码筛选"), option("Option2", "按五笔码", "五笔码", "输入五笔码筛选"),
            option("Option3", "按编号", "编号", "输入编号筛选")};
}

// A partner's columns: number, name, three of its own, and its search codes.
QList<ListColumn> partnerColumns(const char* name, const QList<ListColumn>& own)
{
    return QList<ListColumn>{textColumn("编号", 1764), textColumn(name, 3528)} + own
           + QList<ListColumn>{textColumn("拼音码", 1411), textColumn("五笔码", 1411)};
}

QList<ListColumn> contactColumns()
{
    return partnerColumns("名称", {textColumn("地址", 2646), textColumn("电话", 2646), textColumn("联系人", 1940)});
}
}

frmIn11::frmIn11(QWidget* opener)
    : PickerForm({.formName = QString::fromLatin1(FormName),
                  .caption = QStringLiteral("供应商选择"),
                  .table = QStringLiteral("供应商"),
                  .columns = contactColumns(),
                  .options = codeOptions()},
                 opener)
{
}

frmOut11::frmOut11(QWidget* opener)
    : PickerForm({.formName = QString::fromLatin1(FormName),
                  .caption = QStringLiteral("客户选择"),
                  .table = QStringLiteral("客户"),
                  .columns = contactColumns(),
                  .options = {option("Option5", "按拼音码", "拼音码", "输入拼音码筛选", "option5"),
                              option("Option6", "按五笔码", "五笔码", "输入五笔码筛选", "option6"),
                              option("Option7", "按编号码", "编号", "输入编号筛选", "option7"),
                              option("Option8", "按电话号", "电话", "输入电话号筛选", "option8")},
                  .iniKey = QStringLiteral("nameC")},
                 opener)
{
}

frmOut16::frmOut16(QWidget* opener)
    : PickerForm({.formName = QString::fromLatin1(FormName),
                  .caption = QStringLiteral("业务员选择"),
                  .table = QStringLiteral("业务员"),
                  .columns = partnerColumns("姓名",
                                            {textColumn("性别", 1411), textColumn("部门", 1764), textColumn("职务", 1764)}),
                  .options = codeOptions(),
                  .modal = true},
                 opener)
{
}
