#include "support/ProjectFixture.h"

#include "core/ProjectDatabase.h"

namespace ldr::test {

void ProjectFixture::SetUp() { mDb = ProjectDatabase::Create(ProjectPath()); }

std::vector<long> ProjectFixture::Longs(const std::string& sql) {
  std::vector<long> values;
  auto rs = mDb->Query(sql);
  for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) values.push_back(rs.Field(0).AsLong(-999));
  return values;
}

long ProjectFixture::Scalar(const std::string& sql) { return mDb->QueryValue(sql).AsLong(-999); }

} // namespace ldr::test
