#include "benchbooks.h"
#include "amount.h"
#include "bulkinsert.h"
#include "recordnumber.h"
#include "searchcodes.h"
#include "linefigures.h"

#include <QHash>
#include <QSet>
#include <cmath>
#include <random>

namespace {
const QString Surnames = QStringLiteral(
    "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖"
    "贾夏韦付方白邹孟熊秦邱江尹薛段雷侯龙史陶黎贺顾毛郝龚邵万钱严武戴莫孔向汤");
const QString GivenNames = QStringLiteral("伟芳娜秀英敏静丽强磊军洋勇艳杰娟涛明超兰霞平刚华玉萍红玲芬燕春菊凤洁梅琳云莲雪荣爱香月"
                                          "瑞佳嘉琼珍莉晶妍秋珊锦青倩婷颖瑶丹蓉君琴薇梦岚馨冰宁欣晓欢枫建国志海");
const QStringList Places = {QStringLiteral("长江"), QStringLiteral("黄河"), QStringLiteral("东方"), QStringLiteral("华联"),
                            QStringLiteral("新兴"), QStringLiteral("宏达"), QStringLiteral("永盛"), QStringLiteral("金源")};
const QStringList Trades = {QStringLiteral("商行"), QStringLiteral("贸易公司"), QStringLiteral("食品厂"),
                            QStringLiteral("批发部")};
const QByteArray None = QByteArrayLiteral("-");
const QByteArray Admin = QStringLiteral("管理员").toUtf8();

QByteArray utf8(const QString& text) { return text.toUtf8(); }
QByteArray numberText(const char* letter, int counter)
{
    return QByteArray(letter) + QByteArray::number(counter).rightJustified(7, '0');
}
QByteArray timeOfDay(int seconds)
{
    seconds = std::min(seconds, 24 * 3600 - 1);
    return utf8(QTime(0, 0).addSecs(seconds).toString(QStringLiteral("HH:mm:ss")));
}

class Generator {
public:
    Generator(DbSession& session, const BenchBooksSize& size, const std::vector<BenchGoods>& stocked)
        : m_session(session)
        , m_size(size)
        , m_stocked(stocked)
        , m_random(20240306)
    {
        for (int d = 0; d < size.days; ++d) {
            const QDate day = size.firstDay.addDays(d);
            m_dates.push_back(utf8(day.toString(QStringLiteral("yyyy-MM-dd"))));
            m_months.push_back(utf8(day.toString(QStringLiteral("yyyy-MM"))));
        }
        m_operators = {Admin, utf8(QStringLiteral("收银员")), utf8(QStringLiteral("小周"))};
    }

    DbStatus run()
    {
        for (auto step : {&Generator::names, &Generator::purchases, &Generator::sales, &Generator::stockControl,
                          &Generator::expenses, &Generator::partners}) {
            if (DbStatus done = (this->*step)(); !done)
                return done;
        }
        return {};
    }

private:
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    // Popular goods sell more: the square of a uniform number leans to the front.
    const BenchGoods& goods()
    {
        const double u = std::uniform_real_distribution<double>(0, 1)(m_random);
        return m_stocked[std::min(m_stocked.size() - 1, size_t(u * u * double(m_stocked.size())))];
    }
    const QByteArray& pick(const std::vector<QByteArray>& from) { return from[size_t(uniform(0, int(from.size()) - 1))]; }
    QString personName()
    {
        QString name = Surnames[uniform(0, int(Surnames.size()) - 1)];
        for (int n = uniform(1, 2); n > 0; --n)
            name += GivenNames[uniform(0, int(GivenNames.size()) - 1)];
        return name;
    }

