#pragma once

class BenchShop;

// Saving and deleting a slip of 50 lines, stock-in and sales, each with its
// database share (the statements the write ran, run again through the data
// layer) and plain SQLite running the same statements.
void addSlipWaits(const BenchShop& shop);
