#pragma once
#include "benchbooks.h"
#include "dbsession.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// A shop with years of books, written into a temporary AppPath that the
// benchmarks run against: its goods and stock, then three years of slips
// and the people they name.
class BenchShop {
public:
    struct Size {
        int goods = 20000;
        int goodsWithStock = 15000;
        BenchBooksSize books;
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
    std::vector<BenchGoods> m_stocked;
    QTemporaryDir m_folder;
};
