#include "slipwrite.h"

SlipOutcome writeSlip(const std::function<SlipOutcome(DbSession&)>& work)
{
    auto conn = Mod1::OpenConn();
    return conn ? work(*conn) : SlipOutcome::failed(conn.error());
}
