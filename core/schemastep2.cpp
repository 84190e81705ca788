#include "schemasteps.h"

namespace {
// Version 2's statements, in the order they run. A sale line counts when its
// 类别2 is 出库 and each column the analyses filter holds a value; a slip is a
// sale when its 类别 is 出库 exactly. Sums are whole ten-thousandths.
const char* const version2[] = {
    // The wide covering indexes go; a customer's and a salesman's own lines
    // keep narrow ones, made anew whatever a book held under their names.
    R"sql(DROP INDEX IF EXISTS ix_out_lines_kind_month)sql",
    R"sql(DROP INDEX IF EXISTS ix_out_lines_kind_goods)sql",
    R"sql(DROP INDEX IF EXISTS ix_out_lines_kind_customer)sql",
    R"sql(DROP INDEX IF EXISTS ix_out_lines_kind_salesman)sql",
    R"sql(DROP INDEX IF EXISTS ix_out_lines_customer_date)sql",
    R"sql(DROP INDEX IF EXISTS ix_out_lines_salesman_date)sql",
    R"sql(CREATE INDEX ix_out_lines_customer_date ON 出库单明细 (类别2, 客户, 日期))sql",
    R"sql(CREATE INDEX ix_out_lines_salesman_date ON 出库单明细 (类别2, 业务员, 日期))sql",
    // The totals: per month and goods, customer or salesman, and per day, of
    // the sales lines; per day of the slips, 出库 telling sales from returns.
    R"sql(CREATE TABLE IF NOT EXISTS 商品月计 (
  年月 TEXT,
  商品名称 TEXT COLLATE NOCASE,
  类别 TEXT COLLATE NOCASE,
  行数 INTEGER NOT NULL,
  金额 INTEGER NOT NULL,
  利润金额 INTEGER NOT NULL,
  数量 INTEGER NOT NULL,
  PRIMARY KEY (年月, 商品名称, 类别))
  WITHOUT ROWID)sql",
    R"sql(CREATE TABLE IF NOT EXISTS 客户月计 (
  年月 TEXT,
  客户 TEXT COLLATE NOCASE,
  行数 INTEGER NOT NULL,
  金额 INTEGER NOT NULL,
  利润金额 INTEGER NOT NULL,
  PRIMARY KEY (年月, 客户))
  WITHOUT ROWID)sql",
    R"sql(CREATE TABLE IF NOT EXISTS 业务员月计 (
  年月 TEXT,
  业务员 TEXT COLLATE NOCASE,
  行数 INTEGER NOT NULL,
  金额 INTEGER NOT NULL,
  利润金额 INTEGER NOT NULL,
  PRIMARY KEY (年月, 业务员))
  WITHOUT ROWID)sql",
    R"sql(CREATE TABLE IF NOT EXISTS 销售日计 (
  日期 TEXT,
  年月 TEXT,
  行数 INTEGER NOT NULL,
  金额 INTEGER NOT NULL,
  利润金额 INTEGER NOT NULL,
  PRIMARY KEY (日期, 年月))
  WITHOUT ROWID)sql",
    R"sql(CREATE TABLE IF NOT EXISTS 出库单日计 (
  日期 TEXT,
  出库 INTEGER,
  行数 INTEGER NOT NULL,
  合计数量 INTEGER NOT NULL,
  合计金额 INTEGER NOT NULL,
  欠款金额 INTEGER NOT NULL,
  还款金额 INTEGER NOT NULL,
  合计成本 INTEGER NOT NULL,
  合计利润 INTEGER NOT NULL,
  PRIMARY KEY (日期, 出库))
  WITHOUT ROWID)sql",
    R"sql(CREATE INDEX IF NOT EXISTS ix_slip_days_date ON 出库单日计 (日期, 出库, 行数, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润))sql",
    // Every write of the lines and slips moves them in its own transaction.
    R"sql(CREATE TRIGGER IF NOT EXISTS totals_lines_insert AFTER INSERT ON 出库单明细 BEGIN
  INSERT INTO 商品月计 (年月, 商品名称, 类别, 行数, 金额, 利润金额, 数量)
    SELECT substr(new.日期, 1, 7), new.商品名称, new.类别, 1, coalesce(CAST(round(new.金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.利润金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.数量 * 10000) AS INTEGER), 0)
    WHERE new.类别2 = '出库' and new.日期 is not null and new.类别 is not null and new.商品名称 is not null and new.客户 is not null and new.业务员 is not null
    ON CONFLICT (年月, 商品名称, 类别) DO UPDATE SET 行数 = 行数 + 1, 金额 = 金额 + excluded.金额, 利润金额 = 利润金额 + excluded.利润金额, 数量 = 数量 + excluded.数量;
  INSERT INTO 客户月计 (年月, 客户, 行数, 金额, 利润金额)
    SELECT substr(new.日期, 1, 7), new.客户, 1, coalesce(CAST(round(new.金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.利润金额 * 10000) AS INTEGER), 0)
    WHERE new.类别2 = '出库' and new.日期 is not null and new.类别 is not null and new.商品名称 is not null and new.客户 is not null and new.业务员 is not null
    ON CONFLICT (年月, 客户) DO UPDATE SET 行数 = 行数 + 1, 金额 = 金额 + excluded.金额, 利润金额 = 利润金额 + excluded.利润金额;
  INSERT INTO 业务员月计 (年月, 业务员, 行数, 金额, 利润金额)
    SELECT substr(new.日期, 1, 7), new.业务员, 1, coalesce(CAST(round(new.金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.利润金额 * 10000) AS INTEGER), 0)
    WHERE new.类别2 = '出库' and new.日期 is not null and new.类别 is not null and new.商品名称 is not null and new.客户 is not null and new.业务员 is not null
    ON CONFLICT (年月, 业务员) DO UPDATE SET 行数 = 行数 + 1, 金额 = 金额 + excluded.金额, 利润金额 = 利润金额 + excluded.利润金额;
  INSERT INTO 销售日计 (日期, 年月, 行数, 金额, 利润金额)
    SELECT new.日期, new.年月, 1, coalesce(CAST(round(new.金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.利润金额 * 10000) AS INTEGER), 0)
    WHERE new.类别2 = '出库' and new.日期 is not null and new.类别 is not null and new.商品名称 is not null and new.客户 is not null and new.业务员 is not null and new.年月 is not null
    ON CONFLICT (日期, 年月) DO UPDATE SET 行数 = 行数 + 1, 金额 = 金额 + excluded.金额, 利润金额 = 利润金额 + excluded.利润金额;
