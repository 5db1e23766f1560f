#include "platform/drawing/DeviceContext.h"

#include "platform/drawing/PixelRaster.h"
#include "platform/drawing/RectHelpers.h"
#include "platform/drawing/TextBlock.h"
#include "platform/drawing/TextPainter.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <utility>

namespace ldr::gdi {
namespace {

using PathBuilder = std::function<void(cairo_t*)>;

struct StrokeStyle {
  double Width = 1;
  bool Round = true;
};

// Which pixels of box a filled (stroke == nullptr) or stroked path covers.
PixelMask Rasterise(const Rect& box, const PathBuilder& addPath, const StrokeStyle* stroke, bool evenOdd) {
  PixelMask mask;
  mask.Box = box;
  if (IsRectEmpty(box)) return mask;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, box.Width(), box.Height());
  cairo_t* cr = cairo_create(surface);
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
    const std::string reason = cairo_status_to_string(cairo_status(cr));
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    throw std::runtime_error("cannot rasterise a path: " + reason);
  }
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_translate(cr, -box.Left, -box.Top);
  addPath(cr);
  if (stroke) {
    cairo_set_line_width(cr, stroke->Width);
    cairo_set_line_cap(cr, stroke->Round ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_SQUARE);
    cairo_set_line_join(cr, stroke->Round ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
  } else {
    cairo_set_fill_rule(cr, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
  }
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  mask.Inside.resize(static_cast<size_t>(box.Width()) * static_cast<size_t>(box.Height()));
  for (int y = 0; y < box.Height(); ++y)
    for (int x = 0; x < box.Width(); ++x)
      mask.Inside[static_cast<size_t>(y) * static_cast<size_t>(box.Width()) + static_cast<size_t>(x)] =
          data[y * stride + x] > 127 ? 1 : 0;
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return mask;
}

Rect BoundsOf(const std::vector<Point>& points, int margin) {
  Rect r{points[0].X, points[0].Y, points[0].X, points[0].Y};
  for (const Point& p : points) {
    r.Left = std::min(r.Left, p.X);
    r.Top = std::min(r.Top, p.Y);
    r.Right = std::max(r.Right, p.X);
    r.Bottom = std::max(r.Bottom, p.Y);
  }
  return Rect{r.Left - margin, r.Top - margin, r.Right + margin + 1, r.Bottom + margin + 1};
}

void AddEllipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

// The pixels of a mask that have a 4-neighbour outside it.
std::vector<Point> MaskEdge(const PixelMask& mask) {
  std::vector<Point> edge;
  for (int y = mask.Box.Top; y < mask.Box.Bottom; ++y)
    for (int x = mask.Box.Left; x < mask.Box.Right; ++x)
      if (mask.At(x, y) && (!mask.At(x - 1, y) || !mask.At(x + 1, y) || !mask.At(x, y - 1) || !mask.At(x, y + 1)))
        edge.push_back({x, y});
  return edge;
}

Rect Normalised(int left, int top, int right, int bottom) { return NormalizeRect(Rect{left, top, right, bottom}); }

} // namespace

DeviceContext::DeviceContext() : DeviceContext(Bitmap(1, 1)) {}

DeviceContext::DeviceContext(const Bitmap& target) {
  if (target.IsEmpty()) throw std::invalid_argument("DeviceContext: no bitmap to draw on");
  mState.CurrentFont = Font::Default();
  mBitmap = target;
}

DeviceContext::~DeviceContext() {
  if (mCairo) cairo_destroy(mCairo);
}

DeviceContext::DeviceContext(DeviceContext&& other) noexcept
    : mBitmap(std::move(other.mBitmap)), mCairo(other.mCairo), mText(std::move(other.mText)),
      mState(std::move(other.mState)), mSaved(std::move(other.mSaved)) {
  other.mCairo = nullptr;
}

DeviceContext& DeviceContext::operator=(DeviceContext&& other) noexcept {
  if (this != &other) {
    if (mCairo) cairo_destroy(mCairo);
    mBitmap = std::move(other.mBitmap);
    mCairo = other.mCairo;
    other.mCairo = nullptr;
    mText = std::move(other.mText);
    mState = std::move(other.mState);
    mSaved = std::move(other.mSaved);
  }
  return *this;
}

// ---- objects and attributes ----

Pen DeviceContext::SelectObject(const Pen& pen) {
  if (pen.IsEmpty()) throw std::invalid_argument("SelectObject: no pen");
  return std::exchange(mState.CurrentPen, pen);
}

Brush DeviceContext::SelectObject(const Brush& brush) {
  if (brush.IsEmpty()) throw std::invalid_argument("SelectObject: no brush");
  return std::exchange(mState.CurrentBrush, brush);
}

Font DeviceContext::SelectObject(const Font& font) {
  if (font.IsEmpty()) throw std::invalid_argument("SelectObject: no font");
  return std::exchange(mState.CurrentFont, font);
}

Bitmap DeviceContext::SelectObject(const Bitmap& bitmap) {
  if (bitmap.IsEmpty()) throw std::invalid_argument("SelectObject: no bitmap");
  if (mCairo) {
    cairo_destroy(mCairo);
    mCairo = nullptr;
  }
  return std::exchange(mBitmap, bitmap);
}

COLORREF DeviceContext::SetTextColor(COLORREF color) { return std::exchange(mState.TextColor, color); }
COLORREF DeviceContext::SetBkColor(COLORREF color) { return std::exchange(mState.BkColor, color); }

int DeviceContext::SetBkMode(int mode) {
  if (mode != OPAQUE && mode != TRANSPARENT) throw std::invalid_argument("SetBkMode: unknown mode");
  return std::exchange(mState.BkMode, mode);
}

unsigned DeviceContext::SetTextAlign(unsigned align) { return std::exchange(mState.TextAlign, align); }

int DeviceContext::SetROP2(int rop2) {
  if (rop2 < R2_BLACK || rop2 > R2_WHITE) throw std::invalid_argument("SetROP2: unknown mix mode");
  return std::exchange(mState.Rop2, rop2);
}

int DeviceContext::SetPolyFillMode(int mode) {
  if (mode != ALTERNATE && mode != WINDING) throw std::invalid_argument("SetPolyFillMode: unknown mode");
  return std::exchange(mState.PolyFillMode, mode);
}

// ---- coordinates and clipping ----

Point DeviceContext::SetViewportOrg(int x, int y) { return std::exchange(mState.ViewportOrg, Point{x, y}); }

Point DeviceContext::OffsetViewportOrg(int dx, int dy) {
  Point old = mState.ViewportOrg;
  mState.ViewportOrg = Point{old.X + dx, old.Y + dy};
  return old;
}

Point DeviceContext::SetWindowOrg(int x, int y) { return std::exchange(mState.WindowOrg, Point{x, y}); }

Point DeviceContext::OffsetWindowOrg(int dx, int dy) {
  Point old = mState.WindowOrg;
  mState.WindowOrg = Point{old.X + dx, old.Y + dy};
  return old;
}

Point DeviceContext::LPtoDP(Point p) const {
  return Point{p.X - mState.WindowOrg.X + mState.ViewportOrg.X, p.Y - mState.WindowOrg.Y + mState.ViewportOrg.Y};
}

Point DeviceContext::DPtoLP(Point p) const {
  return Point{p.X - mState.ViewportOrg.X + mState.WindowOrg.X, p.Y - mState.ViewportOrg.Y + mState.WindowOrg.Y};
}

Rect DeviceContext::ToDevice(const Rect& logical) const {
  Point a = LPtoDP({logical.Left, logical.Top});
  Point b = LPtoDP({logical.Right, logical.Bottom});
  return Rect{a.X, a.Y, b.X, b.Y};
}

Rect DeviceContext::DeviceClip() const {
  Rect bounds{0, 0, mBitmap.Width(), mBitmap.Height()};
  if (!mState.Clipped) return bounds;
  Rect clip;
  IntersectRect(clip, bounds, mState.Clip);
  return clip;
}

void DeviceContext::IntersectClipRect(int left, int top, int right, int bottom) {
  Rect wanted = ToDevice(Normalised(left, top, right, bottom));
  Rect current = DeviceClip();
  IntersectRect(mState.Clip, current, wanted);
  mState.Clipped = true;
}

void DeviceContext::RemoveClip() {
  mState.Clipped = false;
  mState.Clip = Rect{};
}

Rect DeviceContext::ClipBox() const {
  Rect d = DeviceClip();
  Point a = DPtoLP({d.Left, d.Top});
  Point b = DPtoLP({d.Right, d.Bottom});
  return Rect{a.X, a.Y, b.X, b.Y};
}

void DeviceContext::BeginBounds() {
  mAccumulating = true;
  mBounds = Rect{};
}

Rect DeviceContext::EndBounds() {
  mAccumulating = false;
  return std::exchange(mBounds, Rect{});
}

void DeviceContext::TouchShape(const Rect& device, const Pen& pen) {
  Rect reach = device;
  const int width = pen.DrawsNothing() ? 0 : pen.Width();
  InflateRect(reach, width, width);
  Touch(reach);
}

void DeviceContext::Touch(const Rect& device) {
  if (!mAccumulating) return;
  Rect clipped;
  if (IntersectRect(clipped, NormalizeRect(device), DeviceClip())) UnionRect(mBounds, mBounds, clipped);
}

int DeviceContext::SaveDC() {
  mSaved.push_back(mState);
  return static_cast<int>(mSaved.size());
}

bool DeviceContext::RestoreDC(int saved) {
  int index = saved < 0 ? static_cast<int>(mSaved.size()) + saved : saved - 1;
  if (saved == 0 || index < 0 || index >= static_cast<int>(mSaved.size())) return false;
  mState = mSaved[static_cast<size_t>(index)];
  mSaved.resize(static_cast<size_t>(index));
  return true;
}

// ---- lines and shapes ----

void DeviceContext::StrokePath(const std::vector<Point>& points, bool closed) {
  MixState mix{mState.BkColor, mState.BkMode == OPAQUE, mState.Rop2};
  const Pen& pen = mState.CurrentPen;
  if (pen.DrawsNothing() || points.size() < 2) return;
  Touch(BoundsOf(points, std::max(pen.Width(), 1)));
  if (pen.Width() <= 1 && pen.IsSolid() && mix.Rop2 == R2_COPYPEN) {
    // A solid pen that replaces pixels: each segment on its own.
    PixelRaster raster(mBitmap, DeviceClip());
    for (size_t i = 0; i + 1 < points.size(); ++i) raster.CopyLine(points[i], points[i + 1], pen.Color());
    if (closed) raster.CopyLine(points.back(), points.front(), pen.Color());
    return;
  }
  if (pen.Width() <= 1) {
    std::vector<Point> pixels;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
      std::vector<Point> segment = PixelRaster::LinePixels(points[i], points[i + 1]);
      pixels.insert(pixels.end(), segment.begin(), segment.end());
    }
    if (closed) {
      std::vector<Point> segment = PixelRaster::LinePixels(points.back(), points.front());
      pixels.insert(pixels.end(), segment.begin(), segment.end());
    }
    PixelRaster(mBitmap, DeviceClip()).PlotPen(pixels, pen, mix);
    return;
  }
  StrokeStyle style{static_cast<double>(pen.Width()), true};
  Rect box;
  IntersectRect(box, BoundsOf(points, pen.Width()), DeviceClip());
  PixelMask mask = Rasterise(
      box,
      [&](cairo_t* cr) {
        cairo_move_to(cr, points[0].X + 0.5, points[0].Y + 0.5);
        for (size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].X + 0.5, points[i].Y + 0.5);
        if (closed) cairo_close_path(cr);
      },
      &style, false);
  PixelRaster(mBitmap, DeviceClip()).FillMask(mask, Brush::Solid(pen.Color()), mix);
}

