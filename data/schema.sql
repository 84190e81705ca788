-- The shop's database as a new book holds it, at the version of the last
-- upgrade step (core/schemasteps.h): 21 tables of books in the column order
-- the program relies on, their indexes, and the sales totals with their
-- triggers. Text compares without regard to Latin case, as the books always
-- have; passwords compare exactly. No keys: links are plain values. A test
-- builds a book through every step and holds it to this file.

CREATE TABLE tb_enter (
  M_ID INTEGER, M_Name TEXT COLLATE NOCASE, M_zw TEXT COLLATE NOCASE, M_Password TEXT,
  "1" TEXT, "2" TEXT, "3" TEXT, "4" TEXT, "5" TEXT, "6" TEXT, "7" TEXT, "8" TEXT, "9" TEXT,
  "10" TEXT, "11" TEXT, "12" TEXT, "13" TEXT, "14" TEXT, "15" TEXT, "16" TEXT, "17" TEXT,
  "18" TEXT, "19" TEXT, "20" TEXT, "21" TEXT, "22" TEXT, "23" TEXT, "24" TEXT, "25" TEXT,
  "26" TEXT);

CREATE TABLE sysdepe (k1 TEXT COLLATE NOCASE, k2 TEXT COLLATE NOCASE);

CREATE TABLE 商品信息 (
  商品编号 TEXT COLLATE NOCASE, 商品名称 TEXT COLLATE NOCASE, 规格 TEXT COLLATE NOCASE,
  单位 TEXT COLLATE NOCASE, 类别 TEXT COLLATE NOCASE, 进价 REAL, 批发价 REAL, 会员价 REAL,
  零售价 REAL, 库存上限 REAL, 库存下限 REAL, 厂家 TEXT COLLATE NOCASE, 拼音码 TEXT COLLATE NOCASE,
  五笔码 TEXT COLLATE NOCASE, 自编码 TEXT COLLATE NOCASE, 条形码 TEXT COLLATE NOCASE);

CREATE TABLE 库存 (
  类别 TEXT COLLATE NOCASE, 商品编号 TEXT COLLATE NOCASE, 商品名称 TEXT COLLATE NOCASE,
  规格 TEXT COLLATE NOCASE, 单位 TEXT COLLATE NOCASE, 均价 REAL, 金额 REAL, 库存上限 REAL,
  库存下限 REAL, 库存量 REAL);

CREATE TABLE 供应商 (
  编号 TEXT COLLATE NOCASE, 名称 TEXT COLLATE NOCASE, 电话 TEXT COLLATE NOCASE,
  传真 TEXT COLLATE NOCASE, 地址 TEXT COLLATE NOCASE, 联系人 TEXT COLLATE NOCASE,
  开户银行 TEXT COLLATE NOCASE, 帐号 TEXT COLLATE NOCASE, 备注 TEXT COLLATE NOCASE,
  拼音码 TEXT COLLATE NOCASE, 五笔码 TEXT COLLATE NOCASE);

CREATE TABLE 客户 (
  编号 TEXT COLLATE NOCASE, 积分 REAL, 名称 TEXT COLLATE NOCASE, 电话 TEXT COLLATE NOCASE,
  传真 TEXT COLLATE NOCASE, 地址 TEXT COLLATE NOCASE, 联系人 TEXT COLLATE NOCASE,
  QQ号码 TEXT COLLATE NOCASE, 开户银行 TEXT COLLATE NOCASE, 帐号 TEXT COLLATE NOCASE,
  备注 TEXT COLLATE NOCASE, 维护日期 TEXT, 拼音码 TEXT COLLATE NOCASE, 五笔码 TEXT COLLATE NOCASE);

CREATE TABLE 业务员 (
  编号 TEXT COLLATE NOCASE, 姓名 TEXT COLLATE NOCASE, 性别 TEXT COLLATE NOCASE,
  部门 TEXT COLLATE NOCASE, 职务 TEXT COLLATE NOCASE, 身份证号 TEXT COLLATE NOCASE,
  电话 TEXT COLLATE NOCASE, 地址 TEXT COLLATE NOCASE, 入职日期 TEXT COLLATE NOCASE,
  备注 TEXT COLLATE NOCASE, 拼音码 TEXT COLLATE NOCASE, 五笔码 TEXT COLLATE NOCASE);

