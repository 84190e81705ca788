#pragma once
// A read-only grid of sale lines under the headers 日期, 商品名称, 销售额 and
// 利润额; the amounts show as whole numbers, the sums keep their decimals.
#include "recordgrid.h"
#include "saleslines.h"

class SalesLinesGrid : public RecordGrid {
    Q_OBJECT
public:
    explicit SalesLinesGrid(QWidget* parent = nullptr);

    void setLines(const SalesLines& lines);
};
