#pragma once

class BenchShop;

// The stock-in records: opening the window on the last day of the books, and
// a query by slip number over the last year of them; each with its database
// share and plain SQLite running the same statement.
void addRecordsWaits(const BenchShop& shop);
