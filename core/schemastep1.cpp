#include "schemasteps.h"

#include <QHash>
#include <QStringList>

namespace {
// The indexes of version 1, as SQLite keeps them in sqlite_master.
const QStringList& version1Indexes()
{
    static const QStringList statements{
        QStringLiteral("CREATE INDEX ix_tb_enter_name ON tb_enter (M_Name)"),
        QStringLiteral("CREATE INDEX ix_sysdepe_k1 ON sysdepe (k1)"),
        QStringLiteral("CREATE INDEX ix_goods_code ON 商品信息 (商品编号)"),
        QStringLiteral("CREATE INDEX ix_goods_barcode ON 商品信息 (条形码)"),
        QStringLiteral("CREATE INDEX ix_stock_code ON 库存 (商品编号, 库存量)"),
        QStringLiteral("CREATE INDEX ix_supplier_code ON 供应商 (编号)"),
        QStringLiteral("CREATE INDEX ix_customer_code ON 客户 (编号)"),
        QStringLiteral("CREATE INDEX ix_customer_name ON 客户 (名称)"),
        QStringLiteral("CREATE INDEX ix_customer_due ON 客户 (维护日期)"),
        QStringLiteral("CREATE INDEX ix_salesman_code ON 业务员 (编号)"),
        QStringLiteral("CREATE INDEX ix_in_no ON 入库单 (单号)"),
        QStringLiteral("CREATE INDEX ix_in_date ON 入库单 (日期, 类别, 合计数量, 合计金额, 欠款金额, 还款金额)"),
        QStringLiteral("CREATE INDEX ix_in_kind_no ON 入库单 (类别, 单号)"),
        QStringLiteral("CREATE INDEX ix_in_lines_no ON 入库单明细 (单号)"),
        QStringLiteral("CREATE INDEX ix_in_lines_date ON 入库单明细 (日期)"),
        QStringLiteral("CREATE INDEX ix_in_lines_goods ON 入库单明细 (商品编号)"),
        QStringLiteral("CREATE INDEX ix_in_pay_no ON 入库单明细1 (单号)"),
        QStringLiteral("CREATE INDEX ix_in_pay_date ON 入库单明细1 (日期)"),
        QStringLiteral("CREATE INDEX ix_out_no ON 出库单 (单号)"),
        QStringLiteral(
            "CREATE INDEX ix_out_date ON 出库单 (日期, 类别, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润)"),
        QStringLiteral("CREATE INDEX ix_out_kind_no ON 出库单 (类别, 单号)"),
        QStringLiteral("CREATE INDEX ix_out_kind_date ON 出库单 (类别, 日期)"),
        QStringLiteral("CREATE INDEX ix_out_lines_no ON 出库单明细 (单号)"),
        QStringLiteral("CREATE INDEX ix_out_lines_date ON 出库单明细 (日期)"),
        QStringLiteral("CREATE INDEX ix_out_lines_goods ON 出库单明细 (商品编号)"),
        QStringLiteral("CREATE INDEX ix_out_lines_introducer ON 出库单明细 (介绍人)"),
        QStringLiteral("CREATE INDEX ix_out_lines_kind_month ON 出库单明细 (类别2, 年月, 日期, 商品名称, 类别, 客户, 业务员, "
                       "数量, 金额, 利润金额)"),
        QStringLiteral("CREATE INDEX ix_out_lines_kind_goods ON 出库单明细 (类别2, 商品名称, 日期, 金额, 利润金额, 数量, 类别, "
                       "客户, 业务员)"),
        QStringLiteral(
            "CREATE INDEX ix_out_lines_kind_customer ON 出库单明细 (类别2, 客户, 日期, 金额, 利润金额, 商品名称, 类别, 业务员)"),
        QStringLiteral(
            "CREATE INDEX ix_out_lines_kind_salesman ON 出库单明细 (类别2, 业务员, 日期, 金额, 利润金额, 商品名称, 类别, 客户)"),
        QStringLiteral("CREATE INDEX ix_out_pay_no ON 出库单明细1 (单号)"),
        QStringLiteral("CREATE INDEX ix_out_pay_date ON 出库单明细1 (日期)"),
        QStringLiteral("CREATE INDEX ix_check_no ON 盘点单 (单号)"),
        QStringLiteral("CREATE INDEX ix_check_date ON 盘点单 (日期)"),
        QStringLiteral("CREATE INDEX ix_check_lines_no ON 盘点单明细 (单号)"),
        QStringLiteral("CREATE INDEX ix_check_lines_date ON 盘点单明细 (日期)"),
        QStringLiteral("CREATE INDEX ix_check_lines_goods ON 盘点单明细 (商品编号)"),
        QStringLiteral("CREATE INDEX ix_loss_no ON 调失单 (单号)"),
        QStringLiteral("CREATE INDEX ix_loss_date ON 调失单 (日期, 类别, 合计数量, 合计金额)"),
        QStringLiteral("CREATE INDEX ix_loss_kind_no ON 调失单 (类别, 单号)"),
        QStringLiteral("CREATE INDEX ix_loss_lines_no ON 调失单明细 (单号)"),
        QStringLiteral("CREATE INDEX ix_loss_lines_date ON 调失单明细 (日期)"),
        QStringLiteral("CREATE INDEX ix_loss_lines_goods ON 调失单明细 (商品编号)"),
        QStringLiteral("CREATE INDEX ix_expense_no ON 日常支出 (单号)"),
        QStringLiteral(
            "CREATE INDEX ix_expense_date ON 日常支出 (日期, 铺租, 水费, 电费, 物品价格, 人员工资, 业务提成, 税费, 费用总额)"),
    };
    return statements;
}

DbStatus dropIndex(DbSession& session, QString name)
{
    const QString quoted = QLatin1Char('"') + name.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return session.exec(QStringLiteral("DROP INDEX ") + quoted).status();
}
}

// Brings the indexes to exactly version 1's: one missing is made, one of the
// same name but another text is made anew, one of no such name is dropped.
DbStatus SchemaSteps::indexesOfVersion1(DbSession& session)
{
    auto read = session.query(QStringLiteral("select name, sql from sqlite_master where type = 'index' and sql is not null"));
    if (!read)
        return read.error();
    QHash<QString, QString> held; // name -> statement
    for (int i = 0; i < read->count(); ++i)
        held.insert(read->text(i, QStringLiteral("name")), read->text(i, QStringLiteral("sql")));
    for (const QString& statement : version1Indexes()) {
        const QString name = statement.section(QLatin1Char(' '), 2, 2);
        const QString heldStatement = held.take(name);
        if (heldStatement == statement)
            continue;
        if (!heldStatement.isNull()) {
            if (DbStatus dropped = dropIndex(session, name); !dropped)
                return dropped;
        }
        if (auto made = session.exec(statement); !made)
            return made.error();
    }
    // What is left is no index of version 1.
    for (auto it = held.cbegin(); it != held.cend(); ++it) {
        if (DbStatus dropped = dropIndex(session, it.key()); !dropped)
            return dropped;
    }
    return {};
}
