#include "platform/database/KeysetRecordset.h"

#include "platform/database/Connection.h"
#include "platform/database/DbError.h"

#include <sqlite3.h>
#include <strings.h>

namespace ldr::db {

KeysetRecordset::KeysetRecordset(std::shared_ptr<Connection> connection, Statement rowStatement)
    : mConnection(std::move(connection)), mRowStatement(std::make_shared<Statement>(std::move(rowStatement))) {}

KeysetRecordset KeysetRecordset::Open(const std::shared_ptr<Connection>& connection, const std::string& sql,
                                      const std::string& keyColumn, const std::string& rowSql) {
  KeysetRecordset rs(connection, connection->Prepare(rowSql));
  Statement chooser = connection->Prepare(sql);
  int keyIndex = -1;
  for (int i = 0; i < chooser.ColumnCount(); ++i) {
    rs.mColumns.push_back(chooser.ColumnName(i));
    if (strcasecmp(rs.mColumns.back().c_str(), keyColumn.c_str()) == 0 && keyIndex < 0) keyIndex = i;
  }
  if (keyIndex < 0) throw DbError(SQLITE_RANGE, "no key column named " + keyColumn, sql);
  while (chooser.Step()) rs.mKeys.push_back(chooser.Column(keyIndex));
  return rs;
}

void KeysetRecordset::MoveTo(long position) {
  mPosition = position;
  mRowRead = false;
}

const std::vector<DbValue>* KeysetRecordset::CurrentRow() const {
  if (IsEOF() || IsBOF()) throw DbError(SQLITE_RANGE, "no current row (BOF or EOF)");
  if (!mRowRead) {
    mRowStatement->Reset();
    mRowStatement->Bind(1, mKeys[static_cast<size_t>(mPosition)]);
    mRow.reset();
    if (mRowStatement->Step()) {
      std::vector<DbValue> row;
      for (int i = 0; i < mRowStatement->ColumnCount(); ++i) row.push_back(mRowStatement->Column(i));
      mRow = std::move(row);
    }
    mRowStatement->Reset();
    mRowRead = true;
  }
  return mRow ? &*mRow : nullptr;
}

bool KeysetRecordset::IsDeleted() const { return CurrentRow() == nullptr; }

DbValue KeysetRecordset::Field(const std::string& column) const {
  for (size_t i = 0; i < mColumns.size(); ++i)
    if (strcasecmp(mColumns[i].c_str(), column.c_str()) == 0) return Field(static_cast<int>(i));
  throw DbError(SQLITE_RANGE, "no column named " + column);
}

DbValue KeysetRecordset::Field(int index) const {
  const auto* row = CurrentRow();
  if (!row) throw DbError(SQLITE_NOTFOUND, "the row has been deleted");
  if (index < 0 || static_cast<size_t>(index) >= row->size())
    throw DbError(SQLITE_RANGE, "no column at index " + std::to_string(index));
  return (*row)[static_cast<size_t>(index)];
}

} // namespace ldr::db
