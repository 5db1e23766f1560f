#pragma once
// Changesets of SQLite's session extension: the rows one unit of work
// inserted, updated and deleted, as a blob that can be read, written back,
// inverted and applied to a database in one go.

#include "platform/database/DbValue.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ldr::db {

class Connection;

enum class ChangeOp { Insert, Update, Delete };

// One changed row. A value is missing (nullopt) where the change does not
// record it: an update keeps only its key and the columns it changed.
struct ChangedRow {
  std::string Table;
  ChangeOp Op = ChangeOp::Insert;
  bool Indirect = false;
  // One per column: 0, or its place in the primary key (1 for the first).
  std::vector<std::uint8_t> Key;
  std::vector<std::optional<DbValue>> Old;
  std::vector<std::optional<DbValue>> New;
};

// Why a change could not be applied as recorded.
enum class ConflictKind {
  Data,       // the row is there but its recorded old values differ
  NotFound,   // the row to update or delete is not there
  Conflict,   // the row to insert is there already
  Constraint, // another constraint refused the change
  ForeignKey  // the whole changeset leaves foreign keys unresolved
};
enum class ConflictAnswer { Omit, Replace, Abort };

// `current` holds the row as it is now (Data and Conflict only).
using ConflictHandler =
    std::function<ConflictAnswer(ConflictKind kind, const ChangedRow& change, const std::vector<DbValue>& current)>;

class Changeset {
public:
  static std::vector<ChangedRow> Read(const Blob& changeset);
  // Rows of one table must follow one another.
  static Blob Write(const std::vector<ChangedRow>& rows);
  static Blob Invert(const Blob& changeset);
  // Applies every change or none; an aborted apply throws DbError.
  static void Apply(Connection& connection, const Blob& changeset, const ConflictHandler& onConflict);
};

} // namespace ldr::db
