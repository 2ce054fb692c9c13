#pragma once
// A history database that a killed process left behind: it must open
// (an unfinished transaction is rolled back) and pass SQLite's own check.
#include <gtest/gtest.h>

#include <string>

#include "history/Sqlite.h"

namespace vorpa::test {

// Opens `path` read-write into `db` and runs PRAGMA integrity_check.
::testing::AssertionResult OpensWhole(TSqlite& db, const std::string& path);

}  // namespace vorpa::test
