#include "editing/srvStripCreator.h"

#include "core/StripRows.h"
#include "core/clsLdrState.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"

#include <algorithm>
#include <string>

namespace ldr {

srvStripCreator::srvStripCreator(LdrContext& ctx) : ProcessBase(ctx, kClassName, eMP_StripCreateProc) {}

ProcessOutcome srvStripCreator::OnMouseMove(const std::shared_ptr<itfStrip>& strip) {
  SetNoDrop(!strip);
  return ProcessOutcome::Continue();
}

ProcessOutcome srvStripCreator::OnMouseDown(const std::shared_ptr<itfStrip>& strip) {
  if (!strip) return ProcessOutcome::Continue();
  InsertStrips(strip->SeqNum());
  Control().Relocate();
  return ProcessOutcome::Commit("", false);
}

std::optional<db::FieldList> srvStripCreator::NewStripRow(std::int32_t seqNum) {
  db::FieldList row = StripRows::NewRow(mFunctionID, seqNum, mStripType);
  switch (mStripType) {
  case eST_LdrNet:
  case eST_LdrComment:
    break;
  case eST_LdrLabel: {
    const std::string name = mCtx.Host->LabelNames->ProposeLabelName(mFunctionID);
    if (name.empty()) return std::nullopt;
    row.emplace_back("LblName", name);
    break;
  }
  default:
    mCtx.Host->Messages->ShowMessageBox("else");
    break;
  }
  return row;
}

void srvStripCreator::InsertStrips(std::int32_t position) {
  const std::int32_t count = std::max(mCreationAmount, 0);
  StripRows(mCtx.Db()).InsertAt(mFunctionID, position, count, [this](long seqNum) { return NewStripRow(seqNum); });
}

} // namespace ldr
