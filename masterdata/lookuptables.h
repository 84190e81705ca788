#pragma once
#include "mastereditor.h"

// Categories and units: two columns, 编号 and 名称, no search codes.
struct LookupTable {
    NumberScheme number;
    QString header; // the name column's header
    QString hint;   // the filter's hint: it searches the number only
};

namespace LookupTables {
extern const LookupTable Categories;
extern const LookupTable Units;
}

// The list of a lookup table, with the window's names for its controls and its editor.
ListDesign lookupListDesign(const LookupTable& table, ListNames names, EditorOpener openEditor);
EditorDesign lookupEditorDesign(const LookupTable& table);
