#include "salesrecordswaits.h"
#include "frmOutDetail.h"
#include "recordswaits.h"

void addSalesRecordsWaits(const BenchShop& shop)
{
    addRecordsWaits(shop, "SalesRecords", [] { return std::make_unique<frmOutDetail>(); });
}
