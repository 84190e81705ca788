#pragma once
#include "masterlistform.h"

// The goods with their stock, filtered by pinyin, wubi, own code or barcode.
class frmGoods : public MasterListForm {
    Q_OBJECT
public:
    explicit frmGoods(QWidget* parent = nullptr);
};

// The goods list: each goods with the quantity of its first stock row, read
// in the same statement ("0" without one), so no goods is listed twice.
ListDesign goodsListDesign();
