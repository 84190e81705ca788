#pragma once

class BenchShop;

// Opening the stock query and its lower-limit alarm, each with its database
// share and plain SQLite running the same statement.
void addStockQueryWaits(const BenchShop& shop);
