#pragma once
#include <QString>

// What a records window's last query asked for, kept from one opening of the
// window to the next: its slips are listed by it (opening adds today's date).
// Each part that is empty asks nothing.
struct RecordsCondition {
    QString column = {};   // a header column that must contain text
    QString text = {};     // as typed; empty matches every slip
    QString fromDate = {}; // 日期 from and to, both included ('yyyy-mm-dd')
    QString toDate = {};
    QString upToDate = {};    // 日期 up to, included
    bool openBalance = false; // 尚欠金额 other than 0

    bool operator==(const RecordsCondition&) const = default;
};
