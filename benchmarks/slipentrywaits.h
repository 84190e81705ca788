#pragma once

class BenchShop;

// The stock-in slip's goods lookup: a keystroke in its filter, and the refill
// of the whole list that follows each line entered; a scan at the till into
// the sales slip; each with its database share and plain SQLite running the
// same statement.
void addSlipEntryWaits(const BenchShop& shop);