Point DeviceContext::MoveTo(int x, int y) { return std::exchange(mState.Position, Point{x, y}); }

bool DeviceContext::LineTo(int x, int y) {
  StrokePath({LPtoDP(mState.Position), LPtoDP({x, y})}, false);
  mState.Position = Point{x, y};
  return true;
}

bool DeviceContext::Polyline(const std::vector<Point>& points) {
  if (points.size() < 2) return false;
  std::vector<Point> device;
  for (const Point& p : points) device.push_back(LPtoDP(p));
  StrokePath(device, false);
  return true;
}

bool DeviceContext::Rectangle(int left, int top, int right, int bottom) {
  Rect r = ToDevice(Normalised(left, top, right, bottom));
  MixState mix{mState.BkColor, mState.BkMode == OPAQUE, mState.Rop2};
  const Pen& pen = mState.CurrentPen;
  TouchShape(r, pen);
  PixelRaster raster(mBitmap, DeviceClip());
  if (pen.DrawsNothing()) {
    raster.FillRect(Rect{r.Left, r.Top, r.Right - 1, r.Bottom - 1}, mState.CurrentBrush, mix);
    return true;
  }
  raster.FillRect(Rect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, mState.CurrentBrush, mix);
  if (pen.Width() <= 1) {
    raster.PlotPen(PixelRaster::BorderPixels(r), pen, mix);
    return true;
  }
  double inset = pen.Style() == PS_INSIDEFRAME ? (pen.Width() - 1) / 2.0 : 0.0;
  StrokeStyle style{static_cast<double>(pen.Width()), false};
  Rect box = r;
  InflateRect(box, pen.Width(), pen.Width());
  IntersectRect(box, box, DeviceClip());
  PixelMask mask = Rasterise(
      box,
      [&](cairo_t* cr) {
        cairo_rectangle(cr, r.Left + 0.5 + inset, r.Top + 0.5 + inset, r.Width() - 1 - 2 * inset,
                        r.Height() - 1 - 2 * inset);
      },
      &style, false);
  raster.FillMask(mask, Brush::Solid(pen.Color()), mix);
  return true;
}

