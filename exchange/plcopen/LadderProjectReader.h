#pragma once
// Reads the ladder of a project (or of some of its subroutines) from the
// database rows into a LadderProject. Subroutines come in module-name then
// subroutine-name order, strips in SeqNum order and elements by row, column
// and type, so the result does not depend on the keys the rows happen to have.

#include "exchange/plcopen/LadderModel.h"
#include "platform/database/Connection.h"

#include <vector>

namespace ldr::plcopen {

class LadderProjectReader {
public:
  explicit LadderProjectReader(db::Connection& db) : mDb(db) {}

  // Every subroutine when `funcIDs` is empty. An ID without a subroutine
  // throws std::invalid_argument.
  LadderProject Read(const std::vector<long>& funcIDs = {});

private:
  std::vector<LadderSubroutine> ReadSubroutines(const std::vector<long>& funcIDs);
  std::vector<LadderStrip> ReadStrips(long funcID);
  std::vector<LadderElement> ReadElements(long stripID);
  void ReadOperandList(LadderProject& project);
  void ReadReferenceNames(LadderProject& project);

  db::Connection& mDb;
};

} // namespace ldr::plcopen
