#include "editing/srvStripCreator.h"

#include "core/clsLdrState.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"
#include "platform/database/Transaction.h"

#include <algorithm>
#include <string>

namespace ldr {
namespace {

constexpr std::int32_t kLiftOffset = 1000;

std::string Num(std::int64_t value) { return std::to_string(value); }

} // namespace

srvStripCreator::srvStripCreator(LdrContext& ctx) : srvProcessBase(ctx, kClassName) {}

void srvStripCreator::MouseMove(const std::shared_ptr<itfStrip>& pStrip) { SetNoDrop(!pStrip); }

void srvStripCreator::MouseDown(const std::shared_ptr<itfStrip>& pStrip) {
  if (!pStrip) return;
  InsertStrips(pStrip->SeqNum());
  if (mCtx.State) mCtx.State->SetNeedToSave(true);
  Control().Relocate();
  EndProcess(eMP_StripCreateProc);
}

void srvStripCreator::ShiftStrips(std::int32_t position, std::int32_t count) {
  // Two steps, so that no two rows hold the same number on the way: lift
  // every strip from `position` on above all others, then bring it back
  // `count` further on. The lift clears the largest number of the
  // subroutine, however long it is.
  const std::int64_t highest =
      mCtx.Db().QueryValue("SELECT MAX(SeqNum) FROM LdrStrips WHERE FuncID=" + Num(mFunctionID)).AsInt64(0);
  const std::int64_t lift = std::max<std::int64_t>(kLiftOffset, highest + 1);
  mCtx.Db().Execute("UPDATE LdrStrips SET SeqNum=SeqNum+" + Num(count + lift) + " WHERE FuncID=" + Num(mFunctionID) +
                    " AND SeqNum > " + Num(position - 1));
  mCtx.Db().Execute("UPDATE LdrStrips SET SeqNum=SeqNum-" + Num(lift) + " WHERE FuncID=" + Num(mFunctionID) +
                    " AND SeqNum>" + Num(lift));
}

std::optional<db::FieldList> srvStripCreator::NewStripRow(std::int32_t seqNum) {
  db::FieldList row{{"FuncID", static_cast<long>(mFunctionID)},
                    {"SeqNum", static_cast<long>(seqNum)},
                    {"StrpType", static_cast<long>(mStripType)},
                    {"IsLoaded", 0L},
                    {"IsSelected", 0L},
                    {"LdrBitsCount", 0L},
                    {"IsCollapsed", 0L},
                    {"OrgHeight", 0L}};
  switch (mStripType) {
  case eST_LdrNet:
    row.emplace_back("Height", static_cast<long>(kNetHeight));
    row.emplace_back("IsCompilable", -1L);
    break;
  case eST_LdrComment:
    row.emplace_back("Height", static_cast<long>(kCommentHeight));
    row.emplace_back("IsCompilable", 0L);
    break;
  case eST_LdrLabel: {
    const std::string name =
        mCtx.Host && mCtx.Host->LabelNames ? mCtx.Host->LabelNames->ProposeLabelName(mFunctionID) : std::string();
    if (name.empty()) return std::nullopt;
    row.emplace_back("Height", static_cast<long>(kLabelHeight));
    row.emplace_back("IsCompilable", 0L);
    row.emplace_back("LblName", name);
    break;
  }
  default:
    if (mCtx.Host && mCtx.Host->Messages) mCtx.Host->Messages->ShowMessageBox("else");
    break;
  }
  return row;
}

void srvStripCreator::InsertStrips(std::int32_t position) {
  const std::int32_t count = std::max(mCreationAmount, 0);
  if (count == 0) return;
  db::Transaction transaction(mCtx.Db());
  ShiftStrips(position, count);
  for (std::int32_t i = 0; i < count; ++i) {
    if (auto row = NewStripRow(position + i)) mCtx.Db().AddRow("LdrStrips", *row);
  }
  transaction.Commit();
}

} // namespace ldr
