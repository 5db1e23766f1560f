#include "core/StripRows.h"

#include "platform/database/Recordset.h"
#include "platform/database/Statement.h"
#include "platform/database/Transaction.h"

#include <algorithm>

namespace ldr {

namespace {

// Rows of a subroutine are lifted at least this far while they move.
constexpr long kLift = 1000;

std::string Num(long value) { return std::to_string(value); }

std::string InsertSql(const db::FieldList& row) {
  std::string columns, marks;
  for (const auto& field : row) {
    columns += (columns.empty() ? "" : ",") + field.first;
    marks += marks.empty() ? "?" : ",?";
  }
  return "INSERT INTO LdrStrips (" + columns + ") VALUES (" + marks + ")";
}

} // namespace

db::FieldList StripRows::NewRow(long funcID, long seqNum, long stripType) {
  db::FieldList row{{"FuncID", funcID}, {"SeqNum", seqNum},   {"StrpType", stripType}, {"IsLoaded", 0L},
                    {"IsSelected", 0L}, {"LdrBitsCount", 0L}, {"IsCollapsed", 0L},     {"OrgHeight", 0L}};
  switch (stripType) {
  case eST_LdrNet:
    row.emplace_back("Height", kNewNetHeight);
    row.emplace_back("IsCompilable", -1L);
    break;
  case eST_LdrComment:
    row.emplace_back("Height", kNewCommentHeight);
    row.emplace_back("IsCompilable", 0L);
    break;
  case eST_LdrLabel:
    row.emplace_back("Height", kNewLabelHeight);
    row.emplace_back("IsCompilable", 0L);
    break;
  default:
    break;
  }
  return row;
}

void StripRows::SetField(db::FieldList& row, const std::string& column, db::DbValue value) {
  for (auto& field : row) {
    if (field.first == column) {
      field.second = std::move(value);
      return;
    }
  }
  row.emplace_back(column, std::move(value));
}

long StripRows::MaxSeqNum(long funcID) {
  return mDb.QueryValue("SELECT MAX(SeqNum) AS MaxSeqNum FROM LdrStrips WHERE FuncID=" + Num(funcID)).AsLong(0);
}

void StripRows::MakeRoom(long funcID, long position, long count) {
  // Two steps so that no two rows share a SeqNum on the way: first lift every
  // strip from `position` on above all others, then bring them back `count`
  // further. The lift is 1000, or more in a subroutine numbered beyond it.
  const long lift = std::max(kLift, MaxSeqNum(funcID) + 1);
  mDb.Execute("UPDATE LdrStrips SET SeqNum=SeqNum+" + Num(count + lift) + " WHERE FuncID=" + Num(funcID) +
              " AND SeqNum > " + Num(position - 1));
  mDb.Execute("UPDATE LdrStrips SET SeqNum=SeqNum-" + Num(lift) + " WHERE FuncID=" + Num(funcID) + " AND SeqNum>" +
              Num(lift));
}

std::vector<long> StripRows::InsertAt(long funcID, long position, long count, const RowAt& rowAt) {
  std::vector<long> added;
  if (count <= 0) return added;
  db::Transaction transaction(mDb);
  MakeRoom(funcID, position, count);
  // Rows of one kind share their statement.
  std::string sql;
  std::optional<db::Statement> insert;
  for (long i = 0; i < count; ++i) {
    const std::optional<db::FieldList> row = rowAt(position + i);
    if (!row) continue;
    std::string rowSql = InsertSql(*row);
    if (rowSql != sql) {
      insert.emplace(mDb.Prepare(rowSql));
      sql = std::move(rowSql);
    } else {
      insert->Reset();
    }
    int index = 1;
    for (const auto& field : *row) insert->Bind(index++, field.second);
    insert->Execute();
    added.push_back(static_cast<long>(mDb.LastInsertRowId()));
  }
  transaction.Commit();
  return added;
}

long StripRows::Add(const db::FieldList& row) { return static_cast<long>(mDb.AddRow("LdrStrips", row)); }

void StripRows::Delete(long stripID) { mDb.Execute("DELETE FROM LdrStrips WHERE StripID=" + Num(stripID)); }

void StripRows::SetColumn(long stripID, const std::string& column, std::int64_t value) {
  mDb.Execute("UPDATE LdrStrips SET " + column + "=" + std::to_string(value) + " WHERE StripID=" + Num(stripID));
}

void StripRows::SetText(long stripID, const std::string& column, const std::string& text) {
  mDb.Execute("UPDATE LdrStrips SET " + column + "=? WHERE StripID=" + Num(stripID), {text});
}

std::optional<std::string> StripRows::ReadText(long stripID, const std::string& column) {
  db::Recordset rs = mDb.Query("SELECT " + column + " FROM LdrStrips WHERE StripID=" + Num(stripID));
  if (rs.IsEOF()) return std::nullopt;
  return rs.Field(column).AsText();
}

} // namespace ldr