bool DeviceContext::Ellipse(int left, int top, int right, int bottom) {
  Rect r = ToDevice(Normalised(left, top, right, bottom));
  const Pen& pen = mState.CurrentPen;
  if (pen.DrawsNothing()) {
    r.Right -= 1;
    r.Bottom -= 1;
  }
  if (IsRectEmpty(r)) return true;
  TouchShape(r, pen);
  MixState mix{mState.BkColor, mState.BkMode == OPAQUE, mState.Rop2};
  Rect box;
  IntersectRect(box, r, DeviceClip());
  double cx = (r.Left + r.Right) / 2.0;
  double cy = (r.Top + r.Bottom) / 2.0;
  PixelMask area = Rasterise(
      box, [&](cairo_t* cr) { AddEllipse(cr, cx, cy, r.Width() / 2.0, r.Height() / 2.0); }, nullptr, false);
  PixelRaster raster(mBitmap, DeviceClip());
  if (pen.DrawsNothing()) {
    raster.FillMask(area, mState.CurrentBrush, mix);
    return true;
  }
  std::vector<Point> edge = MaskEdge(area);
  PixelMask inside = area;
  for (const Point& p : edge)
    inside.Inside[static_cast<size_t>(p.Y - box.Top) * static_cast<size_t>(box.Width()) +
                  static_cast<size_t>(p.X - box.Left)] = 0;
  raster.FillMask(inside, mState.CurrentBrush, mix);
  if (pen.Width() <= 1) {
    raster.PlotPen(edge, Pen::Solid(pen.Color()), mix);
    return true;
  }
  StrokeStyle style{static_cast<double>(pen.Width()), true};
  Rect strokeBox = r;
  InflateRect(strokeBox, pen.Width(), pen.Width());
  IntersectRect(strokeBox, strokeBox, DeviceClip());
  PixelMask ring = Rasterise(
      strokeBox, [&](cairo_t* cr) { AddEllipse(cr, cx, cy, r.Width() / 2.0 - 0.5, r.Height() / 2.0 - 0.5); }, &style,
      false);
  raster.FillMask(ring, Brush::Solid(pen.Color()), mix);
  return true;
}

