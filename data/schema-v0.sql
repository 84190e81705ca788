-- Version 0 of the shop's database, as the first delivery made it, frozen:
-- make_db starts here and brings the book to the current version through
-- every upgrade step. Never edit it; a change to the schema is a new step
-- (core/schemasteps.h) and goes into schema.sql.
--
-- The shop's database: 21 tables in the column order the program relies on.
-- Text compares without regard to Latin case, as the books always have;
-- passwords compare exactly. No keys: links are plain values.

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

-- The indexes of the first delivery.
CREATE INDEX ix_tb_enter_name ON tb_enter (M_Name);
CREATE INDEX ix_sysdepe_k1 ON sysdepe (k1);
CREATE INDEX ix_goods_code ON 商品信息 (商品编号);
CREATE INDEX ix_goods_barcode ON 商品信息 (条形码);
CREATE INDEX ix_stock_code ON 库存 (商品编号);
CREATE INDEX ix_supplier_code ON 供应商 (编号);
CREATE INDEX ix_customer_code ON 客户 (编号);
CREATE INDEX ix_customer_name ON 客户 (名称);
CREATE INDEX ix_customer_due ON 客户 (维护日期);
CREATE INDEX ix_salesman_code ON 业务员 (编号);
CREATE INDEX ix_in_no ON 入库单 (单号);
CREATE INDEX ix_in_date ON 入库单 (日期);
CREATE INDEX ix_in_lines_no ON 入库单明细 (单号);
CREATE INDEX ix_in_lines_date ON 入库单明细 (日期);
CREATE INDEX ix_in_lines_goods ON 入库单明细 (商品编号);
CREATE INDEX ix_in_pay_no ON 入库单明细1 (单号);
CREATE INDEX ix_in_pay_date ON 入库单明细1 (日期);
CREATE INDEX ix_out_no ON 出库单 (单号);
CREATE INDEX ix_out_date ON 出库单 (日期);
CREATE INDEX ix_out_lines_no ON 出库单明细 (单号);
CREATE INDEX ix_out_lines_date ON 出库单明细 (日期);
CREATE INDEX ix_out_lines_goods ON 出库单明细 (商品编号);
CREATE INDEX ix_out_lines_customer ON 出库单明细 (客户);
CREATE INDEX ix_out_lines_introducer ON 出库单明细 (介绍人);
CREATE INDEX ix_out_lines_salesman ON 出库单明细 (业务员);
CREATE INDEX ix_out_pay_no ON 出库单明细1 (单号);
CREATE INDEX ix_out_pay_date ON 出库单明细1 (日期);
CREATE INDEX ix_check_no ON 盘点单 (单号);
CREATE INDEX ix_check_date ON 盘点单 (日期);
CREATE INDEX ix_check_lines_no ON 盘点单明细 (单号);
CREATE INDEX ix_check_lines_date ON 盘点单明细 (日期);
CREATE INDEX ix_check_lines_goods ON 盘点单明细 (商品编号);
CREATE INDEX ix_loss_no ON 调失单 (单号);
CREATE INDEX ix_loss_date ON 调失单 (日期);
CREATE INDEX ix_loss_lines_no ON 调失单明细 (单号);
CREATE INDEX ix_loss_lines_date ON 调失单明细 (日期);
CREATE INDEX ix_loss_lines_goods ON 调失单明细 (商品编号);
CREATE INDEX ix_expense_no ON 日常支出 (单号);
CREATE INDEX ix_expense_date ON 日常支出 (日期);
