#include "elements/clsLineElement.h"

#include "elements/ElementDrawing.h"
#include "outside/HostServices.h"
#include "outside/operands/GdiResources.h"
#include "platform/drawing/DeviceContext.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace ldr {
namespace {

constexpr int kBandHalfWidth = 6;

std::vector<gdi::Point> Triangle(gdi::Point a, gdi::Point b, gdi::Point c) { return {a, b, c}; }

} // namespace

enElementType clsLineElement::TypeOfExtent(const tyLdrPoint& delta) {
  if (delta.X == delta.Y) return eET_Undefined;
  return std::abs(delta.X) > std::abs(delta.Y) ? eET_HorzLine : eET_VertLine;
}

enElementType clsLineElement::ClassType() {
  const enElementType stored = TypeOfExtent(mExtent[kStored]);
  // A line being drawn has no stored extent yet; its transit extent tells.
  if (stored == eET_Undefined && mExtent[kStored] == tyLdrPoint{}) return TypeOfExtent(mExtent[kTransit]);
  return stored;
}

std::int32_t clsLineElement::Height() {
  switch (TypeOfExtent(mExtent[kStored])) {
  case eET_HorzLine:
    return 1;
  case eET_VertLine:
    return mExtent[kStored].Y;
  default:
    return 0;
  }
}

void clsLineElement::SetXe(std::int32_t value) {
  mExtent[kStored].X = value - mPosition[kStored].X;
  for (int i = kLastLegal; i <= kDisplay; ++i) mExtent[static_cast<std::size_t>(i)].X = mExtent[kStored].X;
}

void clsLineElement::SetYe(std::int32_t value) {
  mExtent[kStored].Y = value - mPosition[kStored].Y;
  for (int i = kLastLegal; i <= kDisplay; ++i) mExtent[static_cast<std::size_t>(i)].Y = mExtent[kStored].Y;
}

void clsLineElement::SetOutlet(const tyLdrPoint& value) {
  mExtent[kStored] = value - mPosition[kStored];
  NormaliseStoredDescriptor();
  SaveInitialPosition();
}

void clsLineElement::CopyDescriptor(int from, int to) {
  ElementBase::CopyDescriptor(from, to);
  mExtent.at(static_cast<std::size_t>(to)) = mExtent.at(static_cast<std::size_t>(from));
}

void clsLineElement::NormaliseStoredDescriptor() {
  tyLdrPoint& start = mPosition[kStored];
  tyLdrPoint& extent = mExtent[kStored];
  if (extent.X < 0) {
    start.X += extent.X;
    extent.X = -extent.X;
  }
  if (extent.Y < 0) {
    start.Y += extent.Y;
    extent.Y = -extent.Y;
  }
}

void clsLineElement::Stretch(std::int32_t Dx, std::int32_t Dy) {
  tyLdrPoint extent = mExtent[kStored] + tyLdrPoint{Dx, Dy};
  // Lines stay orthogonal; on a tie the line becomes horizontal.
  if (std::abs(extent.X) < std::abs(extent.Y)) {
    extent.X = 0;
  } else {
    extent.Y = 0;
  }
  mExtent[kTransit] = extent;
}

Rect clsLineElement::GetBoundingRect() {
  const tyLdrPoint& start = mPosition[kTransit];
  const tyLdrPoint& extent = mExtent[kTransit];
  Rect rect;
  rect.Left = extent.X < 0 ? start.X + extent.X : start.X;
  rect.Right = extent.X < 0 ? start.X : start.X + extent.X;
  rect.Top = extent.Y < 0 ? start.Y + extent.Y : start.Y;
  rect.Bottom = extent.Y < 0 ? start.Y : start.Y + extent.Y;
  return rect;
}

void clsLineElement::HitTestByPoint(HitRecord& hitData) {
  const std::int32_t x = hitData.X - mPosition[kDisplay].X;
  const std::int32_t y = hitData.Y - mPosition[kDisplay].Y;
  const tyLdrPoint& extent = mExtent[kDisplay];
  hitData.HitKind = (x >= 0 && x <= extent.X && y >= 0 && y <= extent.Y) ? eHK_ElementBody : eHK_Nothing;
  mHitRecord = hitData;
}

void clsLineElement::RightMouseUp() {
  if (mHitRecord.HitKind != eHK_ElementBody) return;
  mCtx.Host->Gui->ShowContextMenu(eGM_Line, {}, true, std::string());
}

