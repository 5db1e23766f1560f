#pragma once
// A new project database in a temporary directory, for tests that need the
// real schema and default content.

#include "platform/database/Connection.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ldr::test {

class ProjectFixture : public ::testing::Test {
protected:
  void SetUp() override;

  db::Connection& Db() { return *mDb; }
  std::string ProjectPath() const { return mDir.File("project.ldrp"); }
  // One column of a query as longs, in row order.
  std::vector<long> Longs(const std::string& sql);
  long Scalar(const std::string& sql);

  TempDir mDir;
  std::shared_ptr<db::Connection> mDb;
};

} // namespace ldr::test
