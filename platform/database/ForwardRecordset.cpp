#include "platform/database/ForwardRecordset.h"

#include "platform/database/DbError.h"

#include <sqlite3.h>
#include <strings.h>

namespace ldr::db {

ForwardRecordset::ForwardRecordset(Statement statement) : mStatement(std::move(statement)) {
  for (int i = 0; i < mStatement.ColumnCount(); ++i) mColumns.push_back(mStatement.ColumnName(i));
  mEOF = !mStatement.Step();
}

void ForwardRecordset::MoveNext() {
  if (!mEOF) mEOF = !mStatement.Step();
}

int ForwardRecordset::ColumnIndex(const std::string& column) const {
  for (size_t i = 0; i < mColumns.size(); ++i)
    if (strcasecmp(mColumns[i].c_str(), column.c_str()) == 0) return static_cast<int>(i);
  throw DbError(SQLITE_RANGE, "no column named " + column, mStatement.Sql());
}

DbValue ForwardRecordset::Field(const std::string& column) const { return Field(ColumnIndex(column)); }

DbValue ForwardRecordset::Field(int index) const {
  if (mEOF) throw DbError(SQLITE_RANGE, "no current row (EOF)", mStatement.Sql());
  if (index < 0 || index >= static_cast<int>(mColumns.size()))
    throw DbError(SQLITE_RANGE, "no column at index " + std::to_string(index), mStatement.Sql());
  return mStatement.Column(index);
}

} // namespace ldr::db
