#include "outside/headless/HeadlessGui.h"

#include "outside/headless/LogFormat.h"

namespace ldr {

HeadlessGui::HeadlessGui(std::shared_ptr<HeadlessAnswers> answers, std::shared_ptr<LogSink> log)
    : mAnswers(std::move(answers)), mLog(std::move(log)) {}

std::string HeadlessGui::ShowContextMenu(int menuID, const std::vector<std::string>& disabledTools, bool,
                                         const std::string&) {
  mMenusShown.push_back(menuID);
  mLastDisabledTools = disabledTools;
  std::string tool = mAnswers->TakeMenu();
  for (const auto& disabled : disabledTools)
    if (tool == disabled) tool.clear(); // a greyed entry cannot be chosen
  mLog->WriteLine("menu " + std::to_string(menuID) + " -> " + LogFormat::Quote(tool));
  return tool;
}

void HeadlessGui::NotifyModified(bool modified, int code) {
  mModified = modified;
  mModifiedCode = code;
}

void HeadlessGui::ShowOperandOnline(long networkID, long operandType, long address, long elementType) {
  mOnlineRequests.push_back({networkID, operandType, address, elementType});
}

void HeadlessGui::ShowText(int, const std::string& text) { mLog->WriteLine("notice " + LogFormat::Quote(text)); }

int HeadlessGui::CommandEnabled(const std::string& commandID) const {
  const auto found = mCommands.find(commandID);
  return found == mCommands.end() ? -1 : (found->second ? 1 : 0);
}

} // namespace ldr