END)sql",
    R"sql(CREATE TRIGGER IF NOT EXISTS totals_lines_delete AFTER DELETE ON 出库单明细 BEGIN
  UPDATE 商品月计
    SET 行数 = 行数 - 1, 金额 = 金额 - coalesce(CAST(round(old.金额 * 10000) AS INTEGER), 0), 利润金额 = 利润金额 - coalesce(CAST(round(old.利润金额 * 10000) AS INTEGER), 0), 数量 = 数量 - coalesce(CAST(round(old.数量 * 10000) AS INTEGER), 0)
    WHERE 年月 = substr(old.日期, 1, 7) and 商品名称 = old.商品名称 and 类别 = old.类别 and old.类别2 = '出库' and old.日期 is not null and old.类别 is not null and old.商品名称 is not null and old.客户 is not null and old.业务员 is not null;
  DELETE FROM 商品月计
    WHERE 年月 = substr(old.日期, 1, 7) and 商品名称 = old.商品名称 and 类别 = old.类别 and 行数 = 0;
  UPDATE 客户月计
    SET 行数 = 行数 - 1, 金额 = 金额 - coalesce(CAST(round(old.金额 * 10000) AS INTEGER), 0), 利润金额 = 利润金额 - coalesce(CAST(round(old.利润金额 * 10000) AS INTEGER), 0)
    WHERE 年月 = substr(old.日期, 1, 7) and 客户 = old.客户 and old.类别2 = '出库' and old.日期 is not null and old.类别 is not null and old.商品名称 is not null and old.客户 is not null and old.业务员 is not null;
  DELETE FROM 客户月计
    WHERE 年月 = substr(old.日期, 1, 7) and 客户 = old.客户 and 行数 = 0;
  UPDATE 业务员月计
    SET 行数 = 行数 - 1, 金额 = 金额 - coalesce(CAST(round(old.金额 * 10000) AS INTEGER), 0), 利润金额 = 利润金额 - coalesce(CAST(round(old.利润金额 * 10000) AS INTEGER), 0)
    WHERE 年月 = substr(old.日期, 1, 7) and 业务员 = old.业务员 and old.类别2 = '出库' and old.日期 is not null and old.类别 is not null and old.商品名称 is not null and old.客户 is not null and old.业务员 is not null;
  DELETE FROM 业务员月计
    WHERE 年月 = substr(old.日期, 1, 7) and 业务员 = old.业务员 and 行数 = 0;
  UPDATE 销售日计
    SET 行数 = 行数 - 1, 金额 = 金额 - coalesce(CAST(round(old.金额 * 10000) AS INTEGER), 0), 利润金额 = 利润金额 - coalesce(CAST(round(old.利润金额 * 10000) AS INTEGER), 0)
    WHERE 日期 = old.日期 and 年月 = old.年月 and old.类别2 = '出库' and old.日期 is not null and old.类别 is not null and old.商品名称 is not null and old.客户 is not null and old.业务员 is not null and old.年月 is not null;
  DELETE FROM 销售日计
    WHERE 日期 = old.日期 and 年月 = old.年月 and 行数 = 0;
