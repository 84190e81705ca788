#pragma once

class BenchShop;

// 统计 of the period summary over a year, with its database share (the
// four passes through the data layer) and plain SQLite running them.
void addSummaryWaits(const BenchShop& shop);
