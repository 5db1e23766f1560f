#include "apps/studio/QtPointerShapes.h"

#include <QPixmap>

#include <cstring>

namespace ldr::studio {

Qt::CursorShape QtPointerShapes::ShapeFor(int code) {
  switch (code) {
  case 2:
    return Qt::CrossCursor;
  case 7:
    return Qt::SizeVerCursor;
  case 11:
    return Qt::WaitCursor;
  case 12:
    return Qt::ForbiddenCursor;
  default:
    return Qt::ArrowCursor;
  }
}

QCursor QtPointerShapes::CursorFor(int code, const gdi::Picture& picture) {
  if (code != 99 || picture.IsEmpty()) return QCursor(ShapeFor(code));
  const QPixmap pixmap = QPixmap::fromImage(ToImage(picture.Image()));
  if (picture.Kind() == gdi::ResourceKind::eRK_Cursor) return QCursor(pixmap, picture.HotSpot().X, picture.HotSpot().Y);
  return QCursor(pixmap); // an icon points with its centre
}

QImage QtPointerShapes::ToImage(const gdi::Bitmap& bitmap) {
  if (bitmap.IsEmpty()) return {};
  const bool alpha = bitmap.PixelFormat() == gdi::Bitmap::Format::Argb;
  QImage image(bitmap.Width(), bitmap.Height(), alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  bitmap.Flush();
  const size_t rowBytes = static_cast<size_t>(bitmap.Width()) * sizeof(std::uint32_t);
  for (int y = 0; y < bitmap.Height(); ++y) {
    auto* target = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    std::memcpy(target, bitmap.Row(y), rowBytes);
    // Opaque surfaces leave their top byte undefined; Qt wants 0xFF there.
    if (!alpha)
      for (int x = 0; x < bitmap.Width(); ++x) target[x] |= 0xFF000000u;
  }
  return image;
}

} // namespace ldr::studio
