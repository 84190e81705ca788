#pragma once
#include "dbresult.h"

#include <QDate>

// Deletes every slip, slip line, repayment and daily expense dated on or
// before the day, each row by its own date, in one transaction: all of it or
// nothing. Stock and master data stay as they are.
DbStatus purgeSlips(const QDate& upTo);
