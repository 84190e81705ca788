#pragma once
#include "masterlist.h"

#include <QWidget>

// The goods with their stock, filtered by pinyin, wubi, own code or barcode.
class frmGoods : public QWidget {
    Q_OBJECT
public:
    explicit frmGoods(QWidget* parent = nullptr);

    MasterListPanel* list() const { return m_list; }

private:
    MasterListPanel* m_list = nullptr;
};

// The goods list: each goods with the quantity of its first stock row, read
// in the same statement ("0" without one), so no goods is listed twice.
ListDesign goodsListDesign();
