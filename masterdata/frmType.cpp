#include "frmType.h"
#include "frmType1.h"
#include "frmUnit1.h"
#include "lookuptables.h"

frmType::frmType(QWidget* parent)
    : MasterListForm("frmType", "商品类别(双击表格可以修改)",
                     {lookupListDesign(LookupTables::Categories, {.buttonFrame = "Frame2"}, showModally<frmType1>()),
                      lookupListDesign(LookupTables::Units,
                                       {.list = "ListView2",
                                        .filterBox = "TextName1",
                                        .hintLabel = "Label3",
                                        .buttonFrame = "Frame3",
                                        .add = "ComAdd1",
                                        .modify = "ComMod1",
                                        .remove = "ComDel1",
                                        .back = "ComRtn1",
                                        .deleteBeforeModify = true},
                                       showModally<frmUnit1>())},
                     parent)
{
}
