#pragma once
// Host pointer codes as Qt cursors (0 default, 1 arrow, 2 cross, 7
// north-south, 11 busy, 12 no-drop, 99 the given picture), and the
// component's pictures and bitmaps as Qt images.

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/Picture.h"

#include <QCursor>
#include <QImage>

namespace ldr::studio {

class QtPointerShapes {
public:
  // The cursor of a pointer code; code 99 shows `picture` (the arrow when it
  // is empty), with the picture's hot spot for a cursor and its centre for
  // an icon.
  static QCursor CursorFor(int code, const gdi::Picture& picture = {});
  // The shape of a plain pointer code (99 gives the arrow).
  static Qt::CursorShape ShapeFor(int code);
  // A copy of the bitmap's pixels: opaque bitmaps as RGB32, bitmaps with
  // alpha as premultiplied ARGB32.
  static QImage ToImage(const gdi::Bitmap& bitmap);
};

} // namespace ldr::studio
