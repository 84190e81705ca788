#pragma once
// The goods reads of the slip-entry forms: the lookup list's statements and
// loading the goods a line is entered for.
#include "dbsession.h"
#include "stocklevel.h"

#include <QString>
#include <optional>

// A goods as line entry holds it: each column trimmed, and the price a new
// line of the kind starts from as the plain text of the number.
struct GoodsItem {
    QString code;
    QString name;
    QString size; // 规格
    QString unit;
    QString category;
    QString upperLimit;
    QString lowerLimit;
    QString pinyin;
    QString wubi;
    QString selfCode;
    QString price;
};

struct GoodsLoad {
    std::optional<GoodsItem> goods;  // none when the code is no goods
    std::optional<StockLevel> stock; // none when the goods has no stock row
};

namespace GoodsLookup {
// The lookup list: code, name, stock quantity (0 without a stock row) and
// storage place of every goods whose search column holds the one bound value
// anywhere; rows come in the table's order.
QString filterStatement(const QString& searchColumn);
// The same list for the goods of one barcode (the bound value), exactly.
QString barcodeStatement();
}

// Reads the goods of a code, exactly as given, with the price of priceColumn,
// and the stock row of the goods found (of the code as given when none is).
DbResult<GoodsLoad> LoadGoods(DbSession& session, const QString& code, const QString& priceColumn);
