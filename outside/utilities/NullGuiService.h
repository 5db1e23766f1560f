#pragma once
// The user interface of a host that has none: scroll bars held in memory,
// the pointer remembered, no menu chosen, every notification dropped.

#include "outside/utilities/GuiService.h"
#include "platform/boards/MemoryScrollBar.h"

namespace ldr {

class NullGuiService : public GuiService {
public:
  BoardScrollBar& VerticalScrollBar() override { return mVertical; }
  BoardScrollBar& HorizontalScrollBar() override { return mHorizontal; }
  void SetMousePointer(int code) override { mPointer = code; }
  int MousePointer() const override { return mPointer; }
  void RefreshPointer() override {}
  std::string ShowContextMenu(int, const std::vector<std::string>& = {}, bool = true,
                              const std::string& = {}) override {
    return {};
  }
  void SetTitle(const std::string&) override {}
  void NotifyModified(bool, int) override {}
  void NotifyNeedToCompile(bool) override {}
  void SetWorkModeButton(int) override {}
  void SetCommandEnabled(const std::string&, bool) override {}
  void RefreshMainWindow() override {}
  void RefreshBlockLibrary() override {}
  void ShowOperandOnline(long, long, long, long) override {}
  void ShowText(int, const std::string&) override {}

private:
  MemoryScrollBar mVertical{"vscrl"};
  MemoryScrollBar mHorizontal{"hscrl"};
  int mPointer = eMPtr_Default;
};

} // namespace ldr
