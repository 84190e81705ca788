#pragma once
class BenchShop;

// A customer's history and a salesman's performance: the lines of one person.
void addPersonLineWaits(const BenchShop& shop);
