#include "lookuptables.h"

namespace LookupTables {
const LookupTable Categories{NumberSchemes::Categories, QStringLiteral("商品类别"), QStringLiteral("输入编号筛选(商品类别)")};
const LookupTable Units{NumberSchemes::Units, QStringLiteral("计量单位"), QStringLiteral("输入编号筛选(计量单位)")};
}

ListDesign lookupListDesign(const LookupTable& table, ListNames names, EditorOpener openEditor)
{
    return {
        .table = table.number.table,
        .columns =
            {
                {.header = "编号", .column = "编号", .widthTwips = 1000},
                {.header = table.header, .column = "名称", .widthTwips = 2800},
            },
        // The filter looks at the number only.
        .filters = {{.column = "编号", .hint = table.hint}},
        .buttonsBelowFilter = true,
        .names = std::move(names),
        .openEditor = std::move(openEditor),
    };
}

EditorDesign lookupEditorDesign(const LookupTable& table)
{
    using enum FieldRule;
    return {
        .number = table.number,
        .fields =
            {
                {.objectName = "Text1", .label = "编    号", .column = "编号", .rule = Required},
                {.objectName = "Text2", .label = "名    称", .column = "名称", .rule = Required},
            },
    };
}