    DbStatus names()
    {
        QSet<QString> taken;
        while (int(m_customers.size()) < m_size.customers) {
            const QString name = personName();
            if (!taken.contains(name)) {
                taken.insert(name);
                m_customers.push_back(utf8(name));
            }
        }
        while (int(m_salesmen.size()) < m_size.salesmen) {
            const QString name = personName();
            if (!taken.contains(name)) {
                taken.insert(name);
                m_salesmen.push_back(utf8(name));
            }
        }
        for (int i = 0; i < m_size.suppliers; ++i)
            m_suppliers.push_back(
                utf8(Places[i % Places.size()] + QString::number(i / Places.size() + 1) + Trades[i % Trades.size()]));
        return {};
    }

    // Stock-in slips daily, purchase returns fortnightly; a fifth are paid in part and repaid later.
    DbStatus purchases()
    {
        BulkInsert header(m_session, QStringLiteral("入库单"),
                          {"单号", "日期", "时间", "操作员", "折扣", "供应商", "合计数量", "合计金额", "欠款金额", "尚欠金额",
                           "类别", "备注", "还款金额"});
        BulkInsert line(m_session, QStringLiteral("入库单明细"),
                        {"单号", "日期", "年月", "商品编号", "商品名称", "规格", "单位", "数量", "单价", "折扣", "金额", "类别",
                         "类别2"});
        BulkInsert payment(m_session, QStringLiteral("入库单明细1"), {"单号", "还款金额", "操作员", "日期", "时间"});
        const QByteArray stockIn = utf8(QStringLiteral("入库"));
        const QByteArray returned = utf8(QStringLiteral("退货"));
        int inCounter = 0;
        int returnCounter = 0;
        for (int d = 0; d < m_size.days; ++d) {
            for (const bool isReturn : {false, true}) {
                if (isReturn && d % 14 != 13)
                    continue;
                const QByteArray number = isReturn ? numberText("T", ++returnCounter) : numberText("R", ++inCounter);
                Amount quantity;
                Amount total;
                const int lines = isReturn ? uniform(1, 3) : uniform(20, 40);
                for (int i = 0; i < lines; ++i) {
                    const BenchGoods& g = goods();
                    const Amount n = Amount::whole(isReturn ? uniform(1, 5) : uniform(10, 100));
                    const Amount price = Amount::fromNumber(g.cost);
                    const Amount amount = Amount::product(n, price, 2);
                    quantity += n;
                    total += amount;
                    line.text(number)
                        .text(m_dates[d])
                        .text(m_months[d])
                        .text(g.code)
                        .text(g.name)
                        .text(g.size)
                        .text(g.unit)
                        .number(n.toDouble())
                        .number(price.toDouble())
                        .number(100)
                        .number(amount.toDouble())
                        .text(g.category)
                        .text(isReturn ? returned : stockIn);
                    line.row();
                }
                const Amount owed = chance(0.2) ? -Amount::product(total, Amount::fromText(QStringLiteral("0.5")), 2) : Amount();
                Amount repaid;
                if (owed < Amount() && d + 30 < m_size.days) {
                    repaid = -owed;
                    payment.text(number).number(repaid.toDouble()).text(Admin).text(m_dates[d + 30]).text(timeOfDay(10 * 3600));
                    payment.row();
                }
                header.text(number)
                    .text(m_dates[d])
                    .text(timeOfDay(9 * 3600 + (isReturn ? 1800 : 0)))
                    .text(Admin)
                    .number(100)
                    .text(pick(m_suppliers))
                    .number(quantity.toDouble())
                    .number(total.toDouble())
                    .number(owed.toDouble())
                    .number((owed + repaid).toDouble())
                    .text(isReturn ? returned : stockIn)
                    .text(None)
                    .number(repaid.toDouble());
                header.row();
            }
        }
        return firstFailure({&header, &line, &payment});
    }