END)sql",
    R"sql(CREATE TRIGGER IF NOT EXISTS totals_lines_update AFTER UPDATE OF 日期, 年月, 类别2, 商品名称, 类别, 客户, 业务员, 数量, 金额, 利润金额 ON 出库单明细 BEGIN
  UPDATE 商品月计
    SET 行数 = 行数 - 1, 金额 = 金额 - coalesce(CAST(round(old.金额 * 10000) AS INTEGER), 0), 利润金额 = 利润金额 - coalesce(CAST(round(old.利润金额 * 10000) AS INTEGER), 0), 数量 = 数量 - coalesce(CAST(round(old.数量 * 10000) AS INTEGER), 0)
    WHERE 年月 = substr(old.日期, 1, 7) and 商品名称 = old.商品名称 and 类别 = old.类别 and old.类别2 = '出库' and old.日期 is not null and old.类别 is not null and old.商品名称 is not null and old.客户 is not null and old.业务员 is not null;
  DELETE FROM 商品月计
    WHERE 年月 = substr(old.日期, 1, 7) and 商品名称 = old.商品名称 and 类别 = old.类别 and 行数 = 0;
  UPDATE 客户月计
    SET 行数 = 行数 - 1, 金额 = 金额 - coalesce(CAST(round(old.金额 * 10000) AS INTEGER), 0), 利润金额 = 利润金额 - coalesce(CAST(round(old.利润金额 * 10000) AS INTEGER), 0)
    WHERE 年月 = substr(old.日期, 1, 7) and 客户 = old.客户 and old.类别2 = '出库' and old.日期 is not null and old.类别 is not null and old.商品名称 is not null and old.客户 is not null and old.业务员 is not null;
  DELETE FROM 客户月计
    WHERE 年月 = substr(old.日期, 1, 7) and 客户 = old.客户 and 行数 = 0;
  UPDATE 业务员月计
    SET 行数 = 行数 - 1, 金额 = 金额 - coalesce(CAST(round(old.金额 * 10000) AS INTEGER), 0), 利润金额 = 利润金额 - coalesce(CAST(round(old.利润金额 * 10000) AS INTEGER), 0)
    WHERE 年月 = substr(old.日期, 1, 7) and 业务员 = old.业务员 and old.类别2 = '出库' and old.日期 is not null and old.类别 is not null and old.商品名称 is not null and old.客户 is not null and old.业务员 is not null;
  DELETE FROM 业务员月计
    WHERE 年月 = substr(old.日期, 1, 7) and 业务员 = old.业务员 and 行数 = 0;
  UPDATE 销售日计
    SET 行数 = 行数 - 1, 金额 = 金额 - coalesce(CAST(round(old.金额 * 10000) AS INTEGER), 0), 利润金额 = 利润金额 - coalesce(CAST(round(old.利润金额 * 10000) AS INTEGER), 0)
    WHERE 日期 = old.日期 and 年月 = old.年月 and old.类别2 = '出库' and old.日期 is not null and old.类别 is not null and old.商品名称 is not null and old.客户 is not null and old.业务员 is not null and old.年月 is not null;
  DELETE FROM 销售日计
    WHERE 日期 = old.日期 and 年月 = old.年月 and 行数 = 0;
  INSERT INTO 商品月计 (年月, 商品名称, 类别, 行数, 金额, 利润金额, 数量)
    SELECT substr(new.日期, 1, 7), new.商品名称, new.类别, 1, coalesce(CAST(round(new.金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.利润金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.数量 * 10000) AS INTEGER), 0)
    WHERE new.类别2 = '出库' and new.日期 is not null and new.类别 is not null and new.商品名称 is not null and new.客户 is not null and new.业务员 is not null
    ON CONFLICT (年月, 商品名称, 类别) DO UPDATE SET 行数 = 行数 + 1, 金额 = 金额 + excluded.金额, 利润金额 = 利润金额 + excluded.利润金额, 数量 = 数量 + excluded.数量;
  INSERT INTO 客户月计 (年月, 客户, 行数, 金额, 利润金额)
    SELECT substr(new.日期, 1, 7), new.客户, 1, coalesce(CAST(round(new.金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.利润金额 * 10000) AS INTEGER), 0)
    WHERE new.类别2 = '出库' and new.日期 is not null and new.类别 is not null and new.商品名称 is not null and new.客户 is not null and new.业务员 is not null
    ON CONFLICT (年月, 客户) DO UPDATE SET 行数 = 行数 + 1, 金额 = 金额 + excluded.金额, 利润金额 = 利润金额 + excluded.利润金额;
  INSERT INTO 业务员月计 (年月, 业务员, 行数, 金额, 利润金额)
    SELECT substr(new.日期, 1, 7), new.业务员, 1, coalesce(CAST(round(new.金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.利润金额 * 10000) AS INTEGER), 0)
    WHERE new.类别2 = '出库' and new.日期 is not null and new.类别 is not null and new.商品名称 is not null and new.客户 is not null and new.业务员 is not null
    ON CONFLICT (年月, 业务员) DO UPDATE SET 行数 = 行数 + 1, 金额 = 金额 + excluded.金额, 利润金额 = 利润金额 + excluded.利润金额;
  INSERT INTO 销售日计 (日期, 年月, 行数, 金额, 利润金额)
    SELECT new.日期, new.年月, 1, coalesce(CAST(round(new.金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.利润金额 * 10000) AS INTEGER), 0)
    WHERE new.类别2 = '出库' and new.日期 is not null and new.类别 is not null and new.商品名称 is not null and new.客户 is not null and new.业务员 is not null and new.年月 is not null
    ON CONFLICT (日期, 年月) DO UPDATE SET 行数 = 行数 + 1, 金额 = 金额 + excluded.金额, 利润金额 = 利润金额 + excluded.利润金额;
