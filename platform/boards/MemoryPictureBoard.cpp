#include "platform/boards/MemoryPictureBoard.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace ldr {

MemoryPictureBoard::MemoryPictureBoard(int width, int height, gdi::COLORREF backColor) : mBackColor(backColor) {
  if (width < 1 || height < 1) throw std::invalid_argument("MemoryPictureBoard: a board is at least 1 x 1 pixels");
  mPersistent = gdi::Bitmap(width, height);
  mPersistent.Fill(backColor);
  mVisible = mPersistent.Clone();
  mPersistentDC = std::make_unique<gdi::DeviceContext>(mPersistent);
  mVisibleDC = std::make_unique<gdi::DeviceContext>(mVisible);
}

void MemoryPictureBoard::Refresh() {
  // Both images have the same size and layout: one copy of the whole block.
  mPersistent.Flush();
  mVisible.Flush();
  std::memcpy(mVisible.Row(0), mPersistent.Row(0),
              static_cast<size_t>(mPersistent.Stride()) * static_cast<size_t>(mPersistent.Height()));
  mVisible.MarkDirty();
}

gdi::Bitmap MemoryPictureBoard::Resized(const gdi::Bitmap& old, int width, int height, gdi::COLORREF fill) {
  gdi::Bitmap fresh(width, height);
  fresh.Fill(fill);
  old.Flush();
  fresh.Flush();
  int rows = std::min(height, old.Height());
  int columns = std::min(width, old.Width());
  for (int y = 0; y < rows; ++y)
    std::memcpy(fresh.Row(y), old.Row(y), static_cast<size_t>(columns) * sizeof(std::uint32_t));
  fresh.MarkDirty();
  return fresh;
}

void MemoryPictureBoard::Resize(int width, int height) {
  if (width < 1 || height < 1) throw std::invalid_argument("MemoryPictureBoard: a board is at least 1 x 1 pixels");
  if (width == Width() && height == Height()) return;
  mPersistent = Resized(mPersistent, width, height, mBackColor);
  mVisible = Resized(mVisible, width, height, mBackColor);
  mPersistentDC->SelectObject(mPersistent);
  mVisibleDC->SelectObject(mVisible);
}

void MemoryPictureBoard::MouseDown(int button, int shift, int x, int y) {
  if (button == 1) mLeftDown = true;
  mListeners.Notify([&](PictureBoardEvents& l) { l.OnMouseDown(*this, button, shift, x, y); });
}

void MemoryPictureBoard::MouseMove(int button, int shift, int x, int y) {
  mListeners.Notify([&](PictureBoardEvents& l) { l.OnMouseMove(*this, button, shift, x, y); });
}

void MemoryPictureBoard::MouseUp(int button, int shift, int x, int y) {
  mListeners.Notify([&](PictureBoardEvents& l) { l.OnMouseUp(*this, button, shift, x, y); });
  if (button == 1 && mLeftDown) {
    mLeftDown = false;
    mListeners.Notify([&](PictureBoardEvents& l) { l.OnClick(*this); });
  }
}

void MemoryPictureBoard::DblClick(int button, int shift, int x, int y) {
  mListeners.Notify([&](PictureBoardEvents& l) { l.OnDblClick(*this, button, shift, x, y); });
}

} // namespace ldr
