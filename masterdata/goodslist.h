#pragma once
#include <QString>

// The goods list's statement: every goods with the quantity of its first
// stock row (0 without one), read in the same statement, so no goods is
// listed twice.
QString GoodsListSelect();
