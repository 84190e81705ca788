#include "frmType1.h"
#include "lookuptables.h"

frmType1::frmType1(MasterListPanel& list, EditorMode mode, QWidget* parent)
    : MasterEditor(lookupEditorDesign(LookupTables::Categories), list, mode, parent)
{
}
