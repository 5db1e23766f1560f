#pragma once
// Rows as the command line prints them: values separated by "|", NULL for
// Null, one row a line.

#include "platform/database/Recordset.h"

#include <ostream>

namespace ldr::cli {

void PrintRows(std::ostream& out, db::Recordset& rows);

} // namespace ldr::cli