END)sql",
    R"sql(CREATE TRIGGER IF NOT EXISTS totals_slips_insert AFTER INSERT ON 出库单 BEGIN
  INSERT INTO 出库单日计 (日期, 出库, 行数, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润)
    SELECT new.日期, coalesce(new.类别 = '出库' collate binary, 0), 1, coalesce(CAST(round(new.合计数量 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.欠款金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.还款金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计成本 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计利润 * 10000) AS INTEGER), 0)
    WHERE new.日期 is not null
    ON CONFLICT (日期, 出库) DO UPDATE SET 行数 = 行数 + 1, 合计数量 = 合计数量 + excluded.合计数量, 合计金额 = 合计金额 + excluded.合计金额, 欠款金额 = 欠款金额 + excluded.欠款金额, 还款金额 = 还款金额 + excluded.还款金额, 合计成本 = 合计成本 + excluded.合计成本, 合计利润 = 合计利润 + excluded.合计利润;
END)sql",
    R"sql(CREATE TRIGGER IF NOT EXISTS totals_slips_delete AFTER DELETE ON 出库单 BEGIN
  UPDATE 出库单日计
    SET 行数 = 行数 - 1, 合计数量 = 合计数量 - coalesce(CAST(round(old.合计数量 * 10000) AS INTEGER), 0), 合计金额 = 合计金额 - coalesce(CAST(round(old.合计金额 * 10000) AS INTEGER), 0), 欠款金额 = 欠款金额 - coalesce(CAST(round(old.欠款金额 * 10000) AS INTEGER), 0), 还款金额 = 还款金额 - coalesce(CAST(round(old.还款金额 * 10000) AS INTEGER), 0), 合计成本 = 合计成本 - coalesce(CAST(round(old.合计成本 * 10000) AS INTEGER), 0), 合计利润 = 合计利润 - coalesce(CAST(round(old.合计利润 * 10000) AS INTEGER), 0)
    WHERE 日期 = old.日期 and 出库 = coalesce(old.类别 = '出库' collate binary, 0) and old.日期 is not null;
  DELETE FROM 出库单日计
    WHERE 日期 = old.日期 and 出库 = coalesce(old.类别 = '出库' collate binary, 0) and 行数 = 0;
