#pragma once

class BenchShop;

// Opening the goods list and one keystroke in its filter, each with its
// database share and plain SQLite running the same statement.
void addGoodsListWaits(const BenchShop& shop);
