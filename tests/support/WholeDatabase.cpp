#include "support/WholeDatabase.h"

namespace vorpa::test {

::testing::AssertionResult OpensWhole(TSqlite& db, const std::string& path) {
  if (!db.Open(path, TSqlite::Mode::ReadWrite, 2000))
    return ::testing::AssertionFailure() << "cannot open " << path << ": " << db.ErrorText();
  TSqlite::Statement check = db.Prepare("PRAGMA integrity_check");
  if (!check.Step()) return ::testing::AssertionFailure() << db.ErrorText();
  if (check.Text(0) != "ok") return ::testing::AssertionFailure() << "integrity_check: " << check.Text(0);
  return ::testing::AssertionSuccess();
}

}  // namespace vorpa::test