bool DeviceContext::Polygon(const std::vector<Point>& points) {
  if (points.size() < 2) return false;
  std::vector<Point> device;
  for (const Point& p : points) device.push_back(LPtoDP(p));
  MixState mix{mState.BkColor, mState.BkMode == OPAQUE, mState.Rop2};
  Rect box;
  IntersectRect(box, BoundsOf(device, 0), DeviceClip());
  Touch(box);
  PixelMask area = Rasterise(
      box,
      [&](cairo_t* cr) {
        cairo_move_to(cr, device[0].X, device[0].Y);
        for (size_t i = 1; i < device.size(); ++i) cairo_line_to(cr, device[i].X, device[i].Y);
        cairo_close_path(cr);
      },
      nullptr, mState.PolyFillMode == ALTERNATE);
  PixelRaster(mBitmap, DeviceClip()).FillMask(area, mState.CurrentBrush, mix);
  StrokePath(device, true);
  return true;
}

// ---- fills and transfers ----

bool DeviceContext::FillRect(const Rect& rect, const Brush& brush) {
  if (brush.IsEmpty()) return false;
  MixState mix{mState.BkColor, mState.BkMode == OPAQUE, R2_COPYPEN};
  Touch(ToDevice(rect));
  PixelRaster(mBitmap, DeviceClip()).FillRect(ToDevice(rect), brush, mix);
  return true;
}

