#include "apps/ldr/script/HeadlessEditor.h"

#include "editor/StandardParts.h"
#include "exchange/clsClipboard.h"

#include <stdexcept>

namespace ldr::script {

HeadlessEditor::HeadlessEditor(std::shared_ptr<db::Connection> connection, std::shared_ptr<LogSink> log)
    : mConnection(std::move(connection)), mHost(MakeHeadlessHost(mConnection, std::move(log))) {}

HeadlessEditor::~HeadlessEditor() {
  if (mMainBoard) {
    mMainBoard->ScrollBar("vscrl").RemoveListener(this);
    mMainBoard->ScrollBar("hscrl").RemoveListener(this);
  }
  if (mMain) mMain->Terminate();
}

void HeadlessEditor::Init(int width, int height) {
  if (width <= kLeftBoardWidth || height <= 0) throw std::invalid_argument("the boards need a positive size");
  mMainBoard = std::make_shared<MemoryMainBoard>();
  mLeftBoard = std::make_shared<MemoryPictureBoard>(kLeftBoardWidth, height);
  mRightBoard = std::make_shared<MemoryPictureBoard>(width - kLeftBoardWidth, height);
  mHost.Gui->AttachScrollBars(mMainBoard->ScrollBar("vscrl"), mMainBoard->ScrollBar("hscrl"));
  mMainBoard->ScrollBar("vscrl").AddListener(this);
  mMainBoard->ScrollBar("hscrl").AddListener(this);
  mMain = std::make_unique<clsLdrMain>(
      mHost.Services, MakeStandardParts(clsClipboard::BufferFileBeside(mHost.Settings->HostSettingsPath())));
  mMain->Init(mMainBoard, mLeftBoard, mRightBoard);
  mMain->Resize(width, height);
}

void HeadlessEditor::Resize(int width, int height) {
  if (width <= kLeftBoardWidth || height <= 0) throw std::invalid_argument("the boards need a positive size");
  mLeftBoard->Resize(kLeftBoardWidth, height);
  mRightBoard->Resize(width - kLeftBoardWidth, height);
  Main().Resize(width, height);
}

clsLdrMain& HeadlessEditor::Main() {
  if (!mMain) throw std::logic_error("the editor is not initialised (init)");
  return *mMain;
}

void HeadlessEditor::OnChange(BoardScrollBar& bar, int value) {
  if (!mMain) return;
  if (bar.Name() == "vscrl")
    mMain->VerticalScrollBarChange(value);
  else
    mMain->HorizontalScrollBarChange(value);
}

void HeadlessEditor::OnScroll(BoardScrollBar& bar, int value) {
  if (!mMain) return;
  if (bar.Name() == "vscrl")
    mMain->VerticalScrollBarScroll(value);
  else
    mMain->HorizontalScrollBarScroll(value);
}

} // namespace ldr::script
