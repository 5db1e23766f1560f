#pragma once
// A recordset handed to the host's compiler, with the cursor kind its query
// promises: static (all rows read, scrollable, count known), forward-only
// (stepped once, count unknown: -1) or keyset (rows chosen once, each read
// afresh). The caller owns it and closes it by dropping it.

#include "platform/database/ForwardRecordset.h"
#include "platform/database/KeysetRecordset.h"
#include "platform/database/Recordset.h"

#include <string>
#include <variant>
#include <vector>

namespace ldr {

enum class RecordsetCursor { Static, ForwardOnly, Keyset };

class CompileRecordset {
public:
  explicit CompileRecordset(db::Recordset rows) : mCursor(std::move(rows)) {}
  explicit CompileRecordset(db::ForwardRecordset rows) : mCursor(std::move(rows)) {}
  explicit CompileRecordset(db::KeysetRecordset rows) : mCursor(std::move(rows)) {}

  RecordsetCursor CursorKind() const;
  const std::vector<std::string>& Columns() const;
  // -1 for a forward-only cursor, as it cannot know.
  long RecordCount() const;
  bool IsEOF() const;
  void MoveNext();
  // Back to the first row; a forward-only cursor cannot and throws.
  void MoveFirst();
  // The current row's field; valid until the cursor moves.
  const db::DbValue& Field(const std::string& column) const;
  const db::DbValue& Field(int index) const;

private:
  // The current row of a cursor that reads it from the database, taken out
  // once however many fields are read.
  const std::vector<db::DbValue>& CurrentRow() const;
  int ColumnIndex(const std::string& column) const;

  std::variant<db::Recordset, db::ForwardRecordset, db::KeysetRecordset> mCursor;
  mutable std::vector<db::DbValue> mRow;
  mutable bool mRowRead = false;
};

} // namespace ldr
