#pragma once
// The version stamp that ties the undo history to the rows it was recorded
// on, kept in the file's own table undo_Stamp. Another program may change the
// file while no editor has it open, and SQLite leaves nothing behind that
// would tell (the header's change counter stands still in write-ahead-log
// mode, data_version is per connection), so the stamp is a fingerprint of the
// project rows themselves:
//  - a summary, written in the transaction of every recorded step, undo and
//    redo: the schema version and, per project table, the number of rows and
//    the largest rowid. Cheap enough for each edit; it sees rows that came or
//    went.
//  - a digest of every ladder value, written when the editor lets go of the
//    file: it sees any change.
// View state is left out of both, so selecting or scrolling changes neither.
// On open a history whose stamp is missing or does not match the rows any
// more is cleared. A process that ended without closing left only the
// summary of its last step, so a write of its own after that step (a crash
// between write and stamp) clears the history too, as a foreign one would.

#include "platform/database/Connection.h"

#include <string>

namespace ldr {

class UndoStamp {
public:
  static constexpr const char* kTable = "undo_Stamp";
  static constexpr const char* kClearedNotice =
      "The undo history was cleared because the project was changed outside the editor.";

  explicit UndoStamp(db::Connection& connection) : mConnection(connection) {}

  // The summary; call it in the transaction of the step, undo or redo.
  void AfterStep();
  // The digest, when the editor closes the file (only while there is a
  // history to protect; never on a read-only file).
  void Seal();
  // On open: clears the history when the rows are not the ones stamped.
  // True when it did.
  bool ClearIfChanged();

  // Exposed for tests.
  std::string Summary();
  std::string Digest();

private:
  enum Kind { kSummary = 1, kDigest = 2 };
  bool HasHistory();
  void Write(Kind kind);

  db::Connection& mConnection;
};

} // namespace ldr
