#pragma once
// A static recordset: every row of a query read into memory. The count is
// known, the cursor moves both ways and can search forward by a criterion.
// A fresh recordset stands on its first row; an empty one is at BOF and EOF.

#include "platform/database/DbValue.h"

#include <string>
#include <vector>

namespace ldr::db {

class Statement;

class Recordset {
public:
  using Row = std::vector<DbValue>;

  Recordset() = default;
  // Steps `statement` to its end and keeps the rows.
  static Recordset Read(Statement& statement);

  long RecordCount() const { return static_cast<long>(mRows.size()); }
  bool IsEOF() const { return mRows.empty() || mPosition >= RecordCount(); }
  bool IsBOF() const { return mRows.empty() || mPosition < 0; }

  void MoveFirst() { mPosition = 0; }
  void MoveLast() { mPosition = RecordCount() - 1; }
  void MoveNext();
  void MovePrevious();
  long Position() const { return mPosition; }

  // The current row's field, by column name (case-insensitive) or index.
  // Reading at BOF or EOF, or an unknown column, throws DbError.
  const DbValue& Field(const std::string& column) const;
  const DbValue& Field(int index) const;
  bool HasColumn(const std::string& column) const { return ColumnIndex(column) >= 0; }

  // Searches forward from the current row (inclusive) for a row whose
  // `column` equals `value`. Without a match the cursor stands at EOF.
  bool FindForward(const std::string& column, const DbValue& value);
  // The same with a criterion text "Column=Value" (Value a number or a text
  // between single quotes), as the element loader writes it.
  bool Find(const std::string& criterion);

  const std::vector<std::string>& Columns() const { return mColumns; }
  const std::vector<Row>& Rows() const { return mRows; }

private:
  int ColumnIndex(const std::string& column) const;
  const Row& CurrentRow() const;

  std::vector<std::string> mColumns;
  std::vector<Row> mRows;
  long mPosition = 0;
};

} // namespace ldr::db
