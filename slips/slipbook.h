#pragma once
#include "dbsession.h"
#include "slipdesign.h"
#include "slipvalues.h"
#include "stocklevel.h"

#include <functional>
#include <initializer_list>
#include <optional>

// What the slip writes share: their transaction, the slip's header row, the
// stock rows and the points.
namespace SlipBook {

// Runs a write of the books as one transaction on the open session:
// committed when the work is done, rolled back otherwise, so a refusal or a
// failure leaves every table as it was.
SlipOutcome write(DbSession& session, const std::function<SlipOutcome(DbSession&)>& work);

// The date, month and time texts the slip tables hold.
QString dateText(const QDate& date);
QString monthText(const QDate& date);
QString timeText(const QTime& time);

// Whether the design's header table holds the number, whatever its 类别;
// the row exceptRowid (the slip itself) aside.
DbResult<bool> numberHeld(DbSession& session, const SlipDesign& design, const QString& number, qint64 exceptRowid = -1);

// The slip's header row of the design's kind: its rowid first, then the
// columns asked for; no row when the slip is not in its book.
DbResult<Rows> header(DbSession& session, const SlipDesign& design, const QString& number, const QString& columns);

struct StockRow {
    qint64 rowid = 0;
    StockLevel level;
};
// The refusal of the first figure past the book limit, naming its owner:
// "商品[可乐]的库存量不能大于[99999999999.99]。" for the owner "商品[可乐]的";
// none when every figure is within the limit.
std::optional<SlipOutcome> pastBookLimit(const QString& owner, std::initializer_list<std::pair<QString, Amount>> figures);
QString goodsOwner(const QString& name);
// A stock level past the book limit, refused naming the goods.
std::optional<SlipOutcome> stockPastBookLimit(const QString& goodsName, const StockLevel& level);

DbResult<std::optional<StockRow>> readStock(DbSession& session, const QString& goodsCode);
// Writes the quantity and value, and the average cost when it changed.
DbStatus writeStock(DbSession& session, const StockRow& row, const StockLevel& level);
DbStatus createStock(DbSession& session, const SlipLine& line, const StockLevel& level);

// Adds points (negative: takes them) to every customer of the name;
// refused when one would hold points past the book limit.
SlipOutcome movePoints(DbSession& session, const QString& customer, Amount points);
// The points a sales slip of this total gives its customer and introducer.
Amount slipPoints(const SlipDesign& design, Amount total);

}