CREATE TABLE 商品类别 (编号 TEXT COLLATE NOCASE, 名称 TEXT COLLATE NOCASE);
CREATE TABLE 计量单位 (编号 TEXT COLLATE NOCASE, 名称 TEXT COLLATE NOCASE);

CREATE TABLE 店铺信息 (
  名称 TEXT COLLATE NOCASE, 地址 TEXT COLLATE NOCASE, 联系人 TEXT COLLATE NOCASE,
  电话 TEXT COLLATE NOCASE);

CREATE TABLE 入库单 (
  单号 TEXT COLLATE NOCASE, 日期 TEXT, 时间 TEXT, 操作员 TEXT COLLATE NOCASE, 折扣 REAL,
  供应商 TEXT COLLATE NOCASE, 合计数量 REAL, 合计金额 REAL, 欠款金额 REAL, 尚欠金额 REAL,
  类别 TEXT COLLATE NOCASE, 备注 TEXT COLLATE NOCASE, 还款金额 REAL DEFAULT 0);

CREATE TABLE 入库单明细 (
  单号 TEXT COLLATE NOCASE, 日期 TEXT, 年月 TEXT, 商品编号 TEXT COLLATE NOCASE,
  商品名称 TEXT COLLATE NOCASE, 规格 TEXT COLLATE NOCASE, 单位 TEXT COLLATE NOCASE, 数量 REAL,
  单价 REAL, 折扣 REAL, 金额 REAL, 类别 TEXT COLLATE NOCASE, 类别2 TEXT COLLATE NOCASE);

CREATE TABLE 入库单明细1 (
  单号 TEXT COLLATE NOCASE, 还款金额 REAL, 操作员 TEXT COLLATE NOCASE, 日期 TEXT, 时间 TEXT);

CREATE TABLE 出库单 (
  单号 TEXT COLLATE NOCASE, 日期 TEXT, 时间 TEXT, 操作员 TEXT COLLATE NOCASE,
  客户 TEXT COLLATE NOCASE, 介绍人 TEXT COLLATE NOCASE, 合计数量 REAL, 合计金额 REAL,
  合计成本 REAL, 合计利润 REAL, 类别 TEXT COLLATE NOCASE, 折扣 REAL, 业务员 TEXT COLLATE NOCASE,
  备注 TEXT COLLATE NOCASE, 欠款金额 REAL, 尚欠金额 REAL, 还款金额 REAL DEFAULT 0);

CREATE TABLE 出库单明细 (
  单号 TEXT COLLATE NOCASE, 日期 TEXT, 年月 TEXT, 商品编号 TEXT COLLATE NOCASE,
  商品名称 TEXT COLLATE NOCASE, 规格 TEXT COLLATE NOCASE, 单位 TEXT COLLATE NOCASE, 数量 REAL,
  单价 REAL, 折扣 REAL, 金额 REAL, 类别 TEXT COLLATE NOCASE, 成本金额 REAL, 利润金额 REAL,
  客户 TEXT COLLATE NOCASE, 业务员 TEXT COLLATE NOCASE, 介绍人 TEXT COLLATE NOCASE,
  类别2 TEXT COLLATE NOCASE);

CREATE TABLE 出库单明细1 (
  单号 TEXT COLLATE NOCASE, 还款金额 REAL, 操作员 TEXT COLLATE NOCASE, 日期 TEXT, 时间 TEXT);

CREATE TABLE 盘点单 (
  单号 TEXT COLLATE NOCASE, 日期 TEXT, 时间 TEXT, 操作员 TEXT COLLATE NOCASE, 合计数量 REAL,
  合计金额 REAL, 备注 TEXT COLLATE NOCASE);

