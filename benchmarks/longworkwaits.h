#pragma once

class BenchShop;

// Long work on the books, each with its time and the process's peak memory
// while it ran: the export of a year of sales records and the compaction.
void addLongWorkWaits(const BenchShop& shop);
