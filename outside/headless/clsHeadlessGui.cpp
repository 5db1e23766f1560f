#include "outside/headless/clsHeadlessGui.h"

#include "outside/headless/clsLogFormat.h"

namespace ldr {

clsHeadlessGui::clsHeadlessGui(std::shared_ptr<clsHeadlessAnswers> answers, std::shared_ptr<itfLogSink> log)
    : mAnswers(std::move(answers)), mLog(std::move(log)) {}

std::string clsHeadlessGui::ShowContextMenu(int menuID, const std::vector<std::string>& disabledTools, bool,
                                            const std::string&) {
  mMenusShown.push_back(menuID);
  mLastDisabledTools = disabledTools;
  std::string tool = mAnswers->TakeMenu();
  for (const auto& disabled : disabledTools)
    if (tool == disabled) tool.clear(); // a greyed entry cannot be chosen
  mLog->WriteLine("menu " + std::to_string(menuID) + " -> " + clsLogFormat::Quote(tool));
  return tool;
}

void clsHeadlessGui::NotifyModified(bool modified, int code) {
  mModified = modified;
  mModifiedCode = code;
}

void clsHeadlessGui::ShowOperandOnline(long networkID, long operandType, long address, long elementType) {
  mOnlineRequests.push_back({networkID, operandType, address, elementType});
}

void clsHeadlessGui::ShowText(int, const std::string& text) { mLog->WriteLine("msgbox " + clsLogFormat::Quote(text)); }

int clsHeadlessGui::CommandEnabled(const std::string& commandID) const {
  const auto found = mCommands.find(commandID);
  return found == mCommands.end() ? -1 : (found->second ? 1 : 0);
}

} // namespace ldr