    // The sales lines spread evenly over the days in slips of one to nine lines.
    DbStatus sales()
    {
        BulkInsert header(m_session, QStringLiteral("出库单"),
                          {"单号", "日期", "时间", "操作员", "客户", "介绍人", "合计数量", "合计金额", "合计成本", "合计利润",
                           "类别", "折扣", "业务员", "备注", "欠款金额", "尚欠金额", "还款金额"});
        BulkInsert line(m_session, QStringLiteral("出库单明细"),
                        {"单号", "日期", "年月", "商品编号", "商品名称", "规格", "单位", "数量", "单价", "折扣", "金额", "类别",
                         "成本金额", "利润金额", "客户", "业务员", "介绍人", "类别2"});
        BulkInsert collection(m_session, QStringLiteral("出库单明细1"), {"单号", "还款金额", "操作员", "日期", "时间"});
        const QByteArray sale = utf8(QStringLiteral("出库"));
        const QByteArray returned = utf8(QStringLiteral("退货"));
        int saleCounter = 0;
        int returnCounter = 0;
        qint64 written = 0;
        for (int d = 0; d < m_size.days; ++d) {
            const qint64 dayEnd = qint64(m_size.salesLines) * (d + 1) / m_size.days;
            for (int slip = 0; written < dayEnd; ++slip) {
                const bool isReturn = chance(1.0 / 60);
                const QByteArray number = isReturn ? numberText("T", ++returnCounter) : numberText("C", ++saleCounter);
                const QByteArray& customer = chance(0.7) ? pick(m_customers) : None;
                const QByteArray& introducer = chance(0.1) ? pick(m_customers) : None;
                const QByteArray& salesman = chance(0.8) ? pick(m_salesmen) : None;
                const Amount discount = Amount::whole(chance(0.2) ? 90 : 100);
                Amount quantity, total, cost;
                const int lines = int(std::min<qint64>(isReturn ? uniform(1, 2) : uniform(1, 9), dayEnd - written));
                for (int i = 0; i < lines; ++i, ++written) {
                    const BenchGoods& g = goods();
                    const Amount n = Amount::whole(uniform(1, 5));
                    const Amount price = Amount::fromNumber(g.retail);
                    const Amount unitCost = Amount::fromNumber(g.cost);
                    SlipLine entered;
                    entered.quantity = n;
                    entered.price = price;
                    entered.unitCost = unitCost;
                    const LineFigures figures = LineFiguresOf(LineRule::Goods, entered, discount);
                    const Amount amount = figures.amount;
                    const Amount lineCost = figures.cost;
                    quantity += n;
                    total += amount;
                    cost += lineCost;
                    line.text(number)
                        .text(m_dates[d])
                        .text(m_months[d])
                        .text(g.code)
                        .text(g.name)
                        .text(g.size)
                        .text(g.unit)
                        .number(n.toDouble())
                        .number(price.toDouble())
                        .number(discount.toDouble())
                        .number(amount.toDouble())
                        .text(g.category)
                        .number(lineCost.toDouble())
                        .number((amount - lineCost).toDouble())
                        .text(customer)
                        .text(salesman)
                        .text(introducer)
                        .text(isReturn ? returned : sale);
                    line.row();
                }
                const int points = int((isReturn ? -total : total).rounded(0).tenThousandths() / Amount::Scale);
                m_points[customer] += points;
                m_points[introducer] += points;
                const Amount owed = customer != None && chance(0.05) ? -total : Amount();
                Amount collected;
                if (owed < Amount() && d + 7 < m_size.days) {
                    collected = total;
                    collection.text(number)
                        .number(collected.toDouble())
                        .text(Admin)
                        .text(m_dates[d + 7])
                        .text(timeOfDay(11 * 3600));
                    collection.row();
                }
                header.text(number)
                    .text(m_dates[d])
                    .text(timeOfDay(8 * 3600 + slip * 30))
                    .text(pick(m_operators))
                    .text(customer)
                    .text(introducer)
                    .number(quantity.toDouble())
                    .number(total.toDouble())
                    .number(cost.toDouble())
                    .number((total - cost).toDouble())
                    .text(isReturn ? returned : sale)
                    .number(discount.toDouble())
                    .text(salesman)
                    .text(None)
                    .number(owed.toDouble())
                    .number((owed + collected).toDouble())
                    .number(collected.toDouble());
                header.row();
            }
        }
        return firstFailure({&header, &line, &collection});
    }