bool DeviceContext::FrameRect(const Rect& rect, const Brush& brush) {
  if (brush.IsEmpty()) return false;
  MixState mix{mState.BkColor, mState.BkMode == OPAQUE, R2_COPYPEN};
  Touch(ToDevice(rect));
  PixelRaster raster(mBitmap, DeviceClip());
  COLORREF color;
  for (const Point& p : PixelRaster::BorderPixels(ToDevice(rect)))
    if (brush.ColorAt(p.X, p.Y, mix.Background, mix.OpaqueBackground, color)) raster.Set(p.X, p.Y, color);
  return true;
}

bool DeviceContext::InvertRect(const Rect& rect) {
  return PatBlt(rect.Left, rect.Top, rect.Width(), rect.Height(), DSTINVERT);
}

bool DeviceContext::PatBlt(int x, int y, int width, int height, DWORD rop) {
  Rect r = ToDevice(Normalised(x, y, x + width, y + height));
  Touch(r);
  MixState mix{mState.BkColor, mState.BkMode == OPAQUE, R2_COPYPEN};
  PixelRaster(mBitmap, DeviceClip()).BlockTransfer(r, nullptr, Point{}, mState.CurrentBrush, mix, rop);
  return true;
}

bool DeviceContext::BitBlt(int x, int y, int width, int height, const DeviceContext& source, int sourceX, int sourceY,
                           DWORD rop) {
  if (width < 0 || height < 0) return false;
  Rect r = ToDevice(Rect{x, y, x + width, y + height});
  Touch(r);
  Point origin = source.LPtoDP({sourceX, sourceY});
  MixState mix{mState.BkColor, mState.BkMode == OPAQUE, R2_COPYPEN};
  PixelRaster(mBitmap, DeviceClip()).BlockTransfer(r, &source.mBitmap, origin, mState.CurrentBrush, mix, rop);
  return true;
}

COLORREF DeviceContext::SetPixel(int x, int y, COLORREF color) {
  Point d = LPtoDP({x, y});
  Rect clip = DeviceClip();
  if (!PtInRect(clip, d)) return CLR_INVALID;
  Touch(Rect{d.X, d.Y, d.X + 1, d.Y + 1});
  PixelRaster(mBitmap, clip).Set(d.X, d.Y, color);
  return color;
}

COLORREF DeviceContext::GetPixel(int x, int y) const {
  Point d = LPtoDP({x, y});
  return mBitmap.GetPixel(d.X, d.Y);
}

bool DeviceContext::DrawFocusRect(const Rect& rect) {
  Touch(ToDevice(NormalizeRect(rect)));
  PixelRaster(mBitmap, DeviceClip()).InvertDotted(PixelRaster::BorderPixels(ToDevice(NormalizeRect(rect))));
  return true;
}

// ---- text ----

void DeviceContext::PrepareCairo() {
  if (!mCairo) {
    cairo_t* cr = cairo_create(mBitmap.Surface());
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
      const std::string reason = cairo_status_to_string(cairo_status(cr));
      cairo_destroy(cr);
      throw std::runtime_error("DeviceContext: cannot draw text on the bitmap: " + reason);
    }
    mCairo = cr;
  }
  if (!mText) mText = std::make_unique<TextPainter>();
  mText->SetFont(mState.CurrentFont);
}

void DeviceContext::DrawTextLine(int x, int y, const std::string& whole, int underlineByte, const Rect& clip) {
  if (IsRectEmpty(clip)) return;
  // What runs past the clip is never laid out or drawn.
  const int room = clip.Right - x;
  std::string visible;
  if (mText->Width(whole) > room) visible = mText->VisiblePart(whole, room);
  const std::string& text = visible.empty() ? whole : visible;
  if (mAccumulating) {
    // Glyphs may reach a little past their cell on any side.
    const int margin = mText->Metrics().Height;
    Rect reach{x - margin, y - margin, x + mText->Width(text) + margin, y + 2 * margin};
    IntersectRect(reach, reach, clip);
    Touch(reach);
  }
  if (mText->DrawKept(mBitmap, x, y, text, mState.TextColor, underlineByte, clip)) return;
  mBitmap.MarkDirty();
  cairo_save(mCairo);
  cairo_rectangle(mCairo, clip.Left, clip.Top, clip.Width(), clip.Height());
  cairo_clip(mCairo);
  mText->Draw(mCairo, x, y, text, mState.TextColor, underlineByte);
  cairo_restore(mCairo);
  cairo_surface_flush(mBitmap.Surface());
}

Size DeviceContext::GetTextExtent(const std::string& text) const {
  const_cast<DeviceContext*>(this)->PrepareCairo();
  return Size{mText->Width(text), mText->Metrics().Height};
}

