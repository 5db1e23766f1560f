#include "strips/srvStripResizerEx.h"

#include "core/StripRows.h"
#include "elements/ElementFamilies.h"
#include "elements/ElementTypeTable.h"
#include "interfaces/ElementDefs.h"
#include "platform/database/Transaction.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace ldr {
namespace {

// The first row is searched from here down.
constexpr std::int32_t kNoFirstRow = 50;
// Contacts, coils and jumps stand on their rung: their area starts three
// operand rows above the stored row and ends on it.
constexpr std::int32_t kRungOperandRows = 3;
// The operand rows of a number that is no element type.
constexpr std::int32_t kDefaultOperandRows = 2;

std::string Num(std::int64_t value) { return std::to_string(value); }

} // namespace

srvStripResizerEx::srvStripResizerEx(std::shared_ptr<db::Connection> connection, BlockCatalogue blocks)
    : mConnection(std::move(connection)), mBlocks(std::move(blocks)) {}

void srvStripResizerEx::SetFlags(bool MoveUp, bool ShrinkNet, bool OpenSpace) {
  mMoveUp = MoveUp;
  mShrinkNet = ShrinkNet;
  mOpenSpace = OpenSpace;
}

std::int32_t srvStripResizerEx::RowsForOperandRows(std::int32_t operandRows) {
  // 1 -> 5, 2 -> 8, 3 -> 12, 4 -> 15, ... : three and a half rows per operand.
  const std::int32_t r = std::max(operandRows, 1);
  return 5 + (7 * (r - 1)) / 2;
}

std::int32_t srvStripResizerEx::OperandRowCount(std::int32_t elementType) {
  if (const auto* row = ElementTypeTable::Find(elementType)) return row->OperandRows;
  const auto* family = FindFamily(GetFamilyType(elementType));
  return family ? family->OperandRows : kDefaultOperandRows;
}

std::optional<std::int32_t> srvStripResizerEx::ElementRows(std::int32_t elementType, std::int32_t dy) const {
  if (GetFamilyType(elementType) == eEFT_LineElements) return dy + 1;
  if (ElementTypeTable::IsFunctionBlock(elementType)) {
    const auto counts = mBlocks ? mBlocks(elementType) : std::nullopt;
    if (!counts) return std::nullopt;
    return RowsForOperandRows(std::max({counts->Inputs, counts->Outputs, 1}));
  }
  return RowsForOperandRows(OperandRowCount(elementType));
}

srvStripResizerEx::RowUsage srvStripResizerEx::UsedRows(std::int32_t stripID) const {
  RowUsage used{kNoFirstRow, 0, eUR_Resizable};
  bool onlyLines = true;
  auto rs = mConnection->Query("SELECT ElmntType,Ys,Dy FROM LdrElements WHERE StripID=" + Num(stripID));
  for (; !rs.IsEOF(); rs.MoveNext()) {
    const std::int32_t type = rs.Field("ElmntType").AsLong();
    const enElementFamilyType family = GetFamilyType(type);
    std::int32_t top = rs.Field("Ys").AsLong();
    const auto rows = ElementRows(type, rs.Field("Dy").AsLong());
    if (!rows) return {used.FirstRow, used.Bottom, eUR_UnknownBlock};
    std::int32_t height = *rows;
    if (family == eEFT_SimpleElements || family == eEFT_JumpElements) {
      top -= kRungOperandRows;
      height -= 1;
    }
    if (family != eEFT_LineElements) onlyLines = false;
    used.FirstRow = std::min(used.FirstRow, top);
    used.Bottom = std::max(used.Bottom, top + height);
  }
  used.FirstRow -= 1;
  // An empty net counts as lines only: there is nothing to fit it to, and
  // shrinking it would leave a net of no rows.
  if (onlyLines) used.Status = eUR_OnlyLines;
  return used;
}

void srvStripResizerEx::ResizeNet(std::int32_t stripID, std::int32_t height) {
  const RowUsage used = UsedRows(stripID);
  if (used.Status != eUR_Resizable) return;
  std::int32_t bottom = used.Bottom;
  if (mMoveUp && used.FirstRow >= 1) {
    mConnection->Execute("UPDATE LdrElements SET Ys=Ys-" + Num(used.FirstRow) + " WHERE StripID=" + Num(stripID));
    bottom -= used.FirstRow;
  }
  if (mShrinkNet && bottom < height) {
    StripRows(*mConnection).SetColumn(stripID, "Height", static_cast<std::int64_t>(bottom));
    height = bottom;
  }
  if (bottom + kFreeMargin <= height) return;
  if (mOpenSpace && bottom + kFreeMargin < kOpenSpaceLimit) {
    StripRows(*mConnection).SetColumn(stripID, "Height", static_cast<std::int64_t>(bottom + kFreeMargin));
  }
}

void srvStripResizerEx::ResizeNets() {
  std::string sql = "SELECT StripID,Height FROM LdrStrips WHERE (IsReturnStrip=0) AND (StrpType=1) AND (IsCollapsed=0)";
  if (mFuncID > 0) sql += " AND (FuncID=" + Num(mFuncID) + ")";
  if (mNetID > 0) sql += " AND (StripID=" + Num(mNetID) + ")";
  std::vector<std::pair<std::int32_t, std::int32_t>> nets;
  for (auto rs = mConnection->Query(sql); !rs.IsEOF(); rs.MoveNext()) {
    nets.emplace_back(rs.Field("StripID").AsLong(), rs.Field("Height").AsLong());
  }
  db::Transaction transaction(*mConnection);
  for (const auto& [stripID, height] : nets) ResizeNet(stripID, height);
  transaction.Commit();
}

} // namespace ldr
