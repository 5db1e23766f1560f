#pragma once
// The headless host: a project connection, the host services answering from
// queues, boards in memory and the main object, wired as a desktop host wires
// its windows (scroll-bar events to the main object).

#include "editor/clsLdrMain.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/LogSink.h"
#include "platform/boards/MemoryMainBoard.h"
#include "platform/boards/MemoryPictureBoard.h"
#include "platform/boards/ScrollBarEvents.h"

#include <memory>
#include <string>

namespace ldr::script {

class HeadlessEditor : private ScrollBarEvents {
public:
  static constexpr int kLeftBoardWidth = 28;

  HeadlessEditor(std::shared_ptr<db::Connection> connection, std::shared_ptr<LogSink> log);
  ~HeadlessEditor() override;

  // Creates the main object, initialises it with the three boards and sizes
  // it: the left board 28 px wide, the right board the rest.
  void Init(int width, int height);
  void Resize(int width, int height);
  bool Initialized() const { return mMain != nullptr; }

  db::Connection& Db() { return *mConnection; }
  HeadlessHost& Host() { return mHost; }
  clsLdrMain& Main();
  MemoryMainBoard& MainBoard() { return *mMainBoard; }
  MemoryPictureBoard& LeftBoard() { return *mLeftBoard; }
  MemoryPictureBoard& RightBoard() { return *mRightBoard; }

private:
  void OnChange(BoardScrollBar& bar, int value) override;
  void OnScroll(BoardScrollBar& bar, int value) override;

  std::shared_ptr<db::Connection> mConnection;
  HeadlessHost mHost;
  std::shared_ptr<MemoryMainBoard> mMainBoard;
  std::shared_ptr<MemoryPictureBoard> mLeftBoard;
  std::shared_ptr<MemoryPictureBoard> mRightBoard;
  std::unique_ptr<clsLdrMain> mMain;
};

} // namespace ldr::script
