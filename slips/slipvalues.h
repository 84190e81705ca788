#pragma once
#include "amount.h"
#include "dbresult.h"

#include <QDate>
#include <QString>
#include <QTime>

// A slip's header as the form gathered it. Each family stores the fields its
// table has and leaves the others alone.
struct SlipHeader {
    QString number;
    QDate date;
    QTime time;
    QString operatorName;
    QString partner;    // 供应商 of a purchase slip, 客户 of a sales slip
    QString introducer; // 介绍人 of a sales slip
    QString salesman;   // 业务员 of a sales slip
    QString remark;
    Amount discount; // per cent, copied into every line
    Amount totalQuantity;
    Amount totalAmount;
    Amount totalCost;   // sales
    Amount totalProfit; // sales
    // The cash paid minus the total, as the payment boxes show it; the
    // design's debt rule makes the stored balance of it.
    Amount difference;
};

// One goods line of a slip, with the goods' copies a new stock row takes.
struct SlipLine {
    QString goodsCode;
    QString goodsName;
    QString size; // 规格
    QString unit;
    QString category; // the goods' 类别
    Amount upperLimit;
    Amount lowerLimit;
    Amount quantity;     // 数量; a stocktake's counted quantity (盘后数量)
    Amount price;        // 单价
    Amount amount;       // 金额
    Amount unitCost;     // sales: 单位成本, the average cost the line was entered at
    Amount costAmount;   // sales: 成本金额
    Amount bookQuantity; // stocktake: 盘前数量
    Amount gain;         // stocktake: 盈亏
};

// The texts a slip edit writes; each family writes those its dialog shows.
struct SlipEdit {
    QString number; // the slip's number after the edit
    QString partner;
    QString salesman;
    QString introducer;
    QString remark;
};

// A slip's running payments (还款金额) and open balance (尚欠金额).
struct SlipBalance {
    Amount paid;
    Amount owed;
};

// How a write of the books ended. Nothing is written unless it is done.
class SlipOutcome {
public:
    enum class State {
        Done,
        NotFound, // the slip is no longer in its book: message says so
        Refused,  // a rule of the books said no: message is what the form shows
        Failed,   // the database failed: message is "Error <code>: <description>"
    };

    static SlipOutcome done() { return SlipOutcome(State::Done, {}); }
    static SlipOutcome notFound() { return SlipOutcome(State::NotFound, QStringLiteral("没有这条记录或该记录已删除！")); }
    static SlipOutcome refused(const QString& message) { return SlipOutcome(State::Refused, message); }
    static SlipOutcome failed(const DbError& error) { return SlipOutcome(State::Failed, error.text()); }

    State state() const { return m_state; }
    bool isDone() const { return m_state == State::Done; }
    explicit operator bool() const { return isDone(); }
    const QString& message() const { return m_message; }

    // After a payment: the slip's new figures.
    SlipBalance balance;

private:
    SlipOutcome(State state, QString message)
        : m_state(state)
        , m_message(std::move(message))
    {
    }
    State m_state;
    QString m_message;
};