TextMetric DeviceContext::GetTextMetrics() const {
  const_cast<DeviceContext*>(this)->PrepareCairo();
  return mText->Metrics();
}

// How many lines of a DrawText block below the area's top can be seen; 0
// for all (one line, or drawing not clipped).
int DeviceContext::ShownLines(unsigned format, const Rect& area) const {
  if ((format & DT_SINGLELINE) || (format & DT_NOCLIP)) return 0;
  const int lineHeight = std::max(1, mText->Metrics().Height);
  const int room = std::min(DeviceClip().Bottom, area.Bottom) - area.Top;
  return std::max(1, (room + lineHeight - 1) / lineHeight);
}

bool DeviceContext::TextOut(int x, int y, const std::string& text) {
  PrepareCairo();
  unsigned align = mState.TextAlign;
  Point reference = (align & TA_UPDATECP) ? mState.Position : Point{x, y};
  int width = mText->Width(text);
  const TextMetric& metrics = mText->Metrics();
  Point origin = LPtoDP(reference);
  int left = origin.X;
  if ((align & TA_CENTER) == TA_CENTER)
    left -= width / 2;
  else if (align & TA_RIGHT)
    left -= width;
  int top = origin.Y;
  if ((align & TA_BASELINE) == TA_BASELINE)
    top -= metrics.Ascent;
  else if (align & TA_BOTTOM)
    top -= metrics.Height;
  if (mState.BkMode == OPAQUE) {
    MixState mix{mState.BkColor, true, R2_COPYPEN};
    Touch(Rect{left, top, left + width, top + metrics.Height});
    PixelRaster(mBitmap, DeviceClip())
        .FillRect(Rect{left, top, left + width, top + metrics.Height}, Brush::Solid(mState.BkColor), mix);
  }
  DrawTextLine(left, top, text, -1, DeviceClip());
  if (align & TA_UPDATECP) {
    if ((align & TA_CENTER) != TA_CENTER) mState.Position.X += (align & TA_RIGHT) ? -width : width;
  }
  return true;
}

int DeviceContext::DrawText(const std::string& text, Rect& rect, unsigned format) {
  PrepareCairo();
  if (text.empty()) {
    if (format & DT_CALCRECT) {
      rect.Right = rect.Left;
      rect.Bottom = rect.Top;
    }
    return 0;
  }
  if (format & DT_CALCRECT) {
    const std::shared_ptr<const TextBlock> whole = mText->Block(text, rect.Width(), format);
    rect.Right = rect.Left + whole->MaxWidth();
    rect.Bottom = rect.Top + whole->TotalHeight();
    return whole->TotalHeight();
  }
  Rect area = ToDevice(rect);
  const std::shared_ptr<const TextBlock> kept = mText->Block(text, rect.Width(), format, ShownLines(format, area));
  const TextBlock& block = *kept;
  int y = area.Top;
  bool singleLine = (format & DT_SINGLELINE) != 0;
  if (singleLine && (format & DT_VCENTER))
    y = area.Top + (area.Height() - block.LineHeight()) / 2;
  else if (singleLine && (format & DT_BOTTOM))
    y = area.Bottom - block.LineHeight();
  Rect clip = DeviceClip();
  if (!(format & DT_NOCLIP)) IntersectRect(clip, clip, area);
  int firstY = y;
  for (const TextLine& line : block.Lines()) {
    int x = area.Left;
    if (format & DT_CENTER)
      x = area.Left + (area.Width() - line.Width) / 2;
    else if (format & DT_RIGHT)
      x = area.Right - line.Width;
    if (mState.BkMode == OPAQUE) {
      MixState mix{mState.BkColor, true, R2_COPYPEN};
      Touch(Rect{x, y, x + line.Width, y + block.LineHeight()});
      PixelRaster(mBitmap, clip)
          .FillRect(Rect{x, y, x + line.Width, y + block.LineHeight()}, Brush::Solid(mState.BkColor), mix);
    }
    for (const TextSegment& segment : block.Segments(line)) {
      int underline = line.UnderlineByte - static_cast<int>(segment.Start);
      if (underline >= static_cast<int>(segment.Text.size())) underline = -1;
      DrawTextLine(x + segment.X, y, segment.Text, underline, clip);
    }
    y += block.LineHeight();
  }
  if (singleLine && (format & (DT_VCENTER | DT_BOTTOM))) return firstY - area.Top + block.TotalHeight();
  return block.TotalHeight();
}

} // namespace ldr::gdi
