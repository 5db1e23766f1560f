#include "outside/utilities/ProjectLabelNameService.h"

#include "outside/utilities/TextLimits.h"
#include "platform/database/Transaction.h"

#include <algorithm>

namespace ldr {

namespace {

constexpr long kLabelStrip = 3;
constexpr long kLabelOperand = 29;

bool HasControlCharacter(const std::string& name) {
  return std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool IsBlank(const std::string& name) { return name.find_first_not_of(" \t") == std::string::npos; }

} // namespace

ProjectLabelNameService::ProjectLabelNameService(std::shared_ptr<db::Connection> project,
                                                 std::shared_ptr<DialogService> dialogs,
                                                 std::shared_ptr<MessageService> messages)
    : mProject(std::move(project)), mDialogs(std::move(dialogs)), mMessages(std::move(messages)) {}

bool ProjectLabelNameService::IsNameUsed(long funcID, long stripID, const std::string& name) {
  return mProject
             ->QueryValue("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=? AND StrpType=? AND StripID<>? "
                          "AND LblName=? COLLATE NOCASE",
                          {funcID, kLabelStrip, stripID, name})
             .AsLong() > 0;
}

std::string ProjectLabelNameService::ProposeLabelName(long funcID) {
  if (mProject->QueryValue("SELECT COUNT(*) FROM LdrFunctions WHERE FuncID=?", {funcID}).AsLong() == 0) return {};
  for (long n = 1; n <= kMaxProposalNumber; ++n) {
    const std::string name = "Label " + std::to_string(n);
    if (!IsNameUsed(funcID, 0, name)) return name;
  }
  return {};
}

std::string ProjectLabelNameService::CheckName(long funcID, long stripID, const std::string& name) {
  if (IsBlank(name)) return "A label needs a name.";
  if (HasControlCharacter(name)) return "A label name cannot hold line breaks or tabs.";
  if (CountCharacters(name) > kMaxLabelNameCharacters)
    return "A label name has at most " + std::to_string(kMaxLabelNameCharacters) + " characters.";
  if (IsNameUsed(funcID, stripID, name)) return "Another label of this subroutine is already named \"" + name + "\".";
  return {};
}

void ProjectLabelNameService::StoreName(long stripID, const std::string& name) {
  db::Transaction transaction(*mProject);
  mProject->Execute("UPDATE LdrStrips SET LblName=? WHERE StripID=? AND StrpType=?", {name, stripID, kLabelStrip});
  mProject->Execute("UPDATE LdrOperands SET OprndDescription=? WHERE OprndType=? AND OprndAddress=?",
                    {name, kLabelOperand, stripID});
  transaction.Commit();
}

bool ProjectLabelNameService::EditLabelName(long stripID) {
  auto row =
      mProject->Query("SELECT FuncID, LblName FROM LdrStrips WHERE StripID=? AND StrpType=?", {stripID, kLabelStrip});
  if (row.IsEOF()) return false;
  const long funcID = row.Field("FuncID").AsLong();
  const std::string current = row.Field("LblName").AsText();
  for (;;) {
    const auto answer = mDialogs->AskLabelName(current);
    if (!answer || *answer == current) return false;
    const std::string problem = CheckName(funcID, stripID, *answer);
    if (problem.empty()) {
      StoreName(stripID, *answer);
      return true;
    }
    mMessages->ShowMessageBox(problem);
  }
}

} // namespace ldr