db::FieldList clsLineElement::StoredColumns() {
  return {{"ElmntType", static_cast<long>(TypeOfExtent(mExtent[kStored]))},
          {"Xs", static_cast<long>(mPosition[kStored].X)},
          {"Ys", static_cast<long>(mPosition[kStored].Y)},
          {"Dx", static_cast<long>(mExtent[kStored].X)},
          {"Dy", static_cast<long>(mExtent[kStored].Y)},
          {"LineFlowDirection", static_cast<long>(mLineFlowDirection)}};
}

void clsLineElement::ReadFamilyColumns(const FieldReader& field) {
  mExtent[kStored] = {field("Dx").AsLong(), field("Dy").AsLong()};
  mLineFlowDirection = static_cast<enFLOW_DIRECTION>(field("LineFlowDirection").AsLong());
}

void clsLineElement::WriteFamilyProperties(PropertyBag& bag) {
  bag.WriteProperty("DeltaX", static_cast<long>(mExtent[kStored].X));
  bag.WriteProperty("DeltaY", static_cast<long>(mExtent[kStored].Y));
  bag.WriteProperty("LineFlowDirection", static_cast<long>(mLineFlowDirection));
}

void clsLineElement::ReadFamilyProperties(const PropertyBag& bag) {
  mExtent[kStored] = {bag.ReadProperty("DeltaX", 0).AsLong(), bag.ReadProperty("DeltaY", 0).AsLong()};
  mLineFlowDirection = static_cast<enFLOW_DIRECTION>(bag.ReadProperty("LineFlowDirection", 0).AsLong());
}

void clsLineElement::DrawFigure(gdi::DeviceContext& hdc, const GdiResources* resources) {
  const int dx = GridToPixel(mExtent[kDisplay].X);
  const int dy = GridToPixel(mExtent[kDisplay].Y);
  if (!resources) {
    hdc.MoveTo(0, 0);
    hdc.LineTo(dx, dy);
    return;
  }
  if (mIsSelected) {
    const enElementType shown = TypeOfExtent(mExtent[kDisplay]);
    if (shown == eET_HorzLine) {
      hdc.FillRect({1, -kBandHalfWidth, dx, kBandHalfWidth + 1}, resources->GreyBrush);
    } else if (shown == eET_VertLine) {
      hdc.FillRect({-kBandHalfWidth, 1, kBandHalfWidth + 1, dy - 1}, resources->GreyBrush);
    }
  }
  {
    SelectGuard<gdi::Pen> pen(hdc, mIsConducting ? hdc.CurrentPen().WithColor(PowerFlowColor()) : gdi::Pen());
    hdc.MoveTo(0, 0);
    hdc.LineTo(dx, dy);
  }
  if (mShowPowerFlow && mLineFlowDirection != eFD_None) DrawFlowArrow(hdc);
}

void clsLineElement::DrawFlowArrow(gdi::DeviceContext& hdc) {
  // Anchored at the middle of the line as stored.
  const bool alongX = mLineFlowDirection == eFD_Right || mLineFlowDirection == eFD_Left;
  const int anchorX = alongX ? static_cast<int>(std::lrint(GridToPixel(mExtent[kStored].X) / 2.0)) : 0;
  const int anchorY = alongX ? 0 : static_cast<int>(std::lrint(GridToPixel(mExtent[kStored].Y) / 2.0));
  ViewportShift shift(hdc, anchorX, anchorY);
  SelectGuard<gdi::Pen> pen(hdc, mIsConducting ? hdc.CurrentPen().WithColor(PowerFlowColor()) : gdi::Pen());
  SelectGuard<gdi::Brush> brush(hdc, gdi::Brush::Solid(0));
  switch (mLineFlowDirection) {
  case eFD_Up:
    hdc.Polygon(Triangle({0, 0}, {-3, 10}, {3, 10}));
    break;
  case eFD_Down:
    hdc.Polygon(Triangle({0, 0}, {-3, -10}, {3, -10}));
    break;
  case eFD_Right:
    hdc.Polygon(Triangle({0, 0}, {-10, -3}, {-10, 3}));
    break;
  case eFD_Left:
    hdc.Polygon(Triangle({0, 0}, {10, -3}, {10, 3}));
    break;
  case eFD_BiDirectional:
    hdc.Polygon(Triangle({0, 1}, {-3, 11}, {3, 11}));
    hdc.Polygon(Triangle({0, -1}, {-3, -11}, {3, -11}));
    break;
  case eFD_None:
    break;
  }
}

} // namespace ldr
