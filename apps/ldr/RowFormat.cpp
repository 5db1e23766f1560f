#include "apps/ldr/RowFormat.h"

namespace ldr::cli {

void PrintRows(std::ostream& out, db::Recordset& rows) {
  for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
    const auto& columns = rows.Columns();
    for (size_t i = 0; i < columns.size(); ++i) {
      if (i > 0) out << '|';
      out << rows.Field(static_cast<int>(i)).ToDisplay();
    }
    out << '\n';
  }
}

} // namespace ldr::cli
