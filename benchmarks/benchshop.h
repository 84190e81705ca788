#pragma once
#include "dbsession.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// A shop with years of books, written into a temporary AppPath that the
// benchmarks run against. Each part of the books has a step of its own so
// later benchmarks add theirs (sales lines, slips) beside the goods.
class BenchShop {
public:
    struct Size {
        int goods = 20000;
        int goodsWithStock = 15000;
    };

    // Makes the AppPath (VARNHOLT_HOME and the application state point at it)
    // with a copy of the delivered database, then writes the books.
    static std::unique_ptr<BenchShop> create(const Size& size, QString* error);

    QString appPath() const;
    QString databasePath() const;
    const Size& size() const { return m_size; }

private:
    explicit BenchShop(const Size& size);
    DbStatus addGoods(DbSession& session);

    Size m_size;
    QTemporaryDir m_folder;
};
