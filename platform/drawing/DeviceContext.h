#pragma once
// A device context: the drawing state (pen, brush, font, colours, origins,
// mix mode, clip) and the drawing operations of the Windows graphics
// interface, over the Cairo image surface of the bitmap selected into it.
//
// Pixel rules: nothing is anti-aliased except text; rectangles, ellipses and
// fills leave out their right and bottom edges; a line leaves out its last
// pixel; a one-pixel line lands exactly on its pixel row or column.
// Coordinates are logical: device = logical - window origin + viewport origin.
//
// A device context is an owner, not a value: it can be moved but not copied.
// Selecting an object returns the object it replaces, to put back later.

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/Brush.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/GdiTypes.h"
#include "platform/drawing/Pen.h"

#include <memory>
#include <string>
#include <vector>

typedef struct _cairo cairo_t;

namespace ldr::gdi {

class TextPainter;

constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

class DeviceContext {
public:
  // A memory device context with a 1 x 1 bitmap selected.
  DeviceContext();
  // A device context drawing on the given bitmap.
  explicit DeviceContext(const Bitmap& target);
  ~DeviceContext();
  DeviceContext(DeviceContext&& other) noexcept;
  DeviceContext& operator=(DeviceContext&& other) noexcept;
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  DeviceContext CreateCompatibleDC() const { return DeviceContext(); }
  Bitmap CreateCompatibleBitmap(int width, int height) const { return Bitmap(width, height); }

  // Objects. Selecting an empty object is an error (std::invalid_argument).
  Pen SelectObject(const Pen& pen);
  Brush SelectObject(const Brush& brush);
  Font SelectObject(const Font& font);
  Bitmap SelectObject(const Bitmap& bitmap);
  const Pen& CurrentPen() const { return mState.CurrentPen; }
  const Brush& CurrentBrush() const { return mState.CurrentBrush; }
  const Font& CurrentFont() const { return mState.CurrentFont; }
  const Bitmap& CurrentBitmap() const { return mBitmap; }
  int Width() const { return mBitmap.Width(); }
  int Height() const { return mBitmap.Height(); }

  // Attributes; each setter returns the previous value.
  COLORREF SetTextColor(COLORREF color);
  COLORREF TextColor() const { return mState.TextColor; }
  COLORREF SetBkColor(COLORREF color);
  COLORREF BkColor() const { return mState.BkColor; }
  int SetBkMode(int mode);
  int BkMode() const { return mState.BkMode; }
  unsigned SetTextAlign(unsigned align);
  unsigned TextAlign() const { return mState.TextAlign; }
  int SetROP2(int rop2);
  int ROP2() const { return mState.Rop2; }
  int SetPolyFillMode(int mode);
  int PolyFillMode() const { return mState.PolyFillMode; }

  // Origins (the "Ex" forms: each returns the previous origin).
  Point SetViewportOrg(int x, int y);
  Point OffsetViewportOrg(int dx, int dy);
  Point ViewportOrg() const { return mState.ViewportOrg; }
  Point SetWindowOrg(int x, int y);
  Point OffsetWindowOrg(int dx, int dy);
  Point WindowOrg() const { return mState.WindowOrg; }
  Point LPtoDP(Point p) const;
  Point DPtoLP(Point p) const;

  // Clipping: drawing stays inside the clip rectangle (and the bitmap).
  void IntersectClipRect(int left, int top, int right, int bottom);
  void RemoveClip();
  Rect ClipBox() const; // logical

  // Bounds accumulation: between BeginBounds and EndBounds every drawing
  // operation adds the device rectangle it may have changed (within the
  // clip) to the bounds, which EndBounds returns (empty when nothing was
  // drawn). Text counts with a margin for glyphs reaching past their cell.
  void BeginBounds();
  Rect EndBounds();

  // Saves the whole drawing state but the selected bitmap; RestoreDC(-1)
  // restores the latest. Returns the new depth / whether it was restored.
  int SaveDC();
  bool RestoreDC(int saved);

  // Lines and shapes.
  Point MoveTo(int x, int y);
  Point CurrentPosition() const { return mState.Position; }
  bool LineTo(int x, int y);
  bool Polyline(const std::vector<Point>& points);
  bool Rectangle(int left, int top, int right, int bottom);
  bool Ellipse(int left, int top, int right, int bottom);
  bool Polygon(const std::vector<Point>& points);

  // Fills and block transfers.
  bool FillRect(const Rect& rect, const Brush& brush);
  bool FrameRect(const Rect& rect, const Brush& brush);
  bool InvertRect(const Rect& rect);
  bool PatBlt(int x, int y, int width, int height, DWORD rop);
  bool BitBlt(int x, int y, int width, int height, const DeviceContext& source, int sourceX, int sourceY, DWORD rop);
  COLORREF SetPixel(int x, int y, COLORREF color);
  COLORREF GetPixel(int x, int y) const;
  // The dotted rectangle that marks a selection; drawing it twice removes it.
  bool DrawFocusRect(const Rect& rect);

  // Text.
  bool TextOut(int x, int y, const std::string& text);
  Size GetTextExtent(const std::string& text) const;
  TextMetric GetTextMetrics() const;
  // Formats text in the rectangle (DT_ flags). Returns the text height, or
  // with DT_VCENTER / DT_BOTTOM the offset from the top to the bottom of the
  // text. DT_CALCRECT draws nothing and sets the rectangle's right and bottom.
  // Clipped text is laid out only as far down as it can be seen, and then
  // the height returned is that of the lines laid out.
  int DrawText(const std::string& text, Rect& rect, unsigned format);

private:
  struct State {
    Pen CurrentPen = Pen::Solid(RGB(0, 0, 0));
    Brush CurrentBrush = Brush::Solid(RGB(255, 255, 255));
    Font CurrentFont;
    COLORREF TextColor = RGB(0, 0, 0);
    COLORREF BkColor = RGB(255, 255, 255);
    int BkMode = OPAQUE;
    unsigned TextAlign = TA_LEFT | TA_TOP;
    int Rop2 = R2_COPYPEN;
    int PolyFillMode = ALTERNATE;
    Point ViewportOrg;
    Point WindowOrg;
    Point Position;
    bool Clipped = false;
    Rect Clip; // device
  };

  Rect DeviceClip() const;
  Rect ToDevice(const Rect& logical) const;
  // Adds a device rectangle to the accumulated bounds, when accumulating.
  void Touch(const Rect& device);
  // A shape's rectangle, widened by the pen.
  void TouchShape(const Rect& device, const Pen& pen);
  void StrokePath(const std::vector<Point>& devicePoints, bool closed);
  void DrawTextLine(int x, int y, const std::string& whole, int underlineByte, const Rect& clip);
  int ShownLines(unsigned format, const Rect& area) const;
  void PrepareCairo();

  Bitmap mBitmap;
  cairo_t* mCairo = nullptr;
  std::unique_ptr<TextPainter> mText;
  State mState;
  std::vector<State> mSaved;
  bool mAccumulating = false;
  Rect mBounds; // device
};

} // namespace ldr::gdi