    // A stocktake each month, a loss each week and a transfer each month, all
    // transfers and losses numbered in one row.
    DbStatus stockControl()
    {
        BulkInsert count(m_session, QStringLiteral("盘点单"), {"单号", "日期", "时间", "操作员", "合计数量", "合计金额", "备注"});
        BulkInsert counted(m_session, QStringLiteral("盘点单明细"),
                           {"单号", "日期", "商品编号", "商品名称", "规格", "单位", "盘前数量", "盘后数量", "盈亏", "单价",
                            "金额", "类别"});
        BulkInsert loss(m_session, QStringLiteral("调失单"),
                        {"单号", "日期", "时间", "操作员", "折扣", "合计数量", "合计金额", "类别", "备注"});
        BulkInsert lost(m_session, QStringLiteral("调失单明细"),
                        {"单号", "日期", "商品编号", "商品名称", "规格", "单位", "数量", "单价", "折扣", "金额", "类别"});
        const QByteArray lossKind = utf8(QStringLiteral("报损"));
        const QByteArray transfer = utf8(QStringLiteral("调拔"));
        int countCounter = 0;
        int lossCounter = 0;
        for (int d = 0; d < m_size.days; ++d) {
            if (d % 30 == 29) {
                const QByteArray number = numberText("P", ++countCounter);
                Amount gains, values;
                for (int i = 0; i < 40; ++i) {
                    const BenchGoods& g = goods();
                    const Amount before = Amount::whole(uniform(0, 200));
                    const Amount after = before + Amount::whole(uniform(-3, 1));
                    const Amount price = Amount::fromNumber(g.cost);
                    const Amount value = Amount::product(after - before, price, 2);
                    gains += after - before;
                    values += value;
                    counted.text(number)
                        .text(m_dates[d])
                        .text(g.code)
                        .text(g.name)
                        .text(g.size)
                        .text(g.unit)
                        .number(before.toDouble())
                        .number(after.toDouble())
                        .number((after - before).toDouble())
                        .number(price.toDouble())
                        .number(value.toDouble())
                        .text(g.category);
                    counted.row();
                }
                count.text(number)
                    .text(m_dates[d])
                    .text(timeOfDay(20 * 3600))
                    .text(Admin)
                    .number(gains.toDouble())
                    .number(values.toDouble())
                    .text(None);
                count.row();
            }
            for (const bool isTransfer : {false, true}) {
                if ((!isTransfer && d % 7 != 6) || (isTransfer && d % 30 != 14))
                    continue;
                const QByteArray number = numberText("L", ++lossCounter);
                Amount quantity, total;
                for (int i = uniform(1, 3); i > 0; --i) {
                    const BenchGoods& g = goods();
                    const Amount n = Amount::whole(uniform(1, 4));
                    const Amount price = Amount::fromNumber(g.cost);
                    const Amount amount = Amount::product(n, price, 2);
                    quantity += n;
                    total += amount;
                    lost.text(number)
                        .text(m_dates[d])
                        .text(g.code)
                        .text(g.name)
                        .text(g.size)
                        .text(g.unit)
                        .number(n.toDouble())
                        .number(price.toDouble())
                        .number(100)
                        .number(amount.toDouble())
                        .text(g.category);
                    lost.row();
                }
                loss.text(number)
                    .text(m_dates[d])
                    .text(timeOfDay(21 * 3600))
                    .text(Admin)
                    .number(100)
                    .number(quantity.toDouble())
                    .number(total.toDouble())
                    .text(isTransfer ? transfer : lossKind)
                    .text(None);
                loss.row();
            }
        }
        return firstFailure({&count, &counted, &loss, &lost});
    }

