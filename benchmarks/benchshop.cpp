#include "benchshop.h"
#include "appstate.h"
#include "paths.h"
#include "recordnumber.h"
#include "salestotals.h"
#include "searchcodes.h"

#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {
// Characters goods names are made of, so their search codes spread as a shop's do.
const QString NameCharacters = QStringLiteral(
    "可乐雪碧芬达矿泉水纯净茶绿红冰糖奶酸牛羊猪鸡鸭鱼肉蛋面包饼干糕点米油盐酱醋味精辣椒花生瓜子核桃"
    "苹果香蕉橙梨桃葡萄西瓜土豆白菜萝卜番茄黄豆腐皮毛巾牙膏刷洗发水沐浴露肥皂纸巾电池灯泡插座胶带剪刀"
    "铅笔本子尺橡皮袋杯碗筷勺锅盆桶扫帚拖把衣架鞋袜帽手套雨伞啤酒白葡萄黄酒香烟打火机蜡烛火柴");
const QStringList Units{QStringLiteral("瓶"), QStringLiteral("箱"), QStringLiteral("包"), QStringLiteral("个"),
                        QStringLiteral("袋"), QStringLiteral("斤"), QStringLiteral("盒")};
const QStringList Categories{QStringLiteral("饮料"), QStringLiteral("食品"), QStringLiteral("日用品"),
                             QStringLiteral("文具"), QStringLiteral("烟酒"), QStringLiteral("生鲜")};
const QStringList Sizes{QStringLiteral("-"),   QStringLiteral("500ml"), QStringLiteral("330ml"),
                        QStringLiteral("1kg"), QStringLiteral("250g"),  QStringLiteral("12支")};

// Prices as a shop writes them: two decimals.
double price(std::mt19937& random, double low, double high)
{
    return std::round(std::uniform_real_distribution<double>(low, high)(random) * 100) / 100;
}
}

BenchShop::BenchShop(const Size& size)
    : m_size(size)
    , m_folder(QDir::tempPath() + QStringLiteral("/varnholt-bench-XXXXXX"))
{
}

QString BenchShop::appPath() const { return m_folder.path() + QStringLiteral("/shop"); }
QString BenchShop::databasePath() const { return appPath() + QStringLiteral("/db_kcgl.mdb"); }

std::unique_ptr<BenchShop> BenchShop::create(const Size& size, QString* error)
{
    std::unique_ptr<BenchShop> shop(new BenchShop(size));
    if (!shop->m_folder.isValid()) {
        *error = QStringLiteral("no temporary folder: ") + shop->m_folder.errorString();
        return nullptr;
    }
    qputenv("VARNHOLT_HOME", shop->appPath().toUtf8());
    appState().appPath = Paths::appPath();
    if (!Paths::prepareAppPath(appState().appPath, Paths::deliveredDir(), {QStringLiteral("db_kcgl.mdb")})) {
        *error = QStringLiteral("the delivered database could not be copied from ") + Paths::deliveredDir();
        return nullptr;
    }
    auto conn = Mod1::OpenConn();
    if (!conn) {
        *error = conn.error().text();
        return nullptr;
    }
    // The indexes of a million lines are written at random places: keep them in memory.
    (void)conn->exec(QStringLiteral("PRAGMA cache_size = -524288"));
    // The books are written with the totals' triggers set aside and summed
    // once at the end, as an upgrade sums a book's lines.
    QElapsedTimer summing;
    const DbStatus written = conn->transaction([&](DbSession& session) {
        return SalesTotals::bulkChange(session, {}, {}, [&]() -> DbStatus {
            if (DbStatus goods = shop->addGoods(session); !goods)
                return goods;
            const DbStatus books = WriteBenchBooks(session, size.books, shop->m_stocked);
            summing.start();
            return books;
        });
    });
    if (!written) {
        *error = written.error().text();
        return nullptr;
    }
    std::printf("sales totals summed from the lines in %.1f s\n", double(summing.elapsed()) / 1000.0);
    return shop;
}

