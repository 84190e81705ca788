#pragma once
#include "dbsession.h"

// The upgrade's steps, each the history of one version: the statements that
// took a book there, written as they were then, never read from today's
// schema. A delivered step does not change; a change to the schema is a new
// step (and goes into data/schema.sql, which the schema test holds to the
// steps).
namespace SchemaSteps {

// Version 1: the indexes of the time. Books before versions hold some of
// them, narrower ones under some of their names, and two retired ones.
DbStatus indexesOfVersion1(DbSession& session);

// Version 2: the sales totals, kept by triggers and filled from the books;
// the wide covering indexes of the sales lines give way to narrow ones.
DbStatus salesTotals(DbSession& session);

}
