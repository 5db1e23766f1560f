#pragma once
// Tidies nets in the project database without loading them: moves the
// elements of a net up to its first row, shrinks the net to the rows its
// elements use and opens a margin of free rows below them. Hosts create it;
// the function view uses it to open space after placing an element.
//
// Return nets and collapsed nets are never touched; nor are nets made only of
// lines (or empty), nor nets holding a function block whose operand counts
// are unknown.

#include "platform/database/Connection.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace ldr {

// The input and output counts of a function-block method.
struct BlockOperandCounts {
  std::int32_t Inputs = 0;
  std::int32_t Outputs = 0;
};

class srvStripResizerEx {
public:
  // The operand counts of a function-block type, or nothing when the
  // catalogue does not know it.
  using BlockCatalogue = std::function<std::optional<BlockOperandCounts>(std::int32_t elementType)>;

  // The rows a net keeps free below its lowest element when space is opened,
  // and the height that opening never reaches.
  static constexpr std::int32_t kFreeMargin = 5;
  static constexpr std::int32_t kOpenSpaceLimit = 40;

  enum UsedRowsStatus : std::int32_t { eUR_OnlyLines = 1, eUR_UnknownBlock = 2, eUR_Resizable = 3 };
  struct RowUsage {
    std::int32_t FirstRow = 0; // the rows above the topmost element that MoveUp removes
    std::int32_t Bottom = 0;   // one past the lowest row an element uses
    UsedRowsStatus Status = eUR_Resizable;
  };

  explicit srvStripResizerEx(std::shared_ptr<db::Connection> connection, BlockCatalogue blocks = {});

  // 0 = every subroutine.
  std::int32_t FuncID() const { return mFuncID; }
  void SetFuncID(std::int32_t value) { mFuncID = value; }
  // 0 = every net.
  std::int32_t NetID() const { return mNetID; }
  void SetNetID(std::int32_t value) { mNetID = value; }
  // Runs over the chosen nets; all or nothing.
  void ResizeNets();
  void SetFlags(bool MoveUp, bool ShrinkNet, bool OpenSpace);

  // Rows of an element with `operandRows` rows of operands.
  static std::int32_t RowsForOperandRows(std::int32_t operandRows);
  // The operand rows an element of `elementType` shows (function blocks
  // excluded; they come from the catalogue).
  static std::int32_t OperandRowCount(std::int32_t elementType);
  // The used rows of the net `stripID` as stored.
  RowUsage UsedRows(std::int32_t stripID) const;

private:
  void ResizeNet(std::int32_t stripID, std::int32_t height);
  // The rows the element of `elementType` and line extent `dy` covers, or
  // nothing for a block the catalogue does not know.
  std::optional<std::int32_t> ElementRows(std::int32_t elementType, std::int32_t dy) const;

  std::shared_ptr<db::Connection> mConnection;
  BlockCatalogue mBlocks;
  std::int32_t mFuncID = 0;
  std::int32_t mNetID = 0;
  bool mMoveUp = false;
  bool mOpenSpace = false;
  bool mShrinkNet = false;
};

} // namespace ldr
