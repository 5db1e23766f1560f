#pragma once
// A picture resource as loaded by name: a bitmap, a cursor or an icon.
// Bitmaps are opaque; cursors and icons carry transparency and, for a
// cursor, the hot spot: the pixel that points.

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/GdiTypes.h"

#include <string>

namespace ldr::gdi {

// The resource kinds, numbered as the host's resource loader numbers them.
enum class ResourceKind : int { eRK_Bitmap = 0, eRK_Icon = 1, eRK_Cursor = 2 };

class Picture {
public:
  Picture() = default;
  Picture(std::string name, ResourceKind kind, Bitmap image, Point hotSpot = {})
      : mName(std::move(name)), mKind(kind), mImage(std::move(image)), mHotSpot(hotSpot) {}

  bool IsEmpty() const { return mImage.IsEmpty(); }
  const std::string& Name() const { return mName; }
  ResourceKind Kind() const { return mKind; }
  const Bitmap& Image() const { return mImage; }
  Point HotSpot() const { return mHotSpot; }
  int Width() const { return mImage.Width(); }
  int Height() const { return mImage.Height(); }

private:
  std::string mName;
  ResourceKind mKind = ResourceKind::eRK_Bitmap;
  Bitmap mImage;
  Point mHotSpot;
};

} // namespace ldr::gdi
