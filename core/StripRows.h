#pragma once
// The LdrStrips rows of the project: the one place that adds, changes and
// deletes a strip's row. New strips go in at a sequence number: the strips
// from there on move down first, so that no two rows of a subroutine share a
// number on the way; the subroutine's numbers are put right by the next
// renumbering (RenumberStrips). Numbers are written as decimal literals,
// texts are bound as parameters; the strip's key is the only thing that
// selects a row.

#include "core/enStripType.h"
#include "platform/database/Connection.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ldr {

class StripRows {
public:
  // Height of a new strip in grid rows, by type.
  static constexpr long kNewNetHeight = 14;
  static constexpr long kNewCommentHeight = 3;
  static constexpr long kNewLabelHeight = 1;

  // The row of a new strip at `seqNum`, nothing when there is none to add.
  using RowAt = std::function<std::optional<db::FieldList>(long seqNum)>;

  explicit StripRows(db::Connection& db) : mDb(db) {}

  // The columns of a new strip of `stripType`: not loaded, not selected,
  // the type's height, nets compilable. ShowNum is left to the next
  // renumbering; IsReturnStrip and CompileDirtyBit keep the column defaults.
  // A type without strip class gets the common columns only.
  static db::FieldList NewRow(long funcID, long seqNum, long stripType);
  // Sets `column` in `row`, adding it when absent.
  static void SetField(db::FieldList& row, const std::string& column, db::DbValue value);

  long MaxSeqNum(long funcID);
  // Moves the strips from `position` on `count` numbers down and adds the
  // rows `rowAt` gives for position .. position + count - 1, in that order
  // (each row is stored before the next is asked for). Atomic. Answers the
  // StripIDs of the rows added.
  std::vector<long> InsertAt(long funcID, long position, long count, const RowAt& rowAt);
  // Adds one row as it is given; answers its StripID.
  long Add(const db::FieldList& row);
  void Delete(long stripID);

  // "UPDATE LdrStrips SET <column>=<value> WHERE StripID=<id>".
  void SetColumn(long stripID, const std::string& column, std::int64_t value);
  void SetColumn(long stripID, const std::string& column, bool value) {
    SetColumn(stripID, column, static_cast<std::int64_t>(value ? -1 : 0));
  }
  // The same for a text column, the text bound as a parameter.
  void SetText(long stripID, const std::string& column, const std::string& text);
  // One text column of the row: empty for Null, nothing when the row is gone.
  std::optional<std::string> ReadText(long stripID, const std::string& column);

private:
  void MakeRoom(long funcID, long position, long count);

  db::Connection& mDb;
};

} // namespace ldr
