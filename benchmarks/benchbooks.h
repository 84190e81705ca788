#pragma once
#include "dbsession.h"

#include <QByteArray>
#include <QDate>
#include <vector>

// A goods item the generated books trade, with its texts as the rows store them.
struct BenchGoods {
    QByteArray code;
    QByteArray name;
    QByteArray size;
    QByteArray unit;
    QByteArray category;
    double cost = 0;
    double retail = 0;
};

// How many years of books and what stands around them.
struct BenchBooksSize {
    QDate firstDay{2022, 1, 1};
    int days = 1096;
    int salesLines = 1000000;
    int customers = 3000;
    int salesmen = 20;
    int suppliers = 200;
};

// Writes the customers, salesmen and suppliers and the books of a busy shop
// over the days: stock-in slips with returns and repayments, sales slips
// (about five lines each, one in sixty a return) with collections, monthly
// stocktakes, weekly losses beside transfers, and weekly expenses. The
// slips trade the stocked goods, popular ones more often.
DbStatus WriteBenchBooks(DbSession& session, const BenchBooksSize& size, const std::vector<BenchGoods>& stocked);
