#pragma once
#include <functional>
#include <memory>
#include <string>

class BenchShop;
class SlipRecordsForm;

// The waits of a records window, named after it: opening it on the last day
// of the books, and a query by slip number over the last year of them; each
// with its database share and plain SQLite running the same statement.
void addRecordsWaits(const BenchShop& shop, const std::string& name,
                     const std::function<std::unique_ptr<SlipRecordsForm>()>& create);

// The stock-in records.
void addRecordsWaits(const BenchShop& shop);
