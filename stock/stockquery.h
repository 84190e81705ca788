#pragma once
// The reads of the stock query: the stock rows of one view, with the totals
// of the rows listed.
#include "amount.h"
#include "dbsession.h"

#include <QString>
#include <QStringList>

namespace StockQuery {
// The columns of 库存 in the table's order, as the list shows and the
// export copies them.
const QStringList& columns();

enum class View {
    Category,        // 类别 holds the text ("" for every row with a category)
    Name,            // 商品名称 holds the text
    AboveUpperLimit, // 库存量 > 库存上限
    BelowLowerLimit, // 库存量 < 库存下限, also what the export copies
};

// The statement of a view; the Category and Name views take the text as
// their one value. A typed % or _ matches as in any filter.
QString statement(View view);

struct Listing {
    Rows rows;
    Amount quantity; // the sum of 库存量, NULL as 0
    Amount value;    // the sum of 金额, NULL as 0
};

// The rows of a view in the order the table holds them.
DbResult<Listing> read(DbSession& session, View view, const QString& text = {});
}
