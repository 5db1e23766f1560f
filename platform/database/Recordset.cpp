#include "platform/database/Recordset.h"

#include "platform/database/DbError.h"
#include "platform/database/Statement.h"

#include <sqlite3.h>
#include <strings.h>

namespace ldr::db {

Recordset Recordset::Read(Statement& statement) {
  Recordset rs;
  const int columns = statement.ColumnCount();
  for (int i = 0; i < columns; ++i) rs.mColumns.push_back(statement.ColumnName(i));
  while (statement.Step()) {
    Row row;
    row.reserve(static_cast<size_t>(columns));
    for (int i = 0; i < columns; ++i) row.push_back(statement.Column(i));
    rs.mRows.push_back(std::move(row));
  }
  return rs;
}

void Recordset::MoveNext() {
  if (mPosition < RecordCount()) ++mPosition;
}

void Recordset::MovePrevious() {
  if (mPosition >= 0) --mPosition;
}

int Recordset::ColumnIndex(const std::string& column) const {
  for (size_t i = 0; i < mColumns.size(); ++i)
    if (strcasecmp(mColumns[i].c_str(), column.c_str()) == 0) return static_cast<int>(i);
  return -1;
}

const Recordset::Row& Recordset::CurrentRow() const {
  if (IsEOF() || IsBOF()) throw DbError(SQLITE_RANGE, "no current row (BOF or EOF)");
  return mRows[static_cast<size_t>(mPosition)];
}

const DbValue& Recordset::Field(const std::string& column) const {
  int index = ColumnIndex(column);
  if (index < 0) throw DbError(SQLITE_RANGE, "no column named " + column);
  return CurrentRow()[static_cast<size_t>(index)];
}

const DbValue& Recordset::Field(int index) const {
  const Row& row = CurrentRow();
  if (index < 0 || static_cast<size_t>(index) >= row.size())
    throw DbError(SQLITE_RANGE, "no column at index " + std::to_string(index));
  return row[static_cast<size_t>(index)];
}

bool Recordset::FindForward(const std::string& column, const DbValue& value) {
  int index = ColumnIndex(column);
  if (index < 0) throw DbError(SQLITE_RANGE, "no column named " + column);
  if (mPosition < 0) mPosition = 0;
  for (; mPosition < RecordCount(); ++mPosition)
    if (mRows[static_cast<size_t>(mPosition)][static_cast<size_t>(index)] == value) return true;
  return false;
}

bool Recordset::Find(const std::string& criterion) {
  auto eq = criterion.find('=');
  if (eq == std::string::npos || eq == 0) throw DbError(SQLITE_MISUSE, "bad find criterion: " + criterion);
  auto trim = [](std::string s) {
    auto b = s.find_first_not_of(' ');
    auto e = s.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
  };
  std::string column = trim(criterion.substr(0, eq));
  std::string text = trim(criterion.substr(eq + 1));
  DbValue value;
  if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'') {
    value = DbValue(text.substr(1, text.size() - 2));
  } else {
    DbValue parsed(text);
    if (parsed.AsInt64(-1) == -1 && text != "-1") throw DbError(SQLITE_MISUSE, "bad find criterion: " + criterion);
    value = DbValue(static_cast<long long>(parsed.AsInt64()));
  }
  return FindForward(column, value);
}

} // namespace ldr::db
