#pragma once
// Cross reference over the whole ladder: where an operand, an element type, a
// function-block type, a constant value or a switched-off net is used, and
// the replacement of one operand by another in every element that uses it.
// Answers from the project database alone; keeps nothing between calls but
// the sort order. Each search returns its places and sets `noResults` when
// there are none.

#include "outside/HostServices.h"
#include "tools/tyLadderCrossRef.h"

#include <map>
#include <vector>

namespace ldr {

class srvLdrCrossRef {
public:
  static constexpr const char* kClassName = "srvLdrCrossRef";

  explicit srvLdrCrossRef(const HostServices& host);

  std::vector<tyLadderCrossRef> GetLadderCrossReference(long opNetworkID, long opType, long opAddress, bool& noResults);
  std::vector<tyLadderCrossRef> GetLadderFBFatherCrossRef(long fbFatherID, bool& noResults);
  std::vector<tyLadderCrossRef> GetLadderElementCrossRef(long elementType, bool& noResults);
  std::vector<tyLadderCrossRef> GetLadderDisabledNetsCrossRef(bool& noResults);
  std::vector<tyLadderCrossRef> GetLadderConstCrossRef(long opType, double powerUp, bool& noResults);
  // Retired: says so and does nothing.
  void ReplaceLadderOperand(long opNetworkID, long opType, long opAddress, long newAddress);
  // Replaces the operand in every slot (and every parameter block) that
  // holds it, in subroutine `funcID` only when it is above 0. The nets are
  // marked dirty first. A new operand that the controller cannot hold or
  // that one of the slots does not accept is refused (LdrError) and nothing
  // changes.
  void ReplaceLadderOperandEx(long opNetworkID, long opType, long opAddress, long newNetID, long newOpType,
                              long newAddress, long funcID);

  bool SortByElement() const { return mSortByElement; }
  void SetSortByElement(bool value) { mSortByElement = value; }

private:
  enum class enSearch { Operand, BlockType, ElementType, DisabledNets, Constant };

  std::vector<tyLadderCrossRef> Search(enSearch kind, const std::string& condition, const db::Params& params,
                                       bool& noResults);
  std::string OrderBy(enSearch kind) const;
  std::string ElementTitle(long elementType, long instance, bool isBlock);
  void RequireOperandType(long opType, const char* procedure) const;
  void CheckReplacement(const OperandKey& from, const OperandKey& to, long funcID);
  void RewriteParameterBlocks(const OperandKey& from, const OperandKey& to, const std::string& inFunction);
  std::shared_ptr<db::Connection> Connection() const;

  HostServices mHost;
  bool mSortByElement = false;
  // "Element: " and the title, by element type, for one search.
  std::map<long, std::string> mTitles;
};

// Whether an element type keeps operands inside its parameter block, so that
// a replacement rewrites the block too.
bool HoldsOperandsInParameters(long elementType);

} // namespace ldr