DbStatus BenchShop::addGoods(DbSession& session)
{
    std::mt19937 random(20240305);
    std::uniform_int_distribution<int> nameLength(2, 5);
    std::uniform_int_distribution<qsizetype> character(0, NameCharacters.size() - 1);
    std::uniform_int_distribution<qsizetype> unit(0, Units.size() - 1);
    std::uniform_int_distribution<qsizetype> category(0, Categories.size() - 1);
    std::uniform_int_distribution<qsizetype> size(0, Sizes.size() - 1);
    std::uniform_int_distribution<qint64> barcode(0, 99999999999LL);

    // Which goods have been taken into stock: a random choice of the right count.
    std::vector<bool> stocked(m_size.goods, false);
    std::fill_n(stocked.begin(), std::min(m_size.goodsWithStock, m_size.goods), true);
    std::shuffle(stocked.begin(), stocked.end(), random);

    for (int i = 0; i < m_size.goods; ++i) {
        QString name;
        for (int n = nameLength(random); n > 0; --n)
            name += NameCharacters[character(random)];
        auto codes = MakeSearchCodes(session, name);
        if (!codes)
            return codes.error();
        const QString number = NumberSchemes::Goods.prefix + QStringLiteral("%1").arg(i + 1, 6, 10, QLatin1Char('0'));
        const QString& goodsUnit = Units[unit(random)];
        const QString& goodsCategory = Categories[category(random)];
        const QString& goodsSize = Sizes[size(random)];
        const double cost = price(random, 0.5, 200);
        const double retail = std::round(cost * 130) / 100;
        const double upper = std::round(cost) + 100;
        const double lower = 5;
        auto added =
            session.insert(QStringLiteral("商品信息"),
                           {{QStringLiteral("商品编号"), number},
                            {QStringLiteral("商品名称"), name},
                            {QStringLiteral("规格"), goodsSize},
                            {QStringLiteral("单位"), goodsUnit},
                            {QStringLiteral("类别"), goodsCategory},
                            {QStringLiteral("进价"), cost},
                            {QStringLiteral("批发价"), std::round(cost * 110) / 100},
                            {QStringLiteral("会员价"), std::round(cost * 120) / 100},
                            {QStringLiteral("零售价"), retail},
                            {QStringLiteral("库存上限"), upper},
                            {QStringLiteral("库存下限"), lower},
                            {QStringLiteral("厂家"), QStringLiteral("%1区%2架").arg(QChar(u'A' + i % 6)).arg(i % 40 + 1)},
                            {QStringLiteral("拼音码"), codes->pinyin},
                            {QStringLiteral("五笔码"), codes->wubi},
                            {QStringLiteral("自编码"), QStringLiteral("%1").arg(i + 1, 5, 10, QLatin1Char('0'))},
                            {QStringLiteral("条形码"), QStringLiteral("69%1").arg(barcode(random), 11, 10, QLatin1Char('0'))}});
        if (!added)
            return added.error();
        if (!stocked[i])
            continue;
        m_stocked.push_back(
            {number.toUtf8(), name.toUtf8(), goodsSize.toUtf8(), goodsUnit.toUtf8(), goodsCategory.toUtf8(), cost, retail});
        const double quantity = std::uniform_int_distribution<int>(-5, 400)(random) + (i % 7 == 0 ? 0.5 : 0);
        auto stock = session.insert(QStringLiteral("库存"), {{QStringLiteral("类别"), goodsCategory},
                                                             {QStringLiteral("商品编号"), number},
                                                             {QStringLiteral("商品名称"), name},
                                                             {QStringLiteral("规格"), goodsSize},
                                                             {QStringLiteral("单位"), goodsUnit},
                                                             {QStringLiteral("均价"), cost},
                                                             {QStringLiteral("金额"), quantity * cost},
                                                             {QStringLiteral("库存上限"), upper},
                                                             {QStringLiteral("库存下限"), lower},
                                                             {QStringLiteral("库存量"), quantity}});
        if (!stock)
            return stock.error();
    }
    return {};
}