CREATE TABLE 盘点单明细 (
  单号 TEXT COLLATE NOCASE, 日期 TEXT, 商品编号 TEXT COLLATE NOCASE, 商品名称 TEXT COLLATE NOCASE,
  规格 TEXT COLLATE NOCASE, 单位 TEXT COLLATE NOCASE, 盘前数量 REAL, 盘后数量 REAL, 盈亏 REAL,
  单价 REAL, 金额 REAL, 类别 TEXT COLLATE NOCASE);

CREATE TABLE 调失单 (
  单号 TEXT COLLATE NOCASE, 日期 TEXT, 时间 TEXT, 操作员 TEXT COLLATE NOCASE, 折扣 REAL,
  合计数量 REAL, 合计金额 REAL, 类别 TEXT COLLATE NOCASE, 备注 TEXT COLLATE NOCASE);

CREATE TABLE 调失单明细 (
  单号 TEXT COLLATE NOCASE, 日期 TEXT, 商品编号 TEXT COLLATE NOCASE, 商品名称 TEXT COLLATE NOCASE,
  规格 TEXT COLLATE NOCASE, 单位 TEXT COLLATE NOCASE, 数量 REAL, 单价 REAL, 折扣 REAL, 金额 REAL,
  类别 TEXT COLLATE NOCASE);

CREATE TABLE 日常支出 (
  单号 TEXT COLLATE NOCASE, 日期 TEXT, 操作员 TEXT COLLATE NOCASE, 铺租 REAL, 水费 REAL, 电费 REAL,
  物品价格 REAL, 人员工资 REAL, 业务提成 REAL, 税费 REAL, 费用总额 REAL,
  物品购置 TEXT COLLATE NOCASE);

-- The program never creates an index later: every query's index is here.
CREATE INDEX ix_tb_enter_name ON tb_enter (M_Name);
CREATE INDEX ix_sysdepe_k1 ON sysdepe (k1);
CREATE INDEX ix_goods_code ON 商品信息 (商品编号);
CREATE INDEX ix_goods_barcode ON 商品信息 (条形码);
-- The quantity too: the goods list reads it from the index alone.
CREATE INDEX ix_stock_code ON 库存 (商品编号, 库存量);
CREATE INDEX ix_supplier_code ON 供应商 (编号);
CREATE INDEX ix_customer_code ON 客户 (编号);
CREATE INDEX ix_customer_name ON 客户 (名称);
CREATE INDEX ix_customer_due ON 客户 (维护日期);
CREATE INDEX ix_salesman_code ON 业务员 (编号);
CREATE INDEX ix_in_no ON 入库单 (单号);
-- A period's slips by date; the period summary sums them from the index alone.
CREATE INDEX ix_in_date ON 入库单 (日期, 类别, 合计数量, 合计金额, 欠款金额, 还款金额);
-- A kind's highest slip number is the last entry of its 类别.
CREATE INDEX ix_in_kind_no ON 入库单 (类别, 单号);
CREATE INDEX ix_in_lines_no ON 入库单明细 (单号);
CREATE INDEX ix_in_lines_date ON 入库单明细 (日期);
CREATE INDEX ix_in_lines_goods ON 入库单明细 (商品编号);
CREATE INDEX ix_in_pay_no ON 入库单明细1 (单号);
CREATE INDEX ix_in_pay_date ON 入库单明细1 (日期);
CREATE INDEX ix_out_no ON 出库单 (单号);
CREATE INDEX ix_out_date ON 出库单 (日期, 类别, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润);
CREATE INDEX ix_out_kind_no ON 出库单 (类别, 单号);
CREATE INDEX ix_out_kind_date ON 出库单 (类别, 日期);
CREATE INDEX ix_out_lines_no ON 出库单明细 (单号);
CREATE INDEX ix_out_lines_date ON 出库单明细 (日期);
CREATE INDEX ix_out_lines_goods ON 出库单明细 (商品编号);
CREATE INDEX ix_out_lines_introducer ON 出库单明细 (介绍人);
-- A customer's or salesman's own lines, newest first (the sales analyses
-- read the sales totals instead).
CREATE INDEX ix_out_lines_customer_date ON 出库单明细 (类别2, 客户, 日期);
CREATE INDEX ix_out_lines_salesman_date ON 出库单明细 (类别2, 业务员, 日期);
CREATE INDEX ix_out_pay_no ON 出库单明细1 (单号);
CREATE INDEX ix_out_pay_date ON 出库单明细1 (日期);
CREATE INDEX ix_check_no ON 盘点单 (单号);
CREATE INDEX ix_check_date ON 盘点单 (日期);
CREATE INDEX ix_check_lines_no ON 盘点单明细 (单号);
CREATE INDEX ix_check_lines_date ON 盘点单明细 (日期);
CREATE INDEX ix_check_lines_goods ON 盘点单明细 (商品编号);
CREATE INDEX ix_loss_no ON 调失单 (单号);
CREATE INDEX ix_loss_date ON 调失单 (日期, 类别, 合计数量, 合计金额);
CREATE INDEX ix_loss_kind_no ON 调失单 (类别, 单号);
CREATE INDEX ix_loss_lines_no ON 调失单明细 (单号);
CREATE INDEX ix_loss_lines_date ON 调失单明细 (日期);
CREATE INDEX ix_loss_lines_goods ON 调失单明细 (商品编号);
CREATE INDEX ix_expense_no ON 日常支出 (单号);
CREATE INDEX ix_expense_date ON 日常支出 (日期, 铺租, 水费, 电费, 物品价格, 人员工资, 业务提成, 税费, 费用总额);