END)sql",
    R"sql(CREATE TRIGGER IF NOT EXISTS totals_slips_update AFTER UPDATE OF 日期, 类别, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润 ON 出库单 BEGIN
  UPDATE 出库单日计
    SET 行数 = 行数 - 1, 合计数量 = 合计数量 - coalesce(CAST(round(old.合计数量 * 10000) AS INTEGER), 0), 合计金额 = 合计金额 - coalesce(CAST(round(old.合计金额 * 10000) AS INTEGER), 0), 欠款金额 = 欠款金额 - coalesce(CAST(round(old.欠款金额 * 10000) AS INTEGER), 0), 还款金额 = 还款金额 - coalesce(CAST(round(old.还款金额 * 10000) AS INTEGER), 0), 合计成本 = 合计成本 - coalesce(CAST(round(old.合计成本 * 10000) AS INTEGER), 0), 合计利润 = 合计利润 - coalesce(CAST(round(old.合计利润 * 10000) AS INTEGER), 0)
    WHERE 日期 = old.日期 and 出库 = coalesce(old.类别 = '出库' collate binary, 0) and old.日期 is not null;
  DELETE FROM 出库单日计
    WHERE 日期 = old.日期 and 出库 = coalesce(old.类别 = '出库' collate binary, 0) and 行数 = 0;
  INSERT INTO 出库单日计 (日期, 出库, 行数, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润)
    SELECT new.日期, coalesce(new.类别 = '出库' collate binary, 0), 1, coalesce(CAST(round(new.合计数量 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.欠款金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.还款金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计成本 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计利润 * 10000) AS INTEGER), 0)
    WHERE new.日期 is not null
    ON CONFLICT (日期, 出库) DO UPDATE SET 行数 = 行数 + 1, 合计数量 = 合计数量 + excluded.合计数量, 合计金额 = 合计金额 + excluded.合计金额, 欠款金额 = 欠款金额 + excluded.欠款金额, 还款金额 = 还款金额 + excluded.还款金额, 合计成本 = 合计成本 + excluded.合计成本, 合计利润 = 合计利润 + excluded.合计利润;
