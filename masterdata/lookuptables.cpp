#include "lookuptables.h"

namespace LookupTables {
const LookupTable Categories{NumberSchemes::Categories, QStringLiteral("商品类别"), QStringLiteral("输入编号筛选(商品类别)")};
const LookupTable Units{NumberSchemes::Units, QStringLiteral("计量单位"), QStringLiteral("输入编号筛选(计量单位)")};
}

ListDesign lookupListDesign(const LookupTable& table)
{
    ListDesign design;
    design.table = table.number.table;
    design.columns = {
        {QStringLiteral("编号"), QStringLiteral("编号"), 1000},
        {table.header, QStringLiteral("名称"), 2800},
    };
    design.filters = {{{}, {}, QStringLiteral("编号"), table.hint, {}}};
    design.buttonsBelowFilter = true;
    return design;
}

EditorDesign lookupEditorDesign(const LookupTable& table)
{
    EditorDesign design;
    design.number = table.number;
    design.fields = {
        {QStringLiteral("Text1"), QStringLiteral("编    号"), QStringLiteral("编号"), QStringLiteral("编号"), FieldRule::Required, 0},
        {QStringLiteral("Text2"), QStringLiteral("名    称"), QStringLiteral("名称"), QStringLiteral("名称"), FieldRule::Required, 1},
    };
    return design;
}