-- The sales totals, derived from the books: the sale lines summed per month
-- and goods, customer or salesman and per day, the slips per day with 出库
-- telling the sales slips (类别 '出库' exactly) from the others, in whole
-- ten-thousandths. A sale line has 类别2 '出库' and a value in each column
-- the analyses filter. core/salestotals.cpp holds the live conditions.
CREATE TABLE 商品月计 (
  年月 TEXT,
  商品名称 TEXT COLLATE NOCASE,
  类别 TEXT COLLATE NOCASE,
  行数 INTEGER NOT NULL,
  金额 INTEGER NOT NULL,
  利润金额 INTEGER NOT NULL,
  数量 INTEGER NOT NULL,
  PRIMARY KEY (年月, 商品名称, 类别))
  WITHOUT ROWID;

CREATE TABLE 客户月计 (
  年月 TEXT,
  客户 TEXT COLLATE NOCASE,
  行数 INTEGER NOT NULL,
  金额 INTEGER NOT NULL,
  利润金额 INTEGER NOT NULL,
  PRIMARY KEY (年月, 客户))
  WITHOUT ROWID;

CREATE TABLE 业务员月计 (
  年月 TEXT,
  业务员 TEXT COLLATE NOCASE,
  行数 INTEGER NOT NULL,
  金额 INTEGER NOT NULL,
  利润金额 INTEGER NOT NULL,
  PRIMARY KEY (年月, 业务员))
  WITHOUT ROWID;

CREATE TABLE 销售日计 (
  日期 TEXT,
  年月 TEXT,
  行数 INTEGER NOT NULL,
  金额 INTEGER NOT NULL,
  利润金额 INTEGER NOT NULL,
  PRIMARY KEY (日期, 年月))
  WITHOUT ROWID;

