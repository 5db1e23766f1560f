#include "compiler/CompileRecordset.h"

#include "platform/database/DbError.h"

#include <sqlite3.h>

#include <type_traits>

namespace ldr {

enCursorKind CompileRecordset::CursorKind() const {
  if (std::holds_alternative<db::Recordset>(mCursor)) return enCursorKind::Static;
  if (std::holds_alternative<db::ForwardRecordset>(mCursor)) return enCursorKind::ForwardOnly;
  return enCursorKind::Keyset;
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
  std::visit([](auto& rs) { rs.MoveNext(); }, mCursor);
}

void CompileRecordset::MoveFirst() {
  std::visit(
      [](auto& rs) {
        if constexpr (std::is_same_v<std::decay_t<decltype(rs)>, db::ForwardRecordset>)
          throw db::DbError(SQLITE_MISUSE, "a forward-only recordset cannot move back");
        else
          rs.MoveFirst();
      },
      mCursor);
}

db::DbValue CompileRecordset::Field(const std::string& column) const {
  return std::visit([&](const auto& rs) { return db::DbValue(rs.Field(column)); }, mCursor);
}

db::DbValue CompileRecordset::Field(int index) const {
  return std::visit([&](const auto& rs) { return db::DbValue(rs.Field(index)); }, mCursor);
}

} // namespace ldr
