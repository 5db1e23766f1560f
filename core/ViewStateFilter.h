#pragma once
// What of a recorded edit is view state rather than ladder: selection,
// loading, collapse, scroll positions, the subroutine shown last, hidden
// comments, and what the compiler stores back. Undo steps leave it out, and
// undo and redo leave it as it is.

#include "platform/database/Changeset.h"

#include <map>
#include <string>
#include <vector>

namespace ldr {

class ViewStateFilter {
public:
  explicit ViewStateFilter(db::Connection& connection);

  // Updates lose their view-state columns (and vanish when nothing else is
  // left); changes of view-state rows vanish.
  std::vector<db::ChangedRow> WithoutViewState(std::vector<db::ChangedRow> rows);
  // True when the recorded and the current row differ only in view state.
  bool SameLadder(const db::ChangedRow& change, const std::vector<std::optional<db::DbValue>>& recorded,
                  const std::vector<db::DbValue>& current);

  bool IsViewColumn(const std::string& table, size_t column);
  bool IsViewRow(const db::ChangedRow& row) const;

private:
  const std::vector<bool>& ViewColumnsOf(const std::string& table);

  db::Connection& mConnection;
  std::map<std::string, std::vector<bool>> mViewColumns;
};

} // namespace ldr
