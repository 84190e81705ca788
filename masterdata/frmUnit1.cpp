#include "frmUnit1.h"
#include "lookuptables.h"

frmUnit1::frmUnit1(MasterListPanel& list, EditorMode mode, QWidget* parent)
    : MasterEditor(lookupEditorDesign(LookupTables::Units), list, mode, parent)
{
}
