#pragma once

class BenchShop;

// The sales records: opening the window on the last day of the books, and a
// query by slip number over the last year of them (some 66,000 sales).
void addSalesRecordsWaits(const BenchShop& shop);
