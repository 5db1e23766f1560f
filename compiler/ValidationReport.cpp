#include "compiler/ValidationReport.h"

#include <map>

namespace ldr {

std::string ValidationFinding::CompileMessage() const {
  return "Check\t" + Text + "\tNet " + std::to_string(ShowNum) + "\t" + std::to_string(StripID) + "\t" +
         std::to_string(MdlID) + "\t" + std::to_string(FuncID);
}

ValidationFinding ValidationReport::At(long funcID, long stripID, long showNum, std::string text) {
  ValidationFinding finding;
  finding.FuncID = funcID;
  finding.MdlID = funcID ? mCompile.GetModuleID(funcID) : 0;
  finding.StripID = stripID;
  finding.ShowNum = showNum;
  finding.Text = std::move(text);
  return finding;
}

std::vector<SubroutineCompileState> ValidationReport::CompileState() {
  std::vector<long> ids;
  mCompile.GetFunctionsIDs(ids);
  std::map<long, SubroutineCompileState> states;
  for (long funcID : ids) {
    auto& state = states[funcID];
    state.FuncID = funcID;
    state.MdlID = mCompile.GetModuleID(funcID);
    state.Name = mCompile.GetFunctionName(funcID);
  }
  auto nets = mCompile.GetRecordsetForCompile();
  for (; !nets->IsEOF(); nets->MoveNext()) {
    auto& state = states[nets->Field("FuncID").AsLong()];
    const long showNum = nets->Field("ShowNum").AsLong();
    if (nets->Field("CompileDirtyBit").AsLong() != 0) state.DirtyNets.push_back(showNum);
    if (nets->Field("ProblemsType").AsLong() != 0) state.TroubledNets.push_back(showNum);
  }
  std::vector<SubroutineCompileState> result;
  for (auto& [id, state] : states) result.push_back(std::move(state));
  return result;
}

void ValidationReport::SubroutineFindings(long funcID, std::vector<ValidationFinding>& findings) {
  if (mCompile.IsIllegalNumberOfStripsInSubroutine(funcID))
    findings.push_back(At(funcID, 0, 0, "too many strips in the subroutine"));
  if (mCompile.IsIllegalCallSubInSubroutine(funcID)) {
    long stripID = 0, showNum = 0;
    mCompile.GetFirstIllegalNetWithCallSubInSubroutine(funcID, stripID, showNum);
    findings.push_back(At(funcID, stripID, showNum, "the subroutine calls itself"));
  }
  if (mCompile.IsIllegalJumpInSubroutine(funcID)) {
    long stripID = 0, showNum = 0;
    mCompile.GetFirstIllegalNetWithNoJumpDestination(funcID, stripID, showNum);
    findings.push_back(At(funcID, stripID, showNum, "a jump has no label in this subroutine"));
  }
  if (mCompile.IsDuplicateLabelsInSubroutine(funcID)) {
    long seqNum = 0, nextID = 0, nextShowNum = 0;
    std::string name;
    mCompile.GetFirstDuplicateLabelInSubroutine(funcID, seqNum, name);
    mCompile.GetFirstNetAfterStrip(funcID, seqNum, nextID, nextShowNum);
    findings.push_back(At(funcID, nextID, nextShowNum, "the label \"" + name + "\" is used more than once"));
  }
}

void ValidationReport::BlockFindings(RecordsetPtr blocks, const std::string& text,
                                     std::vector<ValidationFinding>& findings) {
  for (; blocks && !blocks->IsEOF(); blocks->MoveNext())
    findings.push_back(At(blocks->Field("FuncID").AsLong(), 0, blocks->Field("ShowNum").AsLong(), text));
}

std::vector<ValidationFinding> ValidationReport::Findings() {
  std::vector<ValidationFinding> findings;
  if (mCompile.IsIllegalNumberOfSubroutinesInLadder()) findings.push_back(At(0, 0, 0, "too many subroutines"));
  if (mCompile.IsIllegalCallSubInLadder()) findings.push_back(At(0, 0, 0, "a call names a missing subroutine"));
  if (mCompile.IsIllegalLoadPageInLadder()) findings.push_back(At(0, 0, 0, "an element names a missing page"));
  if (!mCompile.IsNetworkIDsVaild()) findings.push_back(At(0, 0, 0, "more than eight networked controllers"));
  if (mCompile.IsFBsRenumberingNeeded()) findings.push_back(At(0, 0, 0, "function blocks need renumbering"));
  std::vector<long> ids;
  mCompile.GetFunctionsIDs(ids);
  for (long funcID : ids) SubroutineFindings(funcID, findings);
  if (mCompile.IsMissingComInit())
    BlockFindings(mCompile.GetMissingComInitFBsRecordSet(), "the block needs a communication initialisation", findings);
  if (mCompile.IsMissingETHComInit())
    BlockFindings(mCompile.GetMissingETHComInitFBsRecordSet(), "the block needs an Ethernet initialisation", findings);
  if (mCompile.IsExistFbChildsWithNewerHexVer())
    BlockFindings(mCompile.GetFbChildsWithNewerHexVerRecordSet(), "the block method is newer than its block", findings);
  return findings;
}

} // namespace ldr
