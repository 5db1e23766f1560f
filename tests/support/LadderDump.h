#pragma once
// Text pictures for comparing the project before and after an edit that
// failed: every row of the ladder tables (and the key sequences), and the
// strips and elements the function view holds next to the rows they were
// loaded from.

#include "platform/database/Connection.h"

#include <string>

namespace ldr {
class clsLdrFunction;
}

namespace ldr::test {

// Every row of the ladder tables and of sqlite_sequence, one per line.
std::string DumpLadder(db::Connection& db);
// Every row of every project table, ordered by content, without view state
// (selection, loading, scroll positions...) and without key counters: what
// an undo gives back.
std::string DumpContent(db::Connection& db);
// The view's strips, top to bottom (id, number, height), each net followed
// by its elements in id order (id, type, inlet).
std::string DumpView(clsLdrFunction& view);
// The same, read from the rows of the strips the view marks as loaded.
std::string DumpLoadedRows(db::Connection& db, long funcID);

} // namespace ldr::test
