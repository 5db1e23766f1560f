#pragma once
// The database side of the function view's strip commands and strip
// selection: selecting, enabling and disabling, collapsing and expanding
// nets, and marking nets that must be compiled again. Each operation is one
// or a few statements on LdrStrips; the view reloads afterwards.

#include "platform/database/Connection.h"

#include <optional>
#include <utility>

namespace ldr {

class StripCommands {
public:
  explicit StripCommands(db::Connection& db) : mDb(db) {}

  // Every strip of the subroutine but its return strip.
  void SelectAll(long funcID);
  // The selected nets take part in compiling again (enable) or are disabled
  // (IsCompilable 2); either way they need compiling. With download units on,
  // the units of their subroutines are marked not compiled.
  void SetSelectedNetsCompilable(bool enable, bool downloadUnits);
  // Selected nets shrink to one row, keeping their height in OrgHeight.
  void CollapseSelectedNets();
  void ExpandSelectedNets();
  // Collapsed nets of every subroutine of the project.
  void ExpandAllNets();
  // Expands the net at `seqNum` of the subroutine if it is collapsed; true
  // when it was.
  bool ExpandCollapsedNet(long funcID, long seqNum);
  // Collapses an expanded net or expands a collapsed one.
  void ToggleCollapse(long stripID);
  // The download units of the subroutine (its Guid and DataGuid).
  void MarkDownloadUnitsNotCompiled(long funcID);

  // No strip of any subroutine stays selected.
  void UnselectAllStrips();
  void UnselectStripsOutside(long funcID);
  // Extends the subroutine's strip selection to the strip at `seqNum`: from
  // it to the last selected strip when it lies above the selection, else from
  // the first selected one to it. The range selected, none when nothing was.
  std::optional<std::pair<long, long>> ExtendSelectionTo(long funcID, long seqNum);
  long SelectedStripCount(long funcID);

  // Nets anywhere in the project that use the operand need compiling; the
  // number of net rows the update met.
  int MarkNetsUsingOperandDirty(long opType, long opAddress, long networkID);

private:
  db::Connection& mDb;
};

} // namespace ldr
