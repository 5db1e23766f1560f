#pragma once
// A forward-only recordset: steps a statement row by row without keeping the
// rows. For long scans that only read each row once.

#include "platform/database/Statement.h"

#include <string>
#include <vector>

namespace ldr::db {

class ForwardRecordset {
public:
  // Takes a statement with its parameters bound and moves to its first row.
  explicit ForwardRecordset(Statement statement);

  bool IsEOF() const { return mEOF; }
  void MoveNext();
  DbValue Field(const std::string& column) const;
  DbValue Field(int index) const;
  const std::vector<std::string>& Columns() const { return mColumns; }

private:
  int ColumnIndex(const std::string& column) const;

  Statement mStatement;
  std::vector<std::string> mColumns;
  bool mEOF = false;
};

} // namespace ldr::db
