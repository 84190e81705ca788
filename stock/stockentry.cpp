#include "stockentry.h"

SlipEntryDesign StockEntryDesign(const QString& formName, const QString& caption, const SlipDesign& slip,
                                 const QString& inputDialog)
{
    SlipEntryDesign design;
    design.formName = formName;
    design.caption = caption;
    design.slip = &slip;
    design.lookup = {.codeHeader = QStringLiteral("商品编号"), .barcodeBox = false, .filterCaption = QStringLiteral("[输入商品]")};
    design.inputDialog = inputDialog;
    return design;
}