CREATE TABLE 出库单日计 (
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
  WITHOUT ROWID;

-- A period's slip days from the index alone, as the summary reads its other books.
CREATE INDEX ix_slip_days_date ON 出库单日计 (日期, 出库, 行数, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润);

-- Every write of the lines and slips moves the totals in its own transaction.

CREATE TRIGGER totals_lines_insert AFTER INSERT ON 出库单明细 BEGIN
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
END;

CREATE TRIGGER totals_lines_delete AFTER DELETE ON 出库单明细 BEGIN
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
END;

CREATE TRIGGER totals_lines_update AFTER UPDATE OF 日期, 年月, 类别2, 商品名称, 类别, 客户, 业务员, 数量, 金额, 利润金额 ON 出库单明细 BEGIN
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
END;

CREATE TRIGGER totals_slips_insert AFTER INSERT ON 出库单 BEGIN
  INSERT INTO 出库单日计 (日期, 出库, 行数, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润)
    SELECT new.日期, coalesce(new.类别 = '出库' collate binary, 0), 1, coalesce(CAST(round(new.合计数量 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.欠款金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.还款金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计成本 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计利润 * 10000) AS INTEGER), 0)
    WHERE new.日期 is not null
    ON CONFLICT (日期, 出库) DO UPDATE SET 行数 = 行数 + 1, 合计数量 = 合计数量 + excluded.合计数量, 合计金额 = 合计金额 + excluded.合计金额, 欠款金额 = 欠款金额 + excluded.欠款金额, 还款金额 = 还款金额 + excluded.还款金额, 合计成本 = 合计成本 + excluded.合计成本, 合计利润 = 合计利润 + excluded.合计利润;
END;

CREATE TRIGGER totals_slips_delete AFTER DELETE ON 出库单 BEGIN
  UPDATE 出库单日计
    SET 行数 = 行数 - 1, 合计数量 = 合计数量 - coalesce(CAST(round(old.合计数量 * 10000) AS INTEGER), 0), 合计金额 = 合计金额 - coalesce(CAST(round(old.合计金额 * 10000) AS INTEGER), 0), 欠款金额 = 欠款金额 - coalesce(CAST(round(old.欠款金额 * 10000) AS INTEGER), 0), 还款金额 = 还款金额 - coalesce(CAST(round(old.还款金额 * 10000) AS INTEGER), 0), 合计成本 = 合计成本 - coalesce(CAST(round(old.合计成本 * 10000) AS INTEGER), 0), 合计利润 = 合计利润 - coalesce(CAST(round(old.合计利润 * 10000) AS INTEGER), 0)
    WHERE 日期 = old.日期 and 出库 = coalesce(old.类别 = '出库' collate binary, 0) and old.日期 is not null;
  DELETE FROM 出库单日计
    WHERE 日期 = old.日期 and 出库 = coalesce(old.类别 = '出库' collate binary, 0) and 行数 = 0;
END;

CREATE TRIGGER totals_slips_update AFTER UPDATE OF 日期, 类别, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润 ON 出库单 BEGIN
  UPDATE 出库单日计
    SET 行数 = 行数 - 1, 合计数量 = 合计数量 - coalesce(CAST(round(old.合计数量 * 10000) AS INTEGER), 0), 合计金额 = 合计金额 - coalesce(CAST(round(old.合计金额 * 10000) AS INTEGER), 0), 欠款金额 = 欠款金额 - coalesce(CAST(round(old.欠款金额 * 10000) AS INTEGER), 0), 还款金额 = 还款金额 - coalesce(CAST(round(old.还款金额 * 10000) AS INTEGER), 0), 合计成本 = 合计成本 - coalesce(CAST(round(old.合计成本 * 10000) AS INTEGER), 0), 合计利润 = 合计利润 - coalesce(CAST(round(old.合计利润 * 10000) AS INTEGER), 0)
    WHERE 日期 = old.日期 and 出库 = coalesce(old.类别 = '出库' collate binary, 0) and old.日期 is not null;
  DELETE FROM 出库单日计
    WHERE 日期 = old.日期 and 出库 = coalesce(old.类别 = '出库' collate binary, 0) and 行数 = 0;
  INSERT INTO 出库单日计 (日期, 出库, 行数, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润)
    SELECT new.日期, coalesce(new.类别 = '出库' collate binary, 0), 1, coalesce(CAST(round(new.合计数量 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.欠款金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.还款金额 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计成本 * 10000) AS INTEGER), 0), coalesce(CAST(round(new.合计利润 * 10000) AS INTEGER), 0)
    WHERE new.日期 is not null
    ON CONFLICT (日期, 出库) DO UPDATE SET 行数 = 行数 + 1, 合计数量 = 合计数量 + excluded.合计数量, 合计金额 = 合计金额 + excluded.合计金额, 欠款金额 = 欠款金额 + excluded.欠款金额, 还款金额 = 还款金额 + excluded.还款金额, 合计成本 = 合计成本 + excluded.合计成本, 合计利润 = 合计利润 + excluded.合计利润;
END;

PRAGMA user_version = 2;
