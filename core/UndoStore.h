#pragma once
// The undo and redo stacks, kept in the project file so that they outlive
// the editor: one row per step in undo_Steps. The steps form one line by
// StepID; those not undone are the undo stack (top: the newest), the undone
// ones the redo stack (top: the oldest). The undo_ prefix keeps the table
// out of the ladder's tables, the buffer tables and the exports.

#include "platform/database/Connection.h"

#include <optional>
#include <string>
#include <vector>

namespace ldr {

struct UndoStep {
  std::int64_t ID = 0;
  std::string Name;
  db::Blob Changes; // the session's changeset
  db::Blob Rows;    // the rows of tables without a key (KeylessLog)
};

class UndoStore {
public:
  static constexpr const char* kTable = "undo_Steps";
  // Host settings (editor section) that limit the history: the number of
  // steps and the megabytes kept; 0 or unset keeps everything.
  static constexpr long kMaxStepsKey = 6040;
  static constexpr long kMaxMegabytesKey = 6041;

  explicit UndoStore(db::Connection& connection) : mConnection(connection) {}

  // A new step; whatever could be redone is gone.
  void Push(const std::string& name, const db::Blob& changes, const db::Blob& rows);
  std::optional<UndoStep> Top(bool redo);
  void SetUndone(std::int64_t id, bool undone);
  // Names, the top of the stack first.
  std::vector<std::string> Names(bool redo);
  // Keeps the newest `maxSteps` steps (0: any number) within `maxBytes`
  // (0: any size).
  void Trim(long maxSteps, long long maxBytes);
  void Clear();

private:
  bool Exists();
  void Create();

  db::Connection& mConnection;
  bool mCreated = false;
};

} // namespace ldr
