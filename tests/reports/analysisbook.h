#pragma once
// The sales lines and goods records the goods analysis reads, written
// straight into their tables.
#include "slipbooks.h"

namespace AnalysisBook {

// A sales line; a null text is stored as NULL.
struct Line {
    const char* kind; // 类别2
    const char* date;
    const char* goods;
    const char* category;
    const char* customer;
    const char* salesman;
    double amount;
    double profit;
    double quantity;
};

inline QVariant text(const char* value) { return value ? QVariant(QString::fromUtf8(value)) : QVariant(); }

// 年月 is the first seven characters of the date, as a save writes it.
inline void addLine(const Line& line)
{
    const QVariant date = text(line.date);
    SlipBooks::execute(QStringLiteral(
                           "insert into 出库单明细 (单号, 日期, 年月, 商品名称, 类别, 客户, 业务员, 金额, 利润金额, 数量, 类别2) "
                           "values ('C0000001', ?, substr(?, 1, 7), ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {date, date, text(line.goods), text(line.category), text(line.customer), text(line.salesman), line.amount,
                        line.profit, line.quantity, text(line.kind)});
}

inline void addGoods(const char* name)
{
    SlipBooks::execute(QStringLiteral("insert into 商品信息 (商品编号, 商品名称, 单位) values ('SP', ?, '瓶')"), {text(name)});
}

}
