#include "compiler/CompileRecordset.h"

#include "platform/database/DbError.h"

#include <sqlite3.h>
#include <strings.h>

#include <type_traits>

namespace ldr {

RecordsetCursor CompileRecordset::CursorKind() const {
  if (std::holds_alternative<db::Recordset>(mCursor)) return RecordsetCursor::Static;
  if (std::holds_alternative<db::ForwardRecordset>(mCursor)) return RecordsetCursor::ForwardOnly;
  return RecordsetCursor::Keyset;
}

const std::vector<std::string>& CompileRecordset::Columns() const {
  return std::visit([](const auto& rs) -> const std::vector<std::string>& { return rs.Columns(); }, mCursor);
}

long CompileRecordset::RecordCount() const {
  return std::visit(
      [](const auto& rs) -> long {
        if constexpr (std::is_same_v<std::decay_t<decltype(rs)>, db::ForwardRecordset>)
          return -1;
        else
          return rs.RecordCount();
      },
      mCursor);
}

bool CompileRecordset::IsEOF() const {
  return std::visit([](const auto& rs) { return rs.IsEOF(); }, mCursor);
}

void CompileRecordset::MoveNext() {
  mRowRead = false;
  std::visit([](auto& rs) { rs.MoveNext(); }, mCursor);
}

void CompileRecordset::MoveFirst() {
  mRowRead = false;
  std::visit(
      [](auto& rs) {
        if constexpr (std::is_same_v<std::decay_t<decltype(rs)>, db::ForwardRecordset>)
          throw db::DbError(SQLITE_MISUSE, "a forward-only recordset cannot move back");
        else
          rs.MoveFirst();
      },
      mCursor);
}

const std::vector<db::DbValue>& CompileRecordset::CurrentRow() const {
  if (!mRowRead) {
    mRow.clear();
    std::visit(
        [&](const auto& rs) {
          for (int i = 0; i < static_cast<int>(rs.Columns().size()); ++i) mRow.push_back(db::DbValue(rs.Field(i)));
        },
        mCursor);
    mRowRead = true;
  }
  return mRow;
}

int CompileRecordset::ColumnIndex(const std::string& column) const {
  const auto& columns = Columns();
  for (size_t i = 0; i < columns.size(); ++i)
    if (strcasecmp(columns[i].c_str(), column.c_str()) == 0) return static_cast<int>(i);
  throw db::DbError(SQLITE_RANGE, "no column named " + column);
}

const db::DbValue& CompileRecordset::Field(const std::string& column) const { return Field(ColumnIndex(column)); }

const db::DbValue& CompileRecordset::Field(int index) const {
  if (const auto* rows = std::get_if<db::Recordset>(&mCursor)) return rows->Field(index);
  const auto& row = CurrentRow();
  if (index < 0 || static_cast<size_t>(index) >= row.size())
    throw db::DbError(SQLITE_RANGE, "no column at index " + std::to_string(index));
  return row[static_cast<size_t>(index)];
}

} // namespace ldr
