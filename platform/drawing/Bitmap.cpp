#include "platform/drawing/Bitmap.h"

#include <cairo.h>

#include <cstring>
#include <stdexcept>

namespace ldr::gdi {
namespace {

std::shared_ptr<cairo_surface_t> Own(cairo_surface_t* surface) {
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    std::string reason = cairo_status_to_string(cairo_surface_status(surface));
    cairo_surface_destroy(surface);
    throw std::runtime_error("Bitmap: cannot create the image: " + reason);
  }
  return std::shared_ptr<cairo_surface_t>(surface, cairo_surface_destroy);
}

} // namespace

Bitmap::Bitmap(int width, int height, Format format) {
  if (width < 0 || height < 0) throw std::invalid_argument("Bitmap: negative size");
  cairo_format_t cf = format == Format::Rgb ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
  mSurface = Own(cairo_image_surface_create(cf, width, height));
  Flush();
  std::memset(cairo_image_surface_get_data(mSurface.get()), 0,
              static_cast<size_t>(Stride()) * static_cast<size_t>(height));
  if (format == Format::Rgb) Fill(RGB(0, 0, 0));
  MarkDirty();
}

Bitmap Bitmap::Adopt(cairo_surface_t* surface) {
  if (cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE)
    throw std::invalid_argument("Bitmap: not an image surface");
  return Bitmap(Own(surface));
}

int Bitmap::Width() const { return mSurface ? cairo_image_surface_get_width(mSurface.get()) : 0; }
int Bitmap::Height() const { return mSurface ? cairo_image_surface_get_height(mSurface.get()) : 0; }
int Bitmap::Stride() const { return mSurface ? cairo_image_surface_get_stride(mSurface.get()) : 0; }

Bitmap::Format Bitmap::PixelFormat() const {
  return mSurface && cairo_image_surface_get_format(mSurface.get()) == CAIRO_FORMAT_ARGB32 ? Format::Argb : Format::Rgb;
}

Bitmap Bitmap::Clone() const {
  if (!mSurface) return Bitmap();
  Bitmap copy(Width(), Height(), PixelFormat());
  Flush();
  copy.Flush();
  std::memcpy(cairo_image_surface_get_data(copy.Surface()), cairo_image_surface_get_data(mSurface.get()),
              static_cast<size_t>(Stride()) * static_cast<size_t>(Height()));
  copy.MarkDirty();
  return copy;
}

void Bitmap::Flush() const {
  if (mSurface) cairo_surface_flush(mSurface.get());
}

void Bitmap::MarkDirty() const {
  if (mSurface) cairo_surface_mark_dirty(mSurface.get());
}

std::uint32_t* Bitmap::Row(int y) const {
  unsigned char* data = cairo_image_surface_get_data(mSurface.get());
  return reinterpret_cast<std::uint32_t*>(data + static_cast<ptrdiff_t>(y) * Stride());
}

COLORREF Bitmap::GetPixel(int x, int y) const {
  if (!mSurface || x < 0 || y < 0 || x >= Width() || y >= Height()) return CLR_INVALID;
  Flush();
  return ToColor(Row(y)[x]);
}

void Bitmap::SetPixel(int x, int y, COLORREF color) {
  if (!mSurface || x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  Flush();
  Row(y)[x] = ToPixel(color);
  MarkDirty();
}

void Bitmap::Fill(COLORREF color) {
  if (!mSurface) return;
  Flush();
  std::uint32_t pixel = ToPixel(color);
  for (int y = 0; y < Height(); ++y) {
    std::uint32_t* row = Row(y);
    for (int x = 0; x < Width(); ++x) row[x] = pixel;
  }
  MarkDirty();
}

bool Bitmap::HasPixelOtherThan(COLORREF color) const {
  if (!mSurface) return false;
  Flush();
  std::uint32_t mask = PixelFormat() == Format::Rgb ? 0x00FFFFFFu : 0xFFFFFFFFu;
  std::uint32_t pixel = ToPixel(color) & mask;
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x)
      if ((Row(y)[x] & mask) != pixel) return true;
  return false;
}

bool Bitmap::SamePixels(const Bitmap& other) const {
  if (Width() != other.Width() || Height() != other.Height()) return false;
  Flush();
  other.Flush();
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x)
      if ((Row(y)[x] & 0x00FFFFFFu) != (other.Row(y)[x] & 0x00FFFFFFu)) return false;
  return true;
}

void Bitmap::WritePng(const std::string& path) const {
  if (!mSurface) throw std::runtime_error("Bitmap: no image to write to " + path);
  cairo_status_t status = cairo_surface_write_to_png(mSurface.get(), path.c_str());
  if (status != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("Bitmap: cannot write " + path + ": " + cairo_status_to_string(status));
}

} // namespace ldr::gdi
