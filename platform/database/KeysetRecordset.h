#pragma once
// A keyset recordset: the rows a query chose when it was opened, each read
// afresh by its key whenever the cursor stands on it. Rows stay in the set
// in their first order; a row changed since shows its new values, a row
// deleted since reads as deleted.

#include "platform/database/DbValue.h"
#include "platform/database/Statement.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ldr::db {

class Connection;

class KeysetRecordset {
public:
  // `sql` chooses the rows; `keyColumn` is one of its columns. `rowSql`
  // reads one row by its key, bound as its only parameter, with the same
  // columns as `sql`.
  static KeysetRecordset Open(const std::shared_ptr<Connection>& connection, const std::string& sql,
                              const std::string& keyColumn, const std::string& rowSql);

  long RecordCount() const { return static_cast<long>(mKeys.size()); }
  bool IsEOF() const { return mKeys.empty() || mPosition >= RecordCount(); }
  bool IsBOF() const { return mKeys.empty() || mPosition < 0; }
  void MoveFirst() { MoveTo(0); }
  void MoveLast() { MoveTo(RecordCount() - 1); }
  void MoveNext() { MoveTo(std::min(mPosition + 1, RecordCount())); }
  void MovePrevious() { MoveTo(std::max(mPosition - 1, -1L)); }

  // True when the current row has been deleted since the set was opened.
  bool IsDeleted() const;
  // Reading at BOF, EOF, on a deleted row or an unknown column throws.
  DbValue Field(const std::string& column) const;
  DbValue Field(int index) const;
  const std::vector<std::string>& Columns() const { return mColumns; }

private:
  KeysetRecordset(std::shared_ptr<Connection> connection, Statement rowStatement);
  void MoveTo(long position);
  const std::vector<DbValue>* CurrentRow() const;

  std::shared_ptr<Connection> mConnection;
  std::shared_ptr<Statement> mRowStatement;
  std::vector<std::string> mColumns;
  std::vector<DbValue> mKeys;
  long mPosition = 0;
  mutable std::optional<std::vector<DbValue>> mRow;
  mutable bool mRowRead = false;
};

} // namespace ldr::db
