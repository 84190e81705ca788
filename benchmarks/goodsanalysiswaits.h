#pragma once

class BenchShop;

// The goods analysis over the shop's books: goods by profit and customers by
// sales over a year, the month trend over two years and the goods sales count over a year, each
// from the click to the filled grid, with its database share and plain
// SQLite running the same statement.
void addGoodsAnalysisWaits(const BenchShop& shop);
