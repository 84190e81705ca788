#pragma once
#include "dbsession.h"
#include "slipvalues.h"

#include <functional>

// Opens the book, runs a write of it on the session and closes the session
// again; a book that cannot be opened is a failed outcome, as a failed write is.
SlipOutcome writeSlip(const std::function<SlipOutcome(DbSession&)>& work);