    DbStatus expenses()
    {
        BulkInsert expense(m_session, QStringLiteral("日常支出"),
                           {"单号", "日期", "操作员", "铺租", "水费", "电费", "物品价格", "人员工资", "业务提成", "税费",
                            "费用总额", "物品购置"});
        const QByteArray bought = utf8(QStringLiteral("购物袋"));
        int counter = 0;
        for (int d = 6; d < m_size.days; d += 7) {
            const double parts[] = {d % 28 == 6 ? 3000.0 : 0, double(uniform(20, 80)),   double(uniform(100, 300)),
                                    double(uniform(0, 50)),   d % 28 == 6 ? 12000.0 : 0, double(uniform(0, 500)),
                                    d % 28 == 6 ? 800.0 : 0};
            Amount total;
            expense.text(numberText("Z", ++counter)).text(m_dates[d]).text(Admin);
            for (const double part : parts) {
                total += Amount::fromNumber(part);
                expense.number(part);
            }
            expense.number(total.toDouble()).text(bought);
            expense.row();
        }
        return expense.status();
    }

    // The people the books name, the customers with the points their slips gave them.
    DbStatus partners()
    {
        const QString day = QString::fromUtf8(m_dates.back());
        if (DbStatus added = addPeople(QStringLiteral("客户"), NumberSchemes::Customers, QStringLiteral("名称"), m_customers,
                                       [&](size_t i) {
                                           return ColumnValues{{QStringLiteral("积分"), m_points.value(m_customers[i])},
                                                               {QStringLiteral("电话"),
                                                                QStringLiteral("139%1").arg(i, 8, 10, QLatin1Char('0'))},
                                                               {QStringLiteral("维护日期"), day}};
                                       });
            !added)
            return added;
        if (DbStatus added = addPeople(QStringLiteral("业务员"), NumberSchemes::Salesmen, QStringLiteral("姓名"), m_salesmen,
                                       [](size_t) {
                                           return ColumnValues{{QStringLiteral("部门"), QStringLiteral("门市部")}};
                                       });
            !added)
            return added;
        return addPeople(QStringLiteral("供应商"), NumberSchemes::Suppliers, QStringLiteral("名称"), m_suppliers, [this](size_t) {
            return ColumnValues{{QStringLiteral("联系人"), personName()}};
        });
    }

    // One row per name, numbered by the scheme, with its search codes and the columns of its own.
    DbStatus addPeople(const QString& table, const NumberScheme& scheme, const QString& nameColumn,
                       const std::vector<QByteArray>& names, const std::function<ColumnValues(size_t)>& own)
    {
        for (size_t i = 0; i < names.size(); ++i) {
            const QString name = QString::fromUtf8(names[i]);
            auto codes = MakeSearchCodes(m_session, name);
            if (!codes)
                return codes.error();
            const ColumnValues row = ColumnValues{{QStringLiteral("编号"), number(scheme, i)},
                                                  {nameColumn, name},
                                                  {QStringLiteral("拼音码"), codes->pinyin},
                                                  {QStringLiteral("五笔码"), codes->wubi}}
                                     + own(i);
            if (auto added = m_session.insert(table, row); !added)
                return added.error();
        }
        return {};
    }

    static QString number(const NumberScheme& scheme, size_t index)
    {
        return scheme.prefix + QStringLiteral("%1").arg(index + 1, scheme.width, 10, QLatin1Char('0'));
    }

    static DbStatus firstFailure(std::initializer_list<const BulkInsert*> inserts)
    {
        for (const BulkInsert* insert : inserts) {
            if (DbStatus status = insert->status(); !status)
                return status;
        }
        return {};
    }

    DbSession& m_session;
    const BenchBooksSize& m_size;
    const std::vector<BenchGoods>& m_stocked;
    std::mt19937 m_random;
    std::vector<QByteArray> m_dates;
    std::vector<QByteArray> m_months;
    std::vector<QByteArray> m_operators;
    std::vector<QByteArray> m_customers;
    std::vector<QByteArray> m_salesmen;
    std::vector<QByteArray> m_suppliers;
    QHash<QByteArray, int> m_points;
};
}

DbStatus WriteBenchBooks(DbSession& session, const BenchBooksSize& size, const std::vector<BenchGoods>& stocked)
{
    return Generator(session, size, stocked).run();
}
