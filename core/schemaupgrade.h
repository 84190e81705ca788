#pragma once
#include "dbsession.h"

#include <functional>
#include <span>

// The book's schema version is its PRAGMA user_version. Each step takes a book
// from one version to the next; a book made before versions existed is 0.
namespace SchemaUpgrade {
struct Step {
    int reaches = 0; // the version the book has after this step
    DbStatus (*run)(DbSession& session) = nullptr;
};

// Every step, in order.
std::span<const Step> steps();
int currentVersion();

// Told which step runs (0-based) of how many, when it starts and again and
// again while it works, so a caller can keep a progress window painted.
using Progress = std::function<void(int step, int count)>;

// Reads the book's version and does nothing more when it is current; else runs
// every missing step and sets the new version in one transaction, which a
// failure rolls back, leaving the book as it was. A file that is not a sound
// database is left alone, without an error: whoever reads it next tells why.
DbStatus upgrade(DbSession& session, const Progress& progress = {});

// What the user is told when an upgrade failed.
QString failureText(const DbError& error);
}
