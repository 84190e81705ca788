#pragma once

class BenchShop;

// The waits of the stock-in and the sales records: opening each window on
// the last day of the books, and a query by slip number over the last year
// of them; each with its database share and plain SQLite running the same
// statement.
void addRecordsWaits(const BenchShop& shop);
