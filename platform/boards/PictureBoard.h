#pragma once
// A picture board: one of the host's drawing surfaces (the left and the
// right board beside the ladder). It has a persistent image and a visible
// surface of the same size. With AutoRedraw on, hDC draws into the persistent
// image; with it off, straight onto the visible surface. Refresh shows the
// persistent image on the visible surface, which wipes out whatever was drawn
// there directly. The device contexts keep their state (selected objects,
// origins) between calls, as a window's own device context does.

#include "platform/boards/PictureBoardEvents.h"
#include "platform/drawing/Bitmap.h"
#include "platform/drawing/DeviceContext.h"
#include "platform/drawing/Picture.h"

#include <string>

namespace ldr {

class PictureBoard {
public:
  virtual ~PictureBoard() = default;

  virtual bool AutoRedraw() const = 0;
  virtual void SetAutoRedraw(bool persistent) = 0;
  // The device context of the persistent image (AutoRedraw on) or of the
  // visible surface (off).
  virtual gdi::DeviceContext& hDC() = 0;
  virtual void Refresh() = 0;

  virtual std::string ToolTipText() const = 0;
  virtual void SetToolTipText(const std::string& text) = 0;

  // Size in pixels. Resizing keeps the picture where it fits and fills new
  // area with the background colour.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Resize(int width, int height) = 0;
  virtual gdi::COLORREF BackColor() const = 0;

  // The pointer shape over the board: a host pointer code (0 default,
  // 1 arrow, 2 cross, 7 north-south, 11 busy, 12 no-drop, 99 the mouse icon).
  virtual int MousePointer() const = 0;
  virtual void SetMousePointer(int code) = 0;
  virtual const gdi::Picture& MouseIcon() const = 0;
  virtual void SetMouseIcon(const gdi::Picture& icon) = 0;

  // The two images themselves (shared handles, not copies).
  virtual gdi::Bitmap PersistentImage() const = 0;
  virtual gdi::Bitmap VisibleImage() const = 0;

  virtual void AddListener(PictureBoardEvents* listener) = 0;
  virtual void RemoveListener(PictureBoardEvents* listener) = 0;
};

} // namespace ldr
