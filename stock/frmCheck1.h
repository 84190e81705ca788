#pragma once
#include "slipentryform.h"

// 商品盘点: the stocktaking slip. Each line sets the goods' stock to the
// count: the book quantity beside the counted one, the gain and its value at
// the line's price.
class frmCheck1 : public SlipEntryForm {
    Q_OBJECT
public:
    explicit frmCheck1(QWidget* parent = nullptr);
};
