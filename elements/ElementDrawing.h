#pragma once
// Small drawing guards the element figures use: each puts the device context
// back as it found it, also when drawing throws.

#include "platform/drawing/DeviceContext.h"

namespace ldr {

// Moves the viewport origin by (dx, dy) pixels for the guard's lifetime.
class ViewportShift {
public:
  ViewportShift(gdi::DeviceContext& dc, int dx, int dy) : mDc(dc), mOld(dc.OffsetViewportOrg(dx, dy)) {}
  ~ViewportShift() { mDc.SetViewportOrg(mOld.X, mOld.Y); }
  ViewportShift(const ViewportShift&) = delete;
  ViewportShift& operator=(const ViewportShift&) = delete;

private:
  gdi::DeviceContext& mDc;
  gdi::Point mOld;
};

// Moves the window origin by (dx, dy) for the guard's lifetime (printing).
class WindowShift {
public:
  WindowShift(gdi::DeviceContext& dc, int dx, int dy) : mDc(dc), mOld(dc.OffsetWindowOrg(dx, dy)) {}
  ~WindowShift() { mDc.SetWindowOrg(mOld.X, mOld.Y); }
  WindowShift(const WindowShift&) = delete;
  WindowShift& operator=(const WindowShift&) = delete;

private:
  gdi::DeviceContext& mDc;
  gdi::Point mOld;
};

// Selects a pen, brush or font for the guard's lifetime; an empty object
// leaves the device context alone.
template <typename Object> class SelectGuard {
public:
  SelectGuard(gdi::DeviceContext& dc, const Object& object) : mDc(dc) {
    if (!object.IsEmpty()) {
      mOld = dc.SelectObject(object);
      mSelected = true;
    }
  }
  ~SelectGuard() {
    if (mSelected) mDc.SelectObject(mOld);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

private:
  gdi::DeviceContext& mDc;
  Object mOld;
  bool mSelected = false;
};

// Sets the text colour for the guard's lifetime.
class TextColorGuard {
public:
  TextColorGuard(gdi::DeviceContext& dc, gdi::COLORREF color) : mDc(dc), mOld(dc.SetTextColor(color)) {}
  ~TextColorGuard() { mDc.SetTextColor(mOld); }
  TextColorGuard(const TextColorGuard&) = delete;
  TextColorGuard& operator=(const TextColorGuard&) = delete;

private:
  gdi::DeviceContext& mDc;
  gdi::COLORREF mOld;
};

// Sets the background mode for the guard's lifetime.
class BkModeGuard {
public:
  BkModeGuard(gdi::DeviceContext& dc, int mode) : mDc(dc), mOld(dc.SetBkMode(mode)) {}
  ~BkModeGuard() { mDc.SetBkMode(mOld); }
  BkModeGuard(const BkModeGuard&) = delete;
  BkModeGuard& operator=(const BkModeGuard&) = delete;

private:
  gdi::DeviceContext& mDc;
  int mOld;
};

} // namespace ldr
