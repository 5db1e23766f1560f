#include "strips/NetPainter.h"

#include "elements/ElementDrawing.h"
#include "interfaces/ElementDefs.h"
#include "outside/operands/GdiResources.h"
#include "platform/drawing/DeviceContext.h"
#include "platform/drawing/ResourceLibrary.h"

#include <cmath>
#include <string>

namespace ldr {

int NetPainter::HeightPixels() const { return GridToPixel(mLook.HeightRows); }

void NetPainter::DrawBody(gdi::DeviceContext& board) const {
  const int h = HeightPixels();
  {
    SelectGuard<gdi::Brush> white(board, gdi::Brush::Solid(gdi::RGB(255, 255, 255)));
    board.PatBlt(0, 1, kBoardWidth, h, gdi::PATCOPY);
  }
  DrawGridRows(board);
  {
    SelectGuard<gdi::Pen> grey(board, mRes.GreyPen);
    board.MoveTo(kLeftZoneWidth, h);
    board.LineTo(kBoardWidth, h);
  }
  if (mLook.IsCollapsed) DrawCentredNumber(board, mLook.ShowNum, {50, 1, 100, 13});
}

void NetPainter::DrawGridRows(gdi::DeviceContext& board) const {
  const int width = kBoardWidth - kLeftZoneWidth;
  for (std::int32_t row = 1; row <= mLook.HeightRows; ++row) {
    board.BitBlt(kLeftZoneWidth, GridToPixel(row), width, 1, mRes.GridRowDC, 0, 0, gdi::SRCCOPY);
  }
}

void NetPainter::DrawJunctionDots(gdi::DeviceContext& board, const std::vector<std::uint8_t>& junctions) const {
  SelectGuard<gdi::Brush> black(board, gdi::Brush::Solid(gdi::RGB(0, 0, 0)));
  for (std::size_t i = 2; i + 1 < junctions.size(); i += 2) {
    const int x = GridToPixel(junctions[i] + EDITING_OFST_X);
    const int y = GridToPixel(junctions[i + 1]);
    board.Ellipse(x - 2, y - 2, x + 3, y + 3);
  }
}

void NetPainter::DrawLeftZone(gdi::DeviceContext& left) const {
  const int h = HeightPixels();
  left.FillRect({0, 1, kLeftZoneWidth, h}, mLook.IsSelected ? mRes.GreyBrush : mRes.WhiteBrush);
  if (mLook.IsDisabled) {
    // Transparent gaps keep the selection ground visible under the hatch.
    BkModeGuard transparent(left, gdi::TRANSPARENT);
    SelectGuard<gdi::Brush> hatch(left, gdi::Brush::Hatch(gdi::HS_BDIAGONAL, kDisabledHatchColor));
    left.Rectangle(0, 1, kLeftZoneWidth, h);
  }
  {
    SelectGuard<gdi::Pen> rail(left, mLook.PowerRail ? left.CurrentPen().WithColor(mLook.PowerFlowColor) : gdi::Pen());
    left.MoveTo(kRailX, 0);
    left.LineTo(kRailX, h);
  }
  if (!mLook.IsCollapsed) {
    DrawLeftNumber(left);
    if (mLook.NeedsCompile) {
      DrawBitmap(left, mLook.IsSelected ? "NEEDTOCOMPILE_SELECTED" : "NEEDTOCOMPILE_NORMAL", 6, 22);
    }
  }
  if (!mLook.IsReturnStrip) DrawBitmap(left, mLook.IsCollapsed ? "EXPAND" : "COLLAPSE", 8, 2);
  if (!mLook.IsCollapsed && !mLook.IsReturnStrip) {
    DrawBitmap(left, mLook.IsSelected ? "STRIP_RESIZER_SELECTED" : "STRIP_RESIZER_NORMAL", 6, h - 18);
  }
  SelectGuard<gdi::Pen> grey(left, mRes.GreyPen);
  left.MoveTo(0, h);
  left.LineTo(kLeftZoneWidth, h);
}

void NetPainter::DrawLeftNumber(gdi::DeviceContext& left) const {
  // Half the height to the nearest integer, ties to even.
  const int middle = static_cast<int>(std::nearbyint(HeightPixels() / 2.0));
  DrawCentredNumber(left, mLook.ShowNum, {3, middle - 7 + 10, 23, middle + 7 + 10});
}

void NetPainter::DrawBitmap(gdi::DeviceContext& dc, const char* name, int x, int y) {
  const gdi::Bitmap& picture = gdi::ResourceLibrary::SharedBitmap(name); // only drawn from
  const gdi::DeviceContext source(picture);
  dc.BitBlt(x, y, picture.Width(), picture.Height(), source, 0, 0, gdi::SRCCOPY);
}

void NetPainter::DrawCentredNumber(gdi::DeviceContext& dc, std::int32_t number, gdi::Rect rect) {
  TextColorGuard black(dc, gdi::RGB(0, 0, 0));
  BkModeGuard transparent(dc, gdi::TRANSPARENT);
  dc.DrawText(std::to_string(number), rect, gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE);
}

} // namespace ldr