END)sql",
    // Filled from the books.
    R"sql(DELETE FROM 商品月计)sql",
    R"sql(INSERT INTO 商品月计 (年月, 商品名称, 类别, 行数, 金额, 利润金额, 数量)
  SELECT substr(日期, 1, 7), 商品名称, 类别, count(*), sum(coalesce(CAST(round(金额 * 10000) AS INTEGER), 0)), sum(coalesce(CAST(round(利润金额 * 10000) AS INTEGER), 0)), sum(coalesce(CAST(round(数量 * 10000) AS INTEGER), 0))
  FROM 出库单明细
  WHERE 类别2 = '出库' and 日期 is not null and 类别 is not null and 商品名称 is not null and 客户 is not null and 业务员 is not null
  GROUP BY substr(日期, 1, 7), 商品名称, 类别)sql",
    R"sql(DELETE FROM 客户月计)sql",
    R"sql(INSERT INTO 客户月计 (年月, 客户, 行数, 金额, 利润金额)
  SELECT substr(日期, 1, 7), 客户, count(*), sum(coalesce(CAST(round(金额 * 10000) AS INTEGER), 0)), sum(coalesce(CAST(round(利润金额 * 10000) AS INTEGER), 0))
  FROM 出库单明细
  WHERE 类别2 = '出库' and 日期 is not null and 类别 is not null and 商品名称 is not null and 客户 is not null and 业务员 is not null
  GROUP BY substr(日期, 1, 7), 客户)sql",
    R"sql(DELETE FROM 业务员月计)sql",
    R"sql(INSERT INTO 业务员月计 (年月, 业务员, 行数, 金额, 利润金额)
  SELECT substr(日期, 1, 7), 业务员, count(*), sum(coalesce(CAST(round(金额 * 10000) AS INTEGER), 0)), sum(coalesce(CAST(round(利润金额 * 10000) AS INTEGER), 0))
  FROM 出库单明细
  WHERE 类别2 = '出库' and 日期 is not null and 类别 is not null and 商品名称 is not null and 客户 is not null and 业务员 is not null
  GROUP BY substr(日期, 1, 7), 业务员)sql",
    R"sql(DELETE FROM 销售日计)sql",
    R"sql(INSERT INTO 销售日计 (日期, 年月, 行数, 金额, 利润金额)
  SELECT 日期, 年月, count(*), sum(coalesce(CAST(round(金额 * 10000) AS INTEGER), 0)), sum(coalesce(CAST(round(利润金额 * 10000) AS INTEGER), 0))
  FROM 出库单明细
  WHERE 类别2 = '出库' and 日期 is not null and 类别 is not null and 商品名称 is not null and 客户 is not null and 业务员 is not null and 年月 is not null
  GROUP BY 日期, 年月)sql",
    R"sql(DELETE FROM 出库单日计)sql",
    R"sql(INSERT INTO 出库单日计 (日期, 出库, 行数, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润)
  SELECT 日期, coalesce(类别 = '出库' collate binary, 0), count(*), sum(coalesce(CAST(round(合计数量 * 10000) AS INTEGER), 0)), sum(coalesce(CAST(round(合计金额 * 10000) AS INTEGER), 0)), sum(coalesce(CAST(round(欠款金额 * 10000) AS INTEGER), 0)), sum(coalesce(CAST(round(还款金额 * 10000) AS INTEGER), 0)), sum(coalesce(CAST(round(合计成本 * 10000) AS INTEGER), 0)), sum(coalesce(CAST(round(合计利润 * 10000) AS INTEGER), 0))
  FROM 出库单
  WHERE 日期 is not null
  GROUP BY 日期, coalesce(类别 = '出库' collate binary, 0))sql",
};
}

DbStatus SchemaSteps::salesTotals(DbSession& session)
{
    for (const char* statement : version2) {
        if (auto done = session.exec(QString::fromUtf8(statement)); !done)
            return done.error();
    }
    return {};
}
